// The four-chase search's own board: the position, its key for recognising it when met
// again, and the stones of each colour in every run of five cells, kept up to date as
// stones are tried and taken back. Fours, fives and five points are read from the runs, and
// a black stone that cannot be forbidden is told apart without the judge.
#pragma once

#include <cstdint>
#include <cstring>

#include "Board/Cell.h"
#include "Renju/Position.h"

namespace renju {

// Every run of five board cells along a line (a four is made on one of them or not at all),
// numbered line after line and along each line, so that the runs through a cell in one line
// are neighbours: first[cell][d] and the next count[cell][d] - 1. Made by the compiler.
constexpr int WindowCount = 2 * 15 * 11 + 2 * 11 * 11;

struct WindowTable {
    CellIndex cells[WindowCount][5] = {};
    std::int16_t first[CellTableSize][LineDirections] = {};
    std::uint8_t count[CellTableSize][LineDirections] = {};
    constexpr WindowTable()
    {
        int windows = 0;
        for (int d = 0; d < LineDirections; ++d) {
            const int step = LineSteps[d];
            // A line starts where the cell before it is off the board; a step of 15 leaves
            // the board at column 1 and comes back at column 15 only through column 0.
            for (CellIndex start = 17; start <= 255; ++start) {
                if (!IsBoardCell(start) || IsBoardCell(start - step))
                    continue;
                CellIndex line[BoardLines] = {};
                int length = 0;
                for (CellIndex cell = start; IsBoardCell(cell); cell += step)
                    line[length++] = cell;
                const int base = windows;
                for (int k = 0; k + 5 <= length; ++k, ++windows)
                    for (int j = 0; j < 5; ++j)
                        cells[windows][j] = line[k + j];
                for (int k = 0; k < length && length >= 5; ++k) {
                    const int from = k < 4 ? 0 : k - 4;
                    const int to = k < length - 5 ? k : length - 5;
                    first[line[k]][d] = static_cast<std::int16_t>(base + from);
                    count[line[k]][d] = static_cast<std::uint8_t>(to - from + 1);
                }
            }
        }
    }
};

inline constexpr WindowTable TheWindows;

// Random keys of the stones, for recognising a position met again; made by the compiler.
struct StoneKeys {
    std::uint64_t key[3][CellTableSize] = {};
    constexpr StoneKeys()
    {
        std::uint64_t x = 0x9E3779B97F4A7C15ull;
        for (int colour = 0; colour < 3; ++colour)
            for (int cell = 0; cell < CellTableSize; ++cell) {
                x ^= x << 13;
                x ^= x >> 7;
                x ^= x << 17;
                key[colour][cell] = x;
            }
    }
};

inline constexpr StoneKeys TheStoneKeys;

// The search's position with what makes the search fast kept up to date as stones come and
// go: the position's key, and for every run of five the stones in it, as one byte: the
// attacker's count plus eight times the defender's. A run holding 3 is where the attacker
// can make a four, and a four is made nowhere else.
class SearchBoard {
public:
    SearchBoard(const std::int32_t* board, Colour attacker)
        : position_(board), attacker_(CellOf(attacker))
    {
        for (CellIndex cell = 0; cell < CellTableSize; ++cell)
            if (position_[cell] == CellBlack || position_[cell] == CellWhite)
                Count(cell, position_[cell], +1);
    }

    Position& position() { return position_; }
    std::uint64_t key() const { return key_; }

    void Put(CellIndex cell, Colour colour)
    {
        position_.Cells()[cell] = static_cast<std::uint8_t>(CellOf(colour));
        Count(cell, CellOf(colour), +1);
    }
    void Take(CellIndex cell, Colour colour)
    {
        position_.Cells()[cell] = CellEmpty;
        Count(cell, CellOf(colour), -1);
    }

    // The empty cells of the runs where the attacker may make a four, in CellIndex order.
    int FourMoves(CellIndex (&moves)[CellTableSize]) const
    {
        CellSet seen;
        ForRunsHolding(3, [&](int window) {
            for (CellIndex cell : TheWindows.cells[window])
                if (position_[cell] == CellEmpty)
                    seen.Add(cell);
        });
        return seen.List(moves);
    }

    // Every empty cell where `colour` makes a five (black: exactly five), in CellIndex order.
    int FivePoints(Colour colour, CellIndex (&points)[CellTableSize]) const
    {
        const int c = CellOf(colour);
        CellSet seen;
        ForRunsHolding(c == attacker_ ? 4 : 32, [&](int window) {
            if (Exact(window, c))
                for (CellIndex cell : TheWindows.cells[window])
                    if (position_[cell] == CellEmpty)
                        seen.Add(cell);
        });
        return seen.List(points);
    }

    // A stone of `colour` on `cell` (placed or not), read from the runs through it: whether it
    // stands in a five; if not, its five points in `out` and their number in `count`. The
    // same as the line shapes say, without reading the lines.
    bool FiveOrFivePoints(CellIndex cell, Colour colour, CellIndex (&out)[8], int& count) const
    {
        const int c = CellOf(colour);
        const std::uint64_t unit = c == attacker_ ? 1 : 8;
        // A run holding four or five of the colour, with the stone, and none of the other.
        const std::uint64_t placed = position_[cell] != CellEmpty;
        const std::uint64_t four = (3 + placed) * unit;
        const int five = four + unit;
        count = 0;
        for (int d = 0; d < LineDirections; ++d) {
            const int from = TheWindows.first[cell][d];
            std::uint64_t bytes;
            std::memcpy(&bytes, runs_ + from, 8);
            std::uint64_t hits = (ZeroBytes(bytes ^ four * Ones) | ZeroBytes(bytes ^ five * Ones)) &
                                 0x80 * Bytes[TheWindows.count[cell][d]];
            for (; hits != 0; hits &= hits - 1) {
                const int window = from + __builtin_ctzll(hits) / 8;
                if (!Exact(window, c))
                    continue;
                if (runs_[window] == five)
                    return true;
                CellIndex point = 0;
                for (CellIndex at : TheWindows.cells[window])
                    if (at != cell && position_[at] == CellEmpty)
                        point = at;
                // Two runs of one line may share their five point.
                bool seen = false;
                for (int k = 0; k < count; ++k)
                    seen = seen || out[k] == point;
                if (!seen && count < 8)
                    out[count++] = point;
            }
        }
        return false;
    }

    // Whether a black stone on `cell` (placed or not) is surely allowed: no line through it
    // other than one holds three black stones in a run free of white, that one has at most
    // one five point, and no run is all black (a five or an overline). Every forbidden shape
    // needs more.
    bool SurelyAllowed(CellIndex cell) const
    {
        const std::uint64_t added = position_[cell] == CellEmpty;
        const std::uint64_t black = attacker_ == CellBlack ? 1 : 8; // one black stone's share
        const std::uint64_t whiteBits = (black == 1 ? 0xF8 : 0x07) * Ones;
        int busyLines = 0;
        int fivePoints = 0;
        for (int d = 0; d < LineDirections; ++d) {
            std::uint64_t bytes;
            std::memcpy(&bytes, runs_ + TheWindows.first[cell][d], 8);
            const std::uint64_t free =
                ZeroBytes(bytes & whiteBits) & 0x80 * Bytes[TheWindows.count[cell][d]];
            if (ZeroBytes(bytes ^ (5 - added) * black * Ones) & free)
                return false;
            // Adding 128 - t sets a byte's top bit where it holds t or more.
            busyLines += ((bytes + (0x80 - (3 - added) * black) * Ones) & free) != 0;
            const std::uint64_t fours = ZeroBytes(bytes ^ (4 - added) * black * Ones) & free;
            fivePoints += fours == 0 ? 0 : (fours & (fours - 1)) == 0 ? 1 : 2;
        }
        return busyLines <= 1 && fivePoints <= 1;
    }

private:
    static constexpr int PaddedCount = (WindowCount + 7) / 8 * 8;

    // The runs' bytes are read and changed eight at a time. Every byte stays below 128, so adding
    // 127 to each sets its top bit unless it was zero, with no carry into the next.
    static constexpr std::uint64_t Ones = 0x0101010101010101ull;
    static constexpr std::uint64_t Bytes[6] = {0,       0x1,       0x101,
                                               0x10101, 0x1010101, 0x101010101}; // the first n
    static constexpr std::uint64_t ZeroBytes(std::uint64_t bytes)
    {
        return ~((bytes + 0x7F * Ones) | bytes) & 0x80 * Ones;
    }

    struct CellSet {
        std::uint64_t bits[4] = {};
        void Add(CellIndex cell) { bits[cell >> 6] |= std::uint64_t{1} << (cell & 63); }
        int List(CellIndex (&cells)[CellTableSize]) const
        {
            int count = 0;
            for (int word = 0; word < 4; ++word)
                for (std::uint64_t rest = bits[word]; rest != 0; rest &= rest - 1)
                    cells[count++] = word * 64 + __builtin_ctzll(rest);
            return count;
        }
    };

    // Calls `visit` with every run whose byte is `code`, eight runs at a time.
    template <typename Visit> void ForRunsHolding(int code, Visit visit) const
    {
        for (int word = 0; word < PaddedCount / 8; ++word) {
            std::uint64_t bytes;
            std::memcpy(&bytes, runs_ + word * 8, 8);
            std::uint64_t zeros = ZeroBytes(bytes ^ static_cast<std::uint64_t>(code) * Ones);
            for (; zeros != 0; zeros &= zeros - 1)
                visit(word * 8 + __builtin_ctzll(zeros) / 8);
        }
    }

    void Count(CellIndex cell, int colour, int sign)
    {
        key_ ^= TheStoneKeys.key[colour][cell];
        // The runs of a line through the cell are up to five neighbouring bytes, changed at
        // once; no byte passes 0 or 127, so none carries or borrows from the next.
        const std::uint64_t unit = colour == attacker_ ? 1 : 8;
        for (int d = 0; d < LineDirections; ++d) {
            std::uint8_t* at = runs_ + TheWindows.first[cell][d];
            std::uint64_t bytes;
            std::memcpy(&bytes, at, 8);
            const std::uint64_t change = unit * Bytes[TheWindows.count[cell][d]];
            bytes = sign > 0 ? bytes + change : bytes - change;
            std::memcpy(at, &bytes, 8);
        }
    }

    // For black, whether the cells just outside a run hold no black stone, so that the run
    // filled is exactly five.
    bool Exact(int window, int colour) const
    {
        if (colour != CellBlack)
            return true;
        const CellIndex* cells = TheWindows.cells[window];
        const int step = cells[1] - cells[0];
        return position_[cells[0] - step] != CellBlack && position_[cells[4] + step] != CellBlack;
    }

    Position position_;
    int attacker_;
    std::uint64_t key_ = 0;
    std::uint8_t runs_[PaddedCount + 8] = {}; // the padding stays 0
};

// One trial stone on the search's board, for as long as the scope lives.
class SearchStone {
public:
    SearchStone(SearchBoard& board, CellIndex cell, Colour colour)
        : board_(board), cell_(cell), colour_(colour)
    {
        board_.Put(cell, colour);
    }
    ~SearchStone() { board_.Take(cell_, colour_); }
    SearchStone(const SearchStone&) = delete;
    SearchStone& operator=(const SearchStone&) = delete;

private:
    SearchBoard& board_;
    CellIndex cell_;
    Colour colour_;
};

} // namespace renju
