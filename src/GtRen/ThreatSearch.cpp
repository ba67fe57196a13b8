// The entry of the threat analysis: one level of line scans and, for black, the check of each
// open three's open-four points one level deeper.
#include "Board/TrialStone.h"
#include "GtRen/RecordSlots.h"
#include "GtRen/detail/Scan.h"

using namespace gtren_detail;

namespace {

// Black's trials at level L fill record L + 1, which must not be the blank template.
bool CanTrialBelow(std::int32_t level)
{
    return IsFillableLevel(level + 1) && level >= 0;
}

void AppendClosedThree(ThreatRecord& record, CellIndex a, CellIndex b)
{
    StoreClosedThree(record, record.ClosedThreeCount, ClosedThreeEntry{a, b});
    record.ClosedThreeCount += 1;
}

// From the last entry to the first. A three whose every open-four point is forbidden becomes
// a closed three on the cells that still make a four; with one of two points forbidden it
// keeps the other one.
void ExamineOpenThrees(std::int32_t level)
{
    ThreatRecord& record = ThreatLevels[level];
    const std::int32_t count =
        record.OpenThreeCount < OpenThreeSlots ? record.OpenThreeCount : OpenThreeSlots;
    bool removed[OpenThreeSlots] = {};
    std::int32_t removedCount = 0;

    for (std::int32_t i = count - 1; i >= 0; --i) {
        OpenThreeEntry& entry = record.OpenThrees[i];
        if (entry.SecondEnd <= 0) {
            if (IsForbiddenPoint(level, entry.OpenPoint)) {
                AppendClosedThree(record, entry.EndA, entry.EndB);
                removed[i] = true;
                removedCount += 1;
            }
            continue;
        }
        // Both points are always tried, the first one first.
        const bool firstForbidden = IsForbiddenPoint(level, entry.OpenPoint);
        const bool secondForbidden = IsForbiddenPoint(level, entry.EndA);
        if (firstForbidden && secondForbidden) {
            // Only the two outer ends still make a four.
            AppendClosedThree(record, entry.EndB, entry.SecondEnd);
            removed[i] = true;
            removedCount += 1;
        } else if (firstForbidden) {
            entry = OpenThreeEntry{entry.EndA, entry.OpenPoint, entry.SecondEnd, 0};
        } else if (secondForbidden) {
            entry.SecondEnd = 0;
        }
    }

    if (removedCount == 0)
        return;
    std::int32_t kept = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        if (!removed[i])
            record.OpenThrees[kept++] = record.OpenThrees[i];
    }
    record.OpenThreeCount -= removedCount;
}

} // namespace

bool IsForbiddenPoint(std::int32_t level, CellIndex cell)
{
    if (!CanTrialBelow(level) || !IsBoardCell(cell))
        return false;
    const ThreatRecord& trial = ThreatLevels[level + 1];
    {
        // A cell that is not empty gets no trial stone; the scan then finds no black origin
        // there unless a black stone already stands on it.
        TrialStone<std::int32_t> stone(BoardCells, cell, Colour::Black);
        AnalysisLevel = level + 1;
        AnalysisColor = CellBlack;
        AnalysisOrigin = cell;
        ScanAllLines();
    }
    AnalysisLevel = level;
    // Fives and closed threes of the trial do not matter.
    return trial.FourCount > 1 || trial.OpenThreeCount > 1;
}

void AnalyseThreats(std::int32_t level, std::int32_t colour, CellIndex cell)
{
    if (!IsFillableLevel(level))
        return;
    // A call that cannot be analysed (a cell off the board or holding the other colour, or
    // black on the last level, which has no room for trials) leaves the record blank, so that
    // nobody reads the previous analysis as this one.
    if (!IsColour(colour) || (colour == CellBlack && !CanTrialBelow(level)) || !IsBoardCell(cell) ||
        (BoardCells[cell] != CellEmpty && BoardCells[cell] != colour)) {
        ThreatLevels[level] = ThreatLevels[BlankThreatLevel];
        return;
    }

    TrialStone<std::int32_t> stone(BoardCells, cell, static_cast<Colour>(colour));
    AnalysisLevel = level;
    AnalysisColor = colour;
    AnalysisOrigin = cell;
    ScanAllLines();
    // White's threes stand as the scan found them.
    if (colour == CellBlack && ThreatLevels[level].OpenThreeCount > 0)
        ExamineOpenThrees(level);
}
