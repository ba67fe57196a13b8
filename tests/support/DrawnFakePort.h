// The scripted window that also draws: a real board view and export picture, and the
// start-up state of the real window, from the table it is built from. For the tests of
// what the window shows.
#pragma once

#include "FakePort.h"
#include "drawing/BoardView.h"
#include "drawing/ExportPicture.h"

class DrawnFakePort : public FakePort {
public:
    DrawnFakePort();

    void DrawCell(int column, int row) override;
    void DrawBoardText(int x, int y, const std::string& text) override;
    void DrawFocusRect(int left, int top, int right, int bottom) override;
    void BuildExportPicture(const Diagram& figure) override;

    BoardView view;
    ExportPicture exportPicture;

protected:
    void ShowStartState() override;
};
