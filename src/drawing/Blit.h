// Block copies and fills between pictures, 1:1 and clipped, done on the pixels
// directly: the board view redraws a cell with a few of these and allocates nothing.
#pragma once

#include <QImage>

// Copies the source rectangle (left, top, right, bottom; right and bottom exclusive)
// of `src` so that its top-left corner lands at (dx, dy) of `dst`. `dst` is a 32-bit
// RGB picture; `src` is 32-bit RGB or 1 bit per pixel with a colour table.
void CopyRect(QImage& dst, int dx, int dy, const QImage& src, int left, int top, int right,
              int bottom);

// The same copy leaving out the source pixels of colour `transparent`: a glyph's
// ink alone, so the ground it lands on shows around it.
void CopyInk(QImage& dst, int dx, int dy, const QImage& src, int left, int top, int right,
             int bottom, QRgb transparent);

// Fills (left, top, right, bottom) of a 32-bit RGB picture.
void FillRect(QImage& dst, int left, int top, int right, int bottom, QRgb colour);
