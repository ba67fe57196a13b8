// What one cell of the board view shows: a plain value the logic works out from the board,
// the marks and the options, so the view draws what it is given and reads no state.
#pragma once

#include <cstdint>

#include "Board/Cell.h"

struct CellLook {
    // CellEmpty, CellBlack or CellWhite.
    std::int32_t stone = CellEmpty;
    // The move number drawn on the stone, 1 to 999; 0 draws none.
    std::int32_t number = 0;
    // Above 0: the cell is a white square for the letter label of this number, which also
    // names the view's rendering of it; 0: no letter.
    std::int32_t label = 0;
    // The label's text (UTF-8); nullptr leaves the square white.
    const char* letter = nullptr;
    // The small red cross of a point forbidden to black.
    bool forbidden = false;
    // The ring on an empty point where a variation of the position shown begins.
    bool variation = false;
};

// The look of the cell (column, row), 1 to 15, from BoardCells, CellMarks, ShowMoveNumbers,
// LetterLabels and ForbiddenMarks.
CellLook LookOfCell(int column, int row);
