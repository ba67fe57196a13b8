// Figure speed: a whole board of 150 moves described and written as SVG, PDF, PNG and
// BMP in memory, and the program exporting 1,000 game records to SVG from the command
// line, start-up included.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "BenchMain.h"
#include "BoardState.h"
#include "ScratchFolder.h"
#include "SpawnQuietly.h"
#include "drawing/DiagramFormats.h"
#include "main/Diagram.h"
#include "main/State.h"

namespace {

// A whole board of 150 moves in move order.
void SetUp150MoveBoard()
{
    ClearBoardState();
    const std::vector<CellIndex> moves = WalkedGame(150, 7);
    for (int i = 0; i < 150; ++i)
        Put(CellColumn(moves[i]), CellRow(moves[i]), i % 2 == 0 ? CellBlack : CellWhite, i + 1);
}

void Figure(benchmark::State& state, PictureFormat format)
{
    SetUp150MoveBoard();
    Diagram diagram;
    std::size_t bytes = 0;
    for (auto _ : state) {
        DescribeExport(1, 1, 15, 15, diagram);
        const std::vector<std::uint8_t> file = EncodeDiagram(diagram, format);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

// One benchmark a format, each under the name its figures are known by.
[[maybe_unused]] const bool FiguresRegistered = [] {
    const struct {
        const char* name;
        PictureFormat format;
        benchmark::TimeUnit unit;
    } rows[] = {
        {"BM_Svg150", PictureFormat::Svg, benchmark::kMicrosecond},
        {"BM_Pdf150", PictureFormat::Pdf, benchmark::kMicrosecond},
        {"BM_Png150At100Px", PictureFormat::Png, benchmark::kMillisecond},
        {"BM_Bmp150", PictureFormat::Bmp, benchmark::kMicrosecond},
    };
    for (const auto& row : rows) {
        const PictureFormat format = row.format;
        benchmark::RegisterBenchmark(row.name, [format](benchmark::State& state) {
            Figure(state, format);
        })->Unit(row.unit);
    }
    return true;
}();

// A game record of `count` moves without an opening.
void WriteRecord(const std::string& path, const std::vector<CellIndex>& moves)
{
    std::uint8_t bytes[668] = {};
    for (std::size_t i = 0; i < moves.size() && i < 150; ++i) {
        const auto v = static_cast<std::uint32_t>(moves[i]);
        for (int b = 0; b < 4; ++b)
            bytes[68 + 4 * i + b] = static_cast<std::uint8_t>(v >> (8 * b));
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes), 668);
}

// Wall time of `korvane --export-dir OUT --format svg` over 1,000 records of 30 to 150
// moves, with no display.
void BM_ExportDir1000Svg(benchmark::State& state)
{
    const std::filesystem::path dir = MakeScratchFolder();
    if (dir.empty()) {
        state.SkipWithError("no scratch folder");
        return;
    }
    std::vector<std::string> arguments = {KORVANE_PATH, "--export-dir", (dir / "out").string(),
                                          "--format", "svg"};
    for (int i = 0; i < 1000; ++i) {
        const std::string path = (dir / ("game" + std::to_string(i) + ".kif")).string();
        WriteRecord(path, WalkedGame(30 + i % 121, static_cast<std::uint32_t>(i + 1)));
        arguments.push_back(path);
    }
    TimeRuns(state, KORVANE_PATH, arguments, false, "the export did not end cleanly",
             [&dir] { std::filesystem::remove_all(dir / "out"); });
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ExportDir1000Svg)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    RunBenchmarks(argc, argv);
    return 0;
}
