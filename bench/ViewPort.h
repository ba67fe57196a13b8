// A window for benchmarks: draws into a real board view and keeps the status text,
// so a measured command pays for its drawing; everything else is dropped.
#pragma once

#include <string>

#include "NullPort.h"
#include "drawing/BoardView.h"
#include "main/CellLook.h"

class ViewPort : public NullPort {
public:
    void DrawCell(int column, int row) override
    {
        view.DrawCell(column, row, LookOfCell(column, row));
    }
    void DrawBoardText(int x, int y, const std::string& text) override
    {
        view.DrawText(x, y, text);
    }
    void SetMemo(const std::string& text) override { memo = text; }

    BoardView view;
    std::string memo;
};
