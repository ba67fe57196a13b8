// The analysis tree in the real window: ↑/↓ switch between the variations of a move, the
// tree panel's comment fields follow the current node, and a clear or a close with
// unsaved variations asks first whether to save them.
#include "test_main_window_fixture.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include "forms/ImageBox.h"
#include "forms/TreePanel.h"
#include "main/Geometry.h"
#include "main/Moves.h"
#include "main/Variations.h"

namespace {

class WindowVariations : public MainWindowTest {
protected:
    void Press(int column, int row)
    {
        QTest::mouseClick(window->ImgBan, Qt::LeftButton, {},
                          QPoint(ViewCellX(column) + ViewCell / 2, ViewCellY(row) + ViewCell / 2));
    }
    // Three moves, the third taken back and another entered in its place.
    void Branch()
    {
        Press(8, 8);
        Press(9, 7);
        Press(7, 9);
        QTest::mouseClick(window->BitBack1, Qt::LeftButton);
        Press(1, 1);
    }
    void Key(Qt::Key key)
    {
        window->Memo1->setFocus();
        QTest::keyClick(window->Memo1, key);
    }
    QAction* Item(const char* name) { return qobject_cast<QAction*>(window->Control(name)); }
};

TEST_F(WindowVariations, UpAndDownSwitchBetweenTheVariationsOfTheMove)
{
    Branch();
    Key(Qt::Key_Up);
    EXPECT_EQ(BoardCells[MakeCell(7, 9)], CellBlack);
    EXPECT_EQ(BoardCells[MakeCell(1, 1)], CellEmpty);
    EXPECT_EQ(window->Memo1->toPlainText(), "　4 手目  白");
    Key(Qt::Key_Down);
    EXPECT_EQ(BoardCells[MakeCell(1, 1)], CellBlack);
    EXPECT_EQ(BoardCells[MakeCell(7, 9)], CellEmpty);
    Key(Qt::Key_Left); // ← stays the step back
    EXPECT_EQ(MoveCount, 2);
    Key(Qt::Key_Up); // the second move has no variation
    EXPECT_EQ(MoveCount, 2);
    EXPECT_EQ(BoardCells[MakeCell(9, 7)], CellWhite);
}

TEST_F(WindowVariations, TheCommentFieldsFollowTheCurrentNode)
{
    EXPECT_EQ(window->TreeView, nullptr) << "no panel until it is asked for";
    Press(8, 8);
    Press(9, 7);
    Item("MnuTreePanel")->trigger();
    ASSERT_NE(window->TreeView, nullptr);
    TreePanel& panel = *window->TreeView;
    ASSERT_TRUE(panel.isVisible());
    QTest::keyClicks(panel.OneLineComment, "good");
    panel.Comment->setPlainText(QString::fromUtf8("白の好手\n次は黒"));
    EXPECT_EQ(panel.CurrentLine->text(), "h8 i9");
    // The graph takes the navigation keys too.
    QTest::keyClick(panel.Graph, Qt::Key_Left);
    EXPECT_EQ(MoveCount, 1);
    QTest::keyClick(panel.Graph, Qt::Key_Right);
    EXPECT_EQ(MoveCount, 2);

    QTest::mouseClick(window->BitBack1, Qt::LeftButton);
    EXPECT_TRUE(panel.OneLineComment->text().isEmpty());
    EXPECT_TRUE(panel.Comment->toPlainText().isEmpty());
    EXPECT_EQ(panel.CurrentLine->text(), "h8");
    QTest::mouseClick(window->BitGo1, Qt::LeftButton);
    EXPECT_EQ(panel.OneLineComment->text(), "good");
    EXPECT_EQ(panel.Comment->toPlainText(), QString::fromUtf8("白の好手\n次は黒"));
}

TEST_F(WindowVariations, ClearingUnsavedVariationsAsksWhetherToSaveThemFirst)
{
    Branch();
    SeenBox box;
    AnswerNextBox(box, [](QMessageBox& b) { ClickButton(b, "キャンセル"); });
    window->MnuClear->trigger();
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.title, "確認");
    box.buttons.sort(); // laid out in the platform's order
    EXPECT_EQ(box.buttons, QStringList({"キャンセル", "保存しない(&N)", "保存する(&S)"}));
    EXPECT_EQ(BoardCells[MakeCell(1, 1)], CellBlack) << "cancel keeps the game";

    // Not saving: the window closes with no second question.
    SeenBox second;
    AnswerNextBox(second, [](QMessageBox& b) { ClickButton(b, "保存しない(&N)"); });
    window->close();
    EXPECT_TRUE(second.seen);
    EXPECT_EQ(second.text, box.text);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowVariations, ADamagedLibraryIsRefusedWithItsReasonAndNothingChanges)
{
    Branch();
    QTemporaryDir folder;
    const QString path = folder.filePath("bad.lib");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // The header, the root, then a record whose point has no column.
    file.write(QByteArray("\xffRenLib\xff\x03\x04\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff"
                          "\x00\x00\x80\x00",
                          24));
    file.close();
    window->Dialogs.ask = [](QuestionKind, const std::string&) { return Answer::No; };
    window->Dialogs.fileDialog = [path](FileDialogKind, const std::string&, const std::string&,
                                        std::string& chosen) {
        chosen = path.toStdString();
        return true;
    };
    std::vector<std::string> errors;
    window->Dialogs.errorBox = [&errors](const std::string& text) { errors.push_back(text); };
    Item("MnuLibOpen")->trigger();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_FALSE(errors[0].empty());
    EXPECT_EQ(BoardCells[MakeCell(1, 1)], CellBlack);
    EXPECT_EQ(MoveCount, 3);
    EXPECT_TRUE(AnalysisUnsaved()) << "the variations are still there";
}

} // namespace
