// Where a point is on the board, and which colour stands there: the geometry every layer
// shares. Plain C++, no state.
#pragma once

#include <cstdint>

using CellIndex = std::int32_t;

// row × 16 + column; rows and columns 1..15 (row 1 at the top), so board cells are 17..255
// and the 273 entries of a cell table cover every neighbour (±1, ±15, ±16, ±17) of every
// board cell.
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

// A stone's colour, with the values the cell tables and the files use.
enum class Colour : std::int32_t { Black = CellBlack, White = CellWhite };

constexpr Colour Opponent(Colour c)
{
    return c == Colour::Black ? Colour::White : Colour::Black;
}
// The other colour of a colour held as the integer 1 or 2.
constexpr std::int32_t Opponent(std::int32_t c)
{
    return 3 - c;
}
constexpr std::int32_t CellOf(Colour c)
{
    return static_cast<std::int32_t>(c);
}

// The four lines through a point, as steps between neighbouring cells: across, the rising
// diagonal, down and the falling diagonal (the order the analyses scan
// them in; the threat analysis depends on it where an overline forces FourCount to 2).
constexpr int LineDirections = 4;
constexpr CellIndex LineSteps[LineDirections] = {1, 15, 16, 17};
