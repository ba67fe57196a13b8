#include "DrawnFakePort.h"

#include "drawing/DiagramFormats.h"
#include "forms/FomKifuControls.h"
#include "main/CellLook.h"

DrawnFakePort::DrawnFakePort()
{
    // The window's encoder.
    encode = [](const Diagram& figure, PictureFormat format, std::vector<std::uint8_t>& bytes) {
        bytes = EncodeDiagram(figure, format);
        return true;
    };
}

void DrawnFakePort::ShowStartState()
{
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
}

void DrawnFakePort::DrawCell(int column, int row)
{
    FakePort::DrawCell(column, row);
    view.DrawCell(column, row, LookOfCell(column, row));
}

void DrawnFakePort::DrawBoardText(int x, int y, const std::string& text)
{
    FakePort::DrawBoardText(x, y, text);
    view.DrawText(x, y, text);
}

void DrawnFakePort::DrawFocusRect(int left, int top, int right, int bottom)
{
    view.DrawFocusRect(left, top, right, bottom);
}

void DrawnFakePort::BuildExportPicture(const Diagram& figure)
{
    FakePort::BuildExportPicture(figure);
    exportPicture.Build(figure);
}
