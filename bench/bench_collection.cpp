// A generated RenjuNet database of 200,000 games (20 to 80 moves each, played near the
// stones already down): reading and indexing it, the peak memory that takes, a position
// search with its next-move table and a filter of the game list as the user types; then
// the same database opened through the index cache, first saving, then reusing the index.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QDir>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "Board/Coordinates.h"
#include "Collection/GameFilter.h"
#include "Collection/PositionIndex.h"
#include "Collection/Rif/RifReader.h"
#include "Collection/Sources/IndexCache.h"

namespace {

constexpr int GameCount = 200000;
const char* const Results[] = {"0", "0.5", "1"};

std::string WriteDatabase()
{
    const std::string path = QDir::tempPath().toStdString() + "/korvane_bench_collection.rif";
    std::FILE* file = std::fopen(path.c_str(), "w");
    std::mt19937 engine(21);
    auto random = [&engine] { return static_cast<unsigned>(engine()); };
    std::fprintf(file, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<database version=\"1\">\n");
    std::fprintf(file, "<openings>\n");
    for (int i = 1; i <= 26; ++i)
        std::fprintf(file, "<opening id=\"%d\" abbr=\"O%d\" name=\"Opening %d\"/>\n", i, i, i);
    std::fprintf(file, "</openings>\n<players>\n");
    for (int i = 1; i <= 3000; ++i)
        std::fprintf(file,
                     "<player id=\"%d\" name=\"Name%d\" surname=\"Surname%d\" country=\"1\"/>\n", i,
                     i, i);
    std::fprintf(file, "</players>\n<tournaments>\n");
    for (int i = 1; i <= 800; ++i)
        std::fprintf(file, "<tournament id=\"%d\" name=\"Cup %d\" year=\"%d\"/>\n", i, i,
                     1990 + i % 35);
    std::fprintf(file, "</tournaments>\n<games>\n");
    for (int g = 1; g <= GameCount; ++g) {
        bool taken[CellTableSize] = {};
        std::vector<CellIndex> moves{MakeCell(8, 8)};
        taken[moves[0]] = true;
        const int length = 20 + static_cast<int>(random() % 61);
        while (static_cast<int>(moves.size()) < length) {
            // Near any stone down: near the last few only can leave no empty point.
            const CellIndex near = moves[random() % moves.size()];
            const int column = CellColumn(near) + static_cast<int>(random() % 5) - 2;
            const int row = CellRow(near) + static_cast<int>(random() % 5) - 2;
            const CellIndex cell = MakeCell(column, row);
            if (column < 1 || column > 15 || row < 1 || row > 15 || taken[cell])
                continue;
            taken[cell] = true;
            moves.push_back(cell);
        }
        std::string text;
        for (CellIndex cell : moves)
            text += (text.empty() ? "" : " ") + CellName(cell);
        std::fprintf(file,
                     "<game id=\"%d\" publisher=\"1\" tournament=\"%u\" round=\"1\" rule=\"1\" "
                     "black=\"%u\" white=\"%u\" bresult=\"%s\" btime=\"0\" wtime=\"0\" "
                     "opening=\"%u\" alt=\"0\" swap=\"0\"><move>%s</move><info></info></game>\n",
                     g, 1 + random() % 800, 1 + random() % 3000, 1 + random() % 3000,
                     Results[random() % 3], 1 + random() % 26, text.c_str());
    }
    std::fprintf(file, "</games>\n</database>\n");
    std::fclose(file);
    return path;
}

struct Loaded {
    Collection collection;
    PositionIndex index;
};

// Opening through the cache: the first time hashes, reads, indexes and saves; the second
// hashes and reads the saved index back.
void ReportCache(const std::string& path)
{
    const std::string cache = QDir::tempPath().toStdString() + "/korvane_bench_index_cache";
    QDir(QString::fromStdString(cache)).removeRecursively();
    for (const char* pass : {"first open, saved", "reopened from the cache"}) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        IndexedCollection opened;
        OpenIndexedCollection(path, cache, opened);
        std::fprintf(
            stderr, "%s: %s, %.0f ms (processor %.0f ms), %zu positions\n", pass,
            opened.fromCache ? "reused" : "built",
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count(),
            1000.0 * (std::clock() - cpuStart) / CLOCKS_PER_SEC, opened.index.Size());
    }
    QDir(QString::fromStdString(cache)).removeRecursively();
}

Loaded& TheDatabase()
{
    static Loaded* loaded = [] {
        const std::string path = WriteDatabase();
        auto* l = new Loaded;
        // Processor time as well as wall time: the machine may be shared.
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        const RifReadResult read = ReadRifFile(path, l->collection);
        const auto readDone = std::chrono::steady_clock::now();
        const std::clock_t cpuRead = std::clock();
        l->index.Build(l->collection);
        const auto indexed = std::chrono::steady_clock::now();
        const std::clock_t cpuIndexed = std::clock();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::fprintf(stderr, "processor time: read %.0f ms, indexed %.0f ms\n",
                     1000.0 * (cpuRead - cpuStart) / CLOCKS_PER_SEC,
                     1000.0 * (cpuIndexed - cpuRead) / CLOCKS_PER_SEC);
        std::fprintf(stderr,
                     "%s: %zu games, %zu positions; read %.0f ms, indexed %.0f ms; index %zu MB, "
                     "peak resident %ld MB\n",
                     read.ok ? "read" : read.message.c_str(), l->collection.games.size(),
                     l->index.Size(),
                     std::chrono::duration<double, std::milli>(readDone - start).count(),
                     std::chrono::duration<double, std::milli>(indexed - readDone).count(),
                     l->index.MemoryBytes() >> 20, usage.ru_maxrss / 1024);
        ReportCache(path);
        std::remove(path.c_str());
        return l;
    }();
    return *loaded;
}

// The position after `ply` moves of every 997th game.
std::vector<SearchPosition> Positions(int ply)
{
    const Loaded& db = TheDatabase();
    std::vector<SearchPosition> positions;
    for (std::size_t g = 0; g < db.collection.games.size(); g += 997) {
        SearchPosition p;
        const std::uint8_t* moves = db.collection.MovesOf(db.collection.games[g]);
        for (int i = 0; i < ply; ++i)
            p.cells[moves[i]] = i % 2 ? CellWhite : CellBlack;
        p.toMove = SideToMoveOf(p.cells);
        positions.push_back(p);
    }
    return positions;
}

void BM_ReadAndIndex(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(TheDatabase().index.Size());
}
BENCHMARK(BM_ReadAndIndex)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Search(benchmark::State& state)
{
    const Loaded& db = TheDatabase();
    const std::vector<SearchPosition> positions = Positions(static_cast<int>(state.range(0)));
    std::size_t i = 0;
    std::size_t games = 0;
    for (auto _ : state) {
        const SearchResult result =
            db.index.Search(db.collection, positions[i++ % positions.size()]);
        games += result.games.size();
    }
    state.counters["games_found"] =
        benchmark::Counter(static_cast<double>(games), benchmark::Counter::kAvgIterations);
}
// The empty board and h8 alone match every game.
BENCHMARK(BM_Search)->Arg(0)->Arg(1)->Arg(3)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_Filter(benchmark::State& state)
{
    const Loaded& db = TheDatabase();
    const char* typed[] = {"n", "na", "nam", "name1", "name12", "name123"};
    std::size_t i = 0;
    for (auto _ : state) {
        GameFilter filter;
        filter.player = typed[i++ % 6];
        filter.year = state.range(0) ? 2000 : 0;
        benchmark::DoNotOptimize(FilterGames(db.collection, filter).size());
    }
}
BENCHMARK(BM_Filter)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
