// The main window at work: presses on the board reach the logic, menu ticks and panels
// follow the editing mode, and the real question, error and file boxes look and answer
// as they must.
#include "test_main_window_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "Set_Data/Set_Data.h"
#include "forms/FileDialogs.h"
#include "forms/ImageBox.h"
#include "main/Geometry.h"
#include "main/State.h"

namespace {

using MainWindowBehaviour = MainWindowTest;

QPoint CellCentre(int column, int row)
{
    return QPoint(ViewCellX(column) + ViewCell / 2, ViewCellY(row) + ViewCell / 2);
}

std::string Memo(const TFomKifu& window)
{
    return window.Memo1->toPlainText().toStdString();
}

// The widget shows what the board view holds, so a redraw reached the screen.
bool ScreenShowsBoardView(TFomKifu& window)
{
    const QImage shown = window.ImgBan->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return shown == window.Board().Image().convertToFormat(QImage::Format_RGB32);
}

TEST_F(MainWindowBehaviour, PressesOnTheBoardEnterMovesAndTheButtonsStepBack)
{
    QTest::mouseClick(window->ImgBan, Qt::LeftButton, {}, CellCentre(8, 8));
    QTest::mouseClick(window->ImgBan, Qt::RightButton, {}, CellCentre(9, 7));
    EXPECT_EQ(BoardCells[MakeCell(8, 8)], CellBlack);
    EXPECT_EQ(BoardCells[MakeCell(9, 7)], CellWhite);
    EXPECT_EQ(Memo(*window), "　3 手目  黒");
    EXPECT_TRUE(window->BitBack1->isEnabled());
    EXPECT_FALSE(window->BitGo1->isEnabled());
    EXPECT_TRUE(ScreenShowsBoardView(*window));

    QTest::mouseClick(window->BitBack1, Qt::LeftButton);
    EXPECT_EQ(MoveCount, 1);
    EXPECT_EQ(BoardCells[MakeCell(9, 7)], CellEmpty);
    EXPECT_TRUE(window->BitGoAll->isEnabled());
    EXPECT_TRUE(ScreenShowsBoardView(*window));
    QTest::mouseClick(window->BitGoAll, Qt::LeftButton);
    EXPECT_EQ(MoveCount, 2);
    EXPECT_FALSE(window->BitGoAll->isEnabled());
}

TEST_F(MainWindowBehaviour, APressOnTheLastPixelOfAScaledScreenStillHitsTheBoard)
{
    // 509.6 rounds to 510, one pixel right of the board; the press must stay on it.
    const QPointF at(509.6, 509.6);
    QMouseEvent press(QEvent::MouseButtonPress, at, window->ImgBan->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window->ImgBan, &press);
    EXPECT_EQ(BoardCells[MakeCell(15, 15)], CellBlack);
    EXPECT_EQ(MoveCount, 1);
}

TEST_F(MainWindowBehaviour, ModeItemsMoveTheRadioTickAndShowTheirPanel)
{
    window->Dialogs.ask = [](QuestionKind, const std::string&) { return Answer::Yes; };
    struct Mode {
        QAction* item;
        EditingMode editMode;
        QWidget* panel;
    };
    const Mode modes[] = {
        {window->MnuSetMoji, ModeLetterPlacement, window->PanelMoji},
        {window->MnuSetIsi, ModeStonePlacement, window->PanelHaiseki},
        {window->MnuSetSioi, ModeFourChase, window->PanelSyujun},
        {window->MnuSetTe, ModeMoveOrder, window->PanelSyujun},
        {window->MnuSetTe, ModeMoveOrder, window->PanelSyujun}, // the ticked item again
    };
    QWidget* const panels[] = {window->PanelSyujun, window->PanelMoji, window->PanelHaiseki};
    for (const Mode& mode : modes) {
        mode.item->trigger();
        const std::string name = mode.item->objectName().toStdString();
        EXPECT_EQ(EditMode, mode.editMode) << name;
        for (QAction* item :
             {window->MnuSetTe, window->MnuSetMoji, window->MnuSetIsi, window->MnuSetSioi}) {
            EXPECT_EQ(item->isChecked(), item == mode.item)
                << name << " ticks " << item->objectName().toStdString();
        }
        for (QWidget* panel : panels) {
            EXPECT_EQ(panel->isVisible(), panel == mode.panel)
                << name << " shows " << panel->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowBehaviour, TickItemsEndAsTheLogicSetsThem)
{
    window->MnuSyujyun->trigger();
    EXPECT_EQ(ShowMoveNumbers, 0);
    EXPECT_FALSE(window->MnuSyujyun->isChecked());
    window->MnuSyujyun->trigger();
    EXPECT_EQ(ShowMoveNumbers, 1);
    EXPECT_TRUE(window->MnuSyujyun->isChecked());

    window->MnuSiTome->trigger();
    EXPECT_EQ(AutoBlockFours, 1);
    EXPECT_TRUE(window->MnuSiTome->isChecked());
    window->MnuSiTome->trigger();
    EXPECT_EQ(AutoBlockFours, 0);
    EXPECT_FALSE(window->MnuSiTome->isChecked());

    // Four-chase order switches four answering on, with its tick.
    window->Dialogs.ask = [](QuestionKind, const std::string&) { return Answer::Yes; };
    window->MnuSetSioi->trigger();
    EXPECT_EQ(AutoBlockFours, 1);
    EXPECT_TRUE(window->MnuSiTome->isChecked());
}

TEST_F(MainWindowBehaviour, StonePlacementAndTheColourSwapActThroughTheirControls)
{
    window->MnuSetIsi->trigger();
    EXPECT_EQ(Memo(*window), "  黒石  0\n  白石  0");
    QTest::mouseClick(window->ImgBan, Qt::RightButton, {}, CellCentre(1, 1));
    EXPECT_EQ(BoardCells[MakeCell(1, 1)], CellWhite);
    EXPECT_EQ(Memo(*window), "  黒石  0\n  白石  1");

    QTest::mouseClick(window->BtnkoutaiMouse, Qt::LeftButton);
    EXPECT_EQ(window->LabelLeftClick->text().toStdString(), "左ｸﾘｯｸ-白");
    EXPECT_EQ(window->LabelRightClick->text().toStdString(), "右ｸﾘｯｸ-黒");
    QTest::mouseClick(window->ImgBan, Qt::LeftButton, {}, CellCentre(2, 1));
    EXPECT_EQ(BoardCells[MakeCell(2, 1)], CellWhite);
    EXPECT_TRUE(ScreenShowsBoardView(*window));
}

TEST_F(MainWindowBehaviour, LetterPressesAdvanceTheScrollBarWhichStopsAtZ)
{
    window->MnuSetMoji->trigger();
    for (int i = 0; i < 28; ++i) {
        QTest::mouseClick(window->ImgBan, Qt::LeftButton, {}, CellCentre(i % 15 + 1, i / 15 + 1));
    }
    EXPECT_EQ(CellMarks[MakeCell(1, 1)], -1);
    EXPECT_EQ(CellMarks[MakeCell(11, 2)], -26); // the 26th press
    EXPECT_EQ(CellMarks[MakeCell(13, 2)], -26); // and every one after it
    EXPECT_EQ(window->ScrollMoji->value(), 25);
    EXPECT_EQ(window->LabelMoji->text(), "Z");
    EXPECT_TRUE(ScreenShowsBoardView(*window));

    // Moving the bar by hand changes the label too; −1 is the eraser with no letter.
    window->ScrollMoji->setValue(-1);
    EXPECT_EQ(window->LabelMoji->text(), "");
    window->ScrollMoji->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(window->LabelMoji->text(), "A");
}

TEST_F(MainWindowBehaviour, TheLogicMovesTheLetterBarWithoutComingBackThroughItsSignal)
{
    int changes = 0;
    QObject::connect(window->ScrollMoji, &QScrollBar::valueChanged, [&changes] { ++changes; });
    window->MnuSetMoji->trigger();
    QTest::mouseClick(window->ImgBan, Qt::LeftButton, {}, CellCentre(1, 1));
    EXPECT_EQ(window->ScrollMoji->value(), 1);
    EXPECT_EQ(window->LabelMoji->text(), "B") << "the logic showed the new letter itself";
    EXPECT_EQ(changes, 0) << "the bar's signal stands for the user's changes only";

    // The port only moves the bar; showing the letter is the logic's part.
    window->SetScrollMojiPosition(5);
    EXPECT_EQ(window->ScrollMoji->value(), 5);
    EXPECT_EQ(window->LabelMoji->text(), "B");
    window->SetScrollMojiPosition(99);
    EXPECT_EQ(window->ScrollMoji->value(), 25) << "the bar keeps its range";
}

TEST_F(MainWindowBehaviour, ARangeDragShowsThePictureOverTheBoardWhileTheFileIsChosen)
{
    bool shownDuringDialog = false;
    QSize shownSize;
    window->Dialogs.fileDialog = [&](FileDialogKind kind, const std::string& name,
                                     const std::string& filter, std::string&) {
        EXPECT_EQ(kind, FileDialogKind::Save);
        EXPECT_EQ(name, ".bmp");
        EXPECT_EQ(filter, "画像データ(*.bmp)|*.bmp|SVG 画像(*.svg)|*.svg|"
                          "PDF 文書(*.pdf)|*.pdf|PNG 画像(*.png)|*.png");
        shownDuringDialog = window->ImgGazouBan->isVisible();
        shownSize = window->ImgGazouBan->size();
        return false;
    };
    window->MnuWBHaniSetei->trigger();
    const QPoint start = CellCentre(3, 2);
    const QPoint end = CellCentre(6, 4);
    const QImage before = window->Board().Image().copy();
    QTest::mousePress(window->ImgBan, Qt::LeftButton, {}, start);
    QMouseEvent move(QEvent::MouseMove, QPointF(end), window->ImgBan->mapToGlobal(QPointF(end)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window->ImgBan, &move);
    EXPECT_NE(window->Board().Image(), before) << "the drag draws its rectangle";
    EXPECT_TRUE(ScreenShowsBoardView(*window));
    QTest::mouseRelease(window->ImgBan, Qt::LeftButton, {}, end);

    EXPECT_TRUE(shownDuringDialog);
    EXPECT_EQ(shownSize, QSize(100, 75));
    EXPECT_EQ(window->ImgGazouBan->pos(), QPoint(10, 144));
    EXPECT_FALSE(window->ImgGazouBan->isVisible());
    EXPECT_EQ(BoardCells[MakeCell(3, 2)], CellEmpty) << "the press placed nothing";
    EXPECT_EQ(window->Board().Image(), before) << "the rectangle is gone again";
    EXPECT_TRUE(ScreenShowsBoardView(*window));
    const QImage shown =
        window->ImgGazouBan->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, window->Export().Image().convertToFormat(QImage::Format_RGB32));
}

TEST_F(MainWindowBehaviour, TheCloseQuestionInformationBoxLooksRightAndCancelKeepsTheWindow)
{
    SeenBox seen;
    AnswerNextBox(seen, [](QMessageBox& box) { ClickButton(box, "キャンセル"); });
    window->MnuExit->trigger();
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.title.toStdString(), "情報");
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QStringList({"OK", "キャンセル"}));
    EXPECT_EQ(seen.text.toStdString(), "Korvane0.9 を終了しますか？");
    EXPECT_TRUE(window->isVisible());

    // Escape is the close box's answer: Cancel.
    SeenBox escaped;
    AnswerNextBox(escaped, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    window->close();
    ASSERT_TRUE(escaped.seen);
    EXPECT_TRUE(window->isVisible());

    SeenBox ok;
    AnswerNextBox(ok, [](QMessageBox& box) { ClickButton(box, "OK"); });
    window->close();
    ASSERT_TRUE(ok.seen);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowBehaviour, TheSideToMoveConfirmationLooksRightAndFollowsItsAnswer)
{
    struct Case {
        const char* name;
        std::function<void(QMessageBox&)> answer;
        int sideToMove;
    };
    const Case cases[] = {
        {"No", [](QMessageBox& box) { ClickButton(box, "いいえ(&N)"); }, CellWhite},
        {"Yes", [](QMessageBox& box) { ClickButton(box, "はい(&Y)"); }, CellBlack},
        // The close box answers Cancel, which keeps the proposal like Yes; Qt alone
        // would take it for No.
        {"Escape", [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }, CellBlack},
        {"CloseBox", [](QMessageBox& box) { box.close(); }, CellBlack},
    };
    for (const Case& c : cases) {
        window->MnuSetTe->trigger();
        SeenBox seen;
        AnswerNextBox(seen, c.answer);
        window->MnuSetSioi->trigger();
        ASSERT_TRUE(seen.seen) << c.name;
        EXPECT_EQ(seen.title.toStdString(), "確認") << c.name;
        EXPECT_EQ(seen.icon, QMessageBox::Question) << c.name;
        EXPECT_EQ(seen.buttons, QStringList({"はい(&Y)", "いいえ(&N)"})) << c.name;
        EXPECT_EQ(seen.text.toStdString(), "黒の手番でいいですか？") << c.name;
        EXPECT_EQ(SideToMove, c.sideToMove) << c.name;
        EXPECT_EQ(FourChaseColor, c.sideToMove) << c.name;
        EXPECT_TRUE(window->MnuSetSioi->isChecked()) << c.name;
        EXPECT_FALSE(window->MnuSetTe->isChecked()) << c.name;
    }
}

TEST_F(MainWindowBehaviour, TheErrorBoxShowsTheMessageUnderTheApplicationTitle)
{
    SeenBox seen;
    AnswerNextBox(seen, [](QMessageBox& box) { ClickButton(box, "OK"); });
    window->ShowErrorBox("ファイル /x/y.kif を作成できません");
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.title.toStdString(), "Korvane");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QStringList({"OK"}));
    EXPECT_EQ(seen.text.toStdString(), "ファイル /x/y.kif を作成できません");

    // Windows line breaks show as line breaks.
    SeenBox twoLines;
    AnswerNextBox(twoLines, [](QMessageBox& box) { ClickButton(box, "OK"); });
    window->Ask(QuestionKind::Information, "a\r\nb");
    EXPECT_EQ(twoLines.text.toStdString(), "a\nb");
}

TEST(FileDialogFilters, BecomeQtNameFilters)
{
    const std::pair<const char*, const char*> cases[] = {
        // A description that shows its pattern is taken as written, shown once.
        {"画像データ(*.bmp)|*.bmp", "画像データ(*.bmp)"},
        {"棋譜データ(*.kif)|*.kif", "棋譜データ(*.kif)"},
        {"盤データ(*.dat)|*.dat", "盤データ(*.dat)"},
        {"a|*.x|b|*.y", "a (*.x);;b (*.y)"},
        {"画像(*.bmp;*.png)|*.bmp;*.png", "画像(*.bmp *.png)"},
        {"x(*.a)|*.b", "x(*.a) (*.b)"},
        {"", ""},
    };
    for (const auto& [filter, expected] : cases) {
        EXPECT_EQ(QtNameFilters(filter).toStdString(), expected) << filter;
    }
}

// Accepts the next file dialog with `path` typed in, after recording its settings.
struct SeenDialog {
    bool seen = false;
    QFileDialog* dialog = nullptr;
    QStringList filters;
    QString typed;
};

void AcceptNextFileDialog(SeenDialog& seen, const QString& path)
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &seen, path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        seen.seen = true;
        seen.dialog = dialog;
        seen.filters = dialog->nameFilters();
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        if (edit == nullptr || path.isEmpty()) {
            dialog->reject();
            return;
        }
        seen.typed = edit->text();
        // As the user does it: type the path into the name field and accept.
        edit->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    timer->start(10);
}

TEST_F(MainWindowBehaviour, TheSharedFileDialogsTakeAnyNameAndAddNoExtension)
{
    const QString dir = QDir::tempPath() + "/korvane_forms_dialogs";
    QDir().mkpath(dir);
    const QString existing = dir + "/game.kif";
    {
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    struct Case {
        FileDialogKind kind;
        QString path; // "" cancels
        bool accepted;
    };
    const Case cases[] = {
        {FileDialogKind::Open, dir + "/missing.kif", true}, // the command reports that itself
        {FileDialogKind::Save, existing, true},             // no replace question here
        {FileDialogKind::Save, dir + "/noext", true},       // no extension added
        {FileDialogKind::Open, "", false},
    };
    for (const Case& c : cases) {
        SeenDialog seen;
        AcceptNextFileDialog(seen, c.path);
        std::string chosen = "unchanged";
        const bool accepted =
            window->RunFileDialog(c.kind, ".kif", "棋譜データ(*.kif)|*.kif", chosen);
        const std::string label = c.path.toStdString();
        ASSERT_TRUE(seen.seen) << label;
        EXPECT_EQ(accepted, c.accepted) << label;
        EXPECT_EQ(chosen, c.accepted ? c.path.toStdString() : "unchanged") << label;
        EXPECT_EQ(seen.dialog, window->FileDialog(c.kind)) << "one shared dialog a kind";
        EXPECT_EQ(seen.filters, QStringList({"棋譜データ(*.kif)"})) << label;
        if (c.accepted) {
            EXPECT_EQ(seen.typed, ".kif") << label;
        }
        EXPECT_EQ(seen.dialog->acceptMode(), c.kind == FileDialogKind::Open
                                                 ? QFileDialog::AcceptOpen
                                                 : QFileDialog::AcceptSave);
        EXPECT_TRUE(seen.dialog->defaultSuffix().isEmpty());
    }
    EXPECT_NE(window->FileDialog(FileDialogKind::Open), window->FileDialog(FileDialogKind::Save));
    QDir(dir).removeRecursively();
}

} // namespace
