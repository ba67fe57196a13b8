// The export's digit glyphs as outlines, traced from their pixel art so that a vector
// figure shows the same numerals as the bitmap, only sharp. The corners of one-pixel
// stair steps are cut to a slope through the middles of the steps, which rounds what the
// pixel art can only suggest while moving no pixel's ink by more than an eighth.
#pragma once

#include <vector>

struct OutlinePoint {
    double x, y; // in glyph pixels, from the glyph's top-left corner
};
// A closed contour; outer contours run clockwise (y down), holes the other way, so
// a nonzero fill leaves the holes open.
using Contour = std::vector<OutlinePoint>;

// The outline of the ink ('#') of a pixel-art glyph of `height` rows.
std::vector<Contour> TraceGlyph(const char* const* rows, int height);

// The numeral glyphs of a figure: the digits 0 to 9, then the two hundreds marks.
constexpr int HundredsOne = 10; // the stem of the glyph of 1, two units wide
constexpr int HundredsTwo = 11; // the narrow 2, four units wide
constexpr int NumeralGlyphCount = 12;
const std::vector<Contour>& NumeralOutline(int glyph);
