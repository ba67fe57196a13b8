// The lists of a threat record have fixed slots while the counts may run past them: the
// counts stay right and nothing beyond a list is written. Also the recording rules' handling
// of a line's earlier three.
#include "ThreatFixture.h"

#include <cstring>

namespace {

void StartLine(std::int32_t level)
{
    AnalysisLevel = level;
    ThreatLevels[level] = ThreatRecord{};
    LineFours = 0;
    LineOpenThrees = 0;
    LineClosedThrees = 0;
}

bool SameBytes(const ThreatRecord& a, const ThreatRecord& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// XX.XX.XX along all four lines through (8,8), the origin the fourth stone of each: two fours
// per line, eight in all, for five slots.
TEST(RecordSlots, EightFoursFillFiveSlotsAndNoMore)
{
    const CellIndex origin = At(8, 8);
    for (const std::int32_t colour : {CellBlack, CellWhite}) {
        SCOPED_TRACE(colour);
        ClearBoard();
        BoardCells[origin] = colour;
        for (const int step : {1, 15, 16, 17})
            for (const int k : {-4, -3, -1, 2, 3})
                BoardCells[origin + k * step] = colour;
        ThreatLevels[1].FourCount = 31;
        const ThreatRecord next = ThreatLevels[1];
        const BoardSnapshot before = SnapshotBoard();
        SideToMove = colour;

        EXPECT_EQ(FourBlockQuery(origin), 7);
        EXPECT_EQ(AutoBlockPoint, 0);
        const ThreatRecord& record = Level(0);
        EXPECT_EQ(CountsOf(record), (Counts{0, 0, 0, 8, 0, 0}));
        const CellIndex firstFive[] = {origin - 2, origin + 1, origin - 30, origin + 15,
                                       origin - 32};
        for (int i = 0; i < FourPointSlots; ++i)
            EXPECT_EQ(record.FourPoints[i], firstFive[i]) << "slot " << i;
        for (const OpenThreeEntry& entry : record.OpenThrees)
            EXPECT_EQ(entry, (OpenThreeEntry{0, 0, 0, 0}));
        EXPECT_TRUE(SameBytes(ThreatLevels[1], next));
        EXPECT_TRUE(BoardEquals(before));
    }
}

// An overline sets the count to 2 without points; a later four in another line takes slot 2.
TEST(RecordSlots, FourAfterAnOverlineTakesSlotTwo)
{
    LoadRow(8, "..XXXXXXX......");
    BoardCells[At(8, 4)] = CellWhite;
    for (const int row : {5, 6, 7})
        BoardCells[At(8, row)] = CellBlack;
    SideToMove = CellBlack;

    EXPECT_EQ(FourBlockQuery(At(8, 8)), 2);
    const ThreatRecord& record = Level(0);
    EXPECT_EQ(CountsOf(record), (Counts{1, 0, 0, 3, 0, 0}));
    EXPECT_EQ(record.FourPoints[0], 0);
    EXPECT_EQ(record.FourPoints[1], 0);
    EXPECT_EQ(record.FourPoints[2], At(8, 9));
}

// Recording straight into the last list of record 0: entries past the six slots are counted
// but would land in record 1, which stays as it was.
TEST(RecordSlots, ClosedThreesPastTheSlotsAreCountedNotStored)
{
    StartLine(0);
    ThreatLevels[1].OverlineCount = 5;
    const ThreatRecord next = ThreatLevels[1];
    for (int i = 0; i < 8; ++i)
        RecordClosedThree(100 + i, 200 + i);

    EXPECT_EQ(Level(0).ClosedThreeCount, 8);
    for (int i = 0; i < ClosedThreeSlots; ++i)
        EXPECT_EQ(Level(0).ClosedThrees[i], (ClosedThreeEntry{100 + i, 200 + i}));
    EXPECT_TRUE(SameBytes(ThreatLevels[1], next));
}

TEST(RecordSlots, FourPointsPastTheSlotsAreCountedNotStored)
{
    StartLine(0);
    for (int i = 0; i < 7; ++i)
        RecordFourPoint(100 + i);

    EXPECT_EQ(Level(0).FourCount, 7);
    for (int i = 0; i < FourPointSlots; ++i)
        EXPECT_EQ(Level(0).FourPoints[i], 100 + i);
    EXPECT_EQ(Level(0).OpenThrees[0], (OpenThreeEntry{0, 0, 0, 0}));
}

// The line tallies: a four withdraws the line's earlier three, an open three withdraws its
// closed three, and nothing is recorded as a three after a four or an open three.
TEST(RecordingRules, LaterShapesOnALineOutrankEarlierThrees)
{
    StartLine(0);
    RecordOpenThree(1, 2, 3, 0);
    RecordFourPoint(50);
    EXPECT_EQ(CountsOf(Level(0)), (Counts{0, 0, 0, 1, 0, 0}));
    RecordOpenThree(4, 5, 6, 0);
    RecordClosedThree(7, 8);
    EXPECT_EQ(CountsOf(Level(0)), (Counts{0, 0, 0, 1, 0, 0}));

    StartLine(0);
    RecordClosedThree(7, 8);
    RecordOpenThree(1, 2, 3, 0);
    EXPECT_EQ(CountsOf(Level(0)), (Counts{0, 0, 0, 0, 1, 0}));
    RecordClosedThree(9, 10);
    EXPECT_EQ(CountsOf(Level(0)), (Counts{0, 0, 0, 0, 1, 0}));

    StartLine(0);
    RecordClosedThree(7, 8);
    RecordFourPoint(50);
    EXPECT_EQ(CountsOf(Level(0)), (Counts{0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(Level(0).FourPoints[0], 50);
}

// An open four always writes slots 0 and 1 and leaves the line tallies alone.
TEST(RecordingRules, OpenFourTakesTheFirstTwoSlots)
{
    StartLine(0);
    RecordFourPoint(50);
    RecordFourPoint(51);
    RecordOpenFour(60, 61);
    EXPECT_EQ(CountsOf(Level(0)), (Counts{0, 0, 1, 3, 0, 0}));
    EXPECT_EQ(Level(0).FourPoints[0], 60);
    EXPECT_EQ(Level(0).FourPoints[1], 61);
    EXPECT_EQ(LineFours, 2);

    StartLine(0);
    RecordOpenThree(1, 2, 3, 0);
    RecordOpenFour(60, 61);
    EXPECT_EQ(CountsOf(Level(0)), (Counts{0, 0, 1, 1, 1, 0}));
}

// The recording rules never write the blank template or outside the records.
TEST(RecordingRules, IgnoreLevelsThatCannotBeFilled)
{
    ThreatRecord saved[ThreatLevelCount];
    std::memcpy(saved, ThreatLevels, sizeof saved);
    for (const std::int32_t level : {BlankThreatLevel, -1, 6}) {
        AnalysisLevel = level;
        RecordOpenFour(1, 2);
        RecordFourPoint(3);
        RecordOpenThree(4, 5, 6, 7);
        RecordClosedThree(8, 9);
    }
    EXPECT_EQ(std::memcmp(saved, ThreatLevels, sizeof saved), 0);
}

} // namespace
