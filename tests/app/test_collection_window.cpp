// The menu 棋譜集 and the collection window on the real main window: the menu comes after
// the window's own; a database is listed, sorted, filtered as typed; a game chosen is in the
// editor with its players; a refused file keeps what was open; the board's position searched,
// a next move played from the table, a game found opened at the position.
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

#include "../fixtures/QtFiles.h"
#include "../forms/test_main_window_fixture.h"
#include "Board/Coordinates.h"
#include "Collection/Symmetry.h"
#include "CollectionWindow/CollectionWindow.h"
#include "Record/SgfFormat.h"
#include "forms/ImageBox.h"
#include "main/Clipboard.h"
#include "main/Geometry.h"
#include "main/Moves.h"
#include "main/State.h"

namespace {

const char* const Database =
    "<?xml version=\"1.0\"?>\n<database version=\"1\">\n"
    "<players><player id=\"1\" name=\"Ann\" surname=\"Black\"/>"
    "<player id=\"2\" name=\"Bo\" surname=\"White\"/>"
    "<player id=\"3\" name=\"Cy\" surname=\"Grey\"/></players>\n"
    "<tournaments><tournament id=\"1\" name=\"World Cup\" year=\"2019\"/>"
    "<tournament id=\"2\" name=\"Open\" year=\"2021\"/></tournaments>\n"
    "<games>\n"
    "<game id=\"5\" tournament=\"1\" black=\"1\" white=\"2\" bresult=\"1\"><move>h8 h9 i9 "
    "j10</move></game>\n"
    "<game id=\"6\" tournament=\"2\" black=\"3\" white=\"1\" bresult=\"0\"><move>h8 i9 j8"
    "</move></game>\n"
    "<game id=\"7\" tournament=\"2\" black=\"2\" white=\"3\" bresult=\"0.5\"><move>h8 h8"
    "</move></game>\n"
    "</games></database>\n";

class CollectionWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        qputenv("XDG_CACHE_HOME", dir.filePath("cache").toLocal8Bit());
        MainWindowTest::SetUp();
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        qunsetenv("XDG_CACHE_HOME");
    }

    static QStringList Column(const CollectionWindow& w, int column)
    {
        QStringList texts;
        const QAbstractItemModel* model = w.List()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, column).data().toString();
        return texts;
    }

    QTemporaryDir dir;
};

TEST_F(CollectionWindowTest, TheMenuComesAfterTheWindowsOwn)
{
    const QList<QAction*> before = window->menuBar()->actions();
    InstallCollectionMenu(window.get());
    const QList<QAction*> after = window->menuBar()->actions();
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.mid(0, before.size()), before);
    EXPECT_EQ(after.last()->text(), QStringLiteral("棋譜集(&D)"));
    EXPECT_EQ(after.last()->menu()->actions().size(), 3);
    // Nothing is written until a collection is opened.
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("cache")));
}

TEST_F(CollectionWindowTest, ListsSortsFiltersAndEntersAGame)
{
    WriteFile(dir.filePath("games.rif"), Database);
    CollectionWindow w(window.get());
    ASSERT_TRUE(w.Open(dir.filePath("games.rif"), true)) << w.LastError().toStdString();
    EXPECT_EQ(Column(w, 0), (QStringList{"5", "6", "7"}));
    EXPECT_EQ(Column(w, 1), (QStringList{"World Cup (2019)", "Open (2021)", "Open (2021)"}));
    EXPECT_EQ(Column(w, 5), (QStringList{"黒勝ち", "白勝ち", "破損"}));
    EXPECT_EQ(Column(w, 6), (QStringList{"4", "3", "1"}));

    w.List()->sortByColumn(2, Qt::DescendingOrder);
    EXPECT_EQ(Column(w, 2), (QStringList{"Cy Grey", "Bo White", "Ann Black"}));
    // Typing keeps the order chosen.
    w.PlayerFilter()->setText("an");
    EXPECT_EQ(Column(w, 0), (QStringList{"6", "5"}));
    w.YearFilter()->setText("2021");
    EXPECT_EQ(Column(w, 0), (QStringList{"6"}));
    w.PlayerFilter()->clear();
    w.YearFilter()->clear();
    w.ResultFilter()->setCurrentIndex(1); // 黒勝ち
    EXPECT_EQ(Column(w, 0), (QStringList{"5"}));
    w.ResultFilter()->setCurrentIndex(0);
    w.TournamentFilter()->setText("WORLD");
    ASSERT_EQ(Column(w, 0), (QStringList{"5"}));

    w.EnterRow(0);
    // The whole game is in the editor, shown at its first move, with its players.
    EXPECT_EQ(MoveCount, 1);
    EXPECT_EQ(MoveList[3], *ParseCellName("j10"));
    EXPECT_NE(window->EditKuroKisi->text().indexOf("Ann Black"), -1)
        << window->EditKuroKisi->text().toStdString();
    EXPECT_NE(window->EditSiroKisi->text().indexOf("Bo White"), -1);
    EXPECT_NE(window->EditSyukei->text().indexOf("花月"), -1)
        << window->EditSyukei->text().toStdString();
    EXPECT_TRUE(window->PanelTaikyokuData->isVisible());

    // A refused file says where it stopped and keeps the list.
    WriteFile(dir.filePath("broken.rif"), "<database>\n<games><game>");
    EXPECT_FALSE(w.Open(dir.filePath("broken.rif"), true));
    EXPECT_NE(w.LastError().indexOf("not well-formed XML at line 2"), -1)
        << w.LastError().toStdString();
    EXPECT_EQ(Column(w, 0), (QStringList{"5"}));
}

// 花月 on the board: game 5 reaches it as it stands, game 8 mirrored left to right.
TEST_F(CollectionWindowTest, SearchesTheBoardPlaysANextMoveAndOpensAGameThere)
{
    WriteFile(dir.filePath("games.rif"),
              "<?xml version=\"1.0\"?>\n<database version=\"1\">\n<games>\n"
              "<game id=\"5\" bresult=\"1\"><move>h8 h9 i9 j10</move></game>\n"
              "<game id=\"6\" bresult=\"0\"><move>h8 i9 j8</move></game>\n"
              "<game id=\"8\" bresult=\"0.5\"><move>h8 h9 g9 e10 a1</move></game>\n"
              "</games></database>\n");
    CollectionWindow w(window.get());
    ASSERT_TRUE(w.Open(dir.filePath("games.rif"), true)) << w.LastError().toStdString();
    ASSERT_TRUE(EnterGameText("h8 h9 i9").entered);
    w.SearchBoard();
    EXPECT_EQ(Column(w, 0), (QStringList{"5", "8"}));
    QTableWidget* table = w.NextMoves();
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(0, 0)->text(), "j10");
    EXPECT_EQ(table->item(0, 2)->text(), "1.00");
    EXPECT_EQ(table->item(1, 0)->text(), "k10"); // e10 turned as the board is
    EXPECT_EQ(table->item(1, 1)->text(), "1");
    EXPECT_EQ(table->item(1, 2)->text(), "0.50");

    // Game 8 comes in turned as the board is, at the searched position.
    w.EnterRow(1);
    EXPECT_EQ(MoveCount, 3);
    EXPECT_EQ(MoveList[3], *ParseCellName("k10"));
    EXPECT_EQ(MoveList[4], *ParseCellName("o1"));

    w.PlayNextMove(0);
    EXPECT_EQ(MoveCount, 4);
    EXPECT_EQ(MoveList[3], *ParseCellName("j10"));
    EXPECT_EQ(Column(w, 0), (QStringList{"5"}));
    EXPECT_EQ(table->rowCount(), 0); // game 5 ended there

    w.ClearSearch();
    EXPECT_EQ(Column(w, 0), (QStringList{"5", "6", "8"}));
}

// While the window is shown, the next moves are ringed on the board, and a move played on
// the board is searched at once.
TEST_F(CollectionWindowTest, MarksTheNextMovesOnTheBoardAndFollowsIt)
{
    WriteFile(dir.filePath("games.rif"),
              "<?xml version=\"1.0\"?>\n<database version=\"1\">\n<games>\n"
              "<game id=\"1\" bresult=\"1\"><move>h8 h9 i9 j10 a1</move></game>\n"
              "<game id=\"2\" bresult=\"0\"><move>h8 h9 i9 j10</move></game>\n"
              "<game id=\"3\" bresult=\"0\"><move>h8 h9 i9 g7</move></game>\n"
              "</games></database>\n");
    CollectionWindow w(window.get());
    ASSERT_TRUE(w.Open(dir.filePath("games.rif"), true)) << w.LastError().toStdString();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_TRUE(EnterGameText("h8 h9 i9").entered);
    w.SearchBoard();
    // Blue where a ring stands, none on an empty point without one.
    auto ringed = [&](const char* point) {
        const QImage board = window->ImgBan->grab().toImage();
        const CellIndex cell = *ParseCellName(point);
        const QRect area(ViewCellX(CellColumn(cell)), ViewCellY(CellRow(cell)), ViewCell, ViewCell);
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = board.pixelColor(x, y);
                if (c.blue() > 150 && c.red() < 100)
                    return true;
            }
        return false;
    };
    EXPECT_TRUE(ringed("j10"));
    EXPECT_TRUE(ringed("g7"));
    EXPECT_FALSE(ringed("k10"));

    MovePress(*ParseCellName("j10")); // as a press on the board
    QTest::qWait(400);
    EXPECT_EQ(Column(w, 0), (QStringList{"1", "2"}));
    EXPECT_TRUE(ringed("a1"));
    EXPECT_FALSE(ringed("g7"));

    w.hide();
    EXPECT_FALSE(ringed("a1"));
}

// Games with set-up stones and moves: opened with both, at the first move or at the searched
// position, turned as the board is.
TEST_F(CollectionWindowTest, OpensAGameWithItsSetUpStonesAndItsMoves)
{
    auto write = [&](const char* file, int s) {
        Record record; // black h8 i8, white h9; then j8 k8 l8
        auto cell = [s](const char* point) { return ApplySymmetry(s, *ParseCellName(point)); };
        record.setup = {
            {cell("h8"), Colour::Black}, {cell("i8"), Colour::Black}, {cell("h9"), Colour::White}};
        NodeId node = record.tree.Root();
        for (const char* point : {"j8", "k8", "l8"})
            node = record.tree.AppendChild(node, cell(point));
        WriteFile(dir.filePath(QString("games/") + file), *WriteSgf(record).bytes);
    };
    QDir(dir.path()).mkpath("games");
    write("a.sgf", 0);
    write("b.sgf", 5);
    CollectionWindow w(window.get());
    ASSERT_TRUE(w.Open(dir.filePath("games"), true)) << w.LastError().toStdString();
    ASSERT_EQ(Column(w, 0), (QStringList{"1", "2"}));

    w.EnterRow(0);
    EXPECT_EQ(BoardCells[*ParseCellName("h8")], CellBlack);
    EXPECT_EQ(BoardCells[*ParseCellName("i8")], CellBlack);
    EXPECT_EQ(BoardCells[*ParseCellName("h9")], CellWhite);
    EXPECT_EQ(MoveCount, 1);
    EXPECT_EQ(MoveList[0], *ParseCellName("j8"));
    EXPECT_EQ(MoveList[2], *ParseCellName("l8"));

    BitGo1Click();
    const std::vector<std::int32_t> searched(BoardCells, BoardCells + CellTableSize);
    w.SearchBoard();
    EXPECT_EQ(Column(w, 0), (QStringList{"1", "2"}));
    ASSERT_EQ(w.NextMoves()->rowCount(), 1);
    EXPECT_EQ(w.NextMoves()->item(0, 0)->text(), "l8");
    EXPECT_EQ(w.NextMoves()->item(0, 1)->text(), "2");

    ASSERT_TRUE(EnterGameText("a1").entered);
    w.EnterRow(1);
    EXPECT_EQ(MoveCount, 2);
    EXPECT_EQ(std::vector<std::int32_t>(BoardCells, BoardCells + CellTableSize), searched);
    EXPECT_EQ(MoveList[2], *ParseCellName("l8"));
}

} // namespace
