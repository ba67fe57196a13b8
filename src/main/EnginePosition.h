// The position on the board as an engine is told it: the stones, the moves of the record in
// the order they were played, and the side to move; the window told when it changes, and an
// engine's move entered as a press would enter it.
#pragma once

#include "Engine/Protocol.h"

engine::Position CurrentEnginePosition();

// Tells the window (PositionChanged) when the stones or the side to move differ from what it
// was last told. Every change of the position is followed by a rewrite of the status box, so
// the status writes call this; inside a batched command it runs once, when the command ends.
void NotePositionChange();

// Enters `cell` for the side to move as a press on it would in move or four-chase order, so
// the numbering and the automatic four answer apply; false, changing nothing, in the other
// modes or on a cell that is taken or off the board.
bool EnterMoveAsPress(CellIndex cell);
