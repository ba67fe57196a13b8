#include "drawing/DiagramSvg.h"

#include <QPainterPath>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "drawing/DiagramLayout.h"
#include "drawing/LetterOutlines.h"

namespace {

void Int(std::string& out, int v)
{
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    out.append(buffer, end);
}

// v + ½, which is how a star point's diamond sits on its pixel.
void Half(std::string& out, int v)
{
    Int(out, v);
    out += ".5";
}

// A multiple of ½.
void Units(std::string& out, double v)
{
    const long twice = std::lround(v * 2);
    Int(out, static_cast<int>(twice / 2));
    if (twice % 2 != 0)
        out += ".5";
}

void Millimetres(std::string& out, double mm)
{
    char buffer[32];
    int length = std::snprintf(buffer, sizeof buffer, "%.4f", mm);
    while (buffer[length - 1] == '0')
        --length;
    if (buffer[length - 1] == '.')
        --length;
    out.append(buffer, static_cast<std::size_t>(length));
    out += "mm";
}

std::string NumeralPath(int glyph)
{
    std::string d;
    for (const Contour& contour : NumeralOutline(glyph)) {
        char command = 'M';
        for (const OutlinePoint& p : contour) {
            d += command;
            Units(d, p.x);
            d += ' ';
            Units(d, p.y);
            command = 'L';
        }
        d += 'Z';
    }
    return d;
}

const std::string& NumeralSvgPath(int glyph)
{
    static const std::string paths[NumeralGlyphCount] = {
        NumeralPath(0), NumeralPath(1), NumeralPath(2),  NumeralPath(3),
        NumeralPath(4), NumeralPath(5), NumeralPath(6),  NumeralPath(7),
        NumeralPath(8), NumeralPath(9), NumeralPath(10), NumeralPath(11),
    };
    return paths[glyph];
}

// A circle as two arcs, for one path that holds many.
void Circle(std::string& out, int cx, int cy, int r)
{
    out += 'M';
    Int(out, cx - r);
    out += ' ';
    Int(out, cy);
    out += 'a';
    Int(out, r);
    out += ' ';
    Int(out, r);
    out += " 0 1 0 ";
    Int(out, 2 * r);
    out += " 0a";
    Int(out, r);
    out += ' ';
    Int(out, r);
    out += " 0 1 0 ";
    Int(out, -2 * r);
    out += " 0z";
}

// The inner edge of the white stone's outline.
void InnerCircle(std::string& out, int cx, int cy)
{
    static const std::string arcs = [] {
        char buffer[128];
        const double r = DiagramGeometry::OutlineInnerRadius;
        std::snprintf(buffer, sizeof buffer, "a%g %g 0 1 0 %g 0a%g %g 0 1 0 %g 0z", r, r, 2 * r, r,
                      r, -2 * r);
        return std::string(buffer);
    }();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "M%g %d", cx - DiagramGeometry::OutlineInnerRadius, cy);
    out += buffer;
    out += arcs;
}

void Rect(std::string& out, int left, int top, int right, int bottom)
{
    out += 'M';
    Int(out, left);
    out += ' ';
    Int(out, top);
    out += 'h';
    Int(out, right - left);
    out += 'v';
    Int(out, bottom - top);
    out += 'h';
    Int(out, left - right);
    out += 'z';
}

void Use(std::string& out, const char* prefix, int id, int x, int y)
{
    out += "<use xlink:href=\"#";
    out += prefix;
    Int(out, id);
    out += "\" x=\"";
    Int(out, x);
    out += "\" y=\"";
    Int(out, y);
    out += "\"/>";
}

// Gathers each kind of shape into its own layer: one path for the grid, one for the
// white grounds, one for the stones, a group of uses for each ink of numeral.
class SvgLayers {
public:
    void Figure(int w, int h)
    {
        width = w;
        height = h;
    }
    void Line(int l, int t, int r, int b) { Rect(lines, l, t, r, b); }
    void Diamond(int x, int y)
    {
        // Five units across, centred on the pixel's centre (x + ½, y + ½).
        diamonds += 'M';
        Int(diamonds, x - 2);
        diamonds += ' ';
        Half(diamonds, y);
        diamonds += 'L';
        Half(diamonds, x);
        diamonds += ' ';
        Int(diamonds, y - 2);
        diamonds += 'L';
        Int(diamonds, x + 3);
        diamonds += ' ';
        Half(diamonds, y);
        diamonds += 'L';
        Half(diamonds, x);
        diamonds += ' ';
        Int(diamonds, y + 3);
        diamonds += 'Z';
    }
    void Ground(int l, int t, int r, int b) { Rect(grounds, l, t, r, b); }
    void BlackStone(int cx, int cy) { Circle(stones, cx, cy, DiagramGeometry::StoneRadius); }
    void WhiteStone(int cx, int cy)
    {
        // The outline as a ring: the disc less the disc one unit smaller (even-odd).
        Circle(stones, cx, cy, DiagramGeometry::StoneRadius);
        InnerCircle(stones, cx, cy);
    }
    void Numeral(int glyph, int x, int y, bool white)
    {
        usedGlyphs |= 1u << glyph;
        Use(white ? whiteNumerals : blackNumerals, "n", glyph, x, y);
    }
    void Letter(const char* text, int x, int y)
    {
        int id = 0;
        while (id < letterCount && std::string(letterTexts[id]) != text)
            ++id;
        if (id == letterCount) {
            if (letterCount == MaxLetters)
                return;
            letterTexts[letterCount++] = text;
        }
        Use(letters, "l", id, x, y);
    }

    std::string Document(double cellMm) const
    {
        namespace G = DiagramGeometry;
        std::string out;
        out.reserve(lines.size() + grounds.size() + stones.size() + whiteNumerals.size() +
                    blackNumerals.size() + letters.size() + 4096);
        out += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" "
               "xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\" width=\"";
        Millimetres(out, cellMm * width / G::Cell);
        out += "\" height=\"";
        Millimetres(out, cellMm * height / G::Cell);
        out += "\" viewBox=\"0 0 ";
        Int(out, width);
        out += ' ';
        Int(out, height);
        out += "\">\n<title>Korvane diagram</title>\n<defs>\n";
        for (int glyph = 0; glyph < NumeralGlyphCount; ++glyph) {
            if ((usedGlyphs & (1u << glyph)) == 0)
                continue;
            out += "<path id=\"n";
            Int(out, glyph);
            out += "\" d=\"";
            out += NumeralSvgPath(glyph);
            out += "\"/>\n";
        }
        for (int id = 0; id < letterCount; ++id) {
            out += "<path id=\"l";
            Int(out, id);
            if (LetterOutline(letterTexts[id]).fillRule() == Qt::OddEvenFill)
                out += "\" fill-rule=\"evenodd";
            out += "\" d=\"";
            out += LetterSvgPath(letterTexts[id]);
            out += "\"/>\n";
        }
        out += "</defs>\n<rect width=\"";
        Int(out, width);
        out += "\" height=\"";
        Int(out, height);
        out += "\" fill=\"#fff\"/>\n";
        auto path = [&out](const std::string& d, const char* attributes) {
            if (d.empty())
                return;
            out += "<path ";
            out += attributes;
            out += " d=\"";
            out += d;
            out += "\"/>\n";
        };
        auto group = [&out](const std::string& uses, const char* fill) {
            if (uses.empty())
                return;
            out += "<g fill=\"";
            out += fill;
            out += "\">";
            out += uses;
            out += "</g>\n";
        };
        path(lines, "fill=\"#000\"");
        path(diamonds, "fill=\"#000\"");
        path(grounds, "fill=\"#fff\"");
        path(stones, "fill=\"#000\" fill-rule=\"evenodd\"");
        group(blackNumerals, "#000");
        group(whiteNumerals, "#fff");
        group(letters, "#000");
        out += "</svg>\n";
        return out;
    }

    std::string lines, diamonds, grounds, stones, blackNumerals, whiteNumerals, letters;

private:
    static constexpr int MaxLetters = 32;
    int width = 0, height = 0;
    unsigned usedGlyphs = 0;
    const char* letterTexts[MaxLetters] = {};
    int letterCount = 0;
};

} // namespace

std::string EncodeDiagramSvg(const Diagram& diagram, double cellMm)
{
    SvgLayers layers;
    // Room for a full board, so the layers grow once at most.
    layers.lines.reserve(2048);
    layers.grounds.reserve(8192);
    layers.stones.reserve(16384);
    layers.blackNumerals.reserve(8192);
    layers.whiteNumerals.reserve(8192);
    LayOutDiagram(diagram, layers);
    return layers.Document(cellMm);
}
