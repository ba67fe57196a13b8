// The menu 検討 of the real window against the scripted fake engine: the engine dialog keeps
// only what the user confirmed, analysis follows the position on the board and shows the
// engine's view as it arrives, AIに打たせる enters a move as a press would, every fault of an
// engine is named and changes nothing, and no engine outlives the window.
#include "test_main_window_fixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <string>
#include <vector>

#include "../Engine/EngineScript.h"
#include "EngineProcess/EngineSettings.h"
#include "forms/EngineAnalysis.h"
#include "forms/EngineDialog.h"
#include "forms/ImageBox.h"
#include "main/Geometry.h"

namespace {

// The user's configuration folder of these tests, empty at the start of each test.
QTemporaryDir& ConfigFolder()
{
    static QTemporaryDir folder;
    return folder;
}

QStringList ConfigFiles()
{
    QStringList files;
    QDir dir(ConfigFolder().path());
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
        files << info.fileName();
    return files;
}

QPoint CellCentre(int column, int row)
{
    return QPoint(ViewCellX(column) + ViewCell / 2, ViewCellY(row) + ViewCell / 2);
}

// What the board, the record and the status box hold: what no engine may change unasked.
struct Snapshot {
    std::vector<std::int32_t> cells;
    std::vector<std::int32_t> marks;
    std::int32_t moveCount = 0;
    std::int32_t side = 0;
    QString memo;
    QImage board;
    bool operator==(const Snapshot& o) const
    {
        return cells == o.cells && marks == o.marks && moveCount == o.moveCount && side == o.side &&
               memo == o.memo && board == o.board;
    }
};

class EngineWindowTest : public MainWindowTest {
protected:
    static void SetUpTestSuite()
    {
        MainWindowTest::SetUpTestSuite();
        // Before anything reads the settings: they are looked for here once per run.
        qputenv("XDG_CONFIG_HOME", ConfigFolder().path().toLocal8Bit());
    }

    void SetUp() override
    {
        QDir(ConfigFolder().path() + "/Korvane").removeRecursively();
        MainWindowTest::SetUp();
        window->Dialogs.errorBox = [this](const std::string& message) {
            messages.push_back(QString::fromStdString(message));
        };
    }

    // The fake engine (or `program`) as the engine of this run, with a short time a move.
    void UseEngine(const QString& program = EngineScript::Program(), int turnMs = 300)
    {
        engine::EngineSettings settings;
        settings.program = program;
        settings.limits.turnMs = turnMs;
        engine::SaveEngineSettings(settings);
    }

    QString Panel() const { return window->LabelKentou->text(); }

    void Press(int column, int row)
    {
        QTest::mouseClick(window->ImgBan, Qt::LeftButton, {}, CellCentre(column, row));
    }
    void Presses(std::initializer_list<std::pair<int, int>> cells)
    {
        for (const auto& [column, row] : cells)
            Press(column, row);
    }

    void TickAnalysis()
    {
        window->MnuKentouSuru->trigger();
        ASSERT_TRUE(window->MnuKentouSuru->isChecked());
    }
    bool WaitPanel(const QString& text, int ms = 5000)
    {
        return QTest::qWaitFor([&] { return Panel().contains(text); }, ms);
    }
    bool WaitMessage(int ms = 5000)
    {
        return QTest::qWaitFor([&] { return !messages.empty(); }, ms);
    }

    Snapshot Take() const
    {
        Snapshot s;
        s.cells.assign(BoardCells, BoardCells + CellTableSize);
        s.marks.assign(CellMarks, CellMarks + CellTableSize);
        s.moveCount = MoveCount;
        s.side = SideToMove;
        s.memo = window->Memo1->toPlainText();
        s.board = window->ImgBan->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return s;
    }

    // The engine's own process id, which the fake prints at start with "@start pid".
    long EnginePid() const
    {
        const QRegularExpression pid(QStringLiteral("MESSAGE pid (\\d+)"));
        Analysis().ShowLog();
        const QRegularExpressionMatch match = pid.match(Analysis().Log()->toPlainText());
        return match.hasMatch() ? match.captured(1).toLong() : 0;
    }
    EngineAnalysis& Analysis() const { return window->Analysis(); }

    std::vector<QString> messages;
};

// The pixels of the mark's blue in a cell as the screen shows it.
int BluePixels(TFomKifu& window, int column, int row)
{
    const QImage cell =
        window.ImgBan->grab(QRect(ViewCellX(column), ViewCellY(row), ViewCell, ViewCell))
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    int blue = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            blue += cell.pixel(x, y) == qRgb(0, 90, 255);
    return blue;
}

// Gone, or a zombie that whoever adopted it has yet to reap.
bool ProcessGone(long pid)
{
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!ProcessAlive(pid) || !stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray text = stat.readAll();
    const int close = text.lastIndexOf(')');
    return close > 0 && text.mid(close + 2, 1) == "Z";
}

// The modal engine dialog, once it is up.
EngineDialog* WaitDialog()
{
    EngineDialog* dialog = nullptr;
    const bool up = QTest::qWaitFor(
        [&] {
            dialog = qobject_cast<EngineDialog*>(QApplication::activeModalWidget());
            return dialog != nullptr && dialog->isVisible();
        },
        5000);
    return up ? dialog : nullptr;
}

// ---- 1. The engine chosen ---------------------------------------------------------------

TEST_F(EngineWindowTest, TheDialogTriesTheEngineAndKeepsOnlyWhatIsConfirmed)
{
    bool tried = false;
    QString shown, refused;
    QTimer::singleShot(0, [&] {
        EngineDialog* dialog = WaitDialog();
        ASSERT_NE(dialog, nullptr);
        dialog->EditProgram->setText("/no/such/engine");
        dialog->BtnTry->click();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return dialog->LabelStatus->text().startsWith("思考エンジン"); }));
        refused = dialog->LabelStatus->text();
        dialog->EditProgram->setText(EngineScript::Program());
        dialog->BtnTry->click();
        tried = QTest::qWaitFor([&] { return dialog->LabelStatus->text().contains("Fake"); });
        shown = dialog->LabelStatus->text();
        dialog->SpinTime->setValue(700);
        dialog->SpinThreads->setValue(2);
        dialog->findChild<QPushButton*>("OKBtn")->click();
    });
    EngineScript script;
    window->MnuEngineSettei->trigger();
    EXPECT_TRUE(tried);
    EXPECT_TRUE(refused.startsWith("思考エンジンを起動できませんでした")) << refused.toStdString();
    EXPECT_EQ(shown, "エンジン: FakeEngine");
    const engine::EngineSettings saved = engine::LoadEngineSettings();
    EXPECT_EQ(saved.program, EngineScript::Program());
    EXPECT_EQ(saved.limits.turnMs, 700);
    EXPECT_EQ(saved.limits.threads, 2);
    EXPECT_EQ(ConfigFiles(), QStringList{"Korvane"}) << "kept in the user's configuration";
    // The trial engine was asked its name and told to go.
    EXPECT_TRUE(QTest::qWaitFor([&] { return script.CountReceived("END") == 1; }, 3000));
}

TEST_F(EngineWindowTest, CancellingTheDialogOrChoosingNothingWritesNothing)
{
    for (bool cancel : {true, false}) {
        QTimer::singleShot(0, [&] {
            EngineDialog* dialog = WaitDialog();
            ASSERT_NE(dialog, nullptr);
            if (cancel) {
                dialog->EditProgram->setText(EngineScript::Program());
                dialog->findChild<QPushButton*>("CancelBtn")->click();
            } else {
                dialog->EditProgram->clear();
                dialog->findChild<QPushButton*>("OKBtn")->click();
            }
        });
        window->MnuEngineSettei->trigger();
        EXPECT_EQ(ConfigFiles(), QStringList()) << (cancel ? "cancel" : "nothing chosen");
    }
}

TEST_F(EngineWindowTest, WithNoEngineChosenAnalysisSaysSoAndNothingIsWrittenOrDrawn)
{
    const Snapshot before = Take();
    window->MnuKentouSuru->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "思考エンジンが選ばれていません。検討 → エンジンの設定 で選んでください");
    EXPECT_FALSE(window->MnuKentouSuru->isChecked());
    EXPECT_FALSE(window->LabelKentou->isVisible());
    EXPECT_TRUE(Take() == before);
    EXPECT_EQ(ConfigFiles(), QStringList());
}

TEST_F(EngineWindowTest, TheEngineOfTheCommandLineServesThisRunAndIsNotSaved)
{
    EngineScript script;
    Analysis().SetProgramForThisRun(EngineScript::Program());
    TickAnalysis();
    EXPECT_TRUE(WaitPanel("FakeEngine"));
    EXPECT_EQ(ConfigFiles(), QStringList());
}

// ---- 2. Analysis ------------------------------------------------------------------------

TEST_F(EngineWindowTest, AnalysisMarksTheBestMoveAndShowsTheSearchThenGoesWithoutATrace)
{
    EngineScript script;
    UseEngine();
    const Snapshot before = Take();
    EXPECT_FALSE(window->LabelKentou->isVisible());
    TickAnalysis();
    ASSERT_TRUE(WaitPanel("思考終了")) << Panel().toStdString();
    EXPECT_TRUE(window->LabelKentou->isVisible());
    const QString panel = Panel();
    for (const char* row : {"エンジン：FakeEngine", "手番：黒", "最善手：h8", "評価値：12",
                            "深さ：3-5", "速度：10K", "読み筋：h8"})
        EXPECT_TRUE(panel.contains(row)) << row << "\n" << panel.toStdString();
    EXPECT_EQ(Analysis().MarkedMove(), MakeCell(8, 8));
    EXPECT_GT(BluePixels(*window, 8, 8), 40) << "the diamond on h8";
    EXPECT_EQ(BluePixels(*window, 8, 7), 0);
    // The view's picture itself, which the exports read, never holds the mark.
    EXPECT_EQ(window->Board().Image().convertToFormat(QImage::Format_RGB32), before.board);

    window->MnuKentouSuru->trigger(); // off
    EXPECT_FALSE(window->LabelKentou->isVisible());
    EXPECT_EQ(Analysis().MarkedMove(), 0);
    EXPECT_TRUE(Take() == before) << "unticked, the board is as it was";

    // The log shows both sides of the talk, from the start, once it is asked for.
    window->MnuEngineLog->trigger();
    const QStringList log = Analysis().Log()->toPlainText().split('\n');
    for (const char* line : {"> START 15", "< OK", "> INFO rule 4", "> BOARD", "< 7,7"})
        EXPECT_TRUE(log.contains(line)) << line;
}

TEST_F(EngineWindowTest, EveryChangeOfThePositionStopsTheOldSearchAndStartsANewOne)
{
    // The engine reports at once and then thinks until it is stopped.
    EngineScript script("DONE report\nDONE think 10000\nDONE move\n");
    UseEngine(EngineScript::Program(), 20000);
    TickAnalysis();
    ASSERT_TRUE(WaitPanel("最善手：h8"));
    const int stopsAtStart = script.CountReceived("YXSTOP"); // the probe for YXSTOP

    Press(8, 8); // a move
    ASSERT_TRUE(WaitPanel("手番：白"));
    // The fake answers the empty point nearest the centre, the first of them from the top.
    ASSERT_TRUE(WaitPanel("最善手：h9")) << Panel().toStdString();
    EXPECT_EQ(Analysis().MarkedMove(), MakeCell(8, 7));
    window->BitBack1->click(); // a take-back
    ASSERT_TRUE(WaitPanel("手番：黒"));
    ASSERT_TRUE(WaitPanel("最善手：h8"));
    window->BitGo1->click(); // a replay
    ASSERT_TRUE(WaitPanel("最善手：h9"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return script.CountReceived("BOARD") == 4; }, 3000));
    EXPECT_EQ(script.CountReceived("YXSTOP") - stopsAtStart, 3);
    // Marks from the old position never stay: a mode change alone starts nothing.
    window->MnuSetTe->trigger();
    QTest::qWait(100);
    EXPECT_EQ(script.CountReceived("BOARD"), 4);
}

TEST_F(EngineWindowTest, PlacedStonesAndOpenedPositionsAreAnalysedToo)
{
    EngineScript script;
    UseEngine();
    TickAnalysis();
    ASSERT_TRUE(WaitPanel("最善手：h8"));
    window->MnuSetIsi->trigger();
    Press(8, 8); // a black stone placed on h8
    ASSERT_TRUE(WaitPanel("最善手：h9")) << Panel().toStdString();
    EXPECT_TRUE(Panel().contains("手番：白")) << "the side the editor would propose";
    window->Dialogs.ask = [](QuestionKind, const std::string&) { return Answer::Ok; };
    window->MnuClear->trigger();
    ASSERT_TRUE(WaitPanel("最善手：h8")) << Panel().toStdString();
}

TEST_F(EngineWindowTest, AnEngineWithoutYxstopIsRestartedForANewPosition)
{
    EngineScript script("YXSTOP say UNKNOWN YXSTOP\nDONE report\nDONE think 10000\nDONE move\n");
    UseEngine(EngineScript::Program(), 20000);
    TickAnalysis();
    ASSERT_TRUE(WaitPanel("最善手：h8"));
    EXPECT_FALSE(Analysis().Process().CanStop());
    Press(8, 8);
    ASSERT_TRUE(WaitPanel("最善手：h9")) << Panel().toStdString();
    EXPECT_EQ(script.CountReceived("START 15"), 2);
    EXPECT_TRUE(messages.empty());
}

TEST_F(EngineWindowTest, ARealEngineFollowsTheGameAndPlaysAMove)
{
    const QString real = qEnvironmentVariable("KORVANE_TEST_ENGINE");
    if (real.isEmpty())
        GTEST_SKIP() << "no engine given: set KORVANE_TEST_ENGINE to a Gomocup engine to run this";
    UseEngine(real, 500);
    TickAnalysis();
    ASSERT_TRUE(WaitPanel("思考終了", 20000)) << Panel().toStdString();
    EXPECT_NE(Analysis().MarkedMove(), 0);
    Press(8, 8);
    ASSERT_TRUE(WaitPanel("手番：白"));
    ASSERT_TRUE(WaitPanel("思考終了", 20000)) << Panel().toStdString();
    const CellIndex best = Analysis().MarkedMove();
    ASSERT_NE(best, 0);
    EXPECT_EQ(BoardCells[best], CellEmpty);
    window->MnuAiUtasu->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return MoveCount == 2; }, 20000));
    EXPECT_TRUE(messages.empty()) << messages.front().toStdString();
    EXPECT_TRUE(WaitPanel("手番：黒"));
    EXPECT_TRUE(WaitPanel("思考終了", 20000)) << Panel().toStdString();
}

// ---- 3. The engine plays ----------------------------------------------------------------

TEST_F(EngineWindowTest, TheEnginesMoveIsEnteredAsAPressWithNumberAndFourAnswer)
{
    EngineScript script;
    UseEngine();
    window->MnuSiTome->trigger(); // automatic four answer on
    // Black e8 f8 g8 against white d8: the engine's h8 makes a four whose one answer is i8.
    Presses({{5, 8}, {4, 8}, {6, 8}, {1, 1}, {7, 8}, {1, 15}});
    window->MnuAiUtasu->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return MoveCount == 8; }, 5000));
    EXPECT_EQ(BoardCells[MakeCell(8, 8)], CellBlack);
    EXPECT_EQ(CellMarks[MakeCell(8, 8)], 7);
    EXPECT_EQ(BoardCells[MakeCell(9, 8)], CellWhite) << "the four answered";
    EXPECT_EQ(window->Memo1->toPlainText(), "　9 手目  黒");
    EXPECT_TRUE(window->BitBack1->isEnabled());
    EXPECT_TRUE(messages.empty());
}

TEST_F(EngineWindowTest, AMoveAskedForAPositionThatChangedIsDropped)
{
    EngineScript script("DONE sleep 400\nDONE move\n");
    UseEngine();
    window->MnuAiUtasu->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return script.CountReceived("DONE") == 1; }, 5000));
    Press(1, 1); // the user moves while the engine thinks
    QTest::qWait(1000);
    EXPECT_EQ(MoveCount, 1);
    EXPECT_EQ(BoardCells[MakeCell(8, 8)], CellEmpty);
    EXPECT_TRUE(messages.empty()) << "the user moved: nothing went wrong";
    EXPECT_GE(script.CountReceived("YXSTOP"), 2) << "the probe, then the stop";
}

TEST_F(EngineWindowTest, OutsideMoveEntryTheEngineIsNotAsked)
{
    EngineScript script;
    UseEngine();
    window->MnuSetIsi->trigger();
    window->MnuAiUtasu->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "AIに打たせるには、珠順設定か四追順設定にしてください");
    EXPECT_FALSE(Analysis().Process().IsRunning());
}

// ---- 4. Faults --------------------------------------------------------------------------

struct FaultCase {
    const char* name;
    const char* script;
    bool analyse; // through 検討, else AIに打たせる
    const char* message;
};

const FaultCase FaultCases[] = {
    {"CannotStart", nullptr, false, "思考エンジンを起動できませんでした"},
    {"Error", "DONE say ERROR not today\n", false, "思考エンジンがエラーを返しました"},
    {"Crash", "DONE crash\n", true, "思考エンジンが異常終了しました"},
    {"Garbage", "DONE say hello there\n", true, "思考エンジンが通信規約にない行を出力しました"},
    {"NoMove", "@start pid\nDONE nothing\n", false,
     "思考エンジンが時間内に着手を返さないため停止しました"},
    {"Occupied", "DONE say 7,7\n", false, "思考エンジンが石のある点に着手しました"},
    {"OffBoard", "DONE say 15,3\n", true, "思考エンジンが盤外の点に着手しました"},
    {"Forbidden", "DONE say 7,7\n", false, "思考エンジンが黒の禁手点に着手しました"},
};

class EngineFaultTest : public EngineWindowTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(EngineFaultTest, TheFaultIsNamedAndTheRecordAndBoardStayAsTheyWere)
{
    const FaultCase& c = GetParam();
    EngineScript script(c.script ? QByteArray(c.script) : QByteArray());
    UseEngine(c.script ? EngineScript::Program() : QStringLiteral("/no/such/engine"));
    if (std::string(c.name) == "Forbidden") {
        // Black f8 g8 and h7 h6: h8 is a double three, and black is to move.
        Presses({{6, 8}, {1, 1}, {7, 8}, {15, 1}, {8, 9}, {1, 15}, {8, 10}, {15, 15}});
    } else {
        Presses({{8, 8}}); // white to move, h8 taken
    }
    const Snapshot before = Take();
    if (c.analyse)
        TickAnalysis();
    else
        window->MnuAiUtasu->trigger();
    ASSERT_TRUE(WaitMessage(6000));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith(QString::fromUtf8(c.message))) << messages[0].toStdString();
    EXPECT_FALSE(window->MnuKentouSuru->isChecked());
    EXPECT_FALSE(window->LabelKentou->isVisible());
    EXPECT_FALSE(Analysis().Process().IsRunning());
    QTest::qWait(50);
    EXPECT_TRUE(Take() == before);
    if (std::string(c.name) == "NoMove") {
        const long pid = EnginePid();
        ASSERT_GT(pid, 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return ProcessGone(pid); }, 3000)) << "killed";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFault, EngineFaultTest, ::testing::ValuesIn(FaultCases),
                         [](const ::testing::TestParamInfo<FaultCase>& info) {
                             return std::string(info.param.name);
                         });

// ---- The end ----------------------------------------------------------------------------

TEST_F(EngineWindowTest, ClosingTheWindowEndsTheEngineAndWhatItStarted)
{
    // A shell script that runs the engine as its child, which ignores END and stays.
    QTemporaryDir folder;
    const QString wrapper = folder.filePath("engine.sh");
    {
        QFile file(wrapper);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n\"" + EngineScript::Program().toLocal8Bit() + "\"\n");
    }
    QFile::setPermissions(wrapper, QFile::permissions(wrapper) | QFileDevice::ExeOwner);
    EngineScript script("@start pid\nEND hang\n");
    UseEngine(wrapper);
    TickAnalysis();
    ASSERT_TRUE(WaitPanel("思考終了"));
    const long pid = EnginePid();
    ASSERT_GT(pid, 0);
    window.reset();
    EXPECT_EQ(script.CountReceived("END"), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ProcessGone(pid); }, 3000));
}

} // namespace
