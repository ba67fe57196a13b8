// The shared state set directly, for the drawing tests and benchmarks: a clean board,
// stones with their marks, games that look played, and the figure the logic describes.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "Set_Data/Set_Data.h"
#include "main/Diagram.h"
#include "main/State.h"

// An empty framed board in move order with numbering on, as after start-up.
inline void ClearBoardState()
{
    InitTables();
    for (int i = 0; i < CellTableSize; ++i) {
        BoardCells[i] = IsBoardCell(i) ? CellEmpty : CellOffBoard;
        CellMarks[i] = 0;
    }
    EditMode = ModeMoveOrder;
    ShowMoveNumbers = 1;
    FirstNumberedMove = 0;
    FourChaseColor = 0;
    RangeSelectState = 0;
}

inline void Put(int column, int row, int stone, int mark = 0)
{
    BoardCells[MakeCell(column, row)] = stone;
    CellMarks[MakeCell(column, row)] = mark;
}

// The export figure of the range, as the logic describes it from the state.
inline Diagram Described(int left, int top, int right, int bottom)
{
    Diagram figure;
    DescribeExport(left, top, right, bottom, figure);
    return figure;
}

// The moves of a game of `count` moves, the same for the same seed: a walk that stays
// near the stones already played, as real games do.
inline std::vector<CellIndex> WalkedGame(int count, std::uint32_t seed = 12345)
{
    std::vector<CellIndex> moves;
    bool used[CellTableSize] = {};
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7fff;
    };
    int column = 8, row = 8;
    while (static_cast<int>(moves.size()) < count) {
        const CellIndex cell = MakeCell(column, row);
        if (!used[cell]) {
            used[cell] = true;
            moves.push_back(cell);
        }
        column = std::clamp(column + static_cast<int>(next() % 5) - 2, 1, 15);
        row = std::clamp(row + static_cast<int>(next() % 5) - 2, 1, 15);
    }
    return moves;
}
