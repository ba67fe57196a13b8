// Black's forbidden points marked on the board view ("禁手点を表示"): while the option is on
// and black is to move in move order or four-chase order, every empty point forbidden for
// black carries a mark; otherwise none does and nothing is judged.
#pragma once

#include <cstdint>

#include "GtRen/Board.h"

// 0 or 1, behind MnuKinsyu; 0 at start.
extern std::int32_t ShowForbiddenPoints;
// 1 on each point the board view marks, 0 elsewhere.
extern std::int32_t ForbiddenMarks[CellTableSize];

void MnuKinsyuClick();
// Brings the marks up to date with the board, the side to move and the mode, and redraws
// exactly the cells whose mark changed. Inside a command that batches its status writes it
// runs once, when the command ends.
void UpdateForbiddenMarks();
