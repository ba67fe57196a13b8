#include "main/State.h"

#include "main/Port.h"

std::int32_t CellMarks[CellTableSize];
std::int32_t MoveList[MoveListSize];
std::int32_t MoveCount;
EditingMode EditMode = ModeMoveOrder;
std::int32_t FourChaseColor;
std::int32_t BlackStoneTotal;
std::int32_t WhiteStoneTotal;
std::int32_t LeftButtonColor = CellBlack;
std::int32_t RangeSelectState;
std::int32_t DragStartX;
std::int32_t DragStartY;
std::int32_t DragEndX;
std::int32_t DragEndY;
std::int32_t FirstNumberedMove;
std::int32_t ShowMoveNumbers = 1;
std::int32_t AutoBlockFours;

KifuRecordLayout KifuRecord;
GameInfoRecord& GameInfo = KifuRecord.Info;
std::int32_t SelectedOpening;

WindowPort* Window;
