// The letter and opening tables, filled once at start-up and never changed.
#pragma once

#include <cstdint>

// Texts are UTF-8. Index 0 of both string tables is the empty string.
extern const char* LetterLabels[27];
extern const char* OpeningNames[27];
// Entry k − 1 is the CellIndex of the third move of opening k.
extern std::uint8_t OpeningThirdMoves[26];

void InitTables();
