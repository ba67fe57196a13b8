// Shared by the notation tests: moves written as players write them, and games of any length.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "Board/Coordinates.h"
#include "Notation/Content.h"

namespace fixtures {

// "h8 h9 -- i8" as cells; "--" is a pass.
inline std::vector<CellIndex> Moves(const std::string& text)
{
    std::vector<CellIndex> moves;
    std::istringstream in(text);
    std::string word;
    while (in >> word)
        moves.push_back(word == "--" ? notation::Pass : *ParseCellName(word));
    return moves;
}

// A game of `length` distinct points (at most 225), spread over the whole board.
inline std::vector<CellIndex> Game(int length)
{
    std::vector<CellIndex> moves;
    for (int k = 0; k < length; ++k) {
        const int n = (k * 7) % 225; // 7 is prime to 225, so no point repeats
        moves.push_back(MakeCell(n % 15 + 1, n / 15 + 1));
    }
    return moves;
}

} // namespace fixtures
