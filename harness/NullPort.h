// A window that shows nothing: every question answers OK, every file dialog cancels.
// For the headless runs of the benchmarks, the fuzzers and the allocation test, which
// override what they need. Not part of the program: its own command line has its port.
#pragma once

#include "main/Port.h"

class NullPort : public WindowPort {
public:
    void DrawCell(int, int) override {}
    void DrawBoardText(int, int, const std::string&) override {}
    void DrawFocusRect(int, int, int, int) override {}
    void SetMemo(const std::string&) override {}
    void SetButtonEnabled(NavButton, bool) override {}
    void SetPanelVisible(PanelId, bool) override {}
    void SetMenuChecked(MenuTick, bool) override {}
    void SetText(TextId, const std::string&) override {}
    int ScrollMojiPosition() override { return 0; }
    void SetScrollMojiPosition(int) override {}
    Answer Ask(QuestionKind, const std::string&) override { return Answer::Ok; }
    void ShowErrorBox(const std::string&) override {}
    bool RunFileDialog(FileDialogKind, const std::string&, const std::string&,
                       std::string&) override
    {
        return false;
    }
    std::optional<GameSettings> AskGameSettings(const GameSettings&) override
    {
        return std::nullopt;
    }
    void CloseMainWindow() override {}
    void BuildExportPicture(int, int, int, int) override {}
    bool EncodeExportPicture(PictureFormat, std::vector<std::uint8_t>&) override { return false; }
};
