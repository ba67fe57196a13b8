// Game information: the settings command, the opening's first three moves, the names.
#pragma once

void MnuSetTaikyokuClick();
void SetupOpening();
void ShowPlayerNames();
