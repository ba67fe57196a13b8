// Game information: the settings command, the opening's first three moves, the names.
#pragma once

#include "GtRen/Board.h"

constexpr int OpeningCount = 26;

// Move i (0 to 2) of opening 1 to 26: the centre, the second move straight above
// it (openings 1–12 and 25) or diagonally (13–24 and 26), and the table's third.
// Needs the tables of InitTables.
CellIndex OpeningMove(int opening, int i);

void MnuSetTaikyokuClick();
void SetupOpening();
// The information panel's opening field, for SelectedOpening.
void ShowSelectedOpening();
void ShowPlayerNames();
