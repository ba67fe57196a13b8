#include "main/Export.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "main/Diagram.h"
#include "main/FileIo.h"
#include "main/Files.h"
#include "main/FormatTable.h"
#include "main/Geometry.h"
#include "main/Port.h"
#include "main/State.h"

namespace {

// The save dialog proposes the bitmap, as it always has, and offers the figure
// formats after it.
constexpr const char* PictureFileName = ".bmp";
constexpr const char* PictureFilter = "画像データ(*.bmp)|*.bmp|SVG 画像(*.svg)|*.svg|"
                                      "PDF 文書(*.pdf)|*.pdf|PNG 画像(*.png)|*.png";

// The focus rectangle now on the board view, remembered as drawn: removing it redraws
// exactly these corners even if a second press has moved the drag's start meanwhile.
struct DrawnRect {
    bool shown = false;
    int left = 0, top = 0, right = 0, bottom = 0;
};
DrawnRect Drawn;

void RemoveDrawnRect()
{
    if (!Drawn.shown)
        return;
    Window->DrawFocusRect(Drawn.left, Drawn.top, Drawn.right, Drawn.bottom);
    Drawn.shown = false;
}

// The figure of the export at hand: described once from the state, shown, and encoded
// from that same description.
Diagram Figure;

void ShowFigure(int left, int top, int right, int bottom)
{
    DescribeExport(left, top, right, bottom, Figure);
    Window->BuildExportPicture(Figure);
}

// Board-view pixel to column or row, truncating towards zero like the pixel division
// of the press, then kept on the board.
int CellOf(int pixel)
{
    return std::clamp(pixel / ViewCell + 1, 1, BoardLines);
}

// The picture encoded in memory, then written by the file step that every file takes.
// Returns false only when the file could not be written.
bool WritePicture(PictureFormat format, const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    // A picture that cannot be encoded fails as its writing would.
    WriteStage stage = WriteStage::Write;
    if (Window->EncodeExportPicture(Figure, format, bytes) &&
        WriteWholeFile(path, bytes.data(), bytes.size(), &stage) == IoOk)
        return true;
    if (stage == WriteStage::Create)
        Window->ShowErrorBox(WithErrorPeriod("ファイル " + path + " を作成できません"));
    else
        Window->ShowErrorBox(WithErrorPeriod("ストリームへの書き込みエラー"));
    return false;
}

// Returns false only when the file could not be written.
bool SavePicture()
{
    Window->SetPanelVisible(PanelId::ImgGazouBan, true);
    bool written = true;
    std::string chosen;
    if (Window->RunFileDialog(FileDialogKind::Save, PictureFileName, PictureFilter, chosen) &&
        ConfirmOverwrite(chosen))
        written = WritePicture(PictureFormatOfName(chosen), chosen);
    // Hidden after a failure too: a picture left over the board would hide the game.
    Window->SetPanelVisible(PanelId::ImgGazouBan, false);
    return written;
}

} // namespace

PictureFormat PictureFormatOfName(const std::string& path)
{
    const FileFormat* format = FormatOfFileName(path);
    return format != nullptr && format->holds == FormatHolds::Picture ? format->picture
                                                                      : PictureFormat::Bmp;
}

void MnuWBHozonClick()
{
    RangeSelectState = 0;
    ShowFigure(1, 1, BoardLines, BoardLines);
    SavePicture();
}

void MnuWBHaniSeteiClick()
{
    RangeSelectState = 1;
}

void ImgBanMouseMove(bool leftButtonHeld, int x, int y)
{
    if (RangeSelectState != 1 || !leftButtonHeld)
        return;
    RemoveDrawnRect();
    DragEndX = x;
    DragEndY = y;
    Drawn = {true, DragStartX, DragStartY, DragEndX, DragEndY};
    Window->DrawFocusRect(Drawn.left, Drawn.top, Drawn.right, Drawn.bottom);
}

void ImgBanMouseUp(int /*x*/, int /*y*/)
{
    if (RangeSelectState != 1)
        return;
    // A release without any movement since the press exports the cell under it. A
    // rectangle left from before a second press does not count as movement.
    const bool moved = Drawn.shown && Drawn.left == DragStartX && Drawn.top == DragStartY &&
                       Drawn.right == DragEndX && Drawn.bottom == DragEndY;
    RemoveDrawnRect();
    const int endX = moved ? DragEndX : DragStartX;
    const int endY = moved ? DragEndY : DragStartY;
    // A drag may go up or left of its start: the range is the same either way.
    const int left = CellOf(std::min(DragStartX, endX));
    const int right = CellOf(std::max(DragStartX, endX));
    const int top = CellOf(std::min(DragStartY, endY));
    const int bottom = CellOf(std::max(DragStartY, endY));
    ShowFigure(left, top, right, bottom);
    if (SavePicture())
        RangeSelectState = 0;
}

void SaveExportPicture()
{
    SavePicture();
}
