#include "main/Diagram.h"

#include <algorithm>

#include "Set_Data/Set_Data.h"
#include "main/State.h"

namespace {

DiagramCell Describe(CellIndex cell)
{
    DiagramCell out;
    const int stone = BoardCells[cell];
    const int mark = CellMarks[cell];
    if (stone == CellBlack || stone == CellWhite) {
        if (EditMode == ModeFourChase && mark > 0) {
            // A four-chase shows the attacker's numbered stones as bare numerals and
            // leaves the defender's answers out altogether.
            if (stone != FourChaseColor)
                return out;
            out.piece = DiagramPiece::FourChase;
        } else {
            out.piece = stone == CellBlack ? DiagramPiece::Black : DiagramPiece::White;
        }
        // ShowMoveNumbers is not consulted: a diagram keeps its numbers.
        if (mark > 0 && mark >= FirstNumberedMove)
            out.number = static_cast<std::int16_t>(std::min(mark, 999));
    } else if (mark < 0) {
        const int label = -mark;
        out.letter = label <= 26 && LetterLabels[label] != nullptr ? LetterLabels[label] : "";
    }
    return out;
}

} // namespace

void DescribeExport(int left, int top, int right, int bottom, Diagram& diagram)
{
    auto onBoard = [](int v) { return std::clamp(v, 1, BoardLines); };
    diagram.left = onBoard(std::min(left, right));
    diagram.right = onBoard(std::max(left, right));
    diagram.top = onBoard(std::min(top, bottom));
    diagram.bottom = onBoard(std::max(top, bottom));
    for (int row = diagram.top; row <= diagram.bottom; ++row)
        for (int column = diagram.left; column <= diagram.right; ++column)
            diagram.cells[row - 1][column - 1] = Describe(MakeCell(column, row));
}
