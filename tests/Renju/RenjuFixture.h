// Positions for the rules judge: fifteen rows of fifteen characters in a board table of our
// own (the judge never reads the shared one).
//   '.' empty   'X' black   'O' white
// Marks on empty points, for tables of expected answers:
//   '-' not forbidden   '3' double three   '4' double four   '6' overline
//   digits and lower-case letters elsewhere: empty points named by the test
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "Renju/Renju.h"

using Rows = std::array<const char*, BoardLines>;
using Table = std::array<std::int32_t, CellTableSize>;

inline Table EmptyTable()
{
    Table table;
    table.fill(CellOffBoard);
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        if (IsBoardCell(cell))
            table[cell] = CellEmpty;
    return table;
}

inline Table LoadRows(const Rows& rows)
{
    Table table = EmptyTable();
    for (int row = 1; row <= BoardLines; ++row) {
        const char* text = rows[row - 1];
        EXPECT_EQ(std::strlen(text), static_cast<std::size_t>(BoardLines)) << "row " << row;
        for (int column = 1; column <= BoardLines && text[column - 1] != '\0'; ++column) {
            const char mark = text[column - 1];
            table[MakeCell(column, row)] = mark == 'X'   ? CellBlack
                                           : mark == 'O' ? CellWhite
                                                         : CellEmpty;
        }
    }
    return table;
}

// The cells of `rows` that carry `mark`, in CellIndex order.
inline std::vector<CellIndex> Marked(const Rows& rows, char mark)
{
    std::vector<CellIndex> cells;
    for (int row = 1; row <= BoardLines; ++row)
        for (int column = 1; column <= BoardLines; ++column)
            if (rows[row - 1][column - 1] == mark)
                cells.push_back(MakeCell(column, row));
    return cells;
}

inline CellIndex MarkedCell(const Rows& rows, char mark)
{
    const std::vector<CellIndex> cells = Marked(rows, mark);
    EXPECT_EQ(cells.size(), 1u) << "mark " << mark;
    return cells.empty() ? 0 : cells.front();
}

inline std::string Where(CellIndex cell)
{
    return "(" + std::to_string(CellColumn(cell)) + "," + std::to_string(CellRow(cell)) + ")";
}
