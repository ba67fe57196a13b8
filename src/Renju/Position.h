// The judge's own copy of a board, in the 273-entry layout of Board/Cell.h. Stones are tried
// on it with a TrialStone over its cells.
#pragma once

#include <cstdint>

#include "Board/Cell.h"
#include "Board/TrialStone.h"

namespace renju {

class Position {
public:
    // Copies `board` (273 entries). The frame is always off-board, whatever the table holds
    // there, and a value other than empty, black or white counts as off-board.
    explicit Position(const std::int32_t* board);

    int operator[](CellIndex cell) const { return cells_[cell]; }
    std::uint8_t* Cells() { return cells_; }

private:
    std::uint8_t cells_[CellTableSize];
};

using PositionStone = TrialStone<std::uint8_t>;

} // namespace renju
