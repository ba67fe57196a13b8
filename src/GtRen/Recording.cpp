// The recording rules: how a shape found on a line enters record AnalysisLevel. A four on a
// line withdraws the three recorded before it on the same line, and a line yields at most one
// open three.
#include "GtRen/RecordSlots.h"
#include "GtRen/detail/Scan.h"

using namespace gtren_detail;

namespace {

ThreatRecord* RecordBeingFilled()
{
    return IsFillableLevel(AnalysisLevel) ? &ThreatLevels[AnalysisLevel] : nullptr;
}

} // namespace

// .XXXX. : both ends complete a five. The ends always take slots 0 and 1; the line tallies
// are left alone.
void RecordOpenFour(CellIndex b, CellIndex e)
{
    ThreatRecord* record = RecordBeingFilled();
    if (!record)
        return;
    record->OpenFourCount += 1;
    record->FourCount += 1;
    record->FourPoints[0] = b;
    record->FourPoints[1] = e;
}

void RecordFourPoint(CellIndex p)
{
    ThreatRecord* record = RecordBeingFilled();
    if (!record)
        return;
    // Slot FourCount, which an overline (count forced to 2) or several fours can push past
    // the list.
    StoreFourPoint(*record, record->FourCount, p);
    record->FourCount += 1;
    LineFours += 1;
    // The three found earlier on this line was the last entry of its list; dropping the count
    // lets the next entry overwrite it. The tallies stay, so this line records no more threes.
    if (LineOpenThrees > 0)
        record->OpenThreeCount -= 1;
    if (LineClosedThrees > 0)
        record->ClosedThreeCount -= 1;
}

void RecordOpenThree(CellIndex p, CellIndex a, CellIndex b, CellIndex s)
{
    ThreatRecord* record = RecordBeingFilled();
    if (!record || LineFours + LineOpenThrees > 0)
        return;
    StoreOpenThree(*record, record->OpenThreeCount, OpenThreeEntry{p, a, b, s});
    record->OpenThreeCount += 1;
    LineOpenThrees += 1;
    if (LineClosedThrees > 0)
        record->ClosedThreeCount -= 1;
}

void RecordClosedThree(CellIndex a, CellIndex b)
{
    ThreatRecord* record = RecordBeingFilled();
    if (!record || LineFours + LineOpenThrees > 0)
        return;
    StoreClosedThree(*record, record->ClosedThreeCount, ClosedThreeEntry{a, b});
    record->ClosedThreeCount += 1;
    LineClosedThrees += 1;
}
