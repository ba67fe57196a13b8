// The eight symmetries of the board: s & 1 swaps column and row, s & 2 mirrors the
// columns, s & 4 mirrors the rows (applied in that order). 0 is the identity.
#pragma once

#include "Board/Cell.h"

constexpr int SymmetryCount = 8;

constexpr CellIndex ApplySymmetry(int s, CellIndex cell)
{
    int x = CellColumn(cell) - 1;
    int y = CellRow(cell) - 1;
    if (s & 1) {
        const int t = x;
        x = y;
        y = t;
    }
    if (s & 2)
        x = BoardLines - 1 - x;
    if (s & 4)
        y = BoardLines - 1 - y;
    return MakeCell(x + 1, y + 1);
}

// The symmetry that undoes s.
constexpr int InverseSymmetry(int s)
{
    // A swap followed by mirrors is undone by the mirrors exchanged, then the swap.
    return (s & 1) ? (1 | ((s & 2) << 1) | ((s & 4) >> 1)) : s;
}
