// The board table the threat analysis works on: one entry per CellIndex, framed by off-board
// cells, and the two values it reads and leaves beside it.
#pragma once

#include <cstdint>

#include "Board/Cell.h"

// 0 empty, 1 black, 2 white, 3 off-board.
extern std::int32_t BoardCells[CellTableSize];

// Colour of the next move, 1 or 2; the four-block query analyses this colour.
extern std::int32_t SideToMove;
// The single point at which a four just made must be answered, 0 if none.
// Written only by FourBlockQuery.
extern std::int32_t AutoBlockPoint;
