// The rules judge on mid-game positions from seeded random games played by the rules (no four
// and no open three left standing, black never on a forbidden point): every empty point judged for
// black, and a four-chase search for the side to move and for the other colour. Each position is
// its own benchmark, so the median and the slowest can be read off the list; the summary counters
// say how many points were forbidden and how many chases were found.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <vector>

#include "Renju/Renju.h"

namespace {

using Table = std::array<std::int32_t, CellTableSize>;

constexpr int PositionCount = 40;

bool MakesFive(Table& table, CellIndex cell, int colour)
{
    for (int step : {1, 15, 16, 17}) {
        int length = 1;
        for (CellIndex at = cell + step; table[at] == colour; at += step)
            ++length;
        for (CellIndex at = cell - step; table[at] == colour; at -= step)
            ++length;
        if (colour == CellBlack ? length == 5 : length >= 5)
            return true;
    }
    return false;
}

// Whether `colour` could make a five at once.
bool HasFivePoint(Table& table, int colour)
{
    for (CellIndex cell = 17; cell <= 255; ++cell) {
        if (!IsBoardCell(cell) || table[cell] != CellEmpty)
            continue;
        table[cell] = colour;
        const bool five = MakesFive(table, cell, colour);
        table[cell] = CellEmpty;
        if (five)
            return true;
    }
    return false;
}

// Whether `colour` could win with a single four (a straight four, say).
bool WinsWithOneFour(const Table& table, int colour)
{
    renju::ChaseLimits limits;
    limits.maxFours = 1;
    return renju::FindFourChase(table.data(), colour, limits).outcome == renju::ChaseOutcome::Found;
}

// A quiet game of `moves` moves near the stones already played: no fours and no open threes
// left unanswered, so that a chase has to be built.
Table MidGame(unsigned seed, int moves)
{
    Table table;
    table.fill(CellOffBoard);
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        if (IsBoardCell(cell))
            table[cell] = CellEmpty;
    std::mt19937 random(seed);
    table[MakeCell(8, 8)] = CellBlack;
    int colour = CellWhite;
    std::vector<CellIndex> stones{MakeCell(8, 8)};
    // A crowded board may have no quiet move left; the game then ends early.
    for (int played = 1, tries = 0; played < moves && tries < 20000; ++tries) {
        const CellIndex near = stones[random() % stones.size()];
        const int dx = static_cast<int>(random() % 5) - 2;
        const int dy = static_cast<int>(random() % 5) - 2;
        const int column = CellColumn(near) + dx;
        const int row = CellRow(near) + dy;
        if (column < 1 || column > 15 || row < 1 || row > 15)
            continue;
        const CellIndex cell = MakeCell(column, row);
        if (table[cell] != CellEmpty)
            continue;
        if (colour == CellBlack && renju::IsForbidden(table.data(), cell))
            continue;
        table[cell] = colour;
        if (HasFivePoint(table, colour) || WinsWithOneFour(table, colour)) {
            table[cell] = CellEmpty;
            continue;
        }
        stones.push_back(cell);
        colour = 3 - colour;
        ++played;
    }
    return table;
}

const std::vector<Table>& Positions()
{
    static const std::vector<Table> positions = [] {
        std::vector<Table> all;
        for (int i = 0; i < PositionCount; ++i)
            all.push_back(MidGame(1000 + i, 30 + i % 5 * 10)); // 30 to 70 stones
        return all;
    }();
    return positions;
}

int SideToMove(const Table& table)
{
    int black = 0, white = 0;
    for (std::int32_t cell : table) {
        black += cell == CellBlack;
        white += cell == CellWhite;
    }
    return black > white ? CellWhite : CellBlack;
}

void BM_AllForbiddenPoints(benchmark::State& state)
{
    const Table& table = Positions()[state.range(0)];
    renju::ForbiddenKind kinds[CellTableSize];
    int count = 0;
    for (auto _ : state) {
        count = renju::ForbiddenPoints(table.data(), kinds);
        benchmark::DoNotOptimize(kinds);
    }
    state.counters["forbidden"] = count;
}
BENCHMARK(BM_AllForbiddenPoints)->DenseRange(0, PositionCount - 1)->Unit(benchmark::kMicrosecond);

void FourChase(benchmark::State& state, bool sideToMove)
{
    const Table& table = Positions()[state.range(0)];
    const int side = SideToMove(table);
    const int attacker = sideToMove ? side : 3 - side;
    renju::ChaseResult result;
    for (auto _ : state) {
        result = renju::FindFourChase(table.data(), attacker);
        benchmark::DoNotOptimize(result);
    }
    state.counters["found"] = result.outcome == renju::ChaseOutcome::Found;
    state.counters["timed_out"] = result.outcome == renju::ChaseOutcome::TimedOut;
    state.counters["length"] = static_cast<double>(result.moves.size());
}

void BM_FourChaseSideToMove(benchmark::State& state)
{
    FourChase(state, true);
}
BENCHMARK(BM_FourChaseSideToMove)->DenseRange(0, PositionCount - 1)->Unit(benchmark::kMillisecond);

void BM_FourChaseOtherSide(benchmark::State& state)
{
    FourChase(state, false);
}
BENCHMARK(BM_FourChaseOtherSide)->DenseRange(0, PositionCount - 1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
