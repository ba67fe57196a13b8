#include "Collection/PositionIndex.h"

#include <algorithm>
#include <array>

#include "Collection/Symmetry.h"

namespace {

struct Tables {
    // Zobrist keys of a stone in the canonical frame, and of white to move.
    std::uint64_t stone[3][CellTableSize] = {};
    std::uint64_t whiteToMove = 0;
    // The cell each symmetry takes a cell to.
    std::uint8_t image[SymmetryCount][CellTableSize] = {};
    // The key of a stone of each colour under each symmetry: stone[c][image[s][cell]].
    std::uint64_t keyed[SymmetryCount][3][CellTableSize] = {};
};

// Fixed keys, so a saved index means the same in every run.
const Tables& TheTables()
{
    static const Tables tables = [] {
        Tables t;
        std::uint64_t state = 0x4b6f7276616e6521ull;
        auto next = [&state] {
            std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
            return z ^ (z >> 31);
        };
        for (int colour : {CellBlack, CellWhite})
            for (CellIndex cell = 0; cell < CellTableSize; ++cell)
                if (IsBoardCell(cell))
                    t.stone[colour][cell] = next();
        t.whiteToMove = next();
        for (int s = 0; s < SymmetryCount; ++s)
            for (CellIndex cell = 0; cell < CellTableSize; ++cell)
                if (IsBoardCell(cell)) {
                    const CellIndex to = ApplySymmetry(s, cell);
                    t.image[s][cell] = static_cast<std::uint8_t>(to);
                    for (int colour : {CellBlack, CellWhite})
                        t.keyed[s][colour][cell] = t.stone[colour][to];
                }
        return t;
    }();
    return tables;
}

struct CanonicalKey {
    std::uint64_t key;
    int symmetry;
};

CanonicalKey Smallest(const std::array<std::uint64_t, SymmetryCount>& keys, std::uint64_t side)
{
    CanonicalKey best{keys[0] ^ side, 0};
    for (int s = 1; s < SymmetryCount; ++s)
        if ((keys[s] ^ side) < best.key)
            best = {keys[s] ^ side, s};
    return best;
}

} // namespace

Colour SideToMoveOf(const std::int32_t (&cells)[CellTableSize])
{
    int black = 0;
    int white = 0;
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        if (IsBoardCell(cell)) {
            black += cells[cell] == CellBlack;
            white += cells[cell] == CellWhite;
        }
    return black == white ? Colour::Black : Colour::White;
}

bool PositionIndex::Build(const Collection& collection, const IndexProgress& progress)
{
    const Tables& t = TheTables();
    entries.clear();
    std::uint64_t total = 0;
    const std::uint32_t gameCount =
        static_cast<std::uint32_t>(std::min<std::size_t>(collection.games.size(), MaxGames));
    for (std::uint32_t g = 0; g < gameCount; ++g)
        if (!collection.games[g].damaged)
            total += collection.games[g].moveCount + 1u;
    entries.shrink_to_fit();
    entries.reserve(total);

    for (std::uint32_t g = 0; g < gameCount; ++g) {
        const CollectionGame& game = collection.games[g];
        if (game.damaged)
            continue;
        if (progress && g % 4096 == 0 && !progress(entries.size(), total)) {
            entries = {};
            return false;
        }
        const std::uint8_t* moves = collection.MovesOf(game);
        std::array<std::uint64_t, SymmetryCount> keys{};
        for (int ply = 0;; ++ply) {
            const CanonicalKey k = Smallest(keys, (ply & 1) ? t.whiteToMove : 0);
            entries.push_back({static_cast<std::uint32_t>(k.key >> 32),
                               static_cast<std::uint32_t>(k.key),
                               g << 11 | static_cast<std::uint32_t>(ply) << 3 |
                                   static_cast<std::uint32_t>(k.symmetry)});
            if (ply == game.moveCount)
                break;
            const int colour = (ply & 1) ? CellWhite : CellBlack;
            for (int s = 0; s < SymmetryCount; ++s)
                keys[s] ^= t.keyed[s][colour][moves[ply]];
        }
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.keyHigh != b.keyHigh ? a.keyHigh < b.keyHigh : a.keyLow < b.keyLow;
    });
    if (progress && !progress(total, total)) {
        entries = {};
        return false;
    }
    return true;
}

SearchResult PositionIndex::Search(const Collection& collection,
                                   const SearchPosition& position) const
{
    const Tables& t = TheTables();
    std::array<std::uint64_t, SymmetryCount> keys{};
    for (CellIndex cell = 0; cell < CellTableSize; ++cell) {
        const int colour = position.cells[cell];
        if (IsBoardCell(cell) && (colour == CellBlack || colour == CellWhite))
            for (int s = 0; s < SymmetryCount; ++s)
                keys[s] ^= t.keyed[s][colour][cell];
    }
    const std::uint64_t side = position.toMove == Colour::White ? t.whiteToMove : 0;
    const CanonicalKey query = Smallest(keys, side);
    // Each symmetry that gives the smallest key, followed by the way back, is one of the
    // searched position's own symmetries: a next move and its images under them are the
    // same move.
    std::vector<int> own;
    for (int s = 0; s < SymmetryCount; ++s)
        if ((keys[s] ^ side) == query.key)
            own.push_back(s);
    const int back = InverseSymmetry(query.symmetry);

    const Entry probe{static_cast<std::uint32_t>(query.key >> 32),
                      static_cast<std::uint32_t>(query.key), 0};
    const auto less = [](const Entry& a, const Entry& b) {
        return a.keyHigh != b.keyHigh ? a.keyHigh < b.keyHigh : a.keyLow < b.keyLow;
    };
    const auto [first, last] = std::equal_range(entries.begin(), entries.end(), probe, less);

    SearchResult result;
    NextMove table[CellTableSize] = {};
    result.games.reserve(static_cast<std::size_t>(last - first));
    for (auto it = first; it != last; ++it) {
        const std::uint32_t g = it->packed >> 11;
        const int ply = (it->packed >> 3) & 0xff;
        const int symmetry = it->packed & 7;
        result.games.push_back(g);
        const CollectionGame& game = collection.games[g];
        if (ply >= game.moveCount)
            continue;
        // Game frame → canonical frame → the searched board's frame.
        const CellIndex played = collection.MovesOf(game)[ply];
        const CellIndex here = t.image[back][t.image[symmetry][played]];
        CellIndex cell = here;
        for (int s : own)
            cell = std::min<CellIndex>(cell, t.image[back][t.image[s][here]]);
        NextMove& move = table[cell];
        ++move.games;
        if (game.result != ResultUnknown) {
            ++move.scored;
            move.blackHalfPoints += static_cast<std::uint32_t>(game.result);
        }
    }
    // A game reaches a position at one ply only, so entries never repeat a game; sorting
    // keeps the list in the collection's order.
    std::sort(result.games.begin(), result.games.end());
    result.games.erase(std::unique(result.games.begin(), result.games.end()), result.games.end());
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        if (table[cell].games) {
            table[cell].cell = cell;
            result.nextMoves.push_back(table[cell]);
        }
    std::stable_sort(result.nextMoves.begin(), result.nextMoves.end(),
                     [](const NextMove& a, const NextMove& b) { return a.games > b.games; });
    return result;
}
