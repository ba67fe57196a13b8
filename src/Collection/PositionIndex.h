// The position index of a collection: every position of every sound game, keyed by a hash
// that is the same in all eight symmetries of the board (the smallest of the position's
// eight Zobrist keys), with the symmetry that gave it kept beside it so a game's next move
// can be mapped back into the orientation of the board searched. Plain C++, no Qt.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "Board/Cell.h"
#include "Collection/Collection.h"

// What is searched: the stones, and the side to move.
struct SearchPosition {
    std::int32_t cells[CellTableSize] = {}; // CellEmpty, CellBlack or CellWhite
    Colour toMove = Colour::Black;
};

// The side to move of a position: with moves played since the stones were set up, by their
// count, black first (as a record's moves are replayed after its set-up); with none, by the
// stone counts: white when black has more stones, as the editor proposes. An index asks the
// same of every position of its games.
Colour SideToMoveOf(const std::int32_t (&cells)[CellTableSize], int movesPlayed = 0);

struct NextMove {
    CellIndex cell = 0;       // in the searched board's orientation
    std::uint32_t games = 0;  // games that played it
    std::uint32_t scored = 0; // of those, games with a known result
    std::uint32_t blackHalfPoints = 0;

    // Black's score over the scored games, 0..1; 0 when none is scored.
    double BlackScore() const { return scored ? blackHalfPoints / (2.0 * scored) : 0.0; }
};

struct SearchResult {
    std::vector<std::uint32_t> games; // indexes into Collection::games, ascending
    std::vector<NextMove> nextMoves;  // most played first, then by cell
};

// Called now and then while an index is built with the work done and the whole; returning
// false cancels.
using IndexProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

class PositionIndex {
public:
    // Indexes the collection's sound games. False when cancelled (the index is then empty).
    bool Build(const Collection& collection, const IndexProgress& progress = {});

    // The games that reach the position by any move order in any orientation, and the
    // moves played next. A game counts once however many orientations match; its next
    // move counts once, at the first cell (in CellIndex order) among the points the
    // position's own symmetries make equal to it.
    SearchResult Search(const Collection& collection, const SearchPosition& position) const;

    std::size_t Size() const { return entries.size(); }

    // The entries as bytes, for a saved index, handed to `write` in one piece; and back:
    // `read` fills `size` bytes straight into the index. False, with the index empty, when it fails
    // or the bytes are not an index of a collection of `gameCount` games. Only the build that wrote
    // them reads them (the saved file names its version).
    bool WriteBytes(const std::function<bool(const char* from, std::size_t size)>& write) const;
    std::size_t ByteSize() const { return entries.size() * sizeof(Entry); }
    bool ReadBytes(const std::function<bool(char* into, std::size_t size)>& read, std::size_t size,
                   std::size_t gameCount);
    std::size_t MemoryBytes() const { return entries.capacity() * sizeof(Entry); }

    // At most this many games can be indexed (an entry packs the game into 21 bits).
    static constexpr std::uint32_t MaxGames = (1u << 21) - 1;

private:
    // 12 bytes, not 16: the key in two halves keeps the array 4-byte aligned. A search
    // reads nothing but its entries: the key's two low bits are the game's result (3 for
    // none), and the entry holds the move played next.
    struct Entry {
        std::uint32_t keyHigh;
        std::uint32_t keyLow;
        // game << 11 | next cell << 3 | symmetry; the next cell is 0 where the game ends or
        // passes
        std::uint32_t packed;
    };
    static bool Less(const Entry& a, const Entry& b);
    std::vector<Entry> entries;
};
