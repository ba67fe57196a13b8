// Entering, taking back and replaying moves; the board press; the six buttons.
#pragma once

#include "GtRen/Board.h"
#include "main/Port.h"

void ImgBanMouseDown(MouseButton button, int x, int y);
// The press of move order and four-chase order on one cell.
void MovePress(CellIndex cell);
void PlaceMove(CellIndex cell);
void TakeBackMove();
void ReplayMove();
// Enables or disables the back (first three) or forward (last three) buttons.
void EnableBackButtons(bool enabled);
void EnableForwardButtons(bool enabled);

void BitBackAllClick();
void BitBack2Click();
void BitBack1Click();
void BitGo1Click();
void BitGo2Click();
void BitGoAllClick();
