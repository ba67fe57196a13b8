#include "Collection/PositionIndex.h"

#include <algorithm>
#include <array>

#include "Board/Symmetry.h"

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

bool PositionIndex::Less(const Entry& a, const Entry& b)
{
    return a.keyHigh != b.keyHigh ? a.keyHigh < b.keyHigh : a.keyLow < b.keyLow;
}

Colour SideToMoveOf(const std::int32_t (&cells)[CellTableSize], int movesPlayed)
{
    if (movesPlayed > 0)
        return movesPlayed % 2 ? Colour::White : Colour::Black;
    int black = 0;
    int white = 0;
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        if (IsBoardCell(cell)) {
            black += cells[cell] == CellBlack;
            white += cells[cell] == CellWhite;
        }
    return black > white ? Colour::White : Colour::Black;
}

namespace {

// Calls `each(key, symmetry, ply)` for every indexed position of a sound game.
template <typename Each>
void ForEachPosition(const Collection& collection, const CollectionGame& game, Each each)
{
    const Tables& t = TheTables();
    const std::uint8_t* moves = collection.MovesOf(game);
    std::array<std::uint64_t, SymmetryCount> keys{};
    // The set-up's stones of each colour: its side to move, as SideToMoveOf gives it.
    int stones[3] = {};
    for (int ply = 0;; ++ply) {
        if (ply >= game.setup) {
            const bool white = ply > game.setup ? (ply - game.setup) % 2 == 1
                                                : stones[CellBlack] > stones[CellWhite];
            const CanonicalKey k = Smallest(keys, white ? t.whiteToMove : 0);
            each(k.key, k.symmetry, ply);
        }
        if (ply == game.moveCount)
            break;
        const int colour = (ply & 1) ? CellWhite : CellBlack;
        if (moves[ply] != 0) { // a pass places nothing
            ++stones[colour];
            for (int s = 0; s < SymmetryCount; ++s)
                keys[s] ^= t.keyed[s][colour][moves[ply]];
        }
    }
}

// The entries are laid out by the top bits of their keys first, so that sorting is of many
// small runs and no second array of entries is ever needed.
constexpr int BucketBits = 16;

} // namespace

bool PositionIndex::Build(const Collection& collection, const IndexProgress& progress)
{
    entries = {};
    const std::uint32_t gameCount =
        static_cast<std::uint32_t>(std::min<std::size_t>(collection.games.size(), MaxGames));
    std::uint64_t total = 0;
    for (std::uint32_t g = 0; g < gameCount; ++g)
        if (!collection.games[g].damaged)
            total += collection.games[g].moveCount + 1u -
                     std::min(collection.games[g].setup, collection.games[g].moveCount);
    // Two passes over the games (counting, then placing) and the sort: 3 × total in all.
    auto cancelled = [&](std::uint64_t done) {
        if (!progress || progress(done, 3 * total))
            return false;
        entries = {};
        return true;
    };

    std::uint64_t done = 0;
    // Both passes visit the sound games in order; false when cancelled between two of them.
    auto eachGame = [&](const auto& visit) {
        for (std::uint32_t g = 0; g < gameCount; ++g) {
            const CollectionGame& game = collection.games[g];
            if (game.damaged)
                continue;
            if (g % 4096 == 0 && cancelled(done))
                return false;
            visit(g, game);
        }
        return true;
    };

    std::vector<std::uint64_t> next(std::size_t{1} << BucketBits, 0);
    const bool counted = eachGame([&](std::uint32_t, const CollectionGame& game) {
        ForEachPosition(collection, game, [&](std::uint64_t key, int, int) {
            ++next[key >> (64 - BucketBits)];
            ++done;
        });
    });
    if (!counted)
        return false;
    std::vector<std::uint64_t> bucketStart(next.size() + 1, 0);
    for (std::size_t b = 0; b < next.size(); ++b)
        bucketStart[b + 1] = bucketStart[b] + next[b];
    std::copy(bucketStart.begin(), bucketStart.end() - 1, next.begin());

    entries.resize(total);
    const bool placed = eachGame([&](std::uint32_t g, const CollectionGame& game) {
        const std::uint8_t* moves = collection.MovesOf(game);
        const std::uint32_t resultCode =
            game.result == ResultUnknown ? 3u : static_cast<std::uint32_t>(game.result);
        ForEachPosition(collection, game, [&](std::uint64_t key, int symmetry, int ply) {
            const std::uint32_t played = ply < game.moveCount ? moves[ply] : 0;
            entries[next[key >> (64 - BucketBits)]++] = {
                static_cast<std::uint32_t>(key >> 32),
                (static_cast<std::uint32_t>(key) & ~3u) | resultCode,
                g << 11 | played << 3 | static_cast<std::uint32_t>(symmetry)};
            ++done;
        });
    });
    if (!placed || cancelled(2 * total))
        return false;
    for (std::size_t b = 0; b + 1 < bucketStart.size(); ++b)
        std::sort(entries.begin() + static_cast<std::ptrdiff_t>(bucketStart[b]),
                  entries.begin() + static_cast<std::ptrdiff_t>(bucketStart[b + 1]), Less);
    return !cancelled(3 * total);
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

    // The key's two low bits hold the game's result: the position is the whole run of them.
    const auto high = static_cast<std::uint32_t>(query.key >> 32);
    const auto low = static_cast<std::uint32_t>(query.key) & ~3u;
    const auto first = std::lower_bound(entries.begin(), entries.end(), Entry{high, low, 0}, Less);
    const auto last = std::upper_bound(first, entries.end(), Entry{high, low | 3u, 0}, Less);

    SearchResult result;
    NextMove table[CellTableSize] = {};
    // The games as bits, so the list comes out in the collection's order without a sort.
    std::vector<std::uint64_t> found((collection.games.size() + 63) / 64);
    for (auto it = first; it != last; ++it) {
        const std::uint32_t g = it->packed >> 11;
        const CellIndex played = (it->packed >> 3) & 0xff;
        const int symmetry = it->packed & 7;
        const std::uint32_t resultCode = it->keyLow & 3u;
        found[g / 64] |= std::uint64_t{1} << (g % 64);
        if (played == 0)
            continue;
        // Game frame → canonical frame → the searched board's frame.
        const CellIndex here = t.image[back][t.image[symmetry][played]];
        CellIndex cell = here;
        for (int s : own)
            cell = std::min<CellIndex>(cell, t.image[back][t.image[s][here]]);
        NextMove& move = table[cell];
        ++move.games;
        if (resultCode != 3u) {
            ++move.scored;
            move.blackHalfPoints += resultCode;
        }
    }
    for (std::size_t w = 0; w < found.size(); ++w)
        for (std::uint64_t bits = found[w]; bits; bits &= bits - 1)
            result.games.push_back(static_cast<std::uint32_t>(w * 64 + __builtin_ctzll(bits)));
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        if (table[cell].games) {
            table[cell].cell = cell;
            result.nextMoves.push_back(table[cell]);
        }
    std::stable_sort(result.nextMoves.begin(), result.nextMoves.end(),
                     [](const NextMove& a, const NextMove& b) { return a.games > b.games; });
    return result;
}

bool PositionIndex::WriteBytes(
    const std::function<bool(const char* from, std::size_t size)>& write) const
{
    return write(reinterpret_cast<const char*>(entries.data()), ByteSize());
}

bool PositionIndex::ReadBytes(const std::function<bool(char* into, std::size_t size)>& fill,
                              std::size_t size, std::size_t gameCount)
{
    entries = {};
    if (size % sizeof(Entry) != 0)
        return false;
    std::vector<Entry> read(size / sizeof(Entry));
    if (size && !fill(reinterpret_cast<char*>(read.data()), size))
        return false;
    // A search trusts its entries: every game and cell must be one it can look up, and the
    // keys in order.
    for (std::size_t i = 0; i < read.size(); ++i) {
        const CellIndex next = (read[i].packed >> 3) & 0xff;
        if ((read[i].packed >> 11) >= gameCount || (next != 0 && !IsBoardCell(next)) ||
            (i > 0 && Less(read[i], read[i - 1])))
            return false;
    }
    entries = std::move(read);
    return true;
}
