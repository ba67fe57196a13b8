// The scan of the four lines through the origin: the walk of five-cell windows along one line
// and the hand-over of each window to the classification tables.
#include "GtRen/RecordSlots.h"
#include "GtRen/WindowRules.h"
#include "GtRen/detail/Scan.h"

using namespace gtren_detail;

namespace {

constexpr CellIndex FirstBoardCell = 17;

bool IsLineStep(std::int32_t step)
{
    return step == 1 || step == 15 || step == 16 || step == 17;
}

// The skip relies on meeting the origin's own stone, so nothing is scanned without it.
bool CanScan()
{
    return IsFillableLevel(AnalysisLevel) && IsColour(AnalysisColor) && IsLineStep(LineStep) &&
           IsBoardCell(AnalysisOrigin) && BoardCells[AnalysisOrigin] == AnalysisColor;
}

enum class ScanStep {
    Seek,
    Skip,
    OpenWindow,
    FillWindow,
    CompleteWindow,
    NextWindow,
    BlockedWindow,
    Done
};

} // namespace

std::int32_t BlackAt(CellIndex x, CellIndex y)
{
    const auto isBlack = [](CellIndex cell) {
        return cell >= 0 && cell < CellTableSize && BoardCells[cell] == CellBlack;
    };
    return (isBlack(x) ? 1 : 0) + (isBlack(y) ? 2 : 0);
}

void ScanLine()
{
    if (!CanScan())
        return;
    const CellIndex origin = AnalysisOrigin;
    const std::int32_t step = LineStep;
    const std::int32_t own = AnalysisColor;

    LineFours = 0;
    LineOpenThrees = 0;
    LineClosedThrees = 0;

    // Start cell: four steps before the origin, or the first cell of the line from the top
    // row on. Cells before it count for nothing but black's overline tests.
    ScanCursor = origin - 4 * step;
    while (ScanCursor < FirstBoardCell)
        ScanCursor += step;

    ScanStep next = ScanStep::Seek;
    while (next != ScanStep::Done) {
        switch (next) {
        case ScanStep::Seek:
            FreeBefore = 0;
            next = ScanStep::Skip;
            break;

        case ScanStep::Skip:
            // Counts the free cells in front of the next own stone; a blocker resets the count.
            while (BoardCells[ScanCursor] != own) {
                if (BoardCells[ScanCursor] == CellEmpty)
                    FreeBefore += 1;
                else
                    FreeBefore = 0;
                ScanCursor += step;
            }
            next = ScanStep::OpenWindow;
            break;

        case ScanStep::OpenWindow:
            WindowStart = ScanCursor;
            WindowCells = 1;
            WindowStones = 1;
            TrailingEmpty = 0;
            FirstGap = 0;
            next = ScanStep::FillWindow;
            break;

        case ScanStep::FillWindow:
            next = ScanStep::CompleteWindow;
            while (WindowCells < 5) {
                ScanCursor += step;
                const std::int32_t cell = BoardCells[ScanCursor];
                if (cell == own) {
                    WindowStones += 1;
                    TrailingEmpty = 0;
                } else if (cell == CellEmpty) {
                    TrailingEmpty += 1;
                    if (FirstGap == 0)
                        FirstGap = ScanCursor;
                } else {
                    // The blocker itself is not counted as a window cell.
                    next = ScanStep::BlockedWindow;
                    break;
                }
                WindowCells += 1;
            }
            break;

        case ScanStep::CompleteWindow:
            if (WindowStones == 1)
                next = ScanStep::Done; // [X....]: nothing more can come of this line
            else
                next = ClassifyCompleteWindow() ? ScanStep::Done : ScanStep::NextWindow;
            break;

        case ScanStep::NextWindow:
            // The next window starts at the first own stone behind the gap, at the latest at
            // the origin. For white the gap counts as free; for black it does not, as a black
            // stone there would join the stones in front of it.
            if (FirstGap >= origin) {
                next = ScanStep::Done;
                break;
            }
            FreeBefore = own == CellBlack ? 0 : 1;
            ScanCursor = FirstGap + step;
            next = ScanStep::Skip;
            break;

        case ScanStep::BlockedWindow:
            if (ScanCursor <= origin) {
                next = ScanStep::Seek; // the blocker lies before the origin: go on behind it
            } else if (LineFours > 0 || WindowStones == 1 || FreeBefore + WindowCells < 5 ||
                       LineClosedThrees > 0) {
                next = ScanStep::Done;
            } else {
                ClassifyBlockedWindow();
                next = ScanStep::Done;
            }
            break;

        case ScanStep::Done:
            break;
        }
    }
}

void ScanAllLines()
{
    if (!IsFillableLevel(AnalysisLevel))
        return;
    ThreatLevels[AnalysisLevel] = ThreatLevels[BlankThreatLevel];
    for (const std::int32_t step : LineSteps) {
        LineStep = step;
        ScanLine();
    }
}
