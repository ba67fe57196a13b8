// File speed: opening a 150-move game record and replaying it onto the board (from
// memory and from a file), and saving it, replacing the file each time.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "BenchMain.h"
#include "ScratchFolder.h"
#include "ViewPort.h"
#include "main/FileIo.h"
#include "main/Files.h"
#include "main/Port.h"
#include "main/Startup.h"
#include "main/State.h"

namespace {

// Draws into a real board view and hands out one path in every file dialog.
class BenchPort : public ViewPort {
public:
    void ShowErrorBox(const std::string& message) override { error = message; }
    bool RunFileDialog(FileDialogKind, const std::string&, const std::string&,
                       std::string& chosen) override
    {
        chosen = path;
        return true;
    }

    std::string error, path;
};

BenchPort* port;
std::string scratchDir;

using KifuImage = std::uint8_t[KifuFileSize];

// 150 distinct cells, row by row, and the record that holds them.
const KifuImage& Build150MoveRecord()
{
    static KifuImage image;
    FormCreate();
    int n = 0;
    for (int row = 1; row <= 15 && n < KifuMoveSlots; ++row)
        for (int column = 1; column <= 15 && n < KifuMoveSlots; ++column)
            MoveList[n++] = MakeCell(column, row);
    MoveList[n] = 0;
    KifuRecord.Info.Opening = 0;
    for (int i = 0; i < KifuMoveSlots; ++i)
        KifuRecord.Moves[i] = MoveList[i];
    EncodeKifuRecord(KifuRecord, image);
    return image;
}

void BM_OpenAndReplay150FromMemory(benchmark::State& state)
{
    const KifuImage& image = Build150MoveRecord();
    for (auto _ : state)
        benchmark::DoNotOptimize(OpenKifuImage(image));
    if (MoveCount != KifuMoveSlots)
        state.SkipWithError("the record did not replay");
}
BENCHMARK(BM_OpenAndReplay150FromMemory)->Unit(benchmark::kMicrosecond);

void BM_OpenAndReplay150FromFile(benchmark::State& state)
{
    const KifuImage& image = Build150MoveRecord();
    port->path = scratchDir + "/open150.kif";
    if (WriteWholeFile(port->path, image, KifuFileSize) != IoOk)
        state.SkipWithError("cannot write the record");
    for (auto _ : state)
        MnuOpenClick();
    if (MoveCount != KifuMoveSlots || !port->error.empty())
        state.SkipWithError("the record did not open");
}
BENCHMARK(BM_OpenAndReplay150FromFile)->Unit(benchmark::kMicrosecond);

// Each save replaces the file of the previous one: temporary file, sync, rename.
void BM_Save150(benchmark::State& state)
{
    Build150MoveRecord();
    port->path = scratchDir + "/save150.kif";
    for (auto _ : state)
        MnuSaveAsClick();
    if (!port->error.empty())
        state.SkipWithError(port->error.c_str());
}
BENCHMARK(BM_Save150)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    scratchDir = MakeScratchFolder();
    if (scratchDir.empty())
        return 1;
    BenchPort p;
    Window = port = &p;
    RunBenchmarks(argc, argv);
    unlink((scratchDir + "/open150.kif").c_str());
    unlink((scratchDir + "/save150.kif").c_str());
    rmdir(scratchDir.c_str());
    return 0;
}
