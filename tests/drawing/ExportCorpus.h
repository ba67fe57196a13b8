// The positions every picture format is checked on: an empty board, numbers 1 to 225,
// a game of 150 moves, letters (also under stones), four-chases of either colour, a
// first numbered move with numbering off, bare placed stones; and the ranges cut from
// them. Each case sets the shared state directly.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "DrawingFixture.h"

struct ExportCase {
    std::string name;
    std::function<void()> setUp;
};

struct ExportRange {
    int left, top, right, bottom;
};

// Plays the moves as move order does: black first, each stone marked with the number
// that `numberOf` gives to the move index.
inline void PlayCorpusGame(const std::vector<CellIndex>& moves,
                           const std::function<int(int)>& numberOf)
{
    for (int i = 0; i < static_cast<int>(moves.size()); ++i)
        Put(CellColumn(moves[i]), CellRow(moves[i]), i % 2 == 0 ? CellBlack : CellWhite,
            numberOf(i));
}

inline std::vector<ExportCase> ExportCorpus()
{
    auto moveOrder = [](int i) { return i + 1; };
    auto halfRule = [](int i) { return i / 2 + 1; };
    return {
        {"empty", [] {}},
        {"numbers 1 to 225",
         [] {
             // Every point, row by row, alternate colours: every number a move can have.
             int n = 1;
             for (int row = 1; row <= 15; ++row)
                 for (int column = 1; column <= 15; ++column, ++n)
                     Put(column, row, n % 2 == 1 ? CellBlack : CellWhite, n);
         }},
        {"game of 150", [moveOrder] { PlayCorpusGame(WalkedGame(150), moveOrder); }},
        {"letters",
         [] {
             // A to Z on empty points, two under stones, one label beyond the table.
             for (int k = 1; k <= 26; ++k)
                 Put(1 + (k - 1) % 13, 2 + 2 * ((k - 1) / 13), CellEmpty, -k);
             Put(8, 8, CellBlack, -3);
             Put(9, 8, CellWhite, -23);
             Put(4, 12, CellEmpty, -23);
             Put(5, 12, CellBlack, 12);
             Put(6, 12, CellWhite, 13);
             Put(15, 15, CellEmpty, -13);
         }},
        {"four-chase black",
         [halfRule] {
             PlayCorpusGame(WalkedGame(40), halfRule);
             Put(1, 1, CellBlack, 0); // unnumbered stones stay stones
             Put(2, 1, CellWhite, 0);
             EditMode = ModeFourChase;
             FourChaseColor = CellBlack;
         }},
        {"four-chase white from 5",
         [halfRule] {
             PlayCorpusGame(WalkedGame(60), halfRule);
             EditMode = ModeFourChase;
             FourChaseColor = CellWhite;
             FirstNumberedMove = 5;
         }},
        {"first number 100, numbering off",
         [moveOrder] {
             PlayCorpusGame(WalkedGame(225), moveOrder);
             FirstNumberedMove = 100;
             ShowMoveNumbers = 0;
         }},
        {"placed stones",
         [] {
             const std::vector<CellIndex> moves = WalkedGame(70);
             PlayCorpusGame(moves, [](int) { return 0; });
             EditMode = ModeStonePlacement;
         }},
    };
}

inline std::vector<ExportRange> ExportRanges()
{
    return {{1, 1, 15, 15}, {3, 2, 6, 4},  {1, 1, 1, 1},   {15, 15, 15, 15},
            {8, 1, 15, 15}, {1, 8, 8, 15}, {5, 5, 11, 11}, {2, 14, 14, 15}};
}
