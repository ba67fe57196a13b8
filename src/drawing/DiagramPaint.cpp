#include "drawing/DiagramPaint.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPageSize>
#include <QPainterPath>
#include <QPdfWriter>
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

class PainterLayers {
public:
    explicit PainterLayers(QPainter& p) : painter(p) {}

    void Figure(int w, int h) { painter.fillRect(QRectF(0, 0, w, h), Qt::white); }
    void Line(int l, int t, int r, int b)
    {
        painter.fillRect(QRectF(l, t, r - l, b - t), Qt::black);
    }
    void Diamond(int x, int y)
    {
        const QPointF c(x + 0.5, y + 0.5);
        const QPointF corners[4] = {c + QPointF(-2.5, 0), c + QPointF(0, -2.5), c + QPointF(2.5, 0),
                                    c + QPointF(0, 2.5)};
        painter.setBrush(Qt::black);
        painter.drawPolygon(corners, 4);
    }
    void Ground(int l, int t, int r, int b)
    {
        painter.fillRect(QRectF(l, t, r - l, b - t), Qt::white);
    }
    void BlackStone(int cx, int cy)
    {
        const double r = DiagramGeometry::StoneRadius;
        painter.setBrush(Qt::black);
        painter.drawEllipse(QPointF(cx, cy), r, r);
    }
    void WhiteStone(int cx, int cy)
    {
        const double r = DiagramGeometry::StoneRadius;
        QPainterPath ring;
        ring.setFillRule(Qt::OddEvenFill);
        ring.addEllipse(QPointF(cx, cy), r, r);
        const double inner = DiagramGeometry::OutlineInnerRadius;
        ring.addEllipse(QPointF(cx, cy), inner, inner);
        painter.fillPath(ring, Qt::black);
    }
    void Numeral(int glyph, int x, int y, bool white)
    {
        painter.fillPath(NumeralPainterPath(glyph).translated(x, y), white ? Qt::white : Qt::black);
    }
    void Letter(const char* text, int x, int y)
    {
        painter.fillPath(LetterOutline(text).translated(x, y), Qt::black);
    }

private:
    QPainter& painter;
};

std::vector<std::uint8_t> Bytes(const QByteArray& data)
{
    return {data.begin(), data.end()};
}

} // namespace

void PaintDiagram(QPainter& painter, const Diagram& diagram)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    PainterLayers layers(painter);
    LayOutDiagram(diagram, layers);
    painter.restore();
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
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Korvane"));
        pdf.setTitle(QStringLiteral("Korvane diagram"));
        pdf.setPageSize(QPageSize(pagePoints, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        constexpr int Dpi = 1200;
        pdf.setResolution(Dpi);
        QPainter painter(&pdf);
        painter.setRenderHint(QPainter::Antialiasing);
        const double unit = cellMm / G::Cell / 25.4 * Dpi; // device pixels a unit
        painter.scale(unit, unit);
        PaintDiagram(painter, diagram);
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
