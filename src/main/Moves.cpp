#include "main/Moves.h"

#include "GtRen/GtRen.h"
#include "main/Geometry.h"
#include "main/Modes.h"
#include "main/Startup.h"
#include "main/State.h"
#include "main/Status.h"
#include "main/Variations.h"

namespace {

// The view is exactly 15 cells square, so a pixel of it is always in a cell.
CellIndex CellAt(int x, int y)
{
    return MakeCell(ViewColumnAt(x), ViewRowAt(y));
}

void DrawCellIndex(CellIndex cell)
{
    DrawCell(CellColumn(cell), CellRow(cell));
}

} // namespace

void EnableBackButtons(bool enabled)
{
    Window->SetButtonEnabled(NavButton::BitBackAll, enabled);
    Window->SetButtonEnabled(NavButton::BitBack2, enabled);
    Window->SetButtonEnabled(NavButton::BitBack1, enabled);
}

void EnableForwardButtons(bool enabled)
{
    Window->SetButtonEnabled(NavButton::BitGo1, enabled);
    Window->SetButtonEnabled(NavButton::BitGo2, enabled);
    Window->SetButtonEnabled(NavButton::BitGoAll, enabled);
}

void ImgBanMouseDown(MouseButton button, int x, int y)
{
    if (RangeSelectState == 1) {
        DragStartX = x;
        DragStartY = y;
        DragEndX = -1;
        return;
    }
    const CellIndex cell = CellAt(x, y);
    if (!IsBoardCell(cell))
        return; // a press outside the view's 510 pixels cannot come from the view
    if (EditMode == ModeLetterPlacement && BoardCells[cell] == CellEmpty) {
        LetterPress(cell);
        return;
    }
    if (EditMode == ModeStonePlacement) {
        ToggleStone(button, cell);
        DrawCellIndex(cell);
        ShowStoneCounts();
        return;
    }
    MovePress(cell);
}

void MovePress(CellIndex cell)
{
    if (BoardCells[cell] != CellEmpty)
        return;
    CellMarks[cell] = 0; // a letter on the point disappears under the move
    PlaceMove(cell);
    ShowMoveStatus();
}

// A forced answer is entered by the same steps, so a chain of single answers is
// entered at once; the loop stands for the tail call of the last step.
void PlaceMove(CellIndex cell)
{
    for (;;) {
        BoardCells[cell] = SideToMove;
        if (ShowMoveNumbers == 1)
            CellMarks[cell] = EditMode == ModeFourChase ? MoveCount / 2 + 1 : MoveCount + 1;
        DrawCellIndex(cell);
        if (AutoBlockFours == 1)
            FourBlockQuery(cell);
        SideToMove = 3 - SideToMove;
        MoveList[MoveCount] = cell;
        ++MoveCount;
        MoveList[MoveCount] = 0;
        EnableBackButtons(true);
        EnableForwardButtons(false);
        FollowLine();
        if (AutoBlockFours == 0 || AutoBlockPoint <= 0)
            return;
        cell = AutoBlockPoint;
    }
}

void TakeBackMove()
{
    --MoveCount;
    SideToMove = 3 - SideToMove;
    const CellIndex cell = MoveList[MoveCount];
    BoardCells[cell] = CellEmpty;
    CellMarks[cell] = 0;
    DrawCellIndex(cell);
    ShowMoveStatus();
    if (MoveCount == 0)
        EnableBackButtons(false);
    EnableForwardButtons(true);
    FollowLine();
}

void ReplayMove()
{
    const CellIndex cell = MoveList[MoveCount];
    BoardCells[cell] = SideToMove;
    CellMarks[cell] = EditMode == ModeMoveOrder ? MoveCount + 1 : MoveCount / 2 + 1;
    DrawCellIndex(cell);
    SideToMove = 3 - SideToMove;
    ++MoveCount;
    ShowMoveStatus();
    EnableBackButtons(true);
    if (MoveList[MoveCount] == 0)
        EnableForwardButtons(false);
    FollowLine();
}

void BitBackAllClick()
{
    const StatusBatch batch;
    if (EntersMoves(EditMode))
        while (MoveCount > 0)
            TakeBackMove();
}

void BitBack2Click()
{
    const StatusBatch batch;
    if (EntersMoves(EditMode) && MoveCount >= 2) {
        TakeBackMove();
        if (MoveCount > 0)
            TakeBackMove();
    }
}

void BitBack1Click()
{
    if (EntersMoves(EditMode) && MoveCount > 0)
        TakeBackMove();
}

// The forward buttons test nothing but the list; a full board has its 0 in the
// extra entry, so MoveCount never runs past the list.
void BitGo1Click()
{
    if (MoveList[MoveCount] > 0)
        ReplayMove();
}

void BitGo2Click()
{
    const StatusBatch batch;
    for (int i = 0; i < 2; ++i)
        if (MoveList[MoveCount] > 0)
            ReplayMove();
}

void BitGoAllClick()
{
    const StatusBatch batch;
    while (MoveList[MoveCount] > 0)
        ReplayMove();
}
