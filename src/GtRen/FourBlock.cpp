// The four-block query run after each entered move: the single cell at which the other colour
// must answer a four, if the move made exactly one.
#include "GtRen/GtRen.h"

std::int32_t FourBlockQuery(CellIndex cell)
{
    AutoBlockPoint = 0;
    AnalyseThreats(0, SideToMove, cell);
    const ThreatRecord& record = ThreatLevels[0];
    const std::int32_t fours = record.FourCount;
    if (fours <= 0)
        return 0;
    // Two or more fours (an overline counts as two) have no single answer.
    if (fours > 1)
        return fours - 1;
    // An open four's ends sit in slots 0 and 1 with the lower index first.
    AutoBlockPoint = record.FourPoints[0];
    return AutoBlockPoint;
}
