// Black's forbidden points on positions worked out by hand from the rules: every marked point
// gets its expected answer, from the fast judge and from the slow one alike.
#include "NaiveJudge.h"

namespace {

using renju::ForbiddenKind;

// clang-format off
// Two open threes cross at the marked point; each end of them makes one three only.
const Rows kSimpleDoubleThree = {
    "...............",
    "...............",
    "...............",
    "...............",
    "......-........",
    "......X........",
    "......X........",
    "...-XX3........",
    "......-........",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

// White two beyond the row three leaves it a three: its four on the other side is still straight.
const Rows kThreeKeptByFarWhite = {
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "......X........",
    "......X........",
    "....XX3.O......",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

// One white stone next to the row three leaves it no straight four: no longer forbidden.
const Rows kThreeStoppedByOneWhite = {
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "......X........",
    "......X........",
    "....XX-O.......",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

// A four along the row and one down the column, each closed at one end by white.
const Rows kDoubleFourTwoLines = {
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "..OXXX4........",
    "......X........",
    "......X........",
    "......X........",
    "......O........",
    "...............",
    "...............",
    "...............",
};

// Two fours in one line: X.XXX.X (row 3), XX.XX.XX (row 8), XXX.X.XXX (row 13); the other gaps make one four.
const Rows kDoubleFourOneLine = {
    "...............",
    "...............",
    "..X-X4X-X......",
    "...............",
    "...............",
    "...............",
    "...............",
    "XX-X4-XX.......",
    "...............",
    "...............",
    "...............",
    "...............",
    "XXX.4.XXX......",
    "...............",
    "...............",
};

// Six in a row (rows 3 and 12); exactly five (row 6); a four whose other point would be six (row 9).
const Rows kOverlines = {
    "...............",
    "...............",
    "..XXX6XX.......",
    "...............",
    "...............",
    "..XXX-X.X......",
    "...............",
    "...............",
    "..XXX--XX......",
    "...............",
    "...............",
    ".XXXX6X........",
    "...............",
    "...............",
    "...............",
};

// Exactly five along the row together with two open threes: the five wins.
const Rows kFiveWithDoubleThree = {
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "..XXXX-........",
    "......XX.......",
    "......X.X......",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

// The same with a straight four in place of the five: four-three-three is a double three.
const Rows kFourWithDoubleThree = {
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...XXX3........",
    "......XX.......",
    "......X.X......",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

// Threes with a gap: X.XX and X.X# (upper left), #X.X and #.XX (lower right).
const Rows kSplitThrees = {
    "...............",
    "...............",
    "...............",
    "...............",
    "......X........",
    "...............",
    "......X........",
    "...X.X3........",
    "...............",
    "...............",
    ".........3X.X..",
    "...............",
    ".........X.....",
    ".........X.....",
    "...............",
};

// Against the edge XX# has no straight four (row 6); one empty point from it .XX# has (row 13).
const Rows kEdgeThrees = {
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "XX-............",
    "..X............",
    "..X............",
    "...............",
    "...............",
    "...X...........",
    "...X...........",
    ".XX3...........",
    "...............",
    "...............",
};

// OXX# has no straight four (row 4); O.XX# has (row 10).
const Rows kWhiteThrees = {
    "...............",
    ".....X.........",
    ".....X.........",
    "..OXX-.........",
    "...............",
    "...............",
    "...............",
    ".....X.........",
    ".....X.........",
    ".O.XX3.........",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

// The row three's only four point (6,8) makes six down column 6: the row is no three.
const Rows kFakeThreeByOverline = {
    "...............",
    "...............",
    "...............",
    "...............",
    ".....X.........",
    "....XX.........",
    "....XX.........",
    "...X-.X........",
    ".....X.........",
    ".....X.........",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

// Without (6,10) the same point makes exactly five, which black may always play.
const Rows kThreeWhosePointMakesFive = {
    "...............",
    "...............",
    "...............",
    "...............",
    ".....X.........",
    "....XX.........",
    "....XX.........",
    "...X3.X........",
    ".....X.........",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

// The row three's only four point (6,8) also makes a four down column 6: a double four.
const Rows kFakeThreeByDoubleFour = {
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "....X..........",
    "....X..........",
    "...X-.X........",
    ".....X.........",
    ".....X.........",
    ".....X.........",
    ".....O.........",
    "...............",
    "...............",
    "...............",
};

// The row three's only four point (6,8) makes two real threes (column 6, the diagonal up to (8,6)).
const Rows kFakeThreeByDoubleThree = {
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "....X..X.......",
    "....X.X........",
    "...X-.X........",
    ".....X.........",
    ".....X.........",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

// Without (8,6) that point makes one three, so the row three is real.
const Rows kThreeWhosePointHasOneThree = {
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "....X..........",
    "....X.X........",
    "...X3.X........",
    ".....X.........",
    ".....X.........",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

// (2,2): the row three needs (5,2), which is a double three only if its column three is real; that one needs (5,5), six along its diagonal. So (5,2) may be played and (2,2) is a double three.
const Rows kTwoLevels = {
    "...............",
    ".3XX...........",
    ".X..XX.........",
    ".X..XXX........",
    "...............",
    "...X...........",
    "..X............",
    ".X.............",
    "X..............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

// The same with (5,5) making exactly five: (5,2) is a double three, the row three is not real.
const Rows kTwoLevelsFive = {
    "...............",
    ".-XX...........",
    ".X..XX.........",
    ".X..XXX........",
    "...............",
    "...X...........",
    "..X............",
    ".X.............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

// (2,2) needs (5,2), a double three only if (5,5) may be played; (5,5) is a double three only if (2,8) may be played, and (2,8) makes six along row 8. So (5,5) may be played, (5,2) is forbidden and (2,2) is not.
const Rows kThreeLevels = {
    "...............",
    ".-XX...........",
    ".X..XXO........",
    ".X..X.X........",
    "...............",
    "...X.X.........",
    "..X...X........",
    "X.XXXX.........",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

// The same with (2,8) making exactly five: (5,5) is forbidden, (5,2) may be played, (2,2) is a double three.
const Rows kThreeLevelsFive = {
    "...............",
    ".3XX...........",
    ".X..XXO........",
    ".X..X.X........",
    "...............",
    "...X.X.........",
    "..X...X........",
    "..XXXX.........",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

// clang-format on

struct Case {
    const char* name;
    const Rows* rows;
};

const Case kCases[] = {
    {"simple double three", &kSimpleDoubleThree},
    {"three kept by a far white stone", &kThreeKeptByFarWhite},
    {"three stopped by one white stone", &kThreeStoppedByOneWhite},
    {"double four in two lines", &kDoubleFourTwoLines},
    {"double four in one line", &kDoubleFourOneLine},
    {"overline and near overlines", &kOverlines},
    {"five with a double three", &kFiveWithDoubleThree},
    {"four with a double three", &kFourWithDoubleThree},
    {"split threes", &kSplitThrees},
    {"threes at the edge", &kEdgeThrees},
    {"threes against white", &kWhiteThrees},
    {"fake three: four point is an overline", &kFakeThreeByOverline},
    {"real three: four point makes five", &kThreeWhosePointMakesFive},
    {"fake three: four point is a double four", &kFakeThreeByDoubleFour},
    {"fake three: four point is a double three", &kFakeThreeByDoubleThree},
    {"real three: four point makes one three", &kThreeWhosePointHasOneThree},
    {"recursion two levels deep", &kTwoLevels},
    {"recursion two levels deep, five at the bottom", &kTwoLevelsFive},
    {"recursion three levels deep", &kThreeLevels},
    {"recursion three levels deep, five at the bottom", &kThreeLevelsFive},
};

ForbiddenKind KindOfMark(char mark)
{
    switch (mark) {
    case '3':
        return ForbiddenKind::DoubleThree;
    case '4':
        return ForbiddenKind::DoubleFour;
    case '6':
        return ForbiddenKind::Overline;
    default:
        return ForbiddenKind::None;
    }
}

TEST(Forbidden, MarkedPointsGetTheirAnswer)
{
    for (const Case& c : kCases) {
        const Table table = TableOf(*c.rows);
        NaiveJudge naive(table);
        renju::ForbiddenKind all[CellTableSize];
        renju::ForbiddenPoints(table.data(), all);
        int checked = 0;
        for (char mark : {'-', '3', '4', '6'}) {
            for (CellIndex cell : Marked(*c.rows, mark)) {
                const ForbiddenKind expected = KindOfMark(mark);
                EXPECT_EQ(renju::Forbidden(table.data(), cell), expected)
                    << c.name << " at " << Where(cell);
                EXPECT_EQ(all[cell], expected) << c.name << " at " << Where(cell);
                EXPECT_EQ(naive.Judge(cell), expected) << c.name << " (slow) at " << Where(cell);
                ++checked;
            }
        }
        EXPECT_GT(checked, 0) << c.name;
    }
}

// The judge reads the board it is given and leaves it alone; stones, the frame and points off
// the board are never forbidden, and a stray value in the frame cannot lead it astray.
TEST(Forbidden, OnlyEmptyBoardPointsAreJudged)
{
    Table table = TableOf(kSimpleDoubleThree);
    const Table before = table;
    EXPECT_EQ(renju::Forbidden(table.data(), MakeCell(5, 8)), ForbiddenKind::None); // a stone
    EXPECT_EQ(renju::Forbidden(table.data(), 0), ForbiddenKind::None);
    EXPECT_EQ(renju::Forbidden(table.data(), MakeCell(0, 8)), ForbiddenKind::None);
    EXPECT_EQ(renju::Forbidden(table.data(), 272), ForbiddenKind::None);
    EXPECT_EQ(renju::Forbidden(table.data(), MakeCell(7, 8)), ForbiddenKind::DoubleThree);
    EXPECT_EQ(table, before);

    // A frame that claims to hold stones is still the edge.
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        if (!IsBoardCell(cell))
            table[cell] = CellBlack;
    const Table edge = TableOf(kEdgeThrees);
    Table framed = edge;
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        if (!IsBoardCell(cell))
            framed[cell] = CellBlack;
    EXPECT_EQ(renju::Forbidden(framed.data(), MakeCell(3, 6)), ForbiddenKind::None);
    EXPECT_EQ(renju::Forbidden(framed.data(), MakeCell(4, 13)), ForbiddenKind::DoubleThree);
}

// Where several reasons hold, overline is named before double four, double four before
// double three.
TEST(Forbidden, FirstReasonIsNamed)
{
    // (6,5): six along row 5 with a straight four up column 6 and a four down to (9,8).
    // (7,11): a straight four along row 11, a four up to (10,8) and two threes.
    // clang-format off
    const Rows several = {
        "...............",
        ".....X.........",
        ".....X.........",
        ".....X.........",
        "..XXX.XX.......",
        "......X........",
        ".......X..O....",
        "........XX.....",
        "........XO.....",
        ".......X.......",
        "...XXX.........",
        "......XX.......",
        "......X.X......",
        "...............",
        "...............",
    };
    // clang-format on
    const Table table = TableOf(several);
    EXPECT_EQ(renju::Forbidden(table.data(), MakeCell(6, 5)), ForbiddenKind::Overline);
    EXPECT_EQ(renju::Forbidden(table.data(), MakeCell(7, 11)), ForbiddenKind::DoubleFour);
    NaiveJudge naive(table);
    EXPECT_EQ(naive.Judge(MakeCell(6, 5)), ForbiddenKind::Overline);
    EXPECT_EQ(naive.Judge(MakeCell(7, 11)), ForbiddenKind::DoubleFour);
}

TEST(Forbidden, KindNames)
{
    EXPECT_STREQ(renju::KindName(ForbiddenKind::DoubleThree), "double-three");
    EXPECT_STREQ(renju::KindName(ForbiddenKind::DoubleFour), "double-four");
    EXPECT_STREQ(renju::KindName(ForbiddenKind::Overline), "overline");
    EXPECT_STREQ(renju::KindName(ForbiddenKind::None), "none");
}

} // namespace
