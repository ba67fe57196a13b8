// The exported figure as the bytes of a file in any of the picture formats.
#pragma once

#include <cstdint>
#include <vector>

#include "main/Diagram.h"
#include "main/Port.h"

struct FigureSize {
    double cellMm = 5.0; // SVG and PDF, and the resolution noted in a PNG
    int cellPx = 100;    // PNG
};

std::vector<std::uint8_t> EncodeDiagram(const Diagram& diagram, PictureFormat format,
                                        const FigureSize& size = FigureSize());
