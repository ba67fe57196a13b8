// The editing modes, stone and letter placement, the option flags, clearing, closing.
#include <gtest/gtest.h>

#include "FakePort.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/Startup.h"
#include "main/State.h"

namespace {

int Stone(int column, int row)
{
    return BoardCells[MakeCell(column, row)];
}
int Mark(int column, int row)
{
    return CellMarks[MakeCell(column, row)];
}

struct ModeCase {
    void (*choose)();
    EditingMode mode;
    MenuTick tick;
    PanelId panel;
};

// Each mode item moves the radio tick and shows its panel only.
TEST(EditModes, ShowTheirPanelAndTick)
{
    const ModeCase cases[] = {
        {MnuSetIsiClick, ModeStonePlacement, MenuTick::MnuSetIsi, PanelId::PanelHaiseki},
        {MnuSetMojiClick, ModeLetterPlacement, MenuTick::MnuSetMoji, PanelId::PanelMoji},
        {MnuSetSioiClick, ModeFourChase, MenuTick::MnuSetSioi, PanelId::PanelSyujun},
        {MnuSetTeClick, ModeMoveOrder, MenuTick::MnuSetTe, PanelId::PanelSyujun},
    };
    FakePort port;
    port.Start();
    for (const auto& c : cases) {
        c.choose();
        EXPECT_EQ(EditMode, c.mode);
        for (auto tick :
             {MenuTick::MnuSetTe, MenuTick::MnuSetMoji, MenuTick::MnuSetIsi, MenuTick::MnuSetSioi})
            EXPECT_EQ(port.menuChecked[tick], tick == c.tick) << static_cast<int>(c.mode);
        for (auto panel : {PanelId::PanelSyujun, PanelId::PanelMoji, PanelId::PanelHaiseki})
            EXPECT_EQ(port.panelVisible[panel], panel == c.panel) << static_cast<int>(c.mode);
    }
}

// The back buttons step back only where a press enters moves of the record.
TEST(EditModes, OnlyMoveOrderAndFourChaseOrderEnterMoves)
{
    const struct {
        void (*choose)();
        bool entersMoves;
    } cases[] = {
        {MnuSetIsiClick, false},
        {MnuSetMojiClick, false},
        {MnuSetSioiClick, true},
        {MnuSetTeClick, true},
    };
    for (const auto& c : cases) {
        FakePort port;
        port.Start();
        PressCell(8, 8);
        PressCell(9, 9);
        c.choose();
        EXPECT_EQ(EntersMoves(EditMode), c.entersMoves);
        BitBack1Click();
        EXPECT_EQ(MoveCount, c.entersMoves ? 1 : 2) << static_cast<int>(EditMode);
    }
}

TEST(EditModes, SwitchingKeepsTheBoardAndTheRecord)
{
    FakePort port;
    port.Start();
    PressCell(8, 8);
    PressCell(9, 8);
    MnuSetMojiClick();
    EXPECT_EQ(port.memo, "　3 手目  黒"); // letter placement leaves the memo
    MnuSetIsiClick();
    EXPECT_EQ(port.memo, "  黒石  0\n  白石  0");
    MnuSetTeClick();
    EXPECT_TRUE(port.questions.empty());
    EXPECT_EQ(MoveCount, 2);
    EXPECT_EQ(Stone(9, 8), CellWhite);
    EXPECT_EQ(port.memo, "　3 手目  黒");
}

TEST(StonePlacement, ButtonsToggleColoursAndCount)
{
    FakePort port;
    port.Start();
    MnuSetIsiClick();
    PressCell(3, 3, MouseButton::Left);
    EXPECT_EQ(Stone(3, 3), CellBlack);
    EXPECT_EQ(port.memo, "  黒石  1\n  白石  0");
    PressCell(3, 3, MouseButton::Right);
    EXPECT_EQ(Stone(3, 3), CellWhite);
    EXPECT_EQ(port.memo, "  黒石  0\n  白石  1");
    PressCell(3, 3, MouseButton::Left);
    EXPECT_EQ(Stone(3, 3), CellBlack);
    PressCell(3, 3, MouseButton::Left);
    EXPECT_EQ(Stone(3, 3), CellEmpty);
    EXPECT_EQ(port.memo, "  黒石  0\n  白石  0");
    PressCell(4, 4, MouseButton::Middle);
    EXPECT_EQ(Stone(4, 4), CellWhite);
    ASSERT_FALSE(port.drawnCells.empty());
    EXPECT_EQ(port.drawnCells.back(), std::make_pair(4, 4));
}

TEST(StonePlacement, SwappingTheButtonsSwapsColoursAndLabels)
{
    FakePort port;
    port.Start();
    MnuSetIsiClick();
    BtnkoutaiMouseClick();
    EXPECT_EQ(port.texts[TextId::LabelLeftClick], "左ｸﾘｯｸ-白");
    EXPECT_EQ(port.texts[TextId::LabelRightClick], "右ｸﾘｯｸ-黒");
    PressCell(5, 5, MouseButton::Left);
    PressCell(6, 6, MouseButton::Right);
    EXPECT_EQ(Stone(5, 5), CellWhite);
    EXPECT_EQ(Stone(6, 6), CellBlack);
    BtnkoutaiMouseClick();
    EXPECT_EQ(port.texts[TextId::LabelLeftClick], "左ｸﾘｯｸ-黒");
    EXPECT_EQ(port.texts[TextId::LabelRightClick], "右ｸﾘｯｸ-白");
}

// Entered moves are toggled like placed stones, so a total can fall below zero.
TEST(StonePlacement, TogglingAnEnteredMoveCanMakeATotalNegative)
{
    FakePort port;
    port.Start();
    PressCell(8, 8);
    MnuSetIsiClick();
    PressCell(8, 8, MouseButton::Left);
    EXPECT_EQ(Stone(8, 8), CellEmpty);
    EXPECT_EQ(port.memo, "  黒石  -1\n  白石  0");
    EXPECT_EQ(MoveList[0], MakeCell(8, 8));
    EXPECT_EQ(Mark(8, 8), 1); // kept, though not drawn without a stone
}

TEST(LetterPlacement, PlacesLettersInTurnAndStaysAtZ)
{
    FakePort port;
    port.Start();
    MnuSetMojiClick();
    PressCell(1, 1);
    PressCell(2, 1);
    PressCell(3, 1);
    EXPECT_EQ(Mark(1, 1), -1);
    EXPECT_EQ(Mark(2, 1), -2);
    EXPECT_EQ(Mark(3, 1), -3);
    EXPECT_EQ(port.scrollMoji, 3);
    EXPECT_EQ(port.texts[TextId::LabelMoji], "D");
    EXPECT_EQ(port.drawBoardTextCalls, 3);
    for (int column = 4; column <= 15; ++column)
        PressCell(column, 1);
    for (int column = 1; column <= 13; ++column)
        PressCell(column, 2);
    EXPECT_EQ(Mark(11, 2), -26); // the 26th letter
    EXPECT_EQ(Mark(12, 2), -26);
    EXPECT_EQ(Mark(13, 2), -26);
    EXPECT_EQ(port.scrollMoji, 25);
    EXPECT_EQ(port.texts[TextId::LabelMoji], "Z");
}

TEST(LetterPlacement, EraserAndStones)
{
    FakePort port;
    port.Start();
    PressCell(8, 8); // a stone
    MnuSetMojiClick();
    PressCell(7, 7);
    EXPECT_EQ(Mark(7, 7), -1);
    const int position = port.scrollMoji;
    PressCell(8, 8);
    EXPECT_EQ(Mark(8, 8), 1);
    EXPECT_EQ(MoveCount, 1);
    EXPECT_EQ(port.scrollMoji, position);
    port.UserMovesScrollMoji(-1);
    EXPECT_EQ(port.texts[TextId::LabelMoji], "");
    PressCell(7, 7);
    EXPECT_EQ(Mark(7, 7), 0);
    EXPECT_EQ(port.drawnCells.back(), std::make_pair(7, 7));
    EXPECT_EQ(port.scrollMoji, -1);
}

TEST(LetterPlacement, ALetterStaysUnderAPlacedStoneButNotUnderAMove)
{
    FakePort port;
    port.Start();
    MnuSetMojiClick();
    PressCell(4, 4);
    PressCell(5, 5);
    MnuSetIsiClick();
    PressCell(4, 4);
    EXPECT_EQ(Mark(4, 4), -1);
    MnuSetTeClick(); // one black stone placed: asks, proposes white
    PressCell(5, 5);
    EXPECT_EQ(Mark(5, 5), 1);
}

struct SideCase {
    int black, white;
    Answer answer;
    const char* question;
    int side;
};

TEST(AskSideToMove, ProposesFromTheTotalsAndNoFlipsIt)
{
    const SideCase cases[] = {
        {3, 2, Answer::Yes, "白の手番でいいですか？", CellWhite},
        {3, 2, Answer::No, "白の手番でいいですか？", CellBlack},
        {2, 2, Answer::Yes, "黒の手番でいいですか？", CellBlack},
        {2, 2, Answer::No, "黒の手番でいいですか？", CellWhite},
        {0, 1, Answer::Cancel, "黒の手番でいいですか？", CellBlack},
    };
    for (const auto& c : cases) {
        FakePort port;
        port.Start();
        BlackStoneTotal = c.black;
        WhiteStoneTotal = c.white;
        port.answers.push_back(c.answer);
        MnuSetTeClick();
        ASSERT_EQ(port.questions.size(), 1u);
        EXPECT_EQ(port.questions[0].kind, QuestionKind::Confirmation);
        EXPECT_EQ(port.questions[0].text, c.question);
        EXPECT_EQ(SideToMove, c.side);
    }
}

TEST(FourChase, AlwaysAsksAndTurnsOnAutomaticAnswers)
{
    FakePort port;
    port.Start();
    port.answers.push_back(Answer::No);
    MnuSetSioiClick();
    ASSERT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(port.questions[0].text, "黒の手番でいいですか？");
    EXPECT_EQ(FourChaseColor, CellWhite);
    EXPECT_EQ(AutoBlockFours, 1);
    EXPECT_TRUE(port.menuChecked[MenuTick::MnuSiTome]);
    EXPECT_EQ(port.memo, "　1 手目  白");
    MnuSetTeClick();
    EXPECT_EQ(AutoBlockFours, 1);
}

TEST(OptionFlags, ToggleWithTheirTicksAndRedrawNothing)
{
    FakePort port;
    port.Start();
    PressCell(8, 8);
    port.drawnCells.clear();
    MnuSyujyunClick();
    EXPECT_EQ(ShowMoveNumbers, 0);
    EXPECT_FALSE(port.menuChecked[MenuTick::MnuSyujyun]);
    MnuSiTomeClick();
    EXPECT_EQ(AutoBlockFours, 1);
    EXPECT_TRUE(port.menuChecked[MenuTick::MnuSiTome]);
    MnuSyujyunClick();
    MnuSiTomeClick();
    EXPECT_EQ(ShowMoveNumbers, 1);
    EXPECT_EQ(AutoBlockFours, 0);
    EXPECT_TRUE(port.drawnCells.empty());
}

TEST(Clear, AsksOnlyWithMoreThanOneMoveOrPlacedStones)
{
    FakePort port;
    port.Start();
    PressCell(8, 8);
    MnuClearClick();
    EXPECT_TRUE(port.questions.empty());
    EXPECT_EQ(MoveCount, 0);

    PressCell(8, 8);
    PressCell(9, 9);
    port.answers.push_back(Answer::Cancel);
    MnuClearClick();
    ASSERT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(port.questions[0].kind, QuestionKind::Information);
    EXPECT_EQ(port.questions[0].text, "盤をクリアしますか？");
    EXPECT_EQ(MoveCount, 2);

    MnuClearClick();
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(Stone(9, 9), CellEmpty);
    EXPECT_EQ(port.memo, "　1 手目  黒");
}

TEST(Clear, OutsideMoveOrderEndsWithTheStoneCounts)
{
    FakePort port;
    port.Start();
    MnuSetIsiClick();
    PressCell(2, 2);
    MnuClearClick();
    EXPECT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(port.memo, "  黒石  0\n  白石  0");
    MnuSetMojiClick();
    MnuClearClick();
    EXPECT_EQ(port.memo, "  黒石  0\n  白石  0");
}

TEST(Closing, AsksWithTheCaptionAndCancelKeepsRunning)
{
    FakePort port;
    port.Start();
    port.answers.push_back(Answer::Cancel);
    MnuExitClick();
    ASSERT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(port.questions[0].kind, QuestionKind::Information);
    EXPECT_EQ(port.questions[0].text, "Korvane0.9 を終了しますか？");
    EXPECT_FALSE(port.closed);
    MnuExitClick();
    EXPECT_TRUE(port.closed);
}

} // namespace
