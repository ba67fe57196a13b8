// The four-block query: the single cell at which a four just made must be answered, or 0
// with an answer of how many fours there were beyond the first.
#include "ThreatFixture.h"

#include <vector>

namespace {

struct Stone {
    CellIndex cell;
    std::int32_t colour;
};

struct QueryCase {
    const char* name;
    const char* row8;
    std::vector<Stone> extra;
    std::int32_t side; // the colour that just moved, on (move, 8)
    int moveColumn;
    std::int32_t result;
    CellIndex answer; // AutoBlockPoint afterwards
};

constexpr std::int32_t B = CellBlack;
constexpr std::int32_t W = CellWhite;

std::vector<Stone> Column(int column, std::initializer_list<int> rows, std::int32_t colour)
{
    std::vector<Stone> stones;
    for (const int row : rows)
        stones.push_back({At(column, row), colour});
    return stones;
}

std::vector<Stone> Join(std::vector<Stone> a, const std::vector<Stone>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// clang-format off
const QueryCase kQueryCases[] = {
    {"no four", ".....XXX.......", {}, B, 8, 0, 0},
    {"white four, one end blocked", "...XOOOO.......", {}, W, 8, 137, 137},
    {"white open four: the lower end", "....OOOO.......", {}, W, 8, 132, 132},
    {"black open four: the lower end", "....XXXX.......", {}, B, 8, 132, 132},
    {"black open four, lower end makes six", "..X.XXXX.......", {}, B, 8, 137, 137},
    {"black open four, upper end makes six", "....XXXX.X.....", {}, B, 8, 132, 132},
    {"two fours in one line", "XX.XX.XX.......", {}, B, 5, 1, 0},
    {"two fours in two lines", "...XOOOO.......",
     Join(Column(8, {7}, B), Column(8, {9, 10, 11}, W)), W, 8, 1, 0},
    {"three fours", "XX.XX.XX.......", Column(5, {9, 10, 11}, B), B, 5, 2, 0},
    // The row is scanned before the column: its overline sets the count to 2 and the
    // column's four raises it to 3; the other way round the overline has the last word.
    {"overline first, then a four", "..XXXXXXX......", Column(8, {5, 6, 7}, B), B, 8, 2, 0},
    {"four first, then an overline", "....XXXX.......", Column(8, {3, 4, 5, 6, 7, 9}, B), B, 8,
     1, 0},
    {"white five alone", "...OOOOO.......", {}, W, 8, 0, 0},
    {"white five and a four", "...OOOOO.......",
     Join(Column(8, {9, 10, 11}, W), Column(8, {12}, B)), W, 8, 120, 120},
    {"black five and a four", "...XXXXX.......",
     Join(Column(8, {9, 10, 11}, B), Column(8, {12}, W)), B, 8, 120, 120},
};
// clang-format on

TEST(FourBlockQuery, AnswersExactlyOneFour)
{
    for (const QueryCase& c : kQueryCases) {
        SCOPED_TRACE(c.name);
        LoadRow(8, c.row8);
        for (const Stone& stone : c.extra)
            BoardCells[stone.cell] = stone.colour;
        const CellIndex move = At(c.moveColumn, 8);
        ASSERT_EQ(BoardCells[move], c.side);
        const BoardSnapshot before = SnapshotBoard();
        SideToMove = c.side;
        AutoBlockPoint = 77; // a stale answer must not survive

        EXPECT_EQ(FourBlockQuery(move), c.result);
        EXPECT_EQ(AutoBlockPoint, c.answer);
        EXPECT_EQ(SideToMove, c.side);
        EXPECT_TRUE(BoardEquals(before));
        if (c.answer != 0) {
            EXPECT_EQ(Level(0).FourCount, 1);
            EXPECT_EQ(BoardCells[c.answer], CellEmpty);
        }
    }
}

// A query for the wrong colour (the stone on the cell is the other side's) finds nothing
// rather than scanning from a stone that is not there.
TEST(FourBlockQuery, StoneOfTheOtherColourGivesNoAnswer)
{
    LoadRow(8, "....OOOO.......");
    const BoardSnapshot before = SnapshotBoard();
    SideToMove = CellBlack;
    AutoBlockPoint = 77;

    EXPECT_EQ(FourBlockQuery(At(8, 8)), 0);
    EXPECT_EQ(AutoBlockPoint, 0);
    EXPECT_TRUE(IsBlank(Level(0)));
    EXPECT_TRUE(BoardEquals(before));
}

} // namespace
