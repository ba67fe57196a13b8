// Opening and saving RenLib libraries of 40,000 and 1,000,000 nodes, and going to any
// node of one. Targets: 40,000 nodes open and save under 20 ms each; 1,000,000 open under
// 0.5 s with under 64 bytes a node besides its text; going to a node under 1 ms, in the
// tree alone and in the editor, whose board, numbers and buttons follow.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <random>

#include "Record/LibFormat.h"
#include "main/NullPort.h"
#include "main/Startup.h"
#include "main/Variations.h"

namespace {

// A library like the community's: random branching, a comment on one node in four (in
// CP932), board text on one in twenty. Written once and read back, so that it is in the
// order RenLib keeps.
std::string MakeLibrary(int nodes, bool withText = true)
{
    std::mt19937 rng(18);
    Record r;
    std::vector<NodeId> ids{r.tree.Root()};
    ids.reserve(static_cast<std::size_t>(nodes) + 1);
    const std::string comments[] = {"黒の勝ち", "白よし", "有力な変化\n三々からの四追い", "VCF"};
    while (static_cast<int>(ids.size()) <= nodes) {
        // Mostly deepen a recent line, sometimes branch anywhere.
        std::size_t back =
            rng() % 4 == 0 ? rng() % ids.size() : ids.size() - 1 - rng() % 3 % ids.size();
        NodeId parent = ids[back];
        CellIndex move =
            MakeCell(1 + static_cast<int>(rng() % 15), 1 + static_cast<int>(rng() % 15));
        if (r.tree.FindChild(parent, move) != NoNode || r.tree.Depth(parent) > 60)
            continue;
        NodeId n = r.tree.AppendChild(parent, move);
        ids.push_back(n);
        if (!withText)
            continue;
        if (ids.size() % 4 == 0)
            r.tree.SetComment(n, comments[rng() % 4], ids.size() % 8 == 0 ? "解説\n二行目" : "");
        if (ids.size() % 20 == 0)
            r.tree.SetBoardText(n, "A");
    }
    std::string first = *WriteLib(r).bytes;
    return *WriteLib(*ReadLib(first).record).bytes;
}

const std::string& Library(int nodes)
{
    static std::string small = MakeLibrary(40000);
    static std::string large;
    if (nodes == 40000)
        return small;
    if (large.empty())
        large = MakeLibrary(1000000);
    return large;
}

void BM_OpenLibrary(benchmark::State& state)
{
    const std::string& bytes = Library(static_cast<int>(state.range(0)));
    std::size_t nodes = 0;
    for (auto _ : state) {
        RecordRead r = ReadLib(bytes);
        nodes = r.record->tree.NodeCount();
        benchmark::DoNotOptimize(r);
    }
    // What one read library holds in memory, text included.
    auto inUse = [] {
        struct mallinfo2 m = mallinfo2();
        return m.uordblks + m.hblkhd; // small blocks and mapped ones
    };
    std::size_t before = inUse();
    RecordRead kept = ReadLib(bytes);
    std::size_t after = inUse();
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
    state.counters["bytes_per_node"] =
        static_cast<double>(after - before) / static_cast<double>(kept.record->tree.NodeCount());
}
BENCHMARK(BM_OpenLibrary)->Arg(40000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The same shape with no text at all: what a node costs by itself.
void BM_OpenLibraryWithoutText(benchmark::State& state)
{
    static const std::string bytes = MakeLibrary(1000000, false);
    auto inUse = [] {
        struct mallinfo2 m = mallinfo2();
        return m.uordblks + m.hblkhd;
    };
    for (auto _ : state) {
        const std::size_t before = inUse();
        RecordRead r = ReadLib(bytes);
        const std::size_t after = inUse();
        state.counters["bytes_per_node"] =
            static_cast<double>(after - before) / static_cast<double>(r.record->tree.NodeCount());
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_OpenLibraryWithoutText)->Unit(benchmark::kMillisecond);

void BM_SaveLibrary(benchmark::State& state)
{
    Record r = *ReadLib(Library(static_cast<int>(state.range(0)))).record;
    for (auto _ : state) {
        RecordWrite w = WriteLib(r);
        benchmark::DoNotOptimize(w);
    }
}
BENCHMARK(BM_SaveLibrary)->Arg(40000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_GoToAnyNode(benchmark::State& state)
{
    Record r = *ReadLib(Library(40000)).record;
    std::mt19937 rng(7);
    std::vector<CellIndex> line;
    line.reserve(256);
    NodeId count = static_cast<NodeId>(r.tree.NodeCount());
    for (auto _ : state) {
        r.tree.GoTo(static_cast<NodeId>(rng() % static_cast<unsigned>(count)));
        r.tree.CurrentLine(line);
        benchmark::DoNotOptimize(line.data());
    }
}
BENCHMARK(BM_GoToAnyNode)->Unit(benchmark::kMicrosecond);

// The editor with the library open: the board taken back to where the paths part and the
// new path replayed, with its replay tail along first children. Only nodes whose path
// puts each stone on its own point are chosen (the generator does not avoid repeats,
// and such a node cannot be shown).
void BM_EditorGoesToAnyNode(benchmark::State& state)
{
    NullPort window;
    Window = &window;
    FormCreate();
    std::string message;
    OpenTreeRecord(*ReadLib(Library(40000)).record, "bench.lib", message);
    const RecordTree& t = EditorRecord.tree;
    std::vector<NodeId> showable;
    for (NodeId id = 1; id < static_cast<NodeId>(t.NodeCount()); ++id) {
        bool seen[256] = {};
        bool fits = true;
        for (NodeId n = id; n != t.Root() && fits; n = t.Node(n).parent) {
            fits = !seen[t.Node(n).move];
            seen[t.Node(n).move] = true;
        }
        if (fits)
            showable.push_back(id);
    }
    std::mt19937 rng(7);
    long depthSum = 0;
    for (auto _ : state) {
        const NodeId id = showable[rng() % showable.size()];
        GoToNode(id);
        depthSum += t.Depth(id);
    }
    state.counters["showable"] = static_cast<double>(showable.size());
    state.counters["mean_depth"] =
        static_cast<double>(depthSum) / static_cast<double>(state.iterations());
    Window = nullptr;
}
BENCHMARK(BM_EditorGoesToAnyNode)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
