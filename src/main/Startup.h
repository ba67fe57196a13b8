// Start-up of the main window's logic, the board reset and the status line.
#pragma once

// The main window's creation handler, after the window has applied its layout.
void FormCreate();
void ResetBoard();
// Rewrites Memo1 with the status line (not in stone placement).
void ShowMoveStatus();

// The logic's only way to update the board view.
void DrawCell(int column, int row);
void DrawAllCells();
