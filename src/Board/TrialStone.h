// A stone tried on an empty point for as long as a scope lives, and taken back on every path
// out of it, on any table of cells in the CellIndex layout (the shared board or a copy).
#pragma once

#include "Board/Cell.h"

template <typename CellValue> class TrialStone {
public:
    // Puts a `colour` stone on `cell` only if the cell is empty; `cell` must be a board cell.
    TrialStone(CellValue* cells, CellIndex cell, Colour colour)
        : cells_(cells), cell_(cell), placed_(cells[cell] == CellEmpty)
    {
        if (placed_)
            cells_[cell_] = static_cast<CellValue>(CellOf(colour));
    }
    ~TrialStone()
    {
        if (placed_)
            cells_[cell_] = CellEmpty;
    }
    TrialStone(const TrialStone&) = delete;
    TrialStone& operator=(const TrialStone&) = delete;

private:
    CellValue* cells_;
    CellIndex cell_;
    bool placed_;
};
