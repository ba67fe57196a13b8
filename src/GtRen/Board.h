// The board table shared by every layer: one entry per CellIndex, framed by off-board cells.
#pragma once

#include <cstdint>

using CellIndex = std::int32_t;

// row × 16 + column; rows and columns 1..15, so board cells are 17..255 and the
// 273 entries cover every neighbour (±1, ±15, ±16, ±17) of every board cell.
constexpr int CellTableSize = 273;
constexpr int BoardLines = 15;

constexpr int CellEmpty = 0;
constexpr int CellBlack = 1;
constexpr int CellWhite = 2;
constexpr int CellOffBoard = 3;

constexpr CellIndex MakeCell(int column, int row)
{
    return row * 16 + column;
}
constexpr int CellColumn(CellIndex cell)
{
    return cell % 16;
}
constexpr int CellRow(CellIndex cell)
{
    return cell / 16;
}
constexpr bool IsBoardCell(CellIndex cell)
{
    return cell >= 17 && cell <= 255 && cell % 16 != 0;
}

// 0 empty, 1 black, 2 white, 3 off-board.
extern std::int32_t BoardCells[CellTableSize];

// Colour of the next move, 1 or 2; the four-block query analyses this colour.
extern std::int32_t SideToMove;
// The single point at which a four just made must be answered, 0 if none.
// Written only by FourBlockQuery.
extern std::int32_t AutoBlockPoint;
