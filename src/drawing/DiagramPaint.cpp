#include "drawing/DiagramPaint.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPageSize>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "drawing/DiagramLayout.h"
#include "drawing/LetterOutlines.h"

namespace {

const QPainterPath& NumeralPainterPath(int glyph)
{
    static const auto paths = [] {
        std::vector<QPainterPath> made(NumeralGlyphCount);
        for (int g = 0; g < NumeralGlyphCount; ++g) {
            made[g].setFillRule(Qt::WindingFill);
            for (const Contour& contour : NumeralOutline(g)) {
                QPolygonF polygon;
                for (const OutlinePoint& p : contour)
                    polygon << QPointF(p.x, p.y);
                made[g].addPolygon(polygon);
                made[g].closeSubpath();
            }
        }
        return made;
    }();
    return paths[glyph];
}

// Paints each shape as it comes, or, for a PDF, gathers each kind of shape into one
// path filled once: a PDF page then holds a handful of paths instead of a few hundred
// drawings with their own state, and writes and compresses a tenth as much.
class PainterLayers {
public:
    PainterLayers(QPainter& p, bool gather) : painter(p), gathering(gather)
    {
        lines.setFillRule(Qt::WindingFill); // the grid's rectangles overlap at crossings
        stones.setFillRule(Qt::OddEvenFill);
        blackNumerals.setFillRule(Qt::WindingFill);
        whiteNumerals.setFillRule(Qt::WindingFill);
        letters.setFillRule(Qt::WindingFill);
    }

    void Figure(int w, int h) { painter.fillRect(QRectF(0, 0, w, h), Qt::white); }
    void Line(int l, int t, int r, int b)
    {
        lines.addRect(l, t, r - l, b - t);
        Flush(lines, Qt::black);
    }
    void Diamond(int x, int y)
    {
        const QPointF c(x + 0.5, y + 0.5);
        lines.addPolygon(QPolygonF({c + QPointF(-2.5, 0), c + QPointF(0, -2.5), c + QPointF(2.5, 0),
                                    c + QPointF(0, 2.5)}));
        lines.closeSubpath();
        Flush(lines, Qt::black);
    }
    void Ground(int l, int t, int r, int b)
    {
        grounds.addRect(l, t, r - l, b - t);
        Flush(grounds, Qt::white);
    }
    void BlackStone(int cx, int cy)
    {
        const double r = DiagramGeometry::StoneRadius;
        stones.addEllipse(QPointF(cx, cy), r, r);
        Flush(stones, Qt::black);
    }
    void WhiteStone(int cx, int cy)
    {
        // The outline as a ring: the disc less a smaller one (even-odd).
        const double r = DiagramGeometry::StoneRadius;
        const double inner = DiagramGeometry::OutlineInnerRadius;
        stones.addEllipse(QPointF(cx, cy), r, r);
        stones.addEllipse(QPointF(cx, cy), inner, inner);
        Flush(stones, Qt::black);
    }
    void Numeral(int glyph, int x, int y, bool white)
    {
        QPainterPath& layer = white ? whiteNumerals : blackNumerals;
        layer.addPath(NumeralPainterPath(glyph).translated(x, y));
        Flush(layer, white ? Qt::white : Qt::black);
    }
    void Letter(const char* text, int x, int y)
    {
        letters.addPath(LetterOutline(text).translated(x, y));
        Flush(letters, Qt::black);
    }

    // The gathered layers, in painting order.
    void Finish()
    {
        gathering = false;
        Flush(lines, Qt::black);
        Flush(grounds, Qt::white);
        Flush(stones, Qt::black);
        Flush(blackNumerals, Qt::black);
        Flush(whiteNumerals, Qt::white);
        Flush(letters, Qt::black);
    }

private:
    void Flush(QPainterPath& layer, Qt::GlobalColor colour)
    {
        if (gathering || layer.isEmpty())
            return;
        painter.fillPath(layer, colour);
        layer.clear();
    }

    QPainter& painter;
    bool gathering;
    QPainterPath lines, grounds, stones, blackNumerals, whiteNumerals, letters;
};

std::vector<std::uint8_t> Bytes(const QByteArray& data)
{
    return {data.begin(), data.end()};
}

} // namespace

void PaintDiagram(QPainter& painter, const Diagram& diagram, bool gatherLayers)
{
    PainterLayers layers(painter, gatherLayers);
    LayOutDiagram(diagram, layers);
    layers.Finish();
}

std::vector<std::uint8_t> EncodeDiagramPdf(const Diagram& diagram, double cellMm)
{
    namespace G = DiagramGeometry;
    // A PDF page is a whole number of points here: the page is the figure rounded up to
    // the next point, the figure at its exact size in the top-left corner, so a cell is
    // exactly `cellMm` and at most a third of a millimetre of white is left over.
    constexpr double PointsPerMm = 72.0 / 25.4;
    const QSize pagePoints(
        static_cast<int>(std::ceil(diagram.Columns() * cellMm * PointsPerMm - 1e-6)),
        static_cast<int>(std::ceil(diagram.Rows() * cellMm * PointsPerMm - 1e-6)));
    QByteArray data;
    // Room for a full board at once: growing the buffer write by write costs more than
    // drawing the figure.
    data.reserve(256 * 1024);
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Korvane"));
        pdf.setTitle(QStringLiteral("Korvane diagram"));
        pdf.setPageSize(QPageSize(pagePoints, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        // The device's pixel is the figure's unit where the cell size allows (127 dots an
        // inch at 5 mm a cell): the page then holds the figure's own short coordinates,
        // a third of the bytes to write and compress.
        const double unitsPerInch = 25.4 * G::Cell / cellMm;
        const int dpi = std::max(1, static_cast<int>(std::lround(unitsPerInch)));
        pdf.setResolution(dpi);
        QPainter painter(&pdf);
        const double unit = dpi / unitsPerInch; // device pixels a unit
        if (std::abs(unit - 1) > 1e-9)
            painter.scale(unit, unit);
        PaintDiagram(painter, diagram, true);
    }
    return Bytes(data);
}

std::vector<std::uint8_t> EncodeDiagramPng(const Diagram& diagram, int cellPx, double cellMm)
{
    namespace G = DiagramGeometry;
    const int width = diagram.Columns() * cellPx;
    const int height = diagram.Rows() * cellPx;
    // Painted smooth in grey, then cut at half: each pixel is black when the figure
    // covers most of it, so curves and diagonals come out as clean as 1 bit allows.
    QImage grey(width, height, QImage::Format_Grayscale8);
    {
        QPainter painter(&grey);
        painter.setRenderHint(QPainter::Antialiasing);
        const double unit = static_cast<double>(cellPx) / G::Cell;
        painter.scale(unit, unit);
        PaintDiagram(painter, diagram);
    }
    QImage mono(width, height, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(0);
    for (int y = 0; y < height; ++y) {
        const uchar* in = grey.constScanLine(y);
        uchar* out = mono.scanLine(y);
        for (int x = 0; x < width; ++x)
            if (in[x] >= 128)
                out[x >> 3] |= static_cast<uchar>(0x80u >> (x & 7));
    }
    const int dotsPerMetre = static_cast<int>(std::lround(cellPx / cellMm * 1000.0));
    mono.setDotsPerMeterX(dotsPerMetre);
    mono.setDotsPerMeterY(dotsPerMetre);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.write(mono);
    return Bytes(data);
}
