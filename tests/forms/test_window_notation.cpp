// The players' notation in the window: the coordinates around the board, and the clipboard
// of the menu 編集 (the game as text, the board as a picture, a pasted game or position).
#include "test_main_window_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <string>
#include <vector>

#include "forms/BoardCoordinates.h"
#include "forms/ImageBox.h"
#include "main/Geometry.h"

namespace {

void PressCell(TFomKifu& window, int column, int row)
{
    QTest::mouseClick(window.ImgBan, Qt::LeftButton, Qt::NoModifier,
                      QPoint(ViewCellX(column) + ViewCell / 2, ViewCellY(row) + ViewCell / 2));
}

QImage Grab(QWidget* widget, const QRect& area = QRect(QPoint(0, 0), QSize(-1, -1)))
{
    return widget->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of the label's text: clearly darker than the window's face behind it.
int InkIn(const QImage& image, const QRect& area)
{
    const int ground = qGray(image.pixel(area.topLeft()));
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += qGray(image.pixel(x, y)) < ground - 80;
    return ink;
}

using Coordinates = MainWindowTest;

// Ticked, every label stands beside its row or under its column, outside the board view, so
// a stone on an edge point never covers it, and its text is drawn; unticked, the window is
// what it was before, to the pixel.
TEST_F(Coordinates, ShowBesideTheBoardAndLeaveNoTraceWhenTakenAway)
{
    ASSERT_FALSE(window->MnuZahyou->isChecked());
    // Stones on the four corners: the labels beside them must not be under them.
    for (const auto& [column, row] : {std::pair{1, 1}, {15, 1}, {1, 15}, {15, 15}})
        PressCell(*window, column, row);
    QTest::qWait(20);
    const QSize outer = window->size();
    const QImage before = Grab(window.get());
    const QRect boardBefore = window->ImgBan->geometry();

    window->MnuZahyou->trigger();
    ASSERT_TRUE(window->MnuZahyou->isChecked());
    BoardCoordinates* labels = window->Coordinates().Widget();
    ASSERT_NE(labels, nullptr);
    ASSERT_TRUE(labels->isVisible());
    EXPECT_EQ(window->size(),
              outer + QSize(BoardCoordinates::NumberWidth, BoardCoordinates::LetterHeight));
    const QRect board = window->ImgBan->geometry();
    EXPECT_EQ(board.size(), boardBefore.size());
    EXPECT_EQ(board.topLeft(), boardBefore.topLeft() + QPoint(BoardCoordinates::NumberWidth, 0));
    // The lower panels stay clear of the letters, and the status box of the board.
    EXPECT_GE(window->PanelSyujun->y(), board.bottom() + BoardCoordinates::LetterHeight);
    EXPECT_GT(window->Memo1->x(), board.right());

    QTest::qWait(20);
    // Seen as the window shows them, on the window's face.
    const QImage shown = Grab(window->centralWidget(), labels->geometry());
    for (int k = 1; k <= 15; ++k) {
        const QPoint column =
            labels->mapTo(window->centralWidget(), BoardCoordinates::ColumnLabelCentre(k));
        const QPoint row =
            labels->mapTo(window->centralWidget(), BoardCoordinates::RowLabelCentre(k));
        // Centred on the column's and the row's line, outside the view.
        EXPECT_EQ(column.x(), board.x() + ViewCellX(k) + ViewCell / 2) << k;
        EXPECT_GT(column.y(), board.bottom()) << k;
        EXPECT_EQ(row.y(), board.y() + ViewCellY(k) + ViewCell / 2) << k;
        EXPECT_LT(row.x(), board.x()) << k;
        EXPECT_GT(InkIn(shown, QRect(BoardCoordinates::ColumnLabelCentre(k) - QPoint(10, 9),
                                     QSize(20, 18))),
                  12)
            << "letter " << BoardCoordinates::ColumnLabel(k).toStdString();
        EXPECT_GT(InkIn(shown, QRect(QPoint(1, BoardCoordinates::RowLabelCentre(k).y() - 9),
                                     QSize(BoardCoordinates::NumberWidth - 2, 18))),
                  12)
            << "number " << BoardCoordinates::RowLabel(k).toStdString();
    }
    EXPECT_EQ(BoardCoordinates::ColumnLabel(1), "a");
    EXPECT_EQ(BoardCoordinates::ColumnLabel(15), "o");
    EXPECT_EQ(BoardCoordinates::RowLabel(1), "15");
    EXPECT_EQ(BoardCoordinates::RowLabel(15), "1") << "1 at the bottom";

    window->MnuZahyou->trigger();
    EXPECT_FALSE(window->MnuZahyou->isChecked());
    EXPECT_FALSE(labels->isVisible());
    EXPECT_EQ(window->size(), outer);
    EXPECT_EQ(window->ImgBan->geometry(), boardBefore);
    QTest::qWait(20);
    EXPECT_EQ(Grab(window.get()), before);
}

// The opening's name is shown with the coordinates, beside the status box, and only then.
TEST_F(Coordinates, NameTheOpeningTheGameFormsBesideTheStatusBox)
{
    PressCell(*window, 8, 8);
    PressCell(*window, 7, 7);
    PressCell(*window, 6, 6); // 長星, turned a quarter round
    EXPECT_FALSE(window->LabelSyukeiMei->isVisible());
    window->MnuZahyou->trigger();
    EXPECT_TRUE(window->LabelSyukeiMei->isVisible());
    EXPECT_EQ(window->LabelSyukeiMei->text(), "珠型：長星");
    EXPECT_EQ(window->LabelSyukeiMei->x(), window->Memo1->x());
    EXPECT_GT(window->LabelSyukeiMei->y(),
              window->PanelTaikyokuData->y() + window->PanelTaikyokuData->height());
    window->MnuZahyou->trigger();
    EXPECT_FALSE(window->LabelSyukeiMei->isVisible());
}

// Ticking and unticking without anything between gives back the very same window.
TEST_F(Coordinates, UntickedTheWindowIsThePictureItWasBefore)
{
    const QImage before = Grab(window.get());
    window->MnuZahyou->trigger();
    QTest::qWait(20);
    EXPECT_NE(window->size(), before.size());
    window->MnuZahyou->trigger();
    QTest::qWait(20);
    EXPECT_EQ(Grab(window.get()), before);
}

class Clipboard : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        window->Dialogs.errorBox = [this](const std::string& message) {
            errors.push_back(message);
        };
    }
    std::vector<std::string> errors;
};

TEST_F(Clipboard, CopiesTheCurrentLineAsText)
{
    PressCell(*window, 8, 8);
    PressCell(*window, 8, 7);
    PressCell(*window, 9, 8);
    window->BitBack1->click(); // the replay tail is part of the line
    window->MnuKifuCopy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "h8 h9 i8");
}

// Both kinds of the figure, PNG and SVG, on the one clipboard entry, of the whole board as
// the picture export draws it.
TEST_F(Clipboard, CopiesTheBoardAsPngAndSvg)
{
    PressCell(*window, 8, 8);
    window->MnuBanCopy->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasFormat("image/png"));
    ASSERT_TRUE(data->hasFormat("image/svg+xml"));
    QImage png;
    ASSERT_TRUE(png.loadFromData(data->data("image/png"), "PNG"));
    ASSERT_EQ(png.size(), QSize(1500, 1500)) << "100 pixels a cell";
    png = png.convertToFormat(QImage::Format_RGB32);
    // Inside h8's stone, off the grid lines: black; the same spot of an empty point: white.
    EXPECT_EQ(qGray(png.pixel(7 * 100 + 68, 7 * 100 + 68)), 0);
    EXPECT_EQ(qGray(png.pixel(6 * 100 + 68, 7 * 100 + 68)), 255);
    const QByteArray svg = data->data("image/svg+xml");
    EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).toStdString();
    EXPECT_TRUE(svg.contains("</svg>"));
    EXPECT_TRUE(errors.empty());
}

TEST_F(Clipboard, PastesAGameAsMovesAndADiagramAsStones)
{
    QGuiApplication::clipboard()->setText("1. h8 2. h9\n3. i8");
    window->MnuHarituke->trigger();
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(MoveCount, 3);
    EXPECT_EQ(BoardCells[MakeCell(8, 7)], CellWhite);
    EXPECT_EQ(window->Memo1->toPlainText(), "　4 手目  白");
    EXPECT_TRUE(window->BitBack1->isEnabled());
    EXPECT_FALSE(window->BitGo1->isEnabled());

    std::string diagram;
    for (int row = 1; row <= 15; ++row)
        diagram +=
            row == 15 ? "X . . . . . . . . . . . . . O\n" : ". . . . . . . . . . . . . . .\n";
    QGuiApplication::clipboard()->setText(QString::fromStdString(diagram));
    window->MnuHarituke->trigger();
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(BoardCells[MakeCell(1, 15)], CellBlack);
    EXPECT_EQ(BoardCells[MakeCell(15, 15)], CellWhite);
    EXPECT_EQ(window->Memo1->toPlainText(), "  黒石  1\n  白石  1");
}

// A malformed text or a move onto a stone gets the box naming the token and its place;
// the board, the record and the status box stay as they were.
TEST_F(Clipboard, RefusesWhatItCannotEnterAndChangesNothing)
{
    PressCell(*window, 8, 8);
    PressCell(*window, 8, 7);
    const QImage board = Grab(window->ImgBan);
    const QString memo = window->Memo1->toPlainText();
    const struct {
        const char* text;
        const char* says;
    } cases[] = {{"h8 h9 i8\nj9 q@ k7", "2行4列の「q@」は着手として読めません"},
                 {"h8 i9 h8", "1行7列の「h8」の点にはすでに石があります"},
                 {"   \n", "クリップボードに貼り付ける棋譜がありません"}};
    for (const auto& c : cases) {
        errors.clear();
        QGuiApplication::clipboard()->setText(c.text);
        window->MnuHarituke->trigger();
        ASSERT_EQ(errors.size(), 1u) << c.text;
        EXPECT_NE(errors[0].find(c.says), std::string::npos) << errors[0];
        EXPECT_EQ(MoveCount, 2);
        EXPECT_EQ(window->Memo1->toPlainText(), memo);
        EXPECT_EQ(Grab(window->ImgBan), board);
    }
}

// The new menu stands after every menu of the window, its items in their order.
TEST_F(Clipboard, MenuComesAfterTheOptionsMenu)
{
    const QList<QAction*> menus = window->menuBar()->actions();
    const int options = menus.indexOf(window->MnuTool->menuAction());
    ASSERT_GE(options, 0);
    ASSERT_GT(menus.size(), options + 1);
    EXPECT_EQ(menus.at(options + 1), window->MnuHensyu->menuAction());
    EXPECT_EQ(window->MnuHensyu->title(), "編集(&E)");
    QStringList items;
    for (QAction* action : window->MnuHensyu->actions())
        items << action->text();
    EXPECT_EQ(items, QStringList({"棋譜をコピー(&C)", "盤面画像をコピー(&P)", "貼り付け(&V)"}));
    EXPECT_EQ(window->MnuTool->actions().last(), window->MnuZahyou);
    EXPECT_EQ(window->MnuZahyou->text(), "座標を表示(&Z)");
}

} // namespace
