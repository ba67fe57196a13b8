// The settings command with the real dialog behind the scripted window: what each
// outcome does to the board, the opening's three moves, and the names.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include <functional>

#include "../fixtures/BoardPicture.h"
#include "../main/test_files_fixture.h"
#include "Set_Data/Set_Data.h"
#include "StTaikyoku/StTaikyoku.h"
#include "main/Files.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/Settings.h"
#include "main/Startup.h"
#include "main/State.h"

namespace {

class Settings : public ::testing::Test {
protected:
    void SetUp() override
    {
        KifuRecord = KifuRecordLayout{};
        port.Start();
        port.texts[TextId::EditSyukei] = " 珠型 ： "; // the form's initial text
    }

    // Runs the command; `user` plays the user's part in the shown dialog.
    void RunDialog(const std::function<void(TSet_Taikyoku&)>& user)
    {
        port.onSettingsDialog = [&](const GameSettings& current) {
            asked = current;
            dialog.Preload(current);
            dialog.FormActivate();
            user(dialog);
            return dialog.Result();
        };
        MnuSetTaikyokuClick();
    }
    void Confirm(int listIndex, const QString& black = {}, const QString& white = {})
    {
        RunDialog([&](TSet_Taikyoku& d) {
            if (listIndex >= 0)
                d.ComboSyukei->setCurrentIndex(listIndex);
            d.Edit_Kuro->setText(black);
            d.Edit_Siro->setText(white);
            d.OKBtnClick();
        });
    }

    // Confirmed with the opening the dialog was loaded with.
    bool SameOpening() const
    {
        return dialog.Result() && dialog.Result()->opening == asked.opening;
    }

    FakePort port;
    TSet_Taikyoku dialog;
    GameSettings asked; // what the command loaded the dialog with
};

TEST_F(Settings, FirstConfirmationWithoutOpeningKeepsTheMoves)
{
    PressCell(2, 2);
    PressCell(3, 2);
    MnuSetMojiClick();
    Confirm(-1, "Kuro", "Siro");
    EXPECT_TRUE(SameOpening());
    EXPECT_EQ(SelectedOpening, 0);
    EXPECT_EQ(GameInfo.Opening, 0);
    EXPECT_EQ(MoveCount, 2);
    EXPECT_EQ(port.texts[TextId::EditSyukei], " 珠型 ： ");
    EXPECT_EQ(port.texts[TextId::EditKuroKisi], " 黒　Kuro");
    EXPECT_EQ(port.texts[TextId::EditSiroKisi], " 白　Siro");
    EXPECT_TRUE(port.panelVisible[PanelId::PanelTaikyokuData]);
    EXPECT_EQ(EditMode, ModeMoveOrder);
    EXPECT_TRUE(port.menuChecked[MenuTick::MnuSetTe]);
    EXPECT_TRUE(port.panelVisible[PanelId::PanelSyujun]);
    EXPECT_EQ(port.memo, "　3 手目  黒");
}

TEST_F(Settings, OpeningFourSetsItsThreeMarkedMoves)
{
    Confirm(3);
    ASSERT_TRUE(dialog.Result());
    EXPECT_FALSE(SameOpening());
    EXPECT_EQ(GameInfo.Opening, 4);
    const Table expected = TableOf(Picture(R"(
...............
...............
...............
...............
...............
...............
.......OX......
.......X.......
...............
...............
...............
...............
...............
...............
...............
)"));
    EXPECT_EQ(PictureOf(BoardCells), PictureOf(expected.data()));
    EXPECT_EQ((std::vector<int>{CellMarks[MakeCell(8, 8)], CellMarks[MakeCell(8, 7)],
                                CellMarks[MakeCell(9, 7)]}),
              (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(MoveCount, 3);
    EXPECT_EQ(MoveList[3], 0);
    EXPECT_EQ(SideToMove, CellWhite);
    EXPECT_EQ(port.memo, "　4 手目  白");
    EXPECT_EQ(port.texts[TextId::EditSyukei], " 珠型 : 花月");
    EXPECT_TRUE(AllButtons(port, false));
}

// The second move goes straight up for 1–12 and 25, diagonally for 13–24 and 26.
TEST_F(Settings, EveryOpeningSetsItsTableMoves)
{
    for (int k = 1; k <= 26; ++k) {
        SelectedOpening = k;
        SetupOpening();
        // Straight above the centre, or above and to the right.
        const int second = (k <= 12 || k == 25) ? MakeCell(8, 7) : MakeCell(9, 7);
        EXPECT_EQ((std::vector<int>(MoveList, MoveList + 4)),
                  (std::vector<int>{MakeCell(8, 8), second, OpeningThirdMoves[k - 1], 0}))
            << k;
        EXPECT_EQ(port.texts[TextId::EditSyukei], std::string(" 珠型 : ") + OpeningNames[k]);
    }
}

TEST_F(Settings, SecondOpeningIsWrittenTwoWays)
{
    Confirm(1);
    EXPECT_EQ(dialog.ComboSyukei->currentText().toStdString(), "渓月");
    EXPECT_EQ(port.texts[TextId::EditSyukei], " 珠型 : 溪月");
}

TEST_F(Settings, SameOpeningKeepsTheGameAndRenewsNames)
{
    Confirm(3, "A");
    PressCell(2, 2);
    PressCell(3, 2);
    MnuSetMojiClick();
    Confirm(-1, "B"); // FormActivate selected opening 4 again
    EXPECT_TRUE(SameOpening());
    EXPECT_EQ(MoveCount, 5);
    EXPECT_EQ(port.texts[TextId::EditKuroKisi], " 黒　B");
    EXPECT_EQ(EditMode, ModeMoveOrder);
}

TEST_F(Settings, PlacedStonesAreClearedEvenWithTheOpeningUnchanged)
{
    Confirm(3);
    MnuSetIsiClick();
    PressCell(2, 2);
    Confirm(-1);
    EXPECT_TRUE(SameOpening());
    EXPECT_EQ(BoardCells[MakeCell(2, 2)], CellEmpty);
    EXPECT_EQ(BoardCells[MakeCell(8, 8)], CellEmpty) << "the opening is not set again";
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(BlackStoneTotal, 0);
    EXPECT_EQ(port.texts[TextId::EditSyukei], " 珠型 : 花月");
    EXPECT_EQ(EditMode, ModeMoveOrder);
    EXPECT_EQ(port.memo, "　1 手目  黒");
}

TEST_F(Settings, CancelKeepsEverythingButTheListsSelection)
{
    Confirm(-1, "Old", "Names");
    PressCell(2, 2);
    MnuSetMojiClick();
    const Snapshot before = Snapshot::Take(port);
    RunDialog([](TSet_Taikyoku& d) {
        d.ComboSyukei->setCurrentIndex(7);
        d.Edit_Kuro->setText("New");
        d.CancelBtnClick();
    });
    EXPECT_FALSE(dialog.Result());
    EXPECT_TRUE(Snapshot::Take(port) == before);
    // Next time the names are reloaded; with no opening the list keeps its choice.
    dialog.FormActivate();
    EXPECT_EQ(dialog.Edit_Kuro->text(), "Old");
    EXPECT_EQ(dialog.ComboSyukei->currentIndex(), 7);
}

TEST_F(Settings, NewOpeningAfterALongGameLeavesOnlyItsThreeMoves)
{
    for (int c : DistinctCells(20))
        PressCell(CellColumn(c), CellRow(c));
    Confirm(12);
    TempDir dir;
    port.dialogPaths.push_back(dir.File("g.kif"));
    MnuSaveAsClick();
    const Bytes b = ReadBytes(dir.File("g.kif"));
    ASSERT_EQ(b.size(), 668u);
    EXPECT_EQ(WordAt(b, 0), 13);
    EXPECT_EQ(WordAt(b, 68 + 8), 106);
    EXPECT_EQ(WordAt(b, 68 + 12), 0);
}

// Names are cut to 31 bytes of CP932, never inside a double-byte character.
TEST_F(Settings, LongNamesAreCutAtACharacterBoundary)
{
    const struct {
        QString typed;
        int bytes;
        const char* shown;
    } cases[] = {
        {QString(30, QChar(0x82B1)), 30, " 黒　花花花花花花花花花花花花花花花"},
        {"a" + QString(29, QChar(0x82B1)), 31, " 黒　a花花花花花花花花花花花花花花花"},
        {QString(40, 'x'), 30, " 黒　xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"}, // the edit's 30
        {QString(29, 'x') + QChar(0x82B1), 31, " 黒　xxxxxxxxxxxxxxxxxxxxxxxxxxxxx花"},
    };
    for (const auto& c : cases) {
        Confirm(-1, c.typed);
        EXPECT_EQ(GameInfo.BlackName[0], c.bytes);
        EXPECT_EQ(port.texts[TextId::EditKuroKisi], c.shown);
    }
}

} // namespace
