#include "main/Startup.h"

#include "Set_Data/Set_Data.h"
#include "main/EnginePosition.h"
#include "main/ForbiddenMarks.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/OpeningShown.h"
#include "main/Port.h"
#include "main/State.h"
#include "main/Status.h"
#include "main/Variations.h"

void DrawCell(int column, int row)
{
    Window->DrawCell(column, row);
}

void DrawAllCells()
{
    for (int row = 1; row <= BoardLines; ++row)
        for (int column = 1; column <= BoardLines; ++column)
            DrawCell(column, row);
}

// Steps 1 and 2 (layout, the board view's font height) belong to the window, which
// does them before calling this.
void FormCreate()
{
    InitTables();
    for (auto& cell : BoardCells)
        cell = CellOffBoard;
    EditMode = ModeMoveOrder;
    SelectedOpening = 0;
    GameInfo.BlackName[0] = 0;
    GameInfo.WhiteName[0] = 0;
    LeftButtonColor = CellBlack;
    RangeSelectState = 0;
    SetLetterPosition(0);
    ShowMoveNumbers = 1;
    AutoBlockFours = 0;
    ShowForbiddenPoints = 0;
    for (auto& mark : ForbiddenMarks)
        mark = 0;
    ResetBoard();
    ShowMoveStatus();
}

void ResetBoard()
{
    for (int row = 1; row <= BoardLines; ++row) {
        for (int column = 1; column <= BoardLines; ++column) {
            BoardCells[MakeCell(column, row)] = CellEmpty;
            CellMarks[MakeCell(column, row)] = 0;
        }
    }
    SideToMove = CellBlack;
    MoveCount = 0;
    MoveList[0] = 0;
    BlackStoneTotal = 0;
    WhiteStoneTotal = 0;
    FirstNumberedMove = 0;
    DrawAllCells();
    Window->SetPanelVisible(PanelId::PanelTaikyokuData, false);
    EnableBackButtons(false);
    EnableForwardButtons(false);
    ShowOpeningName(true);
    ResetTree();
}

void ShowMoveStatus()
{
    ShowOpeningName();
    if (EditMode == ModeStonePlacement)
        return;
    if (EditMode == ModeMoveOrder && ShowMoveNumbers == 0)
        FirstNumberedMove = MoveCount;
    StatusText line;
    line << "　" << MoveCount + 1 << " 手目" << (SideToMove == CellBlack ? "  黒" : "  白");
    WriteStatus(line.View());
    UpdateForbiddenMarks();
    NotePositionChange();
}
