// The window of the commands that run without one: nothing is drawn or asked, and the
// error box's message goes to standard error, after the name of the file at hand.
#pragma once

#include <QString>
#include <string>

#include "main/Port.h"

class HeadlessPort : public WindowPort {
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
    void ShowErrorBox(const std::string& message) override;
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

    // The file that the next error is about.
    std::string currentFile; // as given, in bytes
};

// Makes a HeadlessPort the logic's window and starts the logic as the editor does.
HeadlessPort& StartHeadless();

// Opens INPUT (a .kif or .dat, by its extension, else its size) as the menu's open does,
// from a fresh start. False, with the message on standard error, when it is refused.
bool OpenInput(const std::string& path);
