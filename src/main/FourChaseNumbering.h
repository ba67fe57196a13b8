// Numbering the game as a four-chase without replaying it through the buttons.
#pragma once

#include <cstdint>

// Puts the game in four-chase order with `attacker` chasing and numbers its moves as that
// order numbers them, each move and its answer sharing one number (1, 1, 2, 2, …); the
// renumbered cells are redrawn.
void NumberAsFourChase(std::int32_t attacker);
