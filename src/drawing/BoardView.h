// The board view's picture (ImgBan): 510 × 510, drawn cell by cell from the tiles.
#pragma once

#include <QImage>
#include <string>

class BoardView {
public:
    BoardView();

    const QImage& Image() const { return image_; }

    // Draws the cell completely from BoardCells, CellMarks and ShowMoveNumbers.
    void DrawCell(int column, int row);
    void DrawAllCells();
    // Text in the view's own font (height 30) with its top-left corner at (x, y).
    void DrawText(int x, int y, const std::string& text);
    // Dotted inverting rectangle; drawing the same one twice restores the view.
    void DrawFocusRect(int left, int top, int right, int bottom);

private:
    QImage image_;
};
