// The records and the scan state of the threat analysis.
#include "GtRen/detail/Scan.h"

ThreatRecord ThreatLevels[ThreatLevelCount];

std::int32_t AnalysisLevel;
std::int32_t AnalysisColor;
CellIndex AnalysisOrigin;

std::int32_t LineStep;
std::int32_t LineFours;
std::int32_t LineOpenThrees;
std::int32_t LineClosedThrees;

CellIndex ScanCursor;
CellIndex WindowStart;
std::int32_t FreeBefore;
std::int32_t WindowCells;
std::int32_t WindowStones;
std::int32_t TrailingEmpty;
CellIndex FirstGap;
