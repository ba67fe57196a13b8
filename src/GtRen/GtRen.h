// The threat analysis: which fives, fours and threes a stone of one colour on one cell takes
// part in along the four lines through it, under black's overline rule; black's open threes
// checked one level deeper for forbidden open-four points; and the four-block query that names
// the single cell at which a four just made must be answered.
//
// Everything works on the shared BoardCells table and on module-level state; nothing is
// allocated, nothing is re-entrant, and every entry point leaves BoardCells as it found it.
// These are the analysis's entry points and results; its scan internals are in
// GtRen/detail/Scan.h, for the analysis itself and its tests.
#pragma once

#include "GtRen/Board.h"

#include <cstdint>

struct OpenThreeEntry {
    CellIndex OpenPoint; // a stone here makes an open four
    CellIndex EndA;      // the two ends of that four
    CellIndex EndB;
    CellIndex SecondEnd; // 0: OpenPoint is the only such cell; else EndA is the second one,
                         // and the four made there has the ends OpenPoint and SecondEnd
};

struct ClosedThreeEntry {
    CellIndex PointA; // a stone on either cell makes a (not open) four
    CellIndex PointB;
};

constexpr int FourPointSlots = 5;
constexpr int OpenThreeSlots = 4;
constexpr int ClosedThreeSlots = 6;

struct ThreatRecord {
    std::int32_t OverlineCount;
    std::int32_t FiveCount;
    std::int32_t OpenFourCount;
    std::int32_t FourCount; // an overline forces it to 2
    std::int32_t OpenThreeCount;
    std::int32_t ClosedThreeCount;
    // The counts may run past the slots; entries beyond a list's slots are not stored.
    CellIndex FourPoints[FourPointSlots];
    OpenThreeEntry OpenThrees[OpenThreeSlots];
    ClosedThreeEntry ClosedThrees[ClosedThreeSlots];
};

constexpr int ThreatLevelCount = 6;
// Never written: copied over a record to blank it.
constexpr int BlankThreatLevel = 5;

// Record L holds the analysis at level L; black's trials at level L go into record L + 1.
extern ThreatRecord ThreatLevels[ThreatLevelCount];

// Fills record `level` with the threats of a `colour` stone on `cell` (empty or holding that
// colour; an empty cell gets a temporary stone). For black, open threes whose every open-four
// point is forbidden become closed threes; the trials use record level + 1. Levels run 0 to 4
// (0 to 3 for black); any other level does nothing, and a call that cannot be analysed leaves
// the record blank.
void AnalyseThreats(std::int32_t level, std::int32_t colour, CellIndex cell);
// Whether a black stone on the empty `cell` makes two fours (an overline counts as two) or two
// open threes; analysed into record level + 1.
bool IsForbiddenPoint(std::int32_t level, CellIndex cell);
// Analyses the stone just entered on `cell` for SideToMove into record 0. Returns 0 without a
// four, the count less one with several, else the four's completion point, which it also
// leaves in AutoBlockPoint (0 in every other case).
std::int32_t FourBlockQuery(CellIndex cell);
