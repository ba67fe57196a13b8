// The diagram as an SVG 1.1 file, written directly as text: coordinates in the units
// of the 25-pixel cell, a viewBox of the figure's size, its width and height in
// millimetres, numerals and letters as paths, so it needs no font to be viewed.
#pragma once

#include <string>

#include "main/Diagram.h"

std::string EncodeDiagramSvg(const Diagram& diagram, double cellMm);
