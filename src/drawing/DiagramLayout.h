// The diagram laid out as shapes in the units of the 25-pixel cell, origin at the
// figure's top-left corner: what every vector renderer draws, in painting order. The
// bitmap is the reference: the same lines, diamonds, discs and glyph positions.
#pragma once

#include <algorithm>

#include "drawing/GlyphOutlines.h"
#include "main/Diagram.h"

// A renderer provides:
//   Figure(width, height)             the white ground, once, first
//   Line(left, top, right, bottom)    black rectangle of the grid (right, bottom exclusive)
//   Diamond(x, y)                     star point on the pixel (x, y): its centre x + ½, y + ½
//   Ground(left, top, right, bottom)  white rectangle: under a stone, a four-chase square,
//                                     a letter's patch
//   BlackStone(cx, cy), WhiteStone(cx, cy)   disc of radius 12 round (cx, cy)
//   Numeral(glyph, x, y, white)       glyph of NumeralOutline at (x, y)
//   Letter(text, x, y)                the letter whose patch has its top-left at (x, y)
// Cells never overlap, so a renderer may gather each kind of shape into one layer as
// long as the layers keep this order.
template <typename Renderer> void LayOutDiagram(const Diagram& d, Renderer& out)
{
    namespace G = DiagramGeometry;
    const int width = d.Columns() * G::Cell;
    const int height = d.Rows() * G::Cell;
    const int ox = (d.left - 1) * G::Cell; // the figure's corner on the whole board
    const int oy = (d.top - 1) * G::Cell;
    out.Figure(width, height);

    // The grid of the whole board, cut to the figure.
    auto line = [&](int left, int top, int right, int bottom) {
        left = std::max(left - ox, 0);
        top = std::max(top - oy, 0);
        right = std::min(right - ox, width);
        bottom = std::min(bottom - oy, height);
        if (left < right && top < bottom)
            out.Line(left, top, right, bottom);
    };
    const int first = G::FirstLine;
    const int last = G::LastLine;
    for (int k = 1; k < BoardLines - 1; ++k) {
        const int at = first + k * G::Cell;
        line(at, first, at + 1, last + 1);
        line(first, at, last + 1, at + 1);
    }
    line(first - 1, first - 1, last + 2, first + 1);
    line(first - 1, last, last + 2, last + 2);
    line(first - 1, first - 1, first + 1, last + 2);
    line(last, first - 1, last + 2, last + 2);
    for (const auto& star : G::StarPoints)
        if (star[0] >= d.left && star[0] <= d.right && star[1] >= d.top && star[1] <= d.bottom)
            out.Diamond((star[0] - d.left) * G::Cell + first, (star[1] - d.top) * G::Cell + first);

    for (int row = d.top; row <= d.bottom; ++row) {
        for (int column = d.left; column <= d.right; ++column) {
            const DiagramCell& cell = d.At(column, row);
            const int dx = (column - d.left) * G::Cell;
            const int dy = (row - d.top) * G::Cell;
            if (cell.piece == DiagramPiece::Board) {
                if (cell.letter != nullptr) {
                    out.Ground(dx + G::PatchLeft, dy, dx + G::PatchRight, dy + G::PatchBottom);
                    if (*cell.letter != '\0')
                        out.Letter(cell.letter, dx + G::PatchLeft, dy);
                }
                continue;
            }
            out.Ground(dx, dy, dx + G::Cell, dy + G::Cell);
            if (cell.piece == DiagramPiece::Black)
                out.BlackStone(dx + G::StoneCentre, dy + G::StoneCentre);
            else if (cell.piece == DiagramPiece::White)
                out.WhiteStone(dx + G::StoneCentre, dy + G::StoneCentre);
            const int n = cell.number;
            if (n <= 0)
                continue;
            const bool white = NumeralIsWhite(cell.piece);
            const int y = dy + G::GlyphTop;
            if (n <= 9) {
                out.Numeral(n, dx + 8, y, white);
            } else if (n <= 99) {
                out.Numeral(n / 10, dx + 3, y, white);
                out.Numeral(n % 10, dx + 12, y, white);
            } else {
                // The bitmap's three-digit layout: a narrow hundreds mark, then the tens
                // and units one unit apart.
                const int h = (n / 100) % 10;
                if (h == 1)
                    out.Numeral(HundredsOne, dx + 3, y, white);
                else if (h == 2)
                    out.Numeral(HundredsTwo, dx + 2, y, white);
                out.Numeral((n / 10) % 10, dx + 6, y, white);
                out.Numeral(n % 10, dx + 14, y, white);
            }
        }
    }
}
