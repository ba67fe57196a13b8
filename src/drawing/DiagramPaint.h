// The diagram painted with QPainter from the same layout as the SVG: as a PDF page of
// the figure's size, all vector, and as a 1-bit PNG at a chosen cell size.
#pragma once

#include <QPainter>
#include <cstdint>
#include <vector>

#include "main/Diagram.h"

// Paints in the units of the 25-pixel cell; the caller's transform sets the scale.
// Gathering each kind of shape into one path suits a vector device (few, large
// drawings); painting shape by shape suits pixels.
void PaintDiagram(QPainter& painter, const Diagram& diagram, bool gatherLayers = false);

// One page the figure's size at `cellMm` a cell, rounded up to whole points.
std::vector<std::uint8_t> EncodeDiagramPdf(const Diagram& diagram, double cellMm);

// Black and white, 1 bit a pixel, `cellPx` pixels a cell; its resolution is set so
// that it prints at `cellMm` a cell.
std::vector<std::uint8_t> EncodeDiagramPng(const Diagram& diagram, int cellPx, double cellMm);
