#include "FakePort.h"

#include <algorithm>

#include "main/Geometry.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/Startup.h"
#include "main/State.h"

FakePort::FakePort() : previous_(Window)
{
    Window = this;
}

FakePort::~FakePort()
{
    Window = previous_;
}

void FakePort::Start()
{
    // The state lives for the whole test run; start each test from a fresh load.
    ShowMoveNumbers = 1;
    AutoBlockFours = 0;
    FourChaseColor = 0;
    GameInfo.Opening = 0;
    ShowStartState();
    FormCreate();
    drawnCells.clear();
}

void FakePort::DrawCell(int column, int row)
{
    drawnCells.emplace_back(column, row);
}

void FakePort::DrawBoardText(int, int, const std::string&)
{
    ++drawBoardTextCalls;
}

void FakePort::SetMenuChecked(MenuTick item, bool checked)
{
    // Ticking a mode item unticks the other three, as the real menu does.
    const auto* end = std::end(kModeTicks);
    if (checked && std::find(std::begin(kModeTicks), end, item) != end)
        for (MenuTick mode : kModeTicks)
            menuChecked[mode] = false;
    menuChecked[item] = checked;
}

void FakePort::SetScrollMojiPosition(int position)
{
    position = position < ScrollMojiMin   ? ScrollMojiMin
               : position > ScrollMojiMax ? ScrollMojiMax
                                          : position;
    scrollMoji = position;
}

void FakePort::UserMovesScrollMoji(int position)
{
    const int before = scrollMoji;
    SetScrollMojiPosition(position);
    if (scrollMoji != before)
        ScrollMojiChange();
}

Answer FakePort::Ask(QuestionKind kind, const std::string& text)
{
    questions.push_back({kind, text});
    if (answers.empty())
        return kind == QuestionKind::Information ? Answer::Ok
               : kind == QuestionKind::SaveFirst ? Answer::No
                                                 : Answer::Yes;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

bool FakePort::RunFileDialog(FileDialogKind kind, const std::string& fileName,
                             const std::string& filter, std::string& chosen)
{
    fileDialogs.push_back({kind, fileName, filter});
    exportShownDuringDialog = panelVisible[PanelId::ImgGazouBan];
    if (dialogPaths.empty())
        return false;
    chosen = dialogPaths.front();
    dialogPaths.pop_front();
    return !chosen.empty();
}

std::optional<GameSettings> FakePort::AskGameSettings(const GameSettings& current)
{
    if (!onSettingsDialog)
        return std::nullopt;
    return onSettingsDialog(current);
}

void FakePort::CloseMainWindow()
{
    ++closeRequests;
    closed = FormCloseQuery();
}

bool FakePort::EncodeExportPicture(const Diagram& figure, PictureFormat format,
                                   std::vector<std::uint8_t>& bytes)
{
    return encode && encode(figure, format, bytes);
}

bool AllButtons(const FakePort& port, bool enabled)
{
    for (auto b : {NavButton::BitBackAll, NavButton::BitBack2, NavButton::BitBack1,
                   NavButton::BitGo1, NavButton::BitGo2, NavButton::BitGoAll}) {
        auto it = port.buttonEnabled.find(b);
        if (it == port.buttonEnabled.end() || it->second != enabled)
            return false;
    }
    return true;
}

void PressCell(int column, int row, MouseButton button)
{
    ImgBanMouseDown(button, ViewCellX(column) + ViewCell / 2, ViewCellY(row) + ViewCell / 2);
}
