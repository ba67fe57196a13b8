// Start-up and the board reset: the state every other operation starts from.
#include <gtest/gtest.h>

#include "FakePort.h"
#include "Set_Data/Set_Data.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/Startup.h"
#include "main/State.h"

namespace {

bool FrameIsOffBoard()
{
    for (int i = 0; i < CellTableSize; ++i)
        if (!IsBoardCell(i) && (BoardCells[i] != CellOffBoard || CellMarks[i] != 0))
            return false;
    return true;
}

TEST(Startup, LeavesAnEmptyFramedBoardWithBlackToMoveFirst)
{
    FakePort port;
    port.Start();
    for (int i = 0; i < CellTableSize; ++i) {
        if (IsBoardCell(i)) {
            ASSERT_EQ(BoardCells[i], CellEmpty) << i;
        }
    }
    EXPECT_TRUE(FrameIsOffBoard());
    EXPECT_EQ(port.memo, "　1 手目  黒");
    EXPECT_TRUE(AllButtons(port, false));
    EXPECT_EQ(EditMode, ModeMoveOrder);
    EXPECT_EQ(SideToMove, CellBlack);
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(MoveList[0], 0);
    EXPECT_EQ(ShowMoveNumbers, 1);
    EXPECT_EQ(AutoBlockFours, 0);
    EXPECT_EQ(LeftButtonColor, CellBlack);
    EXPECT_EQ(RangeSelectState, 0);
    EXPECT_EQ(SelectedOpening, 0);
    EXPECT_EQ(GameInfo.BlackName[0], 0);
    EXPECT_EQ(GameInfo.WhiteName[0], 0);
    EXPECT_FALSE(port.panelVisible[PanelId::PanelTaikyokuData]);
    // Every cell drawn once, rows outer and columns inner.
    ASSERT_EQ(port.drawnCells.size(), 0u); // Start() clears the record of FormCreate's draw
}

TEST(Startup, DrawsEveryCellOnceRowByRow)
{
    FakePort port;
    port.Start();
    ResetBoard();
    ASSERT_EQ(port.drawnCells.size(), 225u);
    EXPECT_EQ(port.drawnCells.front(), std::make_pair(1, 1));
    EXPECT_EQ(port.drawnCells[1], std::make_pair(2, 1));
    EXPECT_EQ(port.drawnCells[15], std::make_pair(1, 2));
    EXPECT_EQ(port.drawnCells.back(), std::make_pair(15, 15));
}

TEST(Startup, TablesHoldTheLettersAndTheOpenings)
{
    FakePort port;
    port.Start();
    EXPECT_STREQ(LetterLabels[0], "");
    EXPECT_STREQ(LetterLabels[1], "A");
    EXPECT_STREQ(LetterLabels[26], "Z");
    EXPECT_STREQ(OpeningNames[0], "");
    EXPECT_STREQ(OpeningNames[1], "寒星");
    EXPECT_STREQ(OpeningNames[2], "溪月");
    EXPECT_STREQ(OpeningNames[25], "遊星");
    EXPECT_STREQ(OpeningNames[26], "彗星");
    // The third moves by column and row, openings 1 to 26.
    const int third[26][2] = {{8, 6},  {9, 6},  {10, 6},  {9, 7},   {10, 7}, {9, 8},  {10, 8},
                              {8, 9},  {9, 9},  {10, 9},  {8, 10},  {9, 10}, {10, 6}, {10, 7},
                              {10, 8}, {10, 9}, {10, 10}, {9, 8},   {9, 9},  {9, 10}, {8, 9},
                              {8, 10}, {7, 9},  {7, 10},  {10, 10}, {6, 10}};
    for (int k = 0; k < 26; ++k)
        EXPECT_EQ(OpeningThirdMoves[k], MakeCell(third[k][0], third[k][1])) << "opening " << k + 1;
}

TEST(ResetBoard, KeepsModesFlagsAndFrameAndLeavesNothingToReplay)
{
    FakePort port;
    port.Start();
    PressCell(8, 8);
    PressCell(9, 9);
    PressCell(10, 10);
    BitBack2Click();
    ASSERT_TRUE(port.buttonEnabled[NavButton::BitGo1]);
    MnuSetMojiClick();
    BtnkoutaiMouseClick();
    MnuSyujyunClick();
    MnuSiTomeClick();
    port.memo = "kept";

    ResetBoard();

    EXPECT_EQ(EditMode, ModeLetterPlacement);
    EXPECT_EQ(LeftButtonColor, CellWhite);
    EXPECT_EQ(ShowMoveNumbers, 0);
    EXPECT_EQ(AutoBlockFours, 1);
    EXPECT_EQ(MoveList[0], 0);
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(SideToMove, CellBlack);
    EXPECT_TRUE(AllButtons(port, false));
    EXPECT_TRUE(FrameIsOffBoard());
    EXPECT_EQ(port.memo, "kept");
    BitGoAllClick();
    EXPECT_EQ(MoveCount, 0);
}

TEST(ShowMoveStatus, NamesTheNextMoveAndColourButNotInStonePlacement)
{
    FakePort port;
    port.Start();
    PressCell(8, 8);
    EXPECT_EQ(port.memo, "　2 手目  白");
    MnuSetIsiClick();
    port.memo = "";
    ShowMoveStatus();
    EXPECT_EQ(port.memo, "");
}

} // namespace
