#include "FakePort.h"

#include "forms/FomKifuControls.h"
#include "main/CellLook.h"
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
    // What the real window shows before FormCreate, from the table it is built from.
    for (const FomKifuControl& row : FomKifuControls()) {
        switch (row.id.kind) {
        case PortId::Kind::Button:
            buttonEnabled[static_cast<NavButton>(row.id.value)] = row.start != Start::Disabled;
            break;
        case PortId::Kind::Panel:
            panelVisible[static_cast<PanelId>(row.id.value)] = row.start != Start::Hidden;
            break;
        case PortId::Kind::Tick:
            menuChecked[static_cast<MenuTick>(row.id.value)] = row.start == Start::Ticked;
            break;
        case PortId::Kind::Text:
            texts[static_cast<TextId>(row.id.value)] = row.text;
            break;
        case PortId::Kind::None:
            break;
        }
    }
    FormCreate();
    drawnCells.clear();
}

void FakePort::DrawCell(int column, int row)
{
    drawnCells.emplace_back(column, row);
    view.DrawCell(column, row, LookOfCell(column, row));
}

void FakePort::DrawBoardText(int x, int y, const std::string& text)
{
    ++drawBoardTextCalls;
    view.DrawText(x, y, text);
}

void FakePort::DrawFocusRect(int left, int top, int right, int bottom)
{
    view.DrawFocusRect(left, top, right, bottom);
}

void FakePort::SetMenuChecked(MenuTick item, bool checked)
{
    // Ticking a radio item unticks the others of its group, as the real menu does.
    const FomKifuControl* row = FindControl(item);
    if (checked && row != nullptr && row->check == Check::Radio) {
        for (const FomKifuControl& other : FomKifuControls()) {
            if (other.check == Check::Radio && other.id.kind == PortId::Kind::Tick) {
                menuChecked[static_cast<MenuTick>(other.id.value)] = false;
            }
        }
    }
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

void FakePort::BuildExportPicture(int left, int top, int right, int bottom)
{
    Diagram figure;
    DescribeExport(left, top, right, bottom, figure);
    exportPicture.Build(figure);
}

bool FakePort::EncodeExportPicture(PictureFormat format, std::vector<std::uint8_t>& bytes)
{
    return exportPicture.Encode(format, bytes);
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
