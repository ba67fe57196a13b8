// Commands through the real main window (offscreen, shown, as the program runs it):
// opening a 150-move game record and replaying it, from the menu with the file and from
// memory, and going to the end of a 225-move record; the tree panel laying out trees of
// 40,000 and 1,000,000 nodes, as it does when the tree changes shape while it is shown.
// The window's repaint runs between iterations, outside the measured time.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <string>

#include <unistd.h>

#include "ScratchFolder.h"
#include "StTaikyoku/StTaikyoku.h"
#include "forms/FomKifu.h"
#include "forms/Fonts.h"
#include "forms/TreePanel.h"
#include "main/FileIo.h"
#include "main/Files.h"
#include "main/Geometry.h"
#include "main/KifuFile.h"
#include "main/Moves.h"
#include "main/Startup.h"
#include "main/State.h"

namespace {

TFomKifu* window;
std::string scratchDir;

void Press(int column, int row)
{
    ImgBanMouseDown(MouseButton::Left, ViewCellX(column) + ViewCell / 2,
                    ViewCellY(row) + ViewCell / 2);
}

// Lets the window paint what the last command changed, untimed.
void Repaint(benchmark::State& state)
{
    state.PauseTiming();
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

// 150 distinct cells, row by row, without an opening.
void Build150MoveRecord(std::uint8_t (&image)[KifuFileSize])
{
    KifuRecordLayout record{};
    int n = 0;
    for (int row = 1; row <= 15 && n < KifuMoveSlots; ++row)
        for (int column = 1; column <= 15 && n < KifuMoveSlots; ++column)
            record.Moves[n++] = MakeCell(column, row);
    EncodeKifuRecord(record, image);
}

void BM_WindowOpenAndReplay150FromFile(benchmark::State& state)
{
    static std::uint8_t image[KifuFileSize];
    Build150MoveRecord(image);
    const std::string path = scratchDir + "/open150.kif";
    if (WriteWholeFile(path, image, KifuFileSize) != IoOk)
        state.SkipWithError("cannot write the record");
    window->Dialogs.fileDialog = [path](FileDialogKind, const std::string&, const std::string&,
                                        std::string& chosen) {
        chosen = path;
        return true;
    };
    for (auto _ : state) {
        MnuOpenClick();
        Repaint(state);
    }
    window->Dialogs.fileDialog = nullptr;
    if (MoveCount != KifuMoveSlots)
        state.SkipWithError("the record did not open");
    unlink(path.c_str());
}
BENCHMARK(BM_WindowOpenAndReplay150FromFile)->Unit(benchmark::kMicrosecond);

void BM_WindowOpenAndReplay150FromMemory(benchmark::State& state)
{
    static std::uint8_t image[KifuFileSize];
    Build150MoveRecord(image);
    for (auto _ : state) {
        OpenKifuImage(image);
        Repaint(state);
    }
    if (MoveCount != KifuMoveSlots)
        state.SkipWithError("the record did not open");
}
BENCHMARK(BM_WindowOpenAndReplay150FromMemory)->Unit(benchmark::kMicrosecond);

// From the first move to the 225th with the forward-to-the-end button.
void BM_WindowGoToEnd225(benchmark::State& state)
{
    FormCreate();
    for (int row = 1; row <= 15; ++row)
        for (int column = 1; column <= 15; ++column)
            Press(column, row);
    for (auto _ : state) {
        state.PauseTiming();
        BitBackAllClick();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        BitGoAllClick();
        Repaint(state);
    }
    if (MoveCount != 225)
        state.SkipWithError("the record did not replay");
}
BENCHMARK(BM_WindowGoToEnd225)->Unit(benchmark::kMicrosecond);

// Three variations at every node, breadth first, until the tree has `nodes` nodes.
void BM_TreePanelLayout(benchmark::State& state)
{
    const auto nodes = static_cast<std::size_t>(state.range(0));
    RecordTree tree(nodes + 1);
    for (NodeId parent = 0; tree.NodeCount() < nodes; ++parent)
        for (int k = 0; k < 3 && tree.NodeCount() < nodes; ++k)
            tree.AppendChild(parent, MakeCell(1 + (parent + k) % 15, 1 + k));
    TreePanel panel;
    panel.show();
    for (auto _ : state) {
        panel.SetTree(tree, true);
        Repaint(state);
    }
}
BENCHMARK(BM_TreePanelLayout)->Arg(40000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    scratchDir = MakeScratchFolder();
    if (scratchDir.empty())
        return 1;
    auto main = std::make_unique<TFomKifu>();
    window = main.get();
    Set_Taikyoku = new TSet_Taikyoku(window);
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    main.reset();
    Set_Taikyoku = nullptr;
    rmdir(scratchDir.c_str());
    return 0;
}
