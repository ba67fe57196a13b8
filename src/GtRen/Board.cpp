#include "GtRen/Board.h"

std::int32_t BoardCells[CellTableSize];
std::int32_t SideToMove = 1;
std::int32_t AutoBlockPoint;
