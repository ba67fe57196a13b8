// Every point's name is the one players write, read back to the same cell; nothing that is
// not a point is read as one.
#include <gtest/gtest.h>

#include <string>

#include "Board/Coordinates.h"

namespace {

// The board as players see it: row 15 at the top, so the name of a point is its column's
// letter and the number on the left of its row.
const char* const kRowNumbers[15] = {"15", "14", "13", "12", "11", "10", "9", "8",
                                     "7",  "6",  "5",  "4",  "3",  "2",  "1"};

TEST(Coordinates, EveryPointIsNamedByColumnLetterAndRowFromTheBottom)
{
    for (int row = 1; row <= 15; ++row)
        for (int column = 1; column <= 15; ++column) {
            const CellIndex cell = MakeCell(column, row);
            const std::string name =
                std::string(1, "abcdefghijklmno"[column - 1]) + kRowNumbers[row - 1];
            EXPECT_EQ(CellName(cell), name);
            EXPECT_EQ(ParseCellName(name), cell) << name;
            std::string upper = name;
            upper[0] = static_cast<char>(upper[0] - 'a' + 'A');
            EXPECT_EQ(CellNameUpper(cell), upper);
            EXPECT_EQ(ParseCellName(upper), cell) << upper;
        }
    EXPECT_EQ(CellName(136), "h8");
    EXPECT_EQ(CellName(MakeCell(1, 1)), "a15");
    EXPECT_EQ(CellName(MakeCell(15, 15)), "o1");
}

TEST(Coordinates, TokensThatAreNoPointAreRefused)
{
    for (const char* token :
         {"", "h", "8", "h0", "h16", "p8", "h08", "h8x", "hh", "h-1", " h8", "h 8", "a100", "@8"})
        EXPECT_FALSE(ParseCellName(token).has_value()) << '"' << token << '"';
}

} // namespace
