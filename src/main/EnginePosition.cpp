#include "main/EnginePosition.h"

#include <algorithm>

#include "main/Moves.h"
#include "main/Port.h"
#include "main/State.h"
#include "main/Status.h"

engine::Position CurrentEnginePosition()
{
    engine::Position position;
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        position.board[cell] = BoardCells[cell];
    // Moves since taken off or turned by stone placement are left out when the stones are
    // ordered; what the board holds is what counts.
    position.played.assign(MoveList,
                           MoveList + std::min<int>(std::max(MoveCount, 0), MoveListSize));
    position.sideToMove = SideToMove == CellWhite ? CellWhite : CellBlack;
    // While stones are placed no side is to move; the engine gets the side the editor will
    // propose when stone placement ends.
    if (EditMode == ModeStonePlacement)
        position.sideToMove = BlackStoneTotal > WhiteStoneTotal ? CellWhite : CellBlack;
    return position;
}

namespace {

// What the window was last told; a status rewrite without a change of the position (a mode
// chosen, numbering switched) tells it nothing.
std::int32_t ToldBoard[CellTableSize] = {};
std::int32_t ToldSide = 0;

} // namespace

void NotePositionChange()
{
    if (StatusBatchOpen()) {
        DeferUntilBatchEnds(&NotePositionChange);
        return;
    }
    if (ToldSide == SideToMove && std::equal(BoardCells, BoardCells + CellTableSize, ToldBoard))
        return;
    std::copy(BoardCells, BoardCells + CellTableSize, ToldBoard);
    ToldSide = SideToMove;
    Window->PositionChanged();
}

bool EnterMoveAsPress(CellIndex cell)
{
    if (!EntersMoves(EditMode) || !IsBoardCell(cell) || BoardCells[cell] != CellEmpty)
        return false;
    MovePress(cell);
    return true;
}
