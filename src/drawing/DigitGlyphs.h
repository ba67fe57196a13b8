// Pixel-art tables of the digit glyphs: '#' is ink, '.' is ground, one string a row.
#pragma once

// Board view: ten glyphs of 10 × 20, strokes 3 pixels wide. Every glyph but 1 uses
// columns 1..9; the 1 is a plain bar in columns 4..6, whose stem the three-digit
// layout borrows as the hundreds mark.
constexpr int ViewGlyphWidth = 10;
constexpr int ViewGlyphHeight = 20;
extern const char* const ViewDigitRows[10][ViewGlyphHeight];
// A narrow 2 (5 × 20) for the hundreds of 200 and more, which the strip cannot hold.
constexpr int ViewNarrowTwoWidth = 5;
extern const char* const ViewNarrowTwoRows[ViewGlyphHeight];

// Export: ten glyphs of 8 × 14, strokes 2 pixels wide, in columns 1..7; the 1 is a
// plain bar in columns 4..5.
constexpr int ExportGlyphWidth = 8;
constexpr int ExportGlyphHeight = 14;
extern const char* const ExportDigitRows[10][ExportGlyphHeight];
constexpr int ExportNarrowTwoWidth = 4;
extern const char* const ExportNarrowTwoRows[ExportGlyphHeight];
