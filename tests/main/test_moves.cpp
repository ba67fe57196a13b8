// Move entry, numbering, the forced-answer chain and the six navigation buttons.
#include <gtest/gtest.h>

#include <vector>

#include "FakePort.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/Startup.h"
#include "main/State.h"

namespace {

int Mark(int column, int row)
{
    return CellMarks[MakeCell(column, row)];
}
int Stone(int column, int row)
{
    return BoardCells[MakeCell(column, row)];
}

// Three stones of `colour` from (column, row) on, a step (dx, dy) apart, and one of the other
// colour just before them: a stone just after them makes a four with one point left.
void BlockedThree(std::int32_t colour, int column, int row, int dx, int dy)
{
    BoardCells[MakeCell(column - dx, row - dy)] = Opponent(colour);
    for (int k = 0; k < 3; ++k)
        BoardCells[MakeCell(column + k * dx, row + k * dy)] = colour;
}

// Four moves far apart, so no line of them forms a threat.
const int kMoves[4][2] = {{2, 2}, {14, 2}, {2, 14}, {14, 14}};

std::vector<int> MarksOfMoves()
{
    std::vector<int> marks;
    for (auto& m : kMoves)
        marks.push_back(Mark(m[0], m[1]));
    return marks;
}

void EnterFourMoves()
{
    for (auto& m : kMoves)
        PressCell(m[0], m[1]);
}

enum class Mode { MoveOrder, FourChase, StonePlacement, Letters };

void Choose(Mode mode)
{
    // The menu item of each mode, in the order of Mode.
    void (*const items[])() = {MnuSetTeClick, MnuSetSioiClick, MnuSetIsiClick, MnuSetMojiClick};
    items[static_cast<int>(mode)]();
}

struct NumberingCase {
    const char* name;
    Mode enterIn;
    bool numbering;
    bool replay;
    Mode replayIn;
    std::vector<int> marks;
};

class Numbering : public ::testing::TestWithParam<NumberingCase> {};

// Entering numbers by the full rule (half rule in four-chase order) only while
// numbering is on; replaying always numbers, by the full rule in move order only.
TEST_P(Numbering, FollowsTheRuleOfTheModeAndTheAction)
{
    const NumberingCase& c = GetParam();
    FakePort port;
    port.Start();
    Choose(c.enterIn);
    if (!c.numbering)
        MnuSyujyunClick();
    EnterFourMoves();
    if (c.replay) {
        BitBackAllClick();
        Choose(c.replayIn);
        BitGoAllClick();
        ASSERT_EQ(MoveCount, 4);
    }
    EXPECT_EQ(MarksOfMoves(), c.marks);
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, Numbering,
    ::testing::Values(
        NumberingCase{
            "EnteredMoveOrder", Mode::MoveOrder, true, false, Mode::MoveOrder, {1, 2, 3, 4}},
        NumberingCase{
            "EnteredMoveOrderOff", Mode::MoveOrder, false, false, Mode::MoveOrder, {0, 0, 0, 0}},
        NumberingCase{
            "EnteredFourChase", Mode::FourChase, true, false, Mode::MoveOrder, {1, 1, 2, 2}},
        NumberingCase{
            "EnteredFourChaseOff", Mode::FourChase, false, false, Mode::MoveOrder, {0, 0, 0, 0}},
        NumberingCase{
            "ReplayedMoveOrder", Mode::MoveOrder, true, true, Mode::MoveOrder, {1, 2, 3, 4}},
        NumberingCase{"ReplayedMoveOrderNumberingOff",
                      Mode::MoveOrder,
                      false,
                      true,
                      Mode::MoveOrder,
                      {1, 2, 3, 4}},
        NumberingCase{"FourChaseReplayedFourChase",
                      Mode::FourChase,
                      true,
                      true,
                      Mode::FourChase,
                      {1, 1, 2, 2}},
        NumberingCase{"FourChaseReplayedMoveOrder",
                      Mode::FourChase,
                      true,
                      true,
                      Mode::MoveOrder,
                      {1, 2, 3, 4}},
        NumberingCase{"ReplayedInStonePlacement",
                      Mode::MoveOrder,
                      true,
                      true,
                      Mode::StonePlacement,
                      {1, 1, 2, 2}},
        NumberingCase{
            "ReplayedInLetters", Mode::MoveOrder, false, true, Mode::Letters, {1, 1, 2, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Numbering, FourChaseAfterAnOddCountOffsetsThePairs)
{
    FakePort port;
    port.Start();
    PressCell(8, 2);
    MnuSetSioiClick();
    EnterFourMoves();
    EXPECT_EQ(MarksOfMoves(), (std::vector<int>{1, 2, 2, 3}));
}

TEST(Numbering, FirstNumberedMoveFollowsTheMovesEnteredWithoutNumbers)
{
    FakePort port;
    port.Start();
    MnuSyujyunClick();
    for (int column = 1; column <= 10; ++column)
        PressCell(column, column % 2 ? 1 : 15);
    EXPECT_EQ(FirstNumberedMove, 10);
    MnuSyujyunClick();
    PressCell(3, 8);
    EXPECT_EQ(FirstNumberedMove, 10);
    EXPECT_EQ(Mark(3, 8), 11);
}

// The enabled state after each kind of event.
TEST(NavigationButtons, FollowTheRecord)
{
    FakePort port;
    port.Start();
    auto back = [&] { return port.buttonEnabled[NavButton::BitBack1]; };
    auto forward = [&] { return port.buttonEnabled[NavButton::BitGo1]; };
    auto same = [&](NavButton a, NavButton b, NavButton c) {
        return port.buttonEnabled[a] == port.buttonEnabled[b] &&
               port.buttonEnabled[b] == port.buttonEnabled[c];
    };
    PressCell(8, 8);
    PressCell(9, 9);
    EXPECT_TRUE(back());
    EXPECT_FALSE(forward());
    BitBack1Click();
    EXPECT_TRUE(back());
    EXPECT_TRUE(forward());
    BitBack1Click();
    EXPECT_FALSE(back());
    EXPECT_TRUE(forward());
    BitGo1Click();
    EXPECT_TRUE(back());
    EXPECT_TRUE(forward());
    BitGo1Click();
    EXPECT_FALSE(forward());
    EXPECT_TRUE(same(NavButton::BitBackAll, NavButton::BitBack2, NavButton::BitBack1));
    EXPECT_TRUE(same(NavButton::BitGo1, NavButton::BitGo2, NavButton::BitGoAll));
}

TEST(NavigationButtons, BackTwoNeedsTwoMovesAndForwardTwoTakesWhatIsLeft)
{
    FakePort port;
    port.Start();
    PressCell(8, 8);
    BitBack2Click();
    EXPECT_EQ(MoveCount, 1);
    BitBack1Click();
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(Stone(8, 8), CellEmpty);
    EXPECT_EQ(Mark(8, 8), 0);
    EXPECT_EQ(SideToMove, CellBlack);
    BitGo2Click();
    EXPECT_EQ(MoveCount, 1);
    EXPECT_EQ(Stone(8, 8), CellBlack);
    EXPECT_EQ(port.memo, "　2 手目  白");
}

TEST(NavigationButtons, BackButtonsActOnlyInMoveAndFourChaseOrder)
{
    FakePort port;
    port.Start();
    PressCell(8, 8);
    PressCell(9, 9);
    PressCell(10, 10);
    BitBack1Click();
    MnuSetIsiClick();
    BitBackAllClick();
    BitBack2Click();
    BitBack1Click();
    EXPECT_EQ(MoveCount, 2);
    BitGo1Click(); // forward still replays
    EXPECT_EQ(MoveCount, 3);
}

TEST(NavigationButtons, AMoveAfterTakingBackCutsTheTail)
{
    FakePort port;
    port.Start();
    for (int column = 1; column <= 5; ++column)
        PressCell(column, 1 + (column % 2) * 10);
    BitBackAllClick();
    BitGo1Click();
    PressCell(8, 8);
    EXPECT_EQ(MoveCount, 2);
    EXPECT_EQ(MoveList[2], 0);
    EXPECT_FALSE(port.buttonEnabled[NavButton::BitGo1]);
    BitGoAllClick();
    EXPECT_EQ(MoveCount, 2);
}

TEST(MovePress, IgnoresOccupiedCellsAndWipesALetter)
{
    FakePort port;
    port.Start();
    CellMarks[MakeCell(5, 5)] = -3;
    PressCell(5, 5);
    EXPECT_EQ(Mark(5, 5), 1);
    PressCell(5, 5);
    EXPECT_EQ(MoveCount, 1);
    EXPECT_EQ(SideToMove, CellWhite);
    BitBack1Click();
    EXPECT_EQ(Mark(5, 5), 0); // the letter does not come back
}

// Black makes a four whose only point is (9, 8); white's answer there makes a four of
// its own with the point (9, 9), which black answers in turn; that ends the chain.
TEST(ForcedAnswers, AreEnteredAsAChain)
{
    FakePort port;
    port.Start();
    BlockedThree(CellBlack, 5, 8, 1, 0);
    BlockedThree(CellWhite, 9, 5, 0, 1);
    MnuSiTomeClick();
    ASSERT_EQ(AutoBlockFours, 1);

    PressCell(8, 8);

    ASSERT_EQ(MoveCount, 3);
    EXPECT_EQ(MoveList[0], MakeCell(8, 8));
    EXPECT_EQ(MoveList[1], MakeCell(9, 8));
    EXPECT_EQ(MoveList[2], MakeCell(9, 9));
    EXPECT_EQ(MoveList[3], 0);
    EXPECT_EQ(Stone(9, 8), CellWhite);
    EXPECT_EQ(Stone(9, 9), CellBlack);
    EXPECT_EQ(Mark(9, 9), 3);
    EXPECT_EQ(port.memo, "　4 手目  白");
}

TEST(ForcedAnswers, KeepALetterWhenNumberingIsOff)
{
    FakePort port;
    port.Start();
    BlockedThree(CellWhite, 5, 8, 1, 0);
    CellMarks[MakeCell(9, 8)] = -1;
    SideToMove = CellWhite;
    MnuSiTomeClick();
    MnuSyujyunClick();
    PressCell(8, 8);
    EXPECT_EQ(Stone(9, 8), CellBlack);
    EXPECT_EQ(Mark(9, 8), -1);
    EXPECT_EQ(port.memo, "　3 手目  白");
}

TEST(ForcedAnswers, AreNotGivenWhileTheOptionIsOff)
{
    FakePort port;
    port.Start();
    BlockedThree(CellBlack, 5, 8, 1, 0);
    PressCell(8, 8);
    EXPECT_EQ(MoveCount, 1);
    EXPECT_EQ(Stone(9, 8), CellEmpty);
}

// A button that steps through many moves writes the status box once, at its end, with
// the line of the last move; the box never shows the lines in between.
TEST(NavigationButtons, WriteTheStatusBoxOnceWithTheLastLine)
{
    FakePort port;
    port.Start();
    for (int column = 1; column <= 7; ++column)
        PressCell(column, 1 + (column % 2) * 10);
    struct Step {
        void (*click)();
        int moveCount;
        const char* line;
        int writes;
    };
    const Step steps[] = {
        {BitBack2Click, 5, "　6 手目  白", 1}, {BitBackAllClick, 0, "　1 手目  黒", 1},
        {BitGo2Click, 2, "　3 手目  黒", 1},   {BitGoAllClick, 7, "　8 手目  白", 1},
        {BitBack1Click, 6, "　7 手目  黒", 1}, {BitGo1Click, 7, "　8 手目  白", 1},
        {BitGo2Click, 7, "　8 手目  白", 0},   {BitBackAllClick, 0, "　1 手目  黒", 1},
    };
    for (const Step& step : steps) {
        const int before = port.memoWrites;
        step.click();
        EXPECT_EQ(MoveCount, step.moveCount);
        EXPECT_EQ(port.memo, step.line);
        EXPECT_EQ(port.memoWrites - before, step.writes) << step.line;
    }
}

// The list has room for the 0 behind a full board.
TEST(FullBoard, TwoHundredTwentyFiveMovesEnterTakeBackAndReplay)
{
    FakePort port;
    port.Start();
    for (int row = 1; row <= 15; ++row)
        for (int column = 1; column <= 15; ++column)
            PressCell(column, row);
    ASSERT_EQ(MoveCount, 225);
    EXPECT_EQ(MoveList[225], 0);
    EXPECT_EQ(port.memo, "　226 手目  白");
    BitBackAllClick();
    EXPECT_EQ(MoveCount, 0);
    BitGoAllClick();
    EXPECT_EQ(MoveCount, 225);
    EXPECT_EQ(Mark(15, 15), 225);
    EXPECT_FALSE(port.buttonEnabled[NavButton::BitGo1]);
    BitGo1Click();
    EXPECT_EQ(MoveCount, 225);
}

} // namespace
