// Black's open threes checked one level deeper: a three whose open-four points are all
// forbidden becomes a closed three, one of two forbidden points leaves the other, and the
// board is as before afterwards.
#include "ThreatFixture.h"

#include <cstring>
#include <vector>

namespace {

void PlaceBlack(std::initializer_list<CellIndex> cells)
{
    for (const CellIndex cell : cells)
        BoardCells[cell] = CellBlack;
}

// Row 8 holds black (6,8) (7,8) (8,8) after white (4,8): an open three whose only open-four
// point is (9,8); the four made there has the ends (5,8) and (10,8).
const Rows kForbiddenThree = Picture(R"(
...............
...............
...............
...............
........X......
........X......
........X......
...O.XXX.......
...............
...............
...............
...............
...............
...............
...............
)");

// A three whose only open-four point would make two fours is a closed three on that four's
// ends; the query still sees no four.
TEST(ThreatSearch, ThreeWithForbiddenPointBecomesClosed)
{
    LoadBoard(kForbiddenThree);
    const BoardSnapshot before = SnapshotBoard();
    AnalyseThreats(0, CellBlack, At(8, 8));

    EXPECT_EQ(CountsOf(Level(0)), (Counts{0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(Level(0).ClosedThrees[0], (ClosedThreeEntry{At(5, 8), At(10, 8)}));
    EXPECT_EQ(Level(1).FourCount, 2); // the trial at (9,8): row and column fours
    EXPECT_TRUE(BoardEquals(before));

    AutoBlockPoint = 55;
    SideToMove = CellBlack;
    EXPECT_EQ(FourBlockQuery(At(8, 8)), 0);
    EXPECT_EQ(AutoBlockPoint, 0);
    EXPECT_TRUE(BoardEquals(before));
}

// The same shape analysed on an empty origin gets a temporary stone there and loses it again.
TEST(ThreatSearch, EmptyOriginIsAnalysedWithATemporaryStone)
{
    LoadBoard(kForbiddenThree);
    BoardCells[At(8, 8)] = CellEmpty;
    const BoardSnapshot before = SnapshotBoard();
    AnalyseThreats(0, CellBlack, At(8, 8));

    EXPECT_EQ(CountsOf(Level(0)), (Counts{0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(Level(0).ClosedThrees[0], (ClosedThreeEntry{At(5, 8), At(10, 8)}));
    EXPECT_TRUE(BoardEquals(before));
}

// White has no forbidden points: its threes stay as found and no trial runs.
TEST(ThreatSearch, WhiteThreesAreNotExamined)
{
    LoadBoard(kForbiddenThree);
    for (int cell = 0; cell < CellTableSize; ++cell) {
        if (BoardCells[cell] == CellBlack)
            BoardCells[cell] = CellWhite;
        else if (BoardCells[cell] == CellWhite)
            BoardCells[cell] = CellBlack;
    }
    ThreatLevels[1].FourCount = 42;
    AnalyseThreats(0, CellWhite, At(8, 8));

    EXPECT_EQ(CountsOf(Level(0)), (Counts{0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(Level(0).OpenThrees[0], (OpenThreeEntry{At(9, 8), At(5, 8), At(10, 8), 0}));
    EXPECT_EQ(Level(1).FourCount, 42);
}

struct OnePointCase {
    const char* name;
    std::vector<CellIndex> extra; // black stones through (9,8), off the origin's lines
    bool forbidden;
    Counts trial; // record 1 after the trial at (9,8)
};

// The verdict on a one-point three follows the trial's fours (an overline counting two) and
// open threes; its fives and closed threes do not matter.
TEST(ThreatSearch, OnePointThreeVerdicts)
{
    const OnePointCase cases[] = {
        {"nothing else through the point", {}, false, {0, 0, 1, 1, 0, 0}},
        {"a second four", {At(9, 4), At(9, 5), At(9, 6)}, true, {0, 0, 1, 2, 0, 0}},
        {"one open three besides the four", {At(10, 7), At(11, 6)}, false, {0, 0, 1, 1, 1, 0}},
        {"two open threes besides the four",
         {At(10, 7), At(11, 6), At(10, 9), At(11, 10)},
         true,
         {0, 0, 1, 1, 2, 0}},
        {"an overline",
         {At(10, 9), At(11, 10), At(12, 11), At(13, 12), At(14, 13)},
         true,
         {1, 0, 1, 2, 0, 0}},
        {"a five", {At(10, 9), At(11, 10), At(12, 11), At(13, 12)}, false, {0, 1, 1, 1, 0, 0}},
    };
    for (const OnePointCase& c : cases) {
        SCOPED_TRACE(c.name);
        LoadRow(8, "...O.XXX.......");
        for (const CellIndex cell : c.extra)
            BoardCells[cell] = CellBlack;
        const BoardSnapshot before = SnapshotBoard();
        AnalyseThreats(0, CellBlack, At(8, 8));

        EXPECT_EQ(CountsOf(Level(1)), c.trial);
        if (c.forbidden) {
            EXPECT_EQ(CountsOf(Level(0)), (Counts{0, 0, 0, 0, 0, 1}));
            EXPECT_EQ(Level(0).ClosedThrees[0], (ClosedThreeEntry{At(5, 8), At(10, 8)}));
        } else {
            EXPECT_EQ(CountsOf(Level(0)), (Counts{0, 0, 0, 0, 1, 0}));
            EXPECT_EQ(Level(0).OpenThrees[0], (OpenThreeEntry{At(9, 8), At(5, 8), At(10, 8), 0}));
        }
        EXPECT_TRUE(BoardEquals(before));
    }
}

// Row 8 black (6,8) (7,8) (8,8) with two free cells on each side: open at (5,8) (ends (4,8)
// and (9,8)) and at (9,8) (ends (5,8) and (10,8)). Each point can be made forbidden by a
// four along its falling diagonal.
TEST(ThreatSearch, TwoPointThreeVerdicts)
{
    const std::initializer_list<CellIndex> spoilFirst = {At(2, 5), At(3, 6), At(4, 7)};
    const std::initializer_list<CellIndex> spoilSecond = {At(10, 9), At(11, 10), At(12, 11)};
    struct Case {
        const char* name;
        bool first, second;
    };
    for (const Case c : {Case{"neither forbidden", false, false}, Case{"first", true, false},
                         Case{"second", false, true}, Case{"both", true, true}}) {
        SCOPED_TRACE(c.name);
        LoadRow(8, ".....XXX.......");
        if (c.first)
            PlaceBlack(spoilFirst);
        if (c.second)
            PlaceBlack(spoilSecond);
        const BoardSnapshot before = SnapshotBoard();
        AnalyseThreats(0, CellBlack, At(8, 8));

        const ThreatRecord& record = Level(0);
        // Both points are tried, the second one last.
        EXPECT_EQ(Level(1).FourCount, c.second ? 2 : 1);
        if (c.first && c.second) {
            EXPECT_EQ(CountsOf(record), (Counts{0, 0, 0, 0, 0, 1}));
            EXPECT_EQ(record.ClosedThrees[0], (ClosedThreeEntry{At(4, 8), At(10, 8)}));
        } else {
            EXPECT_EQ(CountsOf(record), (Counts{0, 0, 0, 0, 1, 0}));
            const OpenThreeEntry expected =
                c.first    ? OpenThreeEntry{At(9, 8), At(5, 8), At(10, 8), 0}
                : c.second ? OpenThreeEntry{At(5, 8), At(9, 8), At(4, 8), 0}
                           : OpenThreeEntry{At(5, 8), At(9, 8), At(4, 8), At(10, 8)};
            EXPECT_EQ(record.OpenThrees[0], expected);
        }
        EXPECT_TRUE(BoardEquals(before));
    }
}

// Three open threes through (8,8): along the row (point (9,8)), the rising diagonal (point
// (7,9)) and the column (point (8,11)). The first two points make two fours each, the third
// does not: the third three is left alone as entry 0, and the closed threes are appended in
// the order examined, last entry first.
TEST(ThreatSearch, RemovingTheFirstTwoOfThreeKeepsTheThird)
{
    LoadBoard(Picture(R"(
...............
...............
...............
...........O...
........X......
.......OXX.....
........X......
...O.XXX.......
.......X.......
......XX.......
......X........
...............
...............
...............
...............
)"));
    const BoardSnapshot before = SnapshotBoard();
    AnalyseThreats(0, CellBlack, At(8, 8));

    const ThreatRecord& record = Level(0);
    EXPECT_EQ(CountsOf(record), (Counts{0, 0, 0, 0, 1, 2}));
    EXPECT_EQ(record.OpenThrees[0], (OpenThreeEntry{At(8, 11), At(8, 7), At(8, 12), 0}));
    EXPECT_EQ(record.ClosedThrees[0], (ClosedThreeEntry{At(11, 5), At(6, 10)}));
    EXPECT_EQ(record.ClosedThrees[1], (ClosedThreeEntry{At(5, 8), At(10, 8)}));
    // Record 1 keeps the last trial, the one at (9,8).
    EXPECT_EQ(CountsOf(Level(1)), (Counts{0, 0, 2, 2, 1, 0}));
    EXPECT_TRUE(BoardEquals(before));
}

// The trial of a forbidden point on its own: black on (9,8) of the forbidden-three position.
TEST(ThreatSearch, ForbiddenPointTrialRestoresBoardAndLevel)
{
    LoadBoard(kForbiddenThree);
    const BoardSnapshot before = SnapshotBoard();
    AnalysisColor = CellBlack;

    EXPECT_TRUE(IsForbiddenPoint(0, At(9, 8)));
    EXPECT_EQ(AnalysisLevel, 0);
    EXPECT_FALSE(IsForbiddenPoint(0, At(5, 8))); // one four only
    EXPECT_TRUE(BoardEquals(before));

    // A cell that holds white is never turned black, not even for a moment's trial.
    EXPECT_FALSE(IsForbiddenPoint(0, At(4, 8)));
    EXPECT_TRUE(BoardEquals(before));
}

// Records other than the level analysed and its trial level are left alone; the blank
// template stays blank.
TEST(ThreatSearch, WritesOnlyItsLevelAndTheTrialLevel)
{
    LoadBoard(kForbiddenThree);
    ThreatLevels[0].FourCount = 11;
    ThreatLevels[1].FourCount = 12;
    ThreatLevels[4].FourCount = 14;
    AnalyseThreats(2, CellBlack, At(8, 8));

    EXPECT_EQ(CountsOf(Level(2)), (Counts{0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(Level(3).FourCount, 2);
    EXPECT_EQ(Level(0).FourCount, 11);
    EXPECT_EQ(Level(1).FourCount, 12);
    EXPECT_EQ(Level(4).FourCount, 14);
    EXPECT_TRUE(IsBlank(Level(BlankThreatLevel)));
}

// Calls outside the contract change nothing they must not: no level past the records or into
// the template, no stone on an occupied cell, no stale result.
TEST(ThreatSearch, RefusesCallsItCannotAnalyse)
{
    LoadBoard(kForbiddenThree);
    const BoardSnapshot board = SnapshotBoard();

    ThreatRecord saved[ThreatLevelCount];
    std::memcpy(saved, ThreatLevels, sizeof saved);
    for (const std::int32_t level : {-1, 5, 6, 1000}) {
        AnalyseThreats(level, CellWhite, At(8, 8));
        EXPECT_EQ(std::memcmp(saved, ThreatLevels, sizeof saved), 0) << "level " << level;
    }

    struct Call {
        std::int32_t level, colour;
        CellIndex cell;
    };
    const Call calls[] = {
        {0, CellWhite, At(8, 8)}, // holds the other colour
        {0, CellBlack, At(4, 8)}, // holds the other colour
        {0, CellBlack, 16},       // off the board
        {0, 0, At(1, 1)},         // no colour
        {0, 3, At(1, 1)},         // no colour
        {4, CellBlack, At(8, 8)}, // black's trials would overwrite the template
    };
    for (const Call& call : calls) {
        ThreatLevels[call.level].FourCount = 9;
        AnalyseThreats(call.level, call.colour, call.cell);
        EXPECT_TRUE(IsBlank(Level(call.level))) << "cell " << call.cell;
        EXPECT_TRUE(IsBlank(Level(BlankThreatLevel)));
        EXPECT_TRUE(BoardEquals(board));
    }
}

} // namespace
