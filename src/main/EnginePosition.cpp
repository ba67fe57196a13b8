#include "main/EnginePosition.h"

#include <algorithm>

#include "main/State.h"

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
    return position;
}
