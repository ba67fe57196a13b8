// The engine's best move as the board view shows it on screen: a blue diamond outline inside
// the cell, which no stone (a disc), number, letter (a white square) or forbidden cross looks
// like. Painted over the view's picture, never into it, so the picture and its exports stay
// as they are.
#pragma once

#include "Board/Cell.h"

class QPainter;

// Paints the mark on `cell` of a painter over the board view's 510 × 510 pixels.
void PaintAnalysisMark(QPainter& painter, CellIndex cell);
