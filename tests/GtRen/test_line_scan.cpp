// The one-level scan: every shape of a single line, classified the same way along each of
// the four lines through the centre.
#include "ThreatFixture.h"

#include <vector>

namespace {

// A line pattern of fifteen cells laid along the line through the centre (8, 8) with `step`;
// position i (1 to 15) is the cell (i, 8) for step 1, (8, i) for 16, (i, i) for 17 and
// (16 - i, i) for 15.
CellIndex Along(int step, int position)
{
    return At(8, 8) + (position - 8) * step;
}

void LoadLine(int step, const char* pattern)
{
    ClearBoard();
    PlaceAlong(Along(step, 1), step, pattern);
}

struct OpenThreeAt {
    int point, endA, endB, secondEnd; // positions on the line; 0 stays 0
};

struct ClosedThreeAt {
    int pointA, pointB;
};

struct LineCase {
    const char* name;
    const char* line;
    std::int32_t colour;
    int origin;
    Counts counts;
    std::vector<int> fourPoints;
    std::vector<OpenThreeAt> openThrees;
    std::vector<ClosedThreeAt> closedThrees;
};

constexpr std::int32_t B = CellBlack;
constexpr std::int32_t W = CellWhite;

// clang-format off
const LineCase kLineCases[] = {
    // Fours.
    {"white open four", "....OOOO.......", W, 8, {0, 0, 1, 1, 0, 0}, {4, 9}, {}, {}},
    {"black open four", "....XXXX.......", B, 8, {0, 0, 1, 1, 0, 0}, {4, 9}, {}, {}},
    {"black open four, black two before it", "..X.XXXX.......", B, 8, {0, 0, 0, 1, 0, 0},
     {9}, {}, {}},
    {"black open four, black right after it", "....XXXX.X.....", B, 8, {0, 0, 0, 1, 0, 0},
     {4}, {}, {}},
    {"black open four spoiled at both ends", "..X.XXXX.X.....", B, 8, {0, 0, 0, 0, 0, 0},
     {}, {}, {}},
    {"white four with one end blocked", "...XOOOO.......", W, 8, {0, 0, 0, 1, 0, 0}, {9},
     {}, {}},
    {"black split four", "....XX.XX......", B, 8, {0, 0, 0, 1, 0, 0}, {7}, {}, {}},
    {"black split four whose point makes six", "...XXX.XX......", B, 8,
     {0, 0, 0, 0, 0, 0}, {}, {}, {}},
    {"white split four, six allowed", "...OOO.OO......", W, 8, {0, 0, 0, 1, 0, 0}, {7}, {},
     {}},
    {"black split four, black before the window", "..XXX.XX.......", B, 8,
     {0, 0, 0, 0, 0, 0}, {}, {}, {}},
    {"white split four, stone before the window", "..OOO.OO.......", W, 8,
     {0, 0, 0, 1, 0, 0}, {6}, {}, {}},
    {"two fours in one line", "XX.XX.XX.......", B, 5, {0, 0, 0, 2, 0, 0}, {3, 6}, {},
     {}},
    // Fives and sixes.
    {"black five", "...XXXXX.......", B, 8, {0, 1, 0, 0, 0, 0}, {}, {}, {}},
    {"black six, origin at its fifth stone", "...XXXXXX......", B, 8, {1, 0, 0, 2, 0, 0},
     {}, {}, {}},
    {"black six, origin at its last stone", "...XXXXXX......", B, 9, {0, 1, 0, 0, 0, 0},
     {}, {}, {}},
    {"white five before a black stone", "...OOOOOX......", W, 8, {0, 1, 0, 0, 0, 0}, {}, {},
     {}},
    {"white six", "...OOOOOO......", W, 8, {0, 1, 0, 0, 0, 0}, {}, {}, {}},
    // Threes in complete windows.
    {"white straight three", ".....OOO.......", W, 8, {0, 0, 0, 0, 1, 0}, {},
     {{5, 9, 4, 10}}, {}},
    {"white split three, origin first", ".....OO.O......", W, 6, {0, 0, 0, 0, 1, 0}, {},
     {{8, 5, 10, 0}}, {}},
    {"white split three, origin last", ".....OO.O......", W, 9, {0, 0, 0, 0, 1, 0}, {},
     {{8, 5, 10, 0}}, {}},
    {"white three with one free cell before it", "...X.OOO.......", W, 8,
     {0, 0, 0, 0, 1, 0}, {}, {{9, 5, 10, 0}}, {}},
    {"white three against a stone", "....XOOO.......", W, 8, {0, 0, 0, 0, 0, 0}, {}, {},
     {}},
    {"white three with both gaps inside", "....O.O.O......", W, 7, {0, 0, 0, 0, 0, 0}, {},
     {}, {}},
    {"black straight three", ".....XXX.......", B, 8, {0, 0, 0, 0, 1, 0}, {},
     {{5, 9, 4, 10}}, {}},
    {"black straight three, black three before it", "..X..XXX.......", B, 8,
     {0, 0, 0, 0, 1, 0}, {}, {{9, 5, 10, 0}}, {}},
    {"black straight three, black two after it", ".....XXX..X....", B, 8,
     {0, 0, 0, 0, 1, 0}, {}, {{5, 9, 4, 0}}, {}},
    {"black straight three spoiled at both sides", "..X..XXX..X....", B, 8,
     {0, 0, 0, 0, 0, 1}, {}, {}, {{5, 9}}},
    {"black split three, black right after it", ".....XX.X.X....", B, 7,
     {0, 0, 0, 0, 0, 1}, {}, {}, {{5, 8}}},
    // Windows cut short by a blocker beyond the origin.
    {"white three before a blocker, room for two", ".....OOO.X.....", W, 8,
     {0, 0, 0, 0, 1, 0}, {}, {{5, 9, 4, 0}}, {}},
    {"white three before a blocker, room for one", "...X.OOO.X.....", W, 8,
     {0, 0, 0, 0, 0, 1}, {}, {}, {{5, 9}}},
    {"white three against a blocker", ".....OOOX......", W, 8, {0, 0, 0, 0, 0, 1}, {}, {},
     {{5, 4}}},
    {"white split three against a blocker", "....OO.OX......", W, 8, {0, 0, 0, 0, 0, 1}, {},
     {}, {{4, 7}}},
    {"white four against a blocker", ".....OOOOX.....", W, 8, {0, 0, 0, 1, 0, 0}, {5}, {},
     {}},
    {"black four against a blocker", ".....XXXXO.....", B, 9, {0, 0, 0, 1, 0, 0}, {5}, {},
     {}},
    {"black four against a blocker, black two before it", "...X.XXXXO.....", B, 9,
     {0, 0, 0, 0, 0, 0}, {}, {}, {}},
    {"black three before a blocker", ".....XXX.O.....", B, 8, {0, 0, 0, 0, 1, 0}, {},
     {{5, 9, 4, 0}}, {}},
    {"black three before a blocker, black three before it", "..X..XXX.O.....", B, 8,
     {0, 0, 0, 0, 0, 1}, {}, {}, {{5, 9}}},
    {"black split three against a blocker", ".....XX.XO.....", B, 9, {0, 0, 0, 0, 0, 1}, {},
     {}, {{5, 8}}},
    {"black split three against a blocker, black two before it", "...X.XX.XO.....", B, 9,
     {0, 0, 0, 0, 0, 0}, {}, {}, {}},
    {"blocker too close for five", "....XOOO.X.....", W, 8, {0, 0, 0, 0, 0, 0}, {}, {},
     {}},
    // After a window, the next one starts behind its first gap; that gap counts as free
    // for white, but not for black, whose stone there would join the stones before it.
    {"black three behind a gap that would join", "..OX.XX.X......", B, 7, {0, 0, 0, 0, 0, 0},
     {}, {}, {}},
    {"white three behind a gap", "..XO.OO.O......", W, 7, {0, 0, 0, 0, 1, 0}, {},
     {{8, 5, 10, 0}}, {}},
    // A four on a line withdraws the three found before it on that line.
    {"white four withdraws the open three", "...O.OO.OO.....", W, 7, {0, 0, 0, 1, 0, 0}, {8},
     {}, {}},
    {"black four withdraws the closed three", "...X.XX.XX.....", B, 7, {0, 0, 0, 1, 0, 0},
     {8}, {}, {}},
};
// clang-format on

class LineScanTest : public ::testing::TestWithParam<int> {};

// A shape gives the same fours and threes whichever of the four lines it lies on, with the
// cells of that line.
TEST_P(LineScanTest, ClassifiesEachShapeAlongTheLine)
{
    const int step = GetParam();
    for (const LineCase& c : kLineCases) {
        SCOPED_TRACE(c.name);
        LoadLine(step, c.line);
        const BoardSnapshot before = SnapshotBoard();
        const ThreatRecord& record = ScanAt(c.colour, Along(step, c.origin));

        EXPECT_EQ(CountsOf(record), c.counts);
        for (std::size_t i = 0; i < c.fourPoints.size(); ++i)
            EXPECT_EQ(record.FourPoints[i], Along(step, c.fourPoints[i])) << "slot " << i;
        const auto cell = [step](int position) { return position ? Along(step, position) : 0; };
        for (std::size_t i = 0; i < c.openThrees.size(); ++i) {
            const OpenThreeAt& e = c.openThrees[i];
            EXPECT_EQ(record.OpenThrees[i], (OpenThreeEntry{cell(e.point), cell(e.endA),
                                                            cell(e.endB), cell(e.secondEnd)}));
        }
        for (std::size_t i = 0; i < c.closedThrees.size(); ++i) {
            const ClosedThreeAt& e = c.closedThrees[i];
            EXPECT_EQ(record.ClosedThrees[i], (ClosedThreeEntry{cell(e.pointA), cell(e.pointB)}));
        }
        EXPECT_TRUE(BoardEquals(before));
    }
}

INSTANTIATE_TEST_SUITE_P(AllLines, LineScanTest, ::testing::Values(1, 15, 16, 17),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Step" + std::to_string(info.param);
                         });

// A stone with nothing around it has no threats, and the record is blanked first.
TEST(LineScan, LoneStoneLeavesTheRecordBlank)
{
    for (const std::int32_t colour : {CellBlack, CellWhite}) {
        for (const CellIndex cell :
             {At(8, 8), At(1, 1), At(15, 1), At(1, 15), At(15, 15), At(1, 8), At(8, 15)}) {
            ClearBoard();
            BoardCells[cell] = colour;
            ThreatLevels[0].FourCount = 7;
            ThreatLevels[0].ClosedThrees[5].PointB = 99;
            EXPECT_TRUE(IsBlank(ScanAt(colour, cell))) << "cell " << cell;
        }
    }
}

// Each line keeps to its own cells, and the lines are recorded in the order row, rising
// diagonal (step 15), column, falling diagonal (step 17).
TEST(LineScan, RecordsTheFourLinesInScanOrder)
{
    LoadBoard({
        "...............",
        "...............",
        "...............",
        "...............",
        "..........O....", // rising diagonal: open four (11,5) .. (8,8)
        ".........O.....",
        "........O......",
        "....OO.O.......", // row: split three, open at (7,8)
        "........O......", // falling diagonal: straight three (8,8) .. (10,10)
        ".......O.O.....",
        ".......O.......", // column: (8,8) . (8,10) (8,11) against black (8,12)
        ".......X.......",
        "...............",
        "...............",
        "...............",
    });
    const BoardSnapshot before = SnapshotBoard();
    const ThreatRecord& record = ScanAt(CellWhite, At(8, 8));

    EXPECT_EQ(CountsOf(record), (Counts{0, 0, 1, 1, 2, 1}));
    EXPECT_EQ(record.FourPoints[0], At(12, 4));
    EXPECT_EQ(record.FourPoints[1], At(7, 9));
    EXPECT_EQ(record.OpenThrees[0], (OpenThreeEntry{At(7, 8), At(4, 8), At(9, 8), 0}));
    EXPECT_EQ(record.OpenThrees[1], (OpenThreeEntry{At(7, 7), At(11, 11), At(6, 6), At(12, 12)}));
    EXPECT_EQ(record.ClosedThrees[0], (ClosedThreeEntry{At(8, 7), At(8, 9)}));
    EXPECT_TRUE(BoardEquals(before));
}

} // namespace
