#include "drawing/LetterOutlines.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <deque>
#include <string>
#include <vector>

#include "drawing/DiagramBitmap.h"
#include "drawing/GlyphOutlines.h"
#include "main/Diagram.h"

namespace {

struct Outline {
    std::string text;
    QPainterPath path;
    std::string svg;
};

void AppendHalves(std::string& out, double v)
{
    const long twice = std::lround(v * 2);
    out += std::to_string(twice / 2);
    if (twice % 2 != 0)
        out += ".5";
}

Outline Make(const char* text)
{
    namespace G = DiagramGeometry;
    const int width = G::PatchRight - G::PatchLeft;
    const int height = G::PatchBottom;
    // The letter exactly as the bitmap draws it on its patch.
    QImage patch(width, height, QImage::Format_RGB32);
    patch.fill(Qt::white);
    {
        const QFont& font = DiagramLetterFont();
        QPainter painter(&patch);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(0, QFontMetrics(font).ascent(), QString::fromUtf8(text));
    }
    std::vector<std::string> rows(height, std::string(width, '.'));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (qGray(patch.pixel(x, y)) < 128)
                rows[y][x] = '#';
    std::vector<const char*> rowPointers;
    for (const std::string& row : rows)
        rowPointers.push_back(row.c_str());

    Outline made{text, QPainterPath(), std::string()};
    made.path.setFillRule(Qt::WindingFill);
    for (const Contour& contour : TraceGlyph(rowPointers.data(), height)) {
        QPolygonF polygon;
        char command = 'M';
        for (const OutlinePoint& p : contour) {
            polygon << QPointF(p.x, p.y);
            made.svg += command;
            AppendHalves(made.svg, p.x);
            made.svg += ' ';
            AppendHalves(made.svg, p.y);
            command = 'L';
        }
        made.svg += 'Z';
        made.path.addPolygon(polygon);
        made.path.closeSubpath();
    }
    return made;
}

const Outline& Find(const char* text)
{
    // A deque: the references handed out stay valid as letters are added.
    static std::deque<Outline> made;
    for (const Outline& o : made)
        if (o.text == text)
            return o;
    made.push_back(Make(text));
    return made.back();
}

} // namespace

const QPainterPath& LetterOutline(const char* text)
{
    return Find(text).path;
}

const std::string& LetterSvgPath(const char* text)
{
    return Find(text).svg;
}
