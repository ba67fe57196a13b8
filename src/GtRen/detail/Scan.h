// The scan internals of the threat analysis: its inputs, the line and window state, the
// line scan and the recording rules. The analysis's own files and its tests use them;
// everyone else uses the entry points of GtRen/GtRen.h.
#pragma once

#include <cstdint>

#include "GtRen/GtRen.h"

// Inputs of one analysis.
extern std::int32_t AnalysisLevel;
extern std::int32_t AnalysisColor;
extern CellIndex AnalysisOrigin; // holds a stone of AnalysisColor while the lines are scanned

// Line state: step along the line and what was recorded on it so far.
extern std::int32_t LineStep; // 1, 15, 16 or 17
extern std::int32_t LineFours;
extern std::int32_t LineOpenThrees;
extern std::int32_t LineClosedThrees;

// Window state: a window is five cells starting at an own stone.
extern CellIndex ScanCursor;
extern CellIndex WindowStart;
extern std::int32_t FreeBefore; // empty cells counted directly before WindowStart
extern std::int32_t WindowCells;
extern std::int32_t WindowStones;
extern std::int32_t TrailingEmpty;
extern CellIndex FirstGap; // 0 while the window has no empty cell

// Blanks record AnalysisLevel and scans the four lines through AnalysisOrigin into it.
void ScanAllLines();
// Scans the line through AnalysisOrigin with LineStep into record AnalysisLevel.
void ScanLine();
// 1 if cell x holds black, plus 2 if cell y holds black.
std::int32_t BlackAt(CellIndex x, CellIndex y);

// The recording rules; they write record AnalysisLevel and keep the line tallies.
void RecordOpenFour(CellIndex b, CellIndex e);
void RecordFourPoint(CellIndex p);
void RecordOpenThree(CellIndex p, CellIndex a, CellIndex b, CellIndex s);
void RecordClosedThree(CellIndex a, CellIndex b);
