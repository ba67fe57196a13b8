#include "main/ForbiddenMarks.h"

#include "Renju/Renju.h"
#include "main/Port.h"
#include "main/Startup.h"
#include "main/State.h"
#include "main/Status.h"

std::int32_t ShowForbiddenPoints = 0;
std::int32_t ForbiddenMarks[CellTableSize] = {};

namespace {

int MarkCount = 0;

bool MarksWanted()
{
    return ShowForbiddenPoints == 1 && SideToMove == CellBlack && EntersMoves(EditMode);
}

} // namespace

void MnuKinsyuClick()
{
    ShowForbiddenPoints = 1 - ShowForbiddenPoints;
    Window->SetMenuChecked(MenuTick::MnuKinsyu, ShowForbiddenPoints == 1);
    UpdateForbiddenMarks();
}

void UpdateForbiddenMarks()
{
    if (StatusBatchOpen()) {
        DeferUntilBatchEnds(&UpdateForbiddenMarks);
        return;
    }
    const bool wanted = MarksWanted();
    if (!wanted && MarkCount == 0)
        return; // off: nothing is judged
    static renju::ForbiddenKind kinds[CellTableSize];
    if (wanted)
        renju::ForbiddenPoints(BoardCells, kinds);
    MarkCount = 0;
    for (CellIndex cell = 0; cell < CellTableSize; ++cell) {
        if (!IsBoardCell(cell))
            continue;
        const std::int32_t mark = wanted && kinds[cell] != renju::ForbiddenKind::None ? 1 : 0;
        MarkCount += mark;
        if (ForbiddenMarks[cell] != mark) {
            ForbiddenMarks[cell] = mark;
            DrawCell(CellColumn(cell), CellRow(cell));
        }
    }
}
