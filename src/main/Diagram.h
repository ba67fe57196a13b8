// What a picture export draws, worked out once from the shared state and free of any
// drawing library: the cells of the range and, for each, its piece, numeral and letter.
// Every picture format renders this same description.
#pragma once

#include <cstdint>

#include "Board/Cell.h"
#include "main/Geometry.h"

enum class DiagramPiece : std::uint8_t {
    Board,     // the blank board's piece for the point: grid lines, perhaps a star point
    Black,     // black stone
    White,     // white stone
    FourChase, // a white square: the attacker's numbered stone in a four-chase
};

struct DiagramCell {
    DiagramPiece piece = DiagramPiece::Board;
    // The numeral on the piece, 1 to 999; 0 draws none.
    std::int16_t number = 0;
    // A letter on an empty point: its white patch, then the text (UTF-8; "" draws the
    // patch alone). nullptr: no letter.
    const char* letter = nullptr;
};

// A numeral is drawn white on a black stone and black on anything else.
constexpr bool NumeralIsWhite(DiagramPiece piece)
{
    return piece == DiagramPiece::Black;
}

struct Diagram {
    // Columns left to right and rows top to bottom, 1 to 15, in order.
    int left = 1, top = 1, right = BoardLines, bottom = BoardLines;
    // [row − 1][column − 1]; only the cells of the range are filled.
    DiagramCell cells[BoardLines][BoardLines];

    int Columns() const { return right - left + 1; }
    int Rows() const { return bottom - top + 1; }
    const DiagramCell& At(int column, int row) const { return cells[row - 1][column - 1]; }
};

// The figure's geometry, in the units of one 25-pixel bitmap cell.
namespace DiagramGeometry {
constexpr int Cell = ExportCell;
constexpr int Board = BoardLines * Cell;
// Grid line k (0 to 14) of the whole board lies at 12 + 25k, one unit wide; the outer
// four are two units, thickened outwards.
constexpr int FirstLine = 12;
constexpr int LastLine = FirstLine + (BoardLines - 1) * Cell;
// Star points and centre: filled diamonds five units across on these crossings.
constexpr int StarPoints[5][2] = {{4, 4}, {12, 4}, {4, 12}, {12, 12}, {8, 8}};
// A stone is a disc 24 across in (0, 0, 24, 24) of its cell; the white stone's outline
// is one unit wide inside that disc. Its inner edge sits a shade further out: renderers
// draw circles as polygons a little inside the true curve, and the outline should keep
// to the pixels the bitmap gives it.
constexpr int StoneCentre = 12;
constexpr int StoneRadius = 12;
constexpr double OutlineInnerRadius = 11.08;
// Numerals: glyphs of 8 × 14 from dy + 5; one digit at dx + 8, two at dx + 3 and
// dx + 12, three as a narrow hundreds mark, then tens at dx + 6 and units at dx + 14.
constexpr int GlyphWidth = 8;
constexpr int GlyphHeight = 14;
constexpr int GlyphTop = 5;
// A letter's white patch (dx + 4, dy, dx + 22, dy + 22); the text stands at its corner.
constexpr int PatchLeft = 4;
constexpr int PatchRight = 22;
constexpr int PatchBottom = 22;
} // namespace DiagramGeometry

// The export of the cells from (left, top) to (right, bottom), read from BoardCells,
// CellMarks, EditMode, FourChaseColor, FirstNumberedMove and LetterLabels. The range is
// kept on the board and put in order.
void DescribeExport(int left, int top, int right, int bottom, Diagram& diagram);
