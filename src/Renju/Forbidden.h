// The judge on the search's own position, for the four-chase search.
#pragma once

#include "Renju/Position.h"
#include "Renju/Renju.h"

namespace renju {

// A black stone on the empty cell `cell` of `position`; the position is left as it was.
ForbiddenKind JudgeBlack(Position& position, CellIndex cell);

} // namespace renju
