// The rules judge on the board: black's forbidden points marked while the option is on and
// black is to move in move order or four-chase order, kept after every kind of change, and
// the four-chase search entered as moves of the record.
#include <gtest/gtest.h>

#include "../fixtures/Positions.h"
#include "DrawnFakePort.h"
#include "main/FileIo.h"
#include "main/Files.h"
#include "main/ForbiddenMarks.h"
#include "main/FourChaseSearch.h"
#include "main/HaisekiFile.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/Startup.h"
#include "main/State.h"

namespace {

constexpr CellIndex DoubleThree = MakeCell(7, 8);

int MarkCount()
{
    int count = 0;
    for (std::int32_t mark : ForbiddenMarks)
        count += mark;
    return count;
}

// Opens a stone placement of the picture ('X' black, 'O' white) as the menu's open does.
void OpenPosition(const Rows& rows)
{
    std::int32_t cells[CellTableSize];
    LoadPicture(cells, rows);
    std::uint8_t bytes[HaisekiFileSize];
    PackBoard(cells, bytes);
    ASSERT_EQ(OpenHaisekiImage(bytes), IoOk);
}

class RulesMenus : public testing::Test {
protected:
    void SetUp() override { port.Start(); }

    // Black (5,8) (6,8) (7,6) (7,7) and white far off: (7,8) is a double three, black to move.
    void PlayDoubleThree()
    {
        for (auto [column, row] :
             {std::pair{5, 8}, {1, 1}, {6, 8}, {15, 1}, {7, 6}, {1, 15}, {7, 7}, {15, 15}})
            PressCell(column, row);
    }
    bool Drawn(CellIndex cell) const
    {
        for (auto [column, row] : port.drawnCells)
            if (MakeCell(column, row) == cell)
                return true;
        return false;
    }
    // The cell's pixels in the board view.
    QImage Tile(CellIndex cell) const
    {
        return port.view.Image().copy((CellColumn(cell) - 1) * 34, (CellRow(cell) - 1) * 34, 34,
                                      34);
    }

    DrawnFakePort port;
};

// Off, as at start: no mark, no cell drawn beyond the moves themselves.
TEST_F(RulesMenus, OffAtStartMarksNothing)
{
    EXPECT_EQ(ShowForbiddenPoints, 0);
    EXPECT_FALSE(port.menuChecked[MenuTick::MnuKinsyu]);
    const QImage empty = Tile(DoubleThree);
    port.drawnCells.clear();
    PlayDoubleThree();
    EXPECT_EQ(MarkCount(), 0);
    EXPECT_EQ(port.drawnCells.size(), 8u); // the eight moves
    EXPECT_EQ(Tile(DoubleThree), empty);
}

TEST_F(RulesMenus, TickingMarksTheForbiddenPointsWithARedCross)
{
    const QImage plain = Tile(DoubleThree);
    const QImage right = Tile(DoubleThree + 1);
    PlayDoubleThree();
    port.drawnCells.clear();
    MnuKinsyuClick();
    EXPECT_TRUE(port.menuChecked[MenuTick::MnuKinsyu]);
    EXPECT_EQ(MarkCount(), 1);
    EXPECT_EQ(ForbiddenMarks[DoubleThree], 1);
    EXPECT_EQ(port.drawnCells.size(), 1u); // only the marked cell is drawn
    const QImage marked = Tile(DoubleThree);
    EXPECT_NE(marked, plain);
    EXPECT_EQ(marked.pixel(16, 16), qRgb(220, 0, 0));   // the crossing of the cross
    EXPECT_EQ(marked.pixel(0, 16), plain.pixel(0, 16)); // the grid at the edge is kept
    EXPECT_EQ(marked.pixel(16, 0), plain.pixel(16, 0));
    EXPECT_EQ(Tile(DoubleThree + 1), right); // neighbours untouched

    MnuKinsyuClick(); // off again: the cell as it was
    EXPECT_FALSE(port.menuChecked[MenuTick::MnuKinsyu]);
    EXPECT_EQ(MarkCount(), 0);
    EXPECT_EQ(Tile(DoubleThree), plain);
}

// The marks follow every change: a move, a take-back, a replay, the modes, the clear.
TEST_F(RulesMenus, MarksFollowTheBoardTheSideAndTheMode)
{
    MnuKinsyuClick();
    PlayDoubleThree();
    EXPECT_EQ(ForbiddenMarks[DoubleThree], 1);

    PressCell(10, 10); // black moves: white to move, no marks
    EXPECT_EQ(MarkCount(), 0);
    BitBack1Click(); // black to move again
    EXPECT_EQ(ForbiddenMarks[DoubleThree], 1);
    BitBackAllClick();
    EXPECT_EQ(MarkCount(), 0);
    BitGoAllClick(); // the replay ends after black's (10,10): white to move
    EXPECT_EQ(MarkCount(), 0);
    BitBack1Click();
    EXPECT_EQ(ForbiddenMarks[DoubleThree], 1);

    MnuSetIsiClick(); // stone placement: no marks
    EXPECT_EQ(MarkCount(), 0);
    MnuSetTeClick();
    EXPECT_EQ(ForbiddenMarks[DoubleThree], 1);
    MnuSetMojiClick(); // letter placement: none either
    EXPECT_EQ(MarkCount(), 0);
    port.answers.push_back(Answer::Yes); // black to move
    MnuSetSioiClick();
    EXPECT_EQ(ForbiddenMarks[DoubleThree], 1);

    // A white stone on the three's other side leaves (7,8) one three only.
    MnuSetIsiClick();
    ImgBanMouseDown(MouseButton::Right, (8 - 1) * 34 + 17, (8 - 1) * 34 + 17);
    MnuSetTeClick(); // placed stones: the side is asked, black proposed
    EXPECT_EQ(SideToMove, CellBlack);
    EXPECT_EQ(ForbiddenMarks[DoubleThree], 0);

    port.answers.push_back(Answer::Ok);
    MnuClearClick();
    EXPECT_EQ(MarkCount(), 0);
}

TEST_F(RulesMenus, OpeningAPositionMarksItsPoints)
{
    MnuKinsyuClick();
    OpenPosition(kForbiddenOfEachKind);
    EXPECT_EQ(MarkCount(), 3);
    EXPECT_EQ(ForbiddenMarks[MakeCell(12, 3)], 1); // overline
    EXPECT_EQ(ForbiddenMarks[MakeCell(7, 8)], 1);  // double three
    EXPECT_EQ(ForbiddenMarks[MakeCell(6, 13)], 1); // double four
}

TEST_F(RulesMenus, FoundChaseIsEnteredInFourChaseOrder)
{
    OpenPosition(kBlackFourThree);
    port.questions.clear();
    MnuSioiSagasuClick();
    EXPECT_TRUE(port.questions.empty()) << "no question about the side";
    EXPECT_TRUE(port.information.empty());
    EXPECT_EQ(port.progressBegun, 1);
    EXPECT_EQ(port.progressEnded, 1);
    EXPECT_EQ(EditMode, ModeFourChase);
    EXPECT_TRUE(port.menuChecked[MenuTick::MnuSetSioi]);
    EXPECT_TRUE(port.menuChecked[MenuTick::MnuSiTome]);
    EXPECT_EQ(AutoBlockFours, 1);
    EXPECT_EQ(FourChaseColor, CellBlack);
    ASSERT_EQ(MoveCount, 3);
    EXPECT_EQ(MoveList[0], MakeCell(9, 8));
    EXPECT_EQ(MoveList[1], MakeCell(10, 8));
    EXPECT_EQ(MoveList[2], MakeCell(9, 7));
    EXPECT_EQ(MoveList[3], 0);
    EXPECT_EQ(BoardCells[MakeCell(10, 8)], CellWhite);
    // Numbered in pairs, and no automatic answer after the winning four.
    EXPECT_EQ(CellMarks[MakeCell(9, 8)], 1);
    EXPECT_EQ(CellMarks[MakeCell(10, 8)], 1);
    EXPECT_EQ(CellMarks[MakeCell(9, 7)], 2);
    EXPECT_EQ(SideToMove, CellWhite);
    EXPECT_EQ(port.memo, "　4 手目  白");
}

TEST_F(RulesMenus, NoChaseSaysSoAndChangesNothing)
{
    OpenPosition(kBlackFourThree);
    SideToMove = CellWhite;
    MnuSioiSagasuClick();
    ASSERT_EQ(port.information.size(), 1u);
    EXPECT_EQ(port.information[0], "四追いは見つかりませんでした");
    EXPECT_EQ(EditMode, ModeMoveOrder);
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(AutoBlockFours, 0);
}

TEST_F(RulesMenus, CancelledSearchChangesNothing)
{
    OpenPosition(kBlackFourThree);
    port.keepGoing = false;
    MnuSioiSagasuClick();
    EXPECT_GE(port.progressAsked, 1);
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(EditMode, ModeMoveOrder);
    EXPECT_TRUE(port.information.empty());
}

} // namespace
