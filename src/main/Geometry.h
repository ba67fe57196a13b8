// Pixel geometry shared by the logic, the board view, the picture export, the window and
// the tests: the two cell sizes, where the two pictures stand in the window, and where a
// letter press draws into a cell of the board view. Rectangles are left, top, right, bottom, right
// and bottom exclusive.
#pragma once

// The board view ImgBan: 15 × 15 cells of 34 × 34 pixels.
constexpr int ViewCell = 34;
constexpr int ViewSize = 15 * ViewCell; // 510
constexpr int ViewLeft = 20;            // in the window's client area
constexpr int ViewTop = 10;

// The top-left pixel of a cell in the board view, and the cell under a pixel of it.
constexpr int ViewCellX(int column)
{
    return (column - 1) * ViewCell;
}
constexpr int ViewCellY(int row)
{
    return (row - 1) * ViewCell;
}
constexpr int ViewColumnAt(int x)
{
    return x / ViewCell + 1;
}
constexpr int ViewRowAt(int y)
{
    return y / ViewCell + 1;
}

// A letter press draws its letter at once this far from the cell's corner.
constexpr int PressLetterDx = 8;
constexpr int PressLetterDy = 1;

// The exported picture: 25 × 25 pixels a cell, 375 × 375 for the whole board. What stands
// where within an exported cell is the figure's layout, DiagramGeometry in main/Diagram.h.
constexpr int ExportCell = 25;
constexpr int ExportBoardSize = 15 * ExportCell; // 375
// Where ImgGazouBan shows the picture being saved, partly over the board view.
constexpr int ExportViewLeft = 10;
constexpr int ExportViewTop = 144;
