// The export picture (ImgGazouBan): the figure the logic described, shown as the 1-bit
// bitmap of 25 pixels a cell; EncodeDiagram writes the same figure as a file.
#pragma once

#include <QFont>
#include <QImage>
#include <cstdint>
#include <vector>

#include "drawing/DiagramFormats.h"
#include "main/Diagram.h"
#include "main/Port.h"

class ExportPicture {
public:
    // Held in colour while it is shown; only black and white pixels occur.
    const QImage& Image() const { return image_; }
    const Diagram& Description() const { return diagram_; }

    // Keeps the figure and draws its bitmap.
    void Build(const Diagram& figure);

    static constexpr int CellSize = DiagramGeometry::Cell;
    const QFont& LetterFont() const;

private:
    Diagram diagram_;
    QImage image_;
};
