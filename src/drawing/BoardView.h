// The board view's picture (ImgBan): 510 × 510, drawn cell by cell from the tiles.
#pragma once

#include <QFont>
#include <QImage>
#include <string>

#include "main/CellLook.h"
#include "main/Geometry.h"

struct Pictures;

class BoardView {
public:
    BoardView();

    const QImage& Image() const { return image_; }

    // Draws the cell completely as `look` says: its tile, then its letter or number, then
    // the forbidden-point mark, then the ring of a variation.
    void DrawCell(int column, int row, const CellLook& look);
    // Every cell, each as `lookOf` gives it.
    void DrawAllCells(CellLook (*lookOf)(int column, int row));
    // Text in the view's own font (height 30) with its top-left corner at (x, y).
    void DrawText(int x, int y, const std::string& text);
    // Dotted inverting rectangle; drawing the same one twice restores the view.
    void DrawFocusRect(int left, int top, int right, int bottom);

    // Cell size and the font's character cell height.
    static constexpr int CellSize = ViewCell;
    static constexpr int ViewSize = ::ViewSize;
    static constexpr int FontHeight = 30;
    // Looked up on first use: a fresh board has no letters.
    const QFont& Font() const;

private:
    const QImage& Background(int column, int row, int stone) const;
    void DrawNumber(uchar* origin, qsizetype stride, int stone, int number);
    void DrawLetter(int x0, int y0, int label, const char* text);
    void DrawForbiddenMark(uchar* origin, qsizetype stride);
    void DrawVariationMark(uchar* origin, qsizetype stride);

    const Pictures& pictures_;
    QImage image_;
    // The digit strips and the narrow 2 in the view's own pixel format, converted once
    // (pixel for pixel as a copy from the 1-bit strips gives them): a number is then a
    // few row copies. Index 0 for black stones, 1 for white ones.
    QImage digits_[2];
    QImage narrowTwo_[2];
    mutable QFont font_;
    mutable int ascent_ = -1; // -1 until the font is looked up
    // Each label rendered once onto white, as the part of the cell right of and below
    // the text's corner, so redrawing a lettered cell is a block copy.
    QImage labelImage_[27];
    const char* labelSource_[27] = {};
};
