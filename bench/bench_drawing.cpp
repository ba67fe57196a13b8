// Drawing speed: one cell of the board view (tile only, a three-digit number, a
// letter), the whole view, and a whole-board export of a full game (build, and build
// plus writing the 1-bit file).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchMain.h"
#include "BoardState.h"
#include "drawing/BoardView.h"
#include "drawing/ExportPicture.h"
#include "main/CellLook.h"
#include "main/Diagram.h"
#include "main/FileIo.h"
#include "main/State.h"

namespace {

// Every point taken, numbered in order, a few letters on the last empty cells' place.
void FullGame()
{
    ClearBoardState();
    int n = 1;
    for (int row = 1; row <= BoardLines; ++row)
        for (int column = 1; column <= BoardLines; ++column, ++n)
            Put(column, row, n % 2 == 1 ? CellBlack : CellWhite, n);
}

// One cell of the full game drawn again and again, (5, 5) holding `stone` and `mark`.
void DrawOneCell(benchmark::State& state, int stone, int mark)
{
    FullGame();
    Put(5, 5, stone, mark);
    BoardView view;
    for (auto _ : state)
        view.DrawCell(5, 5, LookOfCell(5, 5));
}

void BM_DrawCellTile(benchmark::State& state)
{
    DrawOneCell(state, CellEmpty, 65); // the mark of an empty point draws nothing
}
BENCHMARK(BM_DrawCellTile);

void BM_DrawCellThreeDigits(benchmark::State& state)
{
    DrawOneCell(state, CellBlack, 123);
}
BENCHMARK(BM_DrawCellThreeDigits);

void BM_DrawCellLetter(benchmark::State& state)
{
    DrawOneCell(state, CellEmpty, -23);
}
BENCHMARK(BM_DrawCellLetter);

void BM_DrawAllCellsFullGame(benchmark::State& state)
{
    FullGame();
    BoardView view;
    for (auto _ : state)
        view.DrawAllCells(LookOfCell);
}
BENCHMARK(BM_DrawAllCellsFullGame)->Unit(benchmark::kMicrosecond);

void BM_ExportBuildFullGame(benchmark::State& state)
{
    FullGame();
    ExportPicture picture;
    for (auto _ : state) {
        picture.Build(Described(1, 1, BoardLines, BoardLines));
        benchmark::DoNotOptimize(picture.Image().constBits());
    }
}
BENCHMARK(BM_ExportBuildFullGame)->Unit(benchmark::kMillisecond);

void BM_ExportBuildAndWriteFullGame(benchmark::State& state)
{
    FullGame();
    ExportPicture picture;
    const std::string path = "/tmp/korvane-bench-export.bmp";
    std::vector<std::uint8_t> bytes;
    for (auto _ : state) {
        picture.Build(Described(1, 1, BoardLines, BoardLines));
        bytes = EncodeDiagram(picture.Description(), PictureFormat::Bmp);
        if (WriteWholeFile(path, bytes.data(), bytes.size()) != IoOk)
            state.SkipWithError("cannot write the picture");
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_ExportBuildAndWriteFullGame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // Fonts need a GUI application; no display is needed for pictures.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    RunBenchmarks(argc, argv);
    return 0;
}
