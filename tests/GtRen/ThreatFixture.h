// Test helpers of the threat analysis: positions loaded into the shared board table (pictures
// as in fixtures/BoardPicture.h), the scan run alone, and records compared field by field.
#pragma once

#include "../fixtures/BoardPicture.h"
#include "GtRen/GtRen.h"
#include "GtRen/detail/Scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <ostream>
#include <string>

using BoardSnapshot = std::array<std::int32_t, CellTableSize>;

// Cell at column c, row r, both counted from 1.
constexpr CellIndex At(int column, int row)
{
    return MakeCell(column, row);
}

inline void ClearBoard()
{
    ClearTable(BoardCells);
}

inline void LoadBoard(const Rows& rows)
{
    LoadPicture(BoardCells, rows);
}

// An empty board with `text` (fifteen characters) as row `row`.
inline void LoadRow(int row, const char* text)
{
    ClearBoard();
    ASSERT_EQ(std::strlen(text), static_cast<std::size_t>(BoardLines));
    for (int column = 1; column <= BoardLines; ++column)
        BoardCells[MakeCell(column, row)] = CellOfMark(text[column - 1]);
}

// Puts `pattern` ('.', 'X', 'O') on the board from `first` on, one cell per `step`.
inline void PlaceAlong(CellIndex first, int step, const std::string& pattern)
{
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const CellIndex cell = first + static_cast<int>(i) * step;
        ASSERT_TRUE(IsBoardCell(cell)) << "cell " << cell;
        BoardCells[cell] = CellOfMark(pattern[i]);
    }
}

inline BoardSnapshot SnapshotBoard()
{
    BoardSnapshot snapshot{};
    std::copy(std::begin(BoardCells), std::end(BoardCells), snapshot.begin());
    return snapshot;
}

inline bool BoardEquals(const BoardSnapshot& snapshot)
{
    return std::equal(snapshot.begin(), snapshot.end(), std::begin(BoardCells));
}

inline const ThreatRecord& Level(int level)
{
    return ThreatLevels[level];
}

// Runs the one-level scan alone (no examination of black's threes) into record 0; the origin
// must already hold a stone of `colour`.
inline const ThreatRecord& ScanAt(std::int32_t colour, CellIndex origin)
{
    AnalysisLevel = 0;
    AnalysisColor = colour;
    AnalysisOrigin = origin;
    ScanAllLines();
    return ThreatLevels[0];
}

inline bool operator==(const OpenThreeEntry& a, const OpenThreeEntry& b)
{
    return a.OpenPoint == b.OpenPoint && a.EndA == b.EndA && a.EndB == b.EndB &&
           a.SecondEnd == b.SecondEnd;
}

inline bool operator==(const ClosedThreeEntry& a, const ClosedThreeEntry& b)
{
    return a.PointA == b.PointA && a.PointB == b.PointB;
}

inline std::ostream& operator<<(std::ostream& out, const OpenThreeEntry& e)
{
    return out << "(" << e.OpenPoint << ", " << e.EndA << ", " << e.EndB << ", " << e.SecondEnd
               << ")";
}

inline std::ostream& operator<<(std::ostream& out, const ClosedThreeEntry& e)
{
    return out << "(" << e.PointA << ", " << e.PointB << ")";
}

// The counts of a record in field order, for compact comparisons.
struct Counts {
    std::int32_t Overline, Five, OpenFour, Four, OpenThree, ClosedThree;
    bool operator==(const Counts& o) const
    {
        return Overline == o.Overline && Five == o.Five && OpenFour == o.OpenFour &&
               Four == o.Four && OpenThree == o.OpenThree && ClosedThree == o.ClosedThree;
    }
};

inline std::ostream& operator<<(std::ostream& out, const Counts& c)
{
    return out << "{overline " << c.Overline << ", five " << c.Five << ", open four " << c.OpenFour
               << ", four " << c.Four << ", open three " << c.OpenThree << ", closed three "
               << c.ClosedThree << "}";
}

inline Counts CountsOf(const ThreatRecord& r)
{
    return {r.OverlineCount, r.FiveCount,      r.OpenFourCount,
            r.FourCount,     r.OpenThreeCount, r.ClosedThreeCount};
}

// Every field of a record is zero.
inline bool IsBlank(const ThreatRecord& r)
{
    const ThreatRecord blank{};
    return std::memcmp(&r, &blank, sizeof r) == 0;
}
