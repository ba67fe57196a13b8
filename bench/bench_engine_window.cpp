// The real main window analysing with an engine (the scripted fake, or the engine named by
// KORVANE_TEST_ENGINE): Korvane's own processor time for one analysed position (the old
// search stopped, the board sent, the answer's lines read and shown) beside the same moves
// with no engine, and the longest wait
// of a 1 ms timer while the engine analyses for 10 s and a move is entered or taken back
// every 100 ms. The engine's own time runs in its own process and is not counted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <string>

#include <unistd.h>

#include "ScratchFolder.h"
#include "forms/EngineAnalysis.h"
#include "forms/FomKifu.h"
#include "forms/Fonts.h"
#include "main/Geometry.h"
#include "main/Moves.h"
#include "main/State.h"

namespace {

TFomKifu* window;
std::string scratchDir;

// A window of its own for each benchmark, so each starts its engine with its own script;
// closing it ends the engine.
std::unique_ptr<TFomKifu> OpenWindow()
{
    auto opened = std::make_unique<TFomKifu>();
    window = opened.get();
    window->show();
    (void)QTest::qWaitForWindowExposed(window);
    return opened;
}

void Press(int column, int row)
{
    ImgBanMouseDown(MouseButton::Left, ViewCellX(column) + ViewCell / 2,
                    ViewCellY(row) + ViewCell / 2);
}

QString Engine()
{
    const QString real = qEnvironmentVariable("KORVANE_TEST_ENGINE");
    return real.isEmpty() ? QStringLiteral(FAKE_ENGINE) : real;
}

// The fake's script: one report at once, then thinking until it is stopped.
void WriteScript(const char* text)
{
    const std::string path = scratchDir + "/script";
    FILE* file = std::fopen(path.c_str(), "w");
    if (file != nullptr) {
        std::fputs(text, file);
        std::fclose(file);
    }
    setenv("KORVANE_FAKE_SCRIPT", path.c_str(), 1);
}

bool PanelSays(const char* text)
{
    return window->LabelKentou->text().contains(QString::fromUtf8(text));
}

// One position analysed to its end: a move entered, its analysis awaited; taken back, the
// analysis of the position before awaited. Two positions an iteration.
void BM_AnalysedPosition(benchmark::State& state)
{
    WriteScript("");
    const auto opened = OpenWindow();
    window->Analysis().SetProgramForThisRun(Engine());
    window->MnuKentouSuru->trigger();
    if (!QTest::qWaitFor([] { return PanelSays("思考終了"); }, 20000))
        state.SkipWithError("the engine did not analyse");
    for (auto _ : state) {
        Press(8, 8);
        if (!QTest::qWaitFor([] { return PanelSays("手番：白") && PanelSays("思考終了"); }, 20000))
            state.SkipWithError("no analysis after the move");
        BitBack1Click();
        if (!QTest::qWaitFor([] { return PanelSays("手番：黒") && PanelSays("思考終了"); }, 20000))
            state.SkipWithError("no analysis after the take-back");
    }
    state.SetItemsProcessed(2 * state.iterations());
}
// Process CPU time: this process only, the engine's process apart.
BENCHMARK(BM_AnalysedPosition)
    ->Unit(benchmark::kMicrosecond)
    ->MeasureProcessCPUTime()
    ->Iterations(20); // a real engine takes its whole time for each

// The yardstick: the same move and take-back, the window painting them, with no engine and
// waits of about the same length. Korvane's cost of analysing is the difference.
void BM_PositionWithoutEngine(benchmark::State& state)
{
    const auto opened = OpenWindow();
    for (auto _ : state) {
        Press(8, 8);
        QTest::qWait(25);
        BitBack1Click();
        QTest::qWait(25);
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_PositionWithoutEngine)
    ->Unit(benchmark::kMicrosecond)
    ->MeasureProcessCPUTime()
    ->Iterations(20);

void BM_LongestWaitWhileAnalysing(benchmark::State& state)
{
    WriteScript("DONE report\nDONE think 60000\nDONE move\n");
    const auto opened = OpenWindow();
    window->Analysis().SetProgramForThisRun(Engine());
    window->MnuKentouSuru->trigger();
    qint64 longest = 0;
    int positions = 0;
    for (auto _ : state) {
        QElapsedTimer since;
        QTimer tick, step;
        tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&tick, &QTimer::timeout,
                         [&] { longest = std::max(longest, since.restart()); });
        QObject::connect(&step, &QTimer::timeout, [&] {
            if (MoveCount == 0)
                Press(8, 8);
            else
                BitBack1Click();
            ++positions;
        });
        since.start();
        tick.start(1);
        step.start(100);
        // An event loop of its own: QTest's waits sleep between their looks.
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    state.counters["longest_wait_ms"] = static_cast<double>(longest);
    state.counters["positions"] = positions;
}
BENCHMARK(BM_LongestWaitWhileAnalysing)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    scratchDir = MakeScratchFolder();
    if (scratchDir.empty())
        return 1;
    // The engine's limits are the defaults, not the user's remembered ones.
    setenv("XDG_CONFIG_HOME", scratchDir.c_str(), 1);
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    unlink((scratchDir + "/script").c_str());
    rmdir(scratchDir.c_str());
    return 0;
}
