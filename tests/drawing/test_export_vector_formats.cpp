// Guards the vector and high-resolution figures against the bitmap they must look
// like: each is rendered by an independent program (rsvg-convert for SVG, pdftoppm for
// PDF) or read back (PNG), brought to 25 pixels a cell, cut at half grey, and compared
// pixel by pixel with the BMP of the same figure over the corpus.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <fstream>

#include "ExportCorpus.h"
#include "drawing/DiagramBitmap.h"
#include "drawing/DiagramPaint.h"
#include "drawing/DiagramSvg.h"
#include "main/Diagram.h"

namespace {

void WriteFile(const std::string& path, const void* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// Runs a tool the tests depend on; scripts/install-deps.sh installs it.
bool RunTool(const QString& program, const QStringList& arguments, QString& error)
{
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        error = program + " is missing: run scripts/install-deps.sh";
        return false;
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        error = program + " failed: " + QString::fromUtf8(process.readAllStandardError());
        return false;
    }
    return true;
}

// 1 for black, 0 for white, from grey levels cut at half.
std::vector<std::uint8_t> Threshold(const QImage& image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const int w = grey.width();
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(w) * grey.height());
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* line = grey.constScanLine(y);
        std::uint8_t* out = bits.data() + static_cast<std::size_t>(y) * w;
        for (int x = 0; x < w; ++x)
            out[x] = line[x] < 128;
    }
    return bits;
}

// A picture of `factor` times the size averaged down, each block to one pixel.
QImage Reduce(const QImage& image, int factor)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    QImage out(grey.width() / factor, grey.height() / factor, QImage::Format_Grayscale8);
    std::vector<int> sums(static_cast<std::size_t>(out.width()));
    for (int y = 0; y < out.height(); ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int sy = 0; sy < factor; ++sy) {
            const uchar* line = grey.constScanLine(y * factor + sy);
            for (int x = 0; x < out.width() * factor; ++x)
                sums[static_cast<std::size_t>(x / factor)] += line[x];
        }
        uchar* to = out.scanLine(y);
        for (int x = 0; x < out.width(); ++x)
            to[x] = static_cast<uchar>(sums[static_cast<std::size_t>(x)] / (factor * factor));
    }
    return out;
}

testing::AssertionResult Agrees(const QImage& rendered, const QImage& bitmap, double& share)
{
    if (rendered.size() != bitmap.size())
        return testing::AssertionFailure()
               << "size " << rendered.width() << "x" << rendered.height() << ", expected "
               << bitmap.width() << "x" << bitmap.height();
    const std::vector<std::uint8_t> a = Threshold(rendered);
    const std::vector<std::uint8_t> b = Threshold(bitmap);
    std::size_t same = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        same += a[i] == b[i];
    share = static_cast<double>(same) / static_cast<double>(a.size());
    if (share < 0.99)
        return testing::AssertionFailure() << "only " << share * 100 << "% of pixels agree";
    return testing::AssertionSuccess();
}

class VectorFormats : public testing::Test {
protected:
    // Every corpus position over ranges that leave the comparison a fair number of
    // pixels: the whole board, an inner range and one at the edge.
    template <typename Render> void ForEachFigure(Render render)
    {
        const ExportRange ranges[] = {{1, 1, 15, 15}, {3, 2, 6, 4}, {8, 10, 15, 15}};
        double worst = 1;
        for (const ExportCase& c : ExportCorpus()) {
            for (const ExportRange& r : ranges) {
                SCOPED_TRACE(testing::Message() << c.name << ", range " << r.left << "," << r.top
                                                << "," << r.right << "," << r.bottom);
                ClearBoardState();
                c.setUp();
                Diagram diagram;
                DescribeExport(r.left, r.top, r.right, r.bottom, diagram);
                QImage bitmap;
                RenderDiagramBitmap(diagram, bitmap);
                QImage rendered;
                QString error;
                ASSERT_TRUE(render(diagram, rendered, error)) << error.toStdString();
                double share = 0;
                EXPECT_TRUE(Agrees(rendered, bitmap, share));
                worst = std::min(worst, share);
            }
        }
        std::printf("worst agreement with the bitmap: %.3f%%\n", worst * 100);
    }

    TempDir dir;
};

TEST_F(VectorFormats, SvgRenderedByRsvgAgreesWithTheBitmap)
{
    ForEachFigure([this](const Diagram& d, QImage& out, QString& error) {
        const std::string svg = EncodeDiagramSvg(d, 5.0);
        const std::string in = dir.File("figure.svg");
        const std::string png = dir.File("figure-svg.png");
        WriteFile(in, svg.data(), svg.size());
        const QString w = QString::number(d.Columns() * 25), h = QString::number(d.Rows() * 25);
        if (!RunTool("rsvg-convert",
                     {"-w", w, "-h", h, "-b", "white", "-o", QString::fromStdString(png),
                      QString::fromStdString(in)},
                     error))
            return false;
        out = QImage(QString::fromStdString(png));
        return !out.isNull();
    });
}

TEST_F(VectorFormats, PdfRenderedByPdftoppmAgreesWithTheBitmap)
{
    ForEachFigure([this](const Diagram& d, QImage& out, QString& error) {
        const std::vector<std::uint8_t> pdf = EncodeDiagramPdf(d, 5.0);
        const std::string in = dir.File("figure.pdf");
        WriteFile(in, pdf.data(), pdf.size());
        // 5 mm a cell at 508 dots an inch is 100 pixels a cell, then brought down to 25
        // as the PNG is: at 25 the renderer's own coarse curves would be measured.
        if (!RunTool("pdftoppm",
                     {"-r", "508", "-gray", "-singlefile", QString::fromStdString(in),
                      QString::fromStdString(dir.File("figure-pdf"))},
                     error))
            return false;
        const QImage page = Reduce(QImage(QString::fromStdString(dir.File("figure-pdf.pgm"))), 4);
        // The page is the figure rounded up to whole points: at most two pixels of
        // white here beside the figure, which stands in the top-left corner.
        const int w = d.Columns() * 25, h = d.Rows() * 25;
        if (page.width() < w || page.height() < h || page.width() > w + 2 ||
            page.height() > h + 2) {
            error = QString("page of %1x%2 pixels").arg(page.width()).arg(page.height());
            return false;
        }
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if ((x >= w || y >= h) && qGray(page.pixel(x, y)) < 128) {
                    error = "ink beside the figure";
                    return false;
                }
        out = page.copy(0, 0, w, h);
        return true;
    });
}

TEST_F(VectorFormats, PngAtAHundredPixelsACellAgreesWithTheBitmap)
{
    ForEachFigure([](const Diagram& d, QImage& out, QString&) {
        const std::vector<std::uint8_t> png = EncodeDiagramPng(d, 100, 5.0);
        QImage full;
        if (!full.loadFromData(png.data(), static_cast<int>(png.size()), "PNG"))
            return false;
        // Black and white only, at the size asked for.
        if (full.depth() != 1 || full.width() != d.Columns() * 100)
            return false;
        out = Reduce(full, 4);
        return true;
    });
}

} // namespace
