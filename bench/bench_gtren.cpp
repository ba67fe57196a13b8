// Threat analysis speed over a fixed corpus of positions from seeded random games: the
// four-block query after every move, the analysis alone, black's analysis where open threes
// send it into trials, and the bare scan, so the figures show where the time goes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "GtRen/GtRen.h"
#include "GtRen/detail/Scan.h"

namespace {

constexpr int MinimumPositions = 100000;
constexpr CellIndex Centre = 136;

// Games as move lists; each move is one position: the board up to and including that move,
// analysed for the colour that made it (black on even moves, white on odd ones).
struct Corpus {
    std::vector<CellIndex> moves;
    std::vector<std::size_t> gameStarts; // plus one final entry: moves.size()
    std::vector<bool> blackOpenThree;    // the move is black and its scan finds an open three
    std::size_t blackOpenThreeCount = 0;
    std::size_t trialCount = 0; // open-four points those threes send into trials
};

void ClearBoard()
{
    std::fill(std::begin(BoardCells), std::end(BoardCells), CellOffBoard);
    for (int row = 1; row <= BoardLines; ++row)
        for (int column = 1; column <= BoardLines; ++column)
            BoardCells[MakeCell(column, row)] = CellEmpty;
}

// Moves fall near the stones already played, as in real games, so lines fill up with fours
// and threes instead of scattered stones.
CellIndex NextMove(std::mt19937& random)
{
    CellIndex candidates[CellTableSize];
    int count = 0;
    for (CellIndex cell = 17; cell <= 255; ++cell) {
        if (!IsBoardCell(cell) || BoardCells[cell] != CellEmpty)
            continue;
        bool near = false;
        for (int dr = -2; dr <= 2 && !near; ++dr)
            for (int dc = -2; dc <= 2 && !near; ++dc) {
                const int column = CellColumn(cell) + dc;
                const int row = CellRow(cell) + dr;
                near = column >= 1 && column <= 15 && row >= 1 && row <= 15 &&
                       BoardCells[MakeCell(column, row)] > CellEmpty;
            }
        if (near)
            candidates[count++] = cell;
    }
    return count == 0 ? 0 : candidates[random() % count];
}

const Corpus& TheCorpus()
{
    static const Corpus corpus = [] {
        Corpus c;
        std::mt19937 random(20261210);
        std::uniform_int_distribution<int> length(20, 100);
        while (c.moves.size() < static_cast<std::size_t>(MinimumPositions)) {
            ClearBoard();
            c.gameStarts.push_back(c.moves.size());
            const int moves = length(random);
            for (int n = 0; n < moves; ++n) {
                const CellIndex cell = n == 0 ? Centre : NextMove(random);
                if (cell == 0)
                    break;
                const std::int32_t colour = n % 2 == 0 ? CellBlack : CellWhite;
                BoardCells[cell] = colour;
                c.moves.push_back(cell);
                bool trials = false;
                if (colour == CellBlack) {
                    AnalysisLevel = 0;
                    AnalysisColor = CellBlack;
                    AnalysisOrigin = cell;
                    ScanAllLines();
                    const ThreatRecord& record = ThreatLevels[0];
                    trials = record.OpenThreeCount > 0;
                    for (int t = 0; t < record.OpenThreeCount; ++t)
                        c.trialCount += record.OpenThrees[t].SecondEnd > 0 ? 2 : 1;
                }
                c.blackOpenThree.push_back(trials);
                c.blackOpenThreeCount += trials ? 1 : 0;
            }
        }
        c.gameStarts.push_back(c.moves.size());
        ClearBoard();
        return c;
    }();
    return corpus;
}

// Replays every game of the corpus move by move and hands each position to `visit`, which
// gets the move's index, cell and colour. The board is emptied again after each game.
template <typename Visit> void ForEachPosition(const Corpus& corpus, Visit visit)
{
    for (std::size_t g = 0; g + 1 < corpus.gameStarts.size(); ++g) {
        const std::size_t begin = corpus.gameStarts[g];
        const std::size_t end = corpus.gameStarts[g + 1];
        for (std::size_t i = begin; i < end; ++i) {
            const std::int32_t colour = (i - begin) % 2 == 0 ? CellBlack : CellWhite;
            BoardCells[corpus.moves[i]] = colour;
            visit(i, corpus.moves[i], colour);
        }
        for (std::size_t i = begin; i < end; ++i)
            BoardCells[corpus.moves[i]] = CellEmpty;
    }
}

void ReportPerCall(benchmark::State& state, std::size_t callsPerPass)
{
    const auto calls = static_cast<double>(callsPerPass);
    state.counters["calls"] = calls;
    state.counters["per_call"] = benchmark::Counter(
        calls, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// `visit` on every position of the corpus in each iteration, reported as calls of
// `callsPerPass` a pass.
template <typename Visit>
void TimePasses(benchmark::State& state, const Corpus& corpus, std::size_t callsPerPass,
                Visit visit)
{
    ClearBoard();
    for (auto _ : state)
        ForEachPosition(corpus, visit);
    ReportPerCall(state, callsPerPass);
}

// `visit` on the black moves with an open three only, reported as calls of those.
template <typename Visit>
void TimeBlackOpenThrees(benchmark::State& state, const Corpus& corpus, Visit visit)
{
    TimePasses(state, corpus, corpus.blackOpenThreeCount,
               [&corpus, &visit](std::size_t i, CellIndex cell, std::int32_t colour) {
                   if (corpus.blackOpenThree[i])
                       visit(cell, colour);
               });
}

// What replaying the corpus costs without any analysis: subtract it from the others.
void BM_ReplayOnly(benchmark::State& state)
{
    const Corpus& corpus = TheCorpus();
    TimePasses(state, corpus, corpus.moves.size(), [](std::size_t, CellIndex cell, std::int32_t) {
        benchmark::DoNotOptimize(BoardCells[cell]);
    });
}
BENCHMARK(BM_ReplayOnly)->Unit(benchmark::kMillisecond);

// The query as move entry runs it after every move, both colours.
void BM_FourBlockQuery(benchmark::State& state)
{
    const Corpus& corpus = TheCorpus();
    TimePasses(state, corpus, corpus.moves.size(),
               [](std::size_t, CellIndex cell, std::int32_t colour) {
                   SideToMove = colour;
                   benchmark::DoNotOptimize(FourBlockQuery(cell));
               });
}
BENCHMARK(BM_FourBlockQuery)->Unit(benchmark::kMillisecond);

void BM_AnalyseThreats(benchmark::State& state)
{
    const Corpus& corpus = TheCorpus();
    TimePasses(state, corpus, corpus.moves.size(),
               [](std::size_t, CellIndex cell, std::int32_t colour) {
                   AnalyseThreats(0, colour, cell);
                   benchmark::DoNotOptimize(ThreatLevels[0].FourCount);
               });
}
BENCHMARK(BM_AnalyseThreats)->Unit(benchmark::kMillisecond);

// Only the black moves with an open three, where every three's points are tried one level
// deeper: the dearest case.
void BM_AnalyseThreatsBlackOpenThrees(benchmark::State& state)
{
    const Corpus& corpus = TheCorpus();
    TimeBlackOpenThrees(state, corpus, [](CellIndex cell, std::int32_t colour) {
        AnalyseThreats(0, colour, cell);
        benchmark::DoNotOptimize(ThreatLevels[0].OpenThreeCount);
    });
    state.counters["trials_per_call"] =
        static_cast<double>(corpus.trialCount) / static_cast<double>(corpus.blackOpenThreeCount);
}
BENCHMARK(BM_AnalyseThreatsBlackOpenThrees)->Unit(benchmark::kMillisecond);

// The four-line scan alone on the same positions: what one level costs without trials.
void BM_ScanAllLinesBlackOpenThrees(benchmark::State& state)
{
    const Corpus& corpus = TheCorpus();
    TimeBlackOpenThrees(state, corpus, [](CellIndex cell, std::int32_t colour) {
        AnalysisLevel = 0;
        AnalysisColor = colour;
        AnalysisOrigin = cell;
        ScanAllLines();
        benchmark::DoNotOptimize(ThreatLevels[0].OpenThreeCount);
    });
}
BENCHMARK(BM_ScanAllLinesBlackOpenThrees)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
