#include "Renju/Position.h"

namespace renju {

Position::Position(const std::int32_t* board)
{
    for (CellIndex cell = 0; cell < CellTableSize; ++cell) {
        const std::int32_t value = board[cell];
        const bool stoneOrEmpty = value == CellEmpty || value == CellBlack || value == CellWhite;
        cells_[cell] = IsBoardCell(cell) && stoneOrEmpty ? static_cast<std::uint8_t>(value)
                                                         : static_cast<std::uint8_t>(CellOffBoard);
    }
}

} // namespace renju
