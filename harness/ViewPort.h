// A window that draws into a real board view and keeps the status line in a fixed
// buffer, so a measured or counted command pays for its drawing and nothing else;
// everything else is dropped. For the benchmarks and the allocation test.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "drawing/BoardView.h"
#include "main/CellLook.h"
#include "main/NullPort.h"

class ViewPort : public NullPort {
public:
    void DrawCell(int column, int row) override
    {
        view.DrawCell(column, row, LookOfCell(column, row));
        ++drawnCells;
    }
    void DrawBoardText(int x, int y, const std::string& text) override
    {
        view.DrawText(x, y, text);
    }
    // Kept without allocating, cut to the buffer.
    void SetMemo(const std::string& text) override
    {
        const std::size_t n = std::min(text.size(), sizeof memo - 1);
        std::memcpy(memo, text.data(), n);
        memo[n] = '\0';
    }

    BoardView view;
    char memo[64] = {};
    int drawnCells = 0;
};
