// The judge's own copy of a board, in the 273-entry layout of the shared table, and the one
// way it tries a stone: a guard that takes the stone back on every path out.
#pragma once

#include <cstdint>

#include "GtRen/Board.h"

namespace renju {

class Position {
public:
    // Copies `board` (273 entries). The frame is always off-board, whatever the table holds
    // there, and a value other than empty, black or white counts as off-board.
    explicit Position(const std::int32_t* board);

    int operator[](CellIndex cell) const { return cells_[cell]; }

private:
    friend class TrialStone;
    std::uint8_t cells_[CellTableSize];
};

// Puts a stone of `colour` on an empty board cell for as long as the guard lives.
class TrialStone {
public:
    TrialStone(Position& position, CellIndex cell, int colour) : position_(position), cell_(cell)
    {
        position_.cells_[cell_] = static_cast<std::uint8_t>(colour);
    }
    ~TrialStone() { position_.cells_[cell_] = CellEmpty; }
    TrialStone(const TrialStone&) = delete;
    TrialStone& operator=(const TrialStone&) = delete;

private:
    Position& position_;
    CellIndex cell_;
};

} // namespace renju
