// The diagram as the 1-bit picture of 25 pixels a cell: the blank board's cut, the
// stone pictures and the 8 × 14 digit glyphs, copied 1:1.
#pragma once

#include <QFont>
#include <QImage>

#include "main/Diagram.h"

// The export's letter face: the drawing surface's own bold sans-serif, 23 pixels of
// character cell, unsmoothed so the letters stay black and white.
const QFont& DiagramLetterFont();

// Clears and resizes `image` (32-bit RGB, only black and white pixels) to the diagram.
void RenderDiagramBitmap(const Diagram& diagram, QImage& image);
