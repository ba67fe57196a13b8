// A stone put on an empty cell for the length of one analysis and taken away on every path
// out of it. Internal to GtRen.
#pragma once

#include "GtRen/Board.h"

namespace gtren_detail {

class TrialStone {
public:
    // Puts a `colour` stone on `cell` only if the cell is empty; `cell` must be a board cell.
    TrialStone(CellIndex cell, std::int32_t colour)
        : cell_(cell), placed_(BoardCells[cell] == CellEmpty)
    {
        if (placed_)
            BoardCells[cell_] = colour;
    }
    ~TrialStone()
    {
        if (placed_)
            BoardCells[cell_] = CellEmpty;
    }
    TrialStone(const TrialStone&) = delete;
    TrialStone& operator=(const TrialStone&) = delete;

private:
    CellIndex cell_;
    bool placed_;
};

} // namespace gtren_detail
