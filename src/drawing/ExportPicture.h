// The export picture (ImgGazouBan): built at 25 pixels a cell, written as a 1-bit BMP.
#pragma once

#include <QFont>
#include <QImage>
#include <cstdint>
#include <vector>

#include "main/Port.h"

class ExportPicture {
public:
    ExportPicture();

    // Held in colour while it is shown; only black and white pixels occur.
    const QImage& Image() const { return image_; }

    // Clears and resizes the picture for the cells, copies that cut of GazouBan and
    // draws the cells' contents.
    void Build(int left, int top, int right, int bottom);
    void DrawExportCells(int left, int top, int right, int bottom);
    // The whole file in `format`: a BMP at 1 bit per pixel, colour table black then white.
    bool Encode(PictureFormat format, std::vector<std::uint8_t>& bytes) const;

    static constexpr int CellSize = 25;
    static constexpr int LetterHeight = 23;
    // Looked up on first use: most runs export no letters.
    const QFont& LetterFont() const;

private:
    void DrawNumber(int dx, int dy, int stone, int n);
    void DrawLetter(int dx, int dy, int label);

    QImage image_;
    int left_ = 1;
    int top_ = 1;
    mutable QFont letterFont_;
    mutable bool letterFontFound_ = false;
};
