#include "drawing/GlyphOutlines.h"

#include <cstdlib>
#include <cstring>

#include "drawing/DigitGlyphs.h"

namespace {

struct Grid {
    const char* const* rows;
    int width, height;
    bool Ink(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < width && y < height && rows[y][x] == '#';
    }
    // How many of the four pixels around the corner (x, y) are ink.
    int InkAround(int x, int y) const
    {
        return Ink(x - 1, y - 1) + Ink(x, y - 1) + Ink(x - 1, y) + Ink(x, y);
    }
};

struct Edge {
    OutlinePoint from, to;
    bool used = false;
};

OutlinePoint Pt(int x, int y)
{
    return {static_cast<double>(x), static_cast<double>(y)};
}

bool Same(OutlinePoint a, OutlinePoint b)
{
    return a.x == b.x && a.y == b.y;
}

double Cross(OutlinePoint a, OutlinePoint b, OutlinePoint c)
{
    return (b.x - a.x) * (c.y - b.y) - (b.y - a.y) * (c.x - b.x);
}

// Edges here run along the axes.
double Length(OutlinePoint a, OutlinePoint b)
{
    return std::abs(a.x - b.x) + std::abs(a.y - b.y);
}

// Half a unit from `from` towards `to`.
OutlinePoint HalfTowards(OutlinePoint from, OutlinePoint to)
{
    const double length = Length(from, to);
    return {from.x + (to.x - from.x) / length / 2, from.y + (to.y - from.y) / length / 2};
}

// Drops the corners where the contour goes straight on.
Contour WithoutStraightCorners(const Contour& in)
{
    Contour out;
    const std::size_t n = in.size();
    for (std::size_t i = 0; i < n; ++i) {
        const OutlinePoint prev = in[(i + n - 1) % n];
        const OutlinePoint next = in[(i + 1) % n];
        if (Cross(prev, in[i], next) != 0)
            out.push_back(in[i]);
    }
    return out;
}

} // namespace

std::vector<Contour> TraceGlyph(const char* const* rows, int height)
{
    const Grid grid{rows, static_cast<int>(std::strlen(rows[0])), height};
    // Every side of an ink pixel that borders ground, clockwise around the pixel.
    std::vector<Edge> edges;
    for (int y = 0; y < grid.height; ++y) {
        for (int x = 0; x < grid.width; ++x) {
            if (!grid.Ink(x, y))
                continue;
            if (!grid.Ink(x, y - 1))
                edges.push_back(Edge{Pt(x, y), Pt(x + 1, y)});
            if (!grid.Ink(x + 1, y))
                edges.push_back(Edge{Pt(x + 1, y), Pt(x + 1, y + 1)});
            if (!grid.Ink(x, y + 1))
                edges.push_back(Edge{Pt(x + 1, y + 1), Pt(x, y + 1)});
            if (!grid.Ink(x - 1, y))
                edges.push_back(Edge{Pt(x, y + 1), Pt(x, y)});
        }
    }
    std::vector<Contour> contours;
    for (Edge& start : edges) {
        if (start.used)
            continue;
        Contour unit;
        Edge* edge = &start;
        while (edge != nullptr) {
            edge->used = true;
            unit.push_back(edge->from);
            Edge* next = nullptr;
            for (Edge& candidate : edges)
                if (!candidate.used && Same(candidate.from, edge->to)) {
                    next = &candidate;
                    break;
                }
            edge = next;
        }
        Contour contour = WithoutStraightCorners(unit);
        // A stair step of one pixel is a slope drawn coarsely: its corners, and the
        // corners next to it, are cut half a unit along each side.
        const std::size_t n = contour.size();
        auto isStep = [&](std::size_t i) {
            const OutlinePoint prev = contour[(i + n - 1) % n];
            const OutlinePoint here = contour[i];
            const OutlinePoint next = contour[(i + 1) % n];
            return Length(prev, here) == 1 && Length(here, next) == 1 &&
                   grid.InkAround(static_cast<int>(here.x), static_cast<int>(here.y)) == 3;
        };
        Contour smooth;
        auto add = [&smooth](OutlinePoint p) {
            if (smooth.empty() || !Same(smooth.back(), p))
                smooth.push_back(p);
        };
        for (std::size_t i = 0; i < n; ++i) {
            const OutlinePoint prev = contour[(i + n - 1) % n];
            const OutlinePoint here = contour[i];
            const OutlinePoint next = contour[(i + 1) % n];
            if (isStep(i) || isStep((i + n - 1) % n) || isStep((i + 1) % n)) {
                add(HalfTowards(here, prev));
                add(HalfTowards(here, next));
            } else {
                add(here);
            }
        }
        if (smooth.size() > 1 && Same(smooth.front(), smooth.back()))
            smooth.pop_back();
        contours.push_back(WithoutStraightCorners(smooth));
    }
    return contours;
}

const std::vector<Contour>& NumeralOutline(int glyph)
{
    static const std::vector<Contour> outlines[NumeralGlyphCount] = {
        TraceGlyph(ExportDigitRows[0], ExportGlyphHeight),
        TraceGlyph(ExportDigitRows[1], ExportGlyphHeight),
        TraceGlyph(ExportDigitRows[2], ExportGlyphHeight),
        TraceGlyph(ExportDigitRows[3], ExportGlyphHeight),
        TraceGlyph(ExportDigitRows[4], ExportGlyphHeight),
        TraceGlyph(ExportDigitRows[5], ExportGlyphHeight),
        TraceGlyph(ExportDigitRows[6], ExportGlyphHeight),
        TraceGlyph(ExportDigitRows[7], ExportGlyphHeight),
        TraceGlyph(ExportDigitRows[8], ExportGlyphHeight),
        TraceGlyph(ExportDigitRows[9], ExportGlyphHeight),
        // Columns 4 and 5 of the glyph of 1, standing alone.
        {{{0, 0}, {2, 0}, {2, ExportGlyphHeight}, {0, ExportGlyphHeight}}},
        TraceGlyph(ExportNarrowTwoRows, ExportGlyphHeight),
    };
    return outlines[glyph];
}
