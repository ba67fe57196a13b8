// The export picture (ImgGazouBan): the figure the logic described, shown as the 1-bit
// bitmap of 25 pixels a cell and written in the format the user chose.
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
    // The whole file in `format`: a BMP at 1 bit per pixel, colour table black then white,
    // or the figure as SVG, PDF or PNG; the window's figures have the default size.
    bool Encode(PictureFormat format, std::vector<std::uint8_t>& bytes,
                const FigureSize& size = FigureSize()) const;

    static constexpr int CellSize = DiagramGeometry::Cell;
    const QFont& LetterFont() const;

private:
    Diagram diagram_;
    QImage image_;
};
