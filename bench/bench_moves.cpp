// Move entry speed: one press with automatic answering on, from the press to the cell
// drawn and the status written; and a whole 225-move game entered, taken back, replayed.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "BenchMain.h"
#include "ViewPort.h"
#include "main/Geometry.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/Startup.h"
#include "main/State.h"

namespace {

using BenchPort = ViewPort;

BenchPort* port;

void Press(int column, int row)
{
    ImgBanMouseDown(MouseButton::Left, ViewCellX(column) + ViewCell / 2,
                    ViewCellY(row) + ViewCell / 2);
}

// A press and its take-back, so every iteration starts from the same middle-game
// position; the press makes a black four that white answers automatically.
void BM_PressWithAutomaticAnswer(benchmark::State& state)
{
    FormCreate();
    AutoBlockFours = 1;
    const int setup[][2] = {{5, 8}, {5, 9}, {6, 8}, {6, 9}, {7, 8}, {4, 8}};
    for (auto& m : setup)
        Press(m[0], m[1]);
    for (auto _ : state) {
        Press(8, 8); // black four at (9, 8), answered there by white
        BitBack2Click();
    }
    benchmark::DoNotOptimize(port->memo);
}
BENCHMARK(BM_PressWithAutomaticAnswer)->Unit(benchmark::kMicrosecond);

void BM_FullGameEnterBackReplay(benchmark::State& state)
{
    for (auto _ : state) {
        FormCreate();
        for (int row = 1; row <= 15; ++row)
            for (int column = 1; column <= 15; ++column)
                Press(column, row);
        BitBackAllClick();
        BitGoAllClick();
    }
    benchmark::DoNotOptimize(MoveCount);
}
BENCHMARK(BM_FullGameEnterBackReplay)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    BenchPort p;
    Window = port = &p;
    RunBenchmarks(argc, argv);
    return 0;
}
