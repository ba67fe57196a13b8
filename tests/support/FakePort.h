// A scripted window for logic tests: records what the logic shows and answers questions
// and file dialogs from queues. It has no Qt, so the logic's tests link no Qt either;
// DrawnFakePort adds the real board view and export picture for the tests that look.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "main/Diagram.h"
#include "main/Port.h"

struct AskedQuestion {
    QuestionKind kind;
    std::string text;
};

struct FileDialogCall {
    FileDialogKind kind;
    std::string fileName;
    std::string filter;
};

// The four mode items: ticking one unticks the other three.
constexpr MenuTick kModeTicks[] = {MenuTick::MnuSetTe, MenuTick::MnuSetMoji, MenuTick::MnuSetIsi,
                                   MenuTick::MnuSetSioi};

class FakePort : public WindowPort {
public:
    // Installs itself as the logic's window; the destructor puts the old one back.
    FakePort();
    ~FakePort() override;

    // Runs FormCreate against this port, as the real window does after its layout.
    void Start();

    void DrawCell(int column, int row) override;
    void DrawBoardText(int x, int y, const std::string& text) override;
    void SetMemo(const std::string& text) override
    {
        memo = text;
        ++memoWrites;
    }
    void SetButtonEnabled(NavButton button, bool enabled) override
    {
        buttonEnabled[button] = enabled;
    }
    void SetPanelVisible(PanelId panel, bool visible) override { panelVisible[panel] = visible; }
    void SetMenuChecked(MenuTick item, bool checked) override;
    void SetText(TextId field, const std::string& text) override { texts[field] = text; }
    int ScrollMojiPosition() override { return scrollMoji; }
    // As the logic sets it: nothing is reported.
    void SetScrollMojiPosition(int position) override;
    // As the user moves the bar: a change runs ScrollMojiChange.
    void UserMovesScrollMoji(int position);
    Answer Ask(QuestionKind kind, const std::string& text) override;
    void ShowErrorBox(const std::string& message) override { errors.push_back(message); }
    bool RunFileDialog(FileDialogKind kind, const std::string& fileName, const std::string& filter,
                       std::string& chosen) override;
    std::optional<GameSettings> AskGameSettings(const GameSettings& current) override;
    void CloseMainWindow() override;
    void BuildExportPicture(const Diagram& figure) override { exportFigure = figure; }
    bool EncodeExportPicture(const Diagram& figure, PictureFormat format,
                             std::vector<std::uint8_t>& bytes) override;
    void BeginProgress(const std::string&) override { ++progressBegun; }
    bool KeepGoing() override
    {
        ++progressAsked;
        return keepGoing;
    }
    void EndProgress() override { ++progressEnded; }
    void ShowInformation(const std::string& text) override { information.push_back(text); }

    // What the window shows.
    std::string memo;
    int memoWrites = 0;
    std::map<NavButton, bool> buttonEnabled;
    std::map<PanelId, bool> panelVisible;
    std::map<MenuTick, bool> menuChecked;
    std::map<TextId, std::string> texts;
    int scrollMoji = 0;
    std::vector<std::string> errors;
    std::vector<AskedQuestion> questions;
    std::vector<FileDialogCall> fileDialogs;
    std::vector<std::pair<int, int>> drawnCells; // column, row in drawing order
    int drawBoardTextCalls = 0;
    int closeRequests = 0;
    bool closed = false;
    std::vector<std::string> information; // the texts of the OK-only information boxes
    int progressBegun = 0;
    int progressAsked = 0;
    int progressEnded = 0;
    bool keepGoing = true; // what KeepGoing answers: false is the user's cancel
    // Whether ImgGazouBan was visible while the file dialog ran.
    bool exportShownDuringDialog = false;

    // Scripts. An empty answer queue answers OK / Yes, and No (do not save) to the question
    // before unsaved analysis is dropped; an empty dialog queue cancels.
    std::deque<Answer> answers;
    std::deque<std::string> dialogPaths; // "" cancels
    // Plays the user's part when the logic shows the settings dialog; unset cancels.
    std::function<std::optional<GameSettings>(const GameSettings&)> onSettingsDialog;

    // The figure the logic last had the window show.
    Diagram exportFigure;
    // How the window encodes the export picture; unset, it cannot (a logic test has no
    // drawing).
    std::function<bool(const Diagram&, PictureFormat, std::vector<std::uint8_t>&)> encode;

protected:
    // What the window shows before FormCreate; a plain fake shows nothing yet.
    virtual void ShowStartState() {}

private:
    WindowPort* previous_;
};

bool AllButtons(const FakePort& port, bool enabled);

// A board press at the centre of the cell.
void PressCell(int column, int row, MouseButton button = MouseButton::Left);
