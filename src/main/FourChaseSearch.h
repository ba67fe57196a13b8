// "四追いを探す": a four-chase for the side to move, entered as moves in four-chase order.
#pragma once

#include <cstdint>

// The bounds of the search from the menu.
constexpr int FourChaseMenuMaxFours = 30;
constexpr int FourChaseMenuTimeLimitMs = 20000;

// Searches a four-chase for SideToMove on the board. Found: four-chase order for that side
// (as MnuSetSioiClick chooses it, without the question) and the chase entered move by move,
// attacker and defender alternately, ending with the attacker's winning four. Not found:
// an information box says so. Cancelled by the user: nothing changes.
void MnuSioiSagasuClick();
