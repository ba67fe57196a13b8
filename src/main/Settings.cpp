#include "main/Settings.h"

#include <optional>
#include <string>

#include "Set_Data/Set_Data.h"
#include "main/Cp932.h"
#include "main/Modes.h"
#include "main/Port.h"
#include "main/Startup.h"
#include "main/State.h"
#include "main/Status.h"
#include "main/Variations.h"

namespace {

constexpr CellIndex Centre = MakeCell(8, 8);
constexpr CellIndex AboveCentre = MakeCell(8, 7);
constexpr CellIndex RightAboveCentre = MakeCell(9, 7);

} // namespace

CellIndex OpeningMove(int opening, int i)
{
    switch (i) {
    case 0:
        return Centre;
    case 1:
        // 1–12 and 25 are the direct openings, the rest the indirect ones.
        return opening >= 13 && opening != 25 ? RightAboveCentre : AboveCentre;
    default:
        return OpeningThirdMoves[opening - 1];
    }
}

void MnuSetTaikyokuClick()
{
    const std::optional<GameSettings> chosen = Window->AskGameSettings(
        {SelectedOpening, NameText(GameInfo.BlackName), NameText(GameInfo.WhiteName)});
    if (!chosen)
        return;
    const bool otherOpening = chosen->opening != SelectedOpening;
    // A new opening or placed stones reset the board, and with it the analysis tree.
    bool asked = false;
    if ((BlackStoneTotal + WhiteStoneTotal > 0 || (chosen->opening > 0 && otherOpening)) &&
        !KeepAnalysis(asked))
        return;
    SelectedOpening = chosen->opening;
    StoreName(GameInfo.BlackName, chosen->blackName);
    StoreName(GameInfo.WhiteName, chosen->whiteName);
    const StatusBatch batch; // the opening's line and the mode's are one rewrite
    if (BlackStoneTotal + WhiteStoneTotal > 0)
        ResetBoard();
    if (SelectedOpening > 0 && otherOpening)
        SetupOpening();
    GameInfo.Opening = SelectedOpening;
    ShowPlayerNames();
    Window->SetPanelVisible(PanelId::PanelTaikyokuData, true);
    EditMode = ModeMoveOrder;
    ShowEditMode();
    ShowMoveStatus();
}

void ShowSelectedOpening()
{
    // Only a checked record or the dialog sets the number; anything else is no opening.
    const int k = SelectedOpening >= 0 && SelectedOpening <= OpeningCount ? SelectedOpening : 0;
    Window->SetText(TextId::EditSyukei, std::string(" 珠型 : ") + OpeningNames[k]);
}

void SetupOpening()
{
    const int k = SelectedOpening >= 0 && SelectedOpening <= OpeningCount ? SelectedOpening : 0;
    ResetBoard();
    ShowSelectedOpening();
    if (k > 0) {
        for (int i = 0; i < 3; ++i)
            MoveList[i] = OpeningMove(k, i);
        MoveList[3] = 0;
        SideToMove = CellBlack;
        for (int i = 0; i < 3; ++i) {
            const CellIndex c = MoveList[i];
            BoardCells[c] = SideToMove;
            CellMarks[c] = i + 1;
            DrawCell(CellColumn(c), CellRow(c));
            SideToMove = 3 - SideToMove;
        }
        MoveCount = 3;
    }
    ShowMoveStatus();
}

void ShowPlayerNames()
{
    Window->SetText(TextId::EditKuroKisi, " 黒　" + NameText(GameInfo.BlackName));
    Window->SetText(TextId::EditSiroKisi, " 白　" + NameText(GameInfo.WhiteName));
}
