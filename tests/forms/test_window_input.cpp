// What the window does with input from outside its controls: a file named on the command
// line or dropped on it opens exactly as the menu's open would, keys and the wheel step
// through the game exactly as the navigation buttons do.
#include "test_main_window_fixture.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>
#include <QWheelEvent>
#include <string>
#include <vector>

#include "../fixtures/QtFiles.h"
#include "app/CommandLine.h"
#include "app/OpenAtStart.h"
#include "forms/ImageBox.h"
#include "forms/WindowInput.h"
#include "main/Files.h"
#include "main/Moves.h"
#include "main/Variations.h"

namespace {

// Everything the user sees change when a file opens or the game is stepped through.
struct Seen {
    QImage board;
    QString memo;
    std::string enabledButtons;
    std::vector<bool> panels;
    QStringList fields;
    std::vector<bool> ticks;
    std::vector<std::string> errors;

    bool operator==(const Seen& other) const
    {
        return board == other.board && memo == other.memo &&
               enabledButtons == other.enabledButtons && panels == other.panels &&
               fields == other.fields && ticks == other.ticks && errors == other.errors;
    }
};

std::ostream& operator<<(std::ostream& out, const Seen& seen)
{
    return out << "memo '" << seen.memo.toStdString() << "', buttons " << seen.enabledButtons
               << ", " << seen.errors.size() << " error boxes";
}

class WindowInput : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        window->Dialogs.errorBox = [this](const std::string& message) {
            errors.push_back(message);
        };
    }

    QString File(const char* name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QString Corpus(const char* name)
    {
        return QStringLiteral(KORVANE_SOURCE_DIR "/tests/fuzz-corpus/") + QString::fromUtf8(name);
    }

    Seen Look()
    {
        Seen seen;
        seen.board = window->ImgBan->grab().toImage();
        seen.memo = window->Memo1->toPlainText();
        for (NavButton button : {NavButton::BitBackAll, NavButton::BitBack2, NavButton::BitBack1,
                                 NavButton::BitGo1, NavButton::BitGo2, NavButton::BitGoAll}) {
            seen.enabledButtons += window->NavigationButton(button)->isEnabled() ? '1' : '0';
        }
        for (QWidget* panel :
             {static_cast<QWidget*>(window->PanelSyujun), static_cast<QWidget*>(window->PanelMoji),
              static_cast<QWidget*>(window->PanelHaiseki),
              static_cast<QWidget*>(window->PanelTaikyokuData)}) {
            seen.panels.push_back(panel->isVisible());
        }
        for (QLineEdit* field : {window->EditSyukei, window->EditKuroKisi, window->EditSiroKisi}) {
            seen.fields.append(field->text());
        }
        for (QAction* item : {window->MnuSetTe, window->MnuSetMoji, window->MnuSetIsi,
                              window->MnuSetSioi, window->MnuSyujyun, window->MnuSiTome}) {
            seen.ticks.push_back(item->isChecked());
        }
        seen.errors = errors;
        return seen;
    }

    // The menu's open with `path` chosen in its dialog.
    void OpenFromMenu(QAction* item, const QString& path)
    {
        window->Dialogs.fileDialog = [path](FileDialogKind, const std::string&, const std::string&,
                                            std::string& chosen) {
            chosen = QFile::encodeName(path).toStdString();
            return true;
        };
        item->trigger();
        window->Dialogs.fileDialog = nullptr;
    }

    // Back to the window as it starts: the board cleared, nothing opened, no boxes.
    void Restart()
    {
        window.reset();
        Set_Taikyoku = nullptr;
        errors.clear();
        SetUp();
    }

    // Drags `urls` over the board and drops them as a file manager does; returns whether
    // the window took the drag.
    bool Drop(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at(100, 100);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window->ImgBan, &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window->ImgBan, &drop);
        QApplication::processEvents();
        return drop.isAccepted();
    }

    QTemporaryDir folder;
    std::vector<std::string> errors;
};

// A game of 12 moves entered on the board.
void EnterGame(TFomKifu& window)
{
    const int cells[][2] = {{8, 8},  {9, 7},  {7, 9}, {9, 9},  {9, 8},  {7, 8},
                            {10, 8}, {6, 10}, {8, 6}, {8, 10}, {10, 6}, {11, 5}};
    for (const auto& cell : cells) {
        QTest::mouseClick(window.ImgBan, Qt::LeftButton, {},
                          QPoint((cell[0] - 1) * 34 + 17, (cell[1] - 1) * 34 + 17));
    }
}

TEST(NavigationKeys, StandForTheNavigationButtons)
{
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        NavigationHandler handler;
    } cases[] = {
        {Qt::Key_Left, Qt::NoModifier, BitBack1Click},
        {Qt::Key_Right, Qt::NoModifier, BitGo1Click},
        {Qt::Key_Left, Qt::KeypadModifier, BitBack1Click},
        {Qt::Key_Home, Qt::NoModifier, BitBackAllClick},
        {Qt::Key_End, Qt::NoModifier, BitGoAllClick},
        {Qt::Key_PageUp, Qt::NoModifier, BitBack2Click},
        {Qt::Key_PageDown, Qt::NoModifier, BitGo2Click},
        {Qt::Key_Left, Qt::ShiftModifier, BitBack2Click},
        {Qt::Key_Right, Qt::ShiftModifier, BitGo2Click},
        {Qt::Key_Left, Qt::ControlModifier, nullptr},
        {Qt::Key_Home, Qt::ShiftModifier, nullptr},
        {Qt::Key_Up, Qt::NoModifier, MnuPrevVariationClick},
        {Qt::Key_Down, Qt::NoModifier, MnuNextVariationClick},
        {Qt::Key_Up, Qt::ShiftModifier, nullptr},
        {Qt::Key_A, Qt::NoModifier, nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NavigationHandlerForKey(c.key, c.modifiers), c.handler)
            << c.key << " " << c.modifiers.toInt();
    }
}

TEST_F(WindowInput, KeysStepThroughAGameAsTheButtonsDo)
{
    EnterGame(*window);
    ASSERT_EQ(MoveCount, 12);
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        QToolButton* TFomKifu::*button;
        int moveCount; // after the step
    } steps[] = {
        {Qt::Key_Left, Qt::NoModifier, &TFomKifu::BitBack1, 11},
        {Qt::Key_PageUp, Qt::NoModifier, &TFomKifu::BitBack2, 9},
        {Qt::Key_Left, Qt::ShiftModifier, &TFomKifu::BitBack2, 7},
        {Qt::Key_Home, Qt::NoModifier, &TFomKifu::BitBackAll, 0},
        {Qt::Key_Right, Qt::NoModifier, &TFomKifu::BitGo1, 1},
        {Qt::Key_PageDown, Qt::NoModifier, &TFomKifu::BitGo2, 3},
        {Qt::Key_Right, Qt::ShiftModifier, &TFomKifu::BitGo2, 5},
        {Qt::Key_End, Qt::NoModifier, &TFomKifu::BitGoAll, 12},
        {Qt::Key_Right, Qt::NoModifier, &TFomKifu::BitGo1, 12}, // nothing left to replay
        {Qt::Key_Home, Qt::NoModifier, &TFomKifu::BitBackAll, 0},
        {Qt::Key_Left, Qt::NoModifier, &TFomKifu::BitBack1, 0}, // nothing to take back
        {Qt::Key_PageDown, Qt::NoModifier, &TFomKifu::BitGo2, 2},
    };

    // The same walk twice, once by keys and once by the buttons, from the same record.
    std::vector<Seen> byKeys;
    for (const auto& step : steps) {
        // The status box holds the focus as it does after a click on the board.
        window->Memo1->setFocus();
        QTest::keyClick(window->Memo1, static_cast<Qt::Key>(step.key), step.modifiers);
        EXPECT_EQ(MoveCount, step.moveCount) << "key " << step.key;
        byKeys.push_back(Look());
    }
    BitGoAllClick();
    ASSERT_EQ(MoveCount, 12);
    BitGoAllClick();
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        QToolButton* button = window.get()->*steps[i].button;
        if (button->isEnabled()) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            button->click(); // a disabled button does nothing, as its key does
        }
        EXPECT_EQ(Look(), byKeys[i]) << "step " << i;
    }
}

TEST_F(WindowInput, KeysFollowTheHandlersConditionsAndLeaveTextFieldsTheirKeys)
{
    EnterGame(*window);
    // The back buttons act only in move order and four-chase order.
    EditMode = ModeStonePlacement;
    QTest::keyClick(window.get(), Qt::Key_Left);
    QTest::keyClick(window.get(), Qt::Key_Home);
    EXPECT_EQ(MoveCount, 12);
    EditMode = ModeMoveOrder;
    QTest::keyClick(window.get(), Qt::Key_Left);
    EXPECT_EQ(MoveCount, 11);

    // A focused navigation button passes the keys on too.
    window->BitGo1->setFocus();
    QTest::keyClick(window->BitGo1, Qt::Key_Right);
    EXPECT_EQ(MoveCount, 12);

    // In an edit field the arrows and Home move the cursor; the game stays.
    window->PanelTaikyokuData->show();
    window->EditKuroKisi->setText(" 黒　AB");
    window->EditKuroKisi->setFocus();
    window->EditKuroKisi->setCursorPosition(2);
    QTest::keyClick(window->EditKuroKisi, Qt::Key_Left);
    QTest::keyClick(window->EditKuroKisi, Qt::Key_Home);
    EXPECT_EQ(MoveCount, 12);
    EXPECT_EQ(window->EditKuroKisi->cursorPosition(), 0);
}

TEST_F(WindowInput, TheWheelOverTheBoardStepsOneMoveANotch)
{
    EnterGame(*window);
    const auto turn = [this](int delta) {
        const QPointF at(200, 200);
        QWheelEvent wheel(at, window->ImgBan->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(window->ImgBan, &wheel);
    };
    turn(120); // away from the user: back
    EXPECT_EQ(MoveCount, 11);
    turn(240);
    EXPECT_EQ(MoveCount, 9);
    turn(-120);
    EXPECT_EQ(MoveCount, 10);
    // A fine-grained wheel steps once its pieces make a notch.
    turn(60);
    EXPECT_EQ(MoveCount, 10);
    turn(60);
    EXPECT_EQ(MoveCount, 9);
    const Seen before = Look();
    BitBack1Click();
    BitGo1Click();
    EXPECT_EQ(Look(), before) << "the wheel shows what the buttons show";
}

TEST_F(WindowInput, AFileGivenOrDroppedOpensAsFromTheMenu)
{
    const struct {
        const char* name;
        QString path;
        QAction* TFomKifu::*menu;
    } cases[] = {
        {"record", Corpus("kif/ok-example-opening4.kif"), &TFomKifu::MnuOpen},
        {"full record", Corpus("kif/ok-full-150.kif"), &TFomKifu::MnuOpen},
        {"position", Corpus("dat/ok-corners.dat"), &TFomKifu::MnuHaisekiOpen},
        // Without its extension a record is known by its size.
        {"record without extension", File("game", ReadFile(Corpus("kif/ok-cp932-names.kif"))),
         &TFomKifu::MnuOpen},
        {"damaged record", Corpus("kif/bad-opening-27.kif"), &TFomKifu::MnuOpen},
        {"short position", Corpus("dat/short-119.dat"), &TFomKifu::MnuHaisekiOpen},
        {"text record", File("game.txt", "1. h8 2. h9 3. i8"), &TFomKifu::MnuOpenOther},
        {"Piskvork record", File("game.psq", "Piskvorky 15x15, 11:11, 0\n8,8,0\n9,9,0\n-1\n"),
         &TFomKifu::MnuOpenOther},
        {"missing record", folder.filePath("missing.kif"), &TFomKifu::MnuOpen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        OpenFromMenu(window.get()->*c.menu, c.path);
        const Seen fromMenu = Look();

        Restart();
        CommandLine line;
        QString message;
        ASSERT_EQ(ParseCommandLine({c.path}, line, message), ParseResult::Run);
        OpenAtStart(window.get(), line.inputs);
        QApplication::processEvents();
        EXPECT_EQ(Look(), fromMenu) << "given on the command line";

        Restart();
        EXPECT_TRUE(Drop({QUrl::fromLocalFile(c.path)}));
        EXPECT_EQ(Look(), fromMenu) << "dropped";
    }
}

TEST_F(WindowInput, ADamagedFileGivenAtStartShowsTheErrorBoxAndAnEmptyBoard)
{
    const Seen empty = Look();
    OpenAtStart(window.get(), {Corpus("kif/bad-on-opening.kif")});
    EXPECT_TRUE(errors.empty()) << "nothing before the event loop runs";
    QApplication::processEvents();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_FALSE(errors[0].empty());
    Seen after = Look();
    after.errors.clear();
    EXPECT_EQ(after, empty);
}

TEST_F(WindowInput, DropsOfOtherThingsAreRefusedAndChangeNothing)
{
    EnterGame(*window);
    const Seen before = Look();
    const QString notes = File("notes.doc", "a text file");
    const QString kif = Corpus("kif/ok-example-opening4.kif");
    EXPECT_FALSE(Drop({QUrl::fromLocalFile(notes)})) << "no format has the extension";
    EXPECT_FALSE(Drop({QUrl::fromLocalFile(kif), QUrl::fromLocalFile(kif)})) << "two at once";
    EXPECT_FALSE(Drop({QUrl(QStringLiteral("https://example.org/game.kif"))}));
    EXPECT_FALSE(Drop({}));
    EXPECT_EQ(Look(), before);

    // A text file is a record kind: its reader refuses prose with the error box.
    EXPECT_TRUE(Drop({QUrl::fromLocalFile(File("notes.txt", "a text file"))}));
    Seen after = Look();
    EXPECT_EQ(after.errors.size(), 1u);
    after.errors.clear();
    EXPECT_EQ(after, before);
}

} // namespace
