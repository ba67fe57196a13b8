#include "main/Modes.h"

#include "Set_Data/Set_Data.h"
#include "main/EnginePosition.h"
#include "main/ForbiddenMarks.h"
#include "main/Geometry.h"
#include "main/Moves.h"
#include "main/Startup.h"
#include "main/State.h"
#include "main/Status.h"
#include "main/Variations.h"

bool AskInformation(const std::string& text)
{
    return Window->Ask(QuestionKind::Information, text) == Answer::Ok;
}

bool AskConfirmation(const std::string& text)
{
    return Window->Ask(QuestionKind::Confirmation, text) != Answer::No;
}

void ShowEditMode()
{
    Window->SetPanelVisible(PanelId::PanelSyujun, false);
    Window->SetPanelVisible(PanelId::PanelMoji, false);
    Window->SetPanelVisible(PanelId::PanelHaiseki, false);
    switch (EditMode) {
    case ModeMoveOrder:
        Window->SetMenuChecked(MenuTick::MnuSetTe, true);
        Window->SetPanelVisible(PanelId::PanelSyujun, true);
        break;
    case ModeStonePlacement:
        Window->SetMenuChecked(MenuTick::MnuSetIsi, true);
        Window->SetPanelVisible(PanelId::PanelHaiseki, true);
        break;
    case ModeLetterPlacement:
        Window->SetMenuChecked(MenuTick::MnuSetMoji, true);
        Window->SetPanelVisible(PanelId::PanelMoji, true);
        break;
    case ModeFourChase:
        Window->SetMenuChecked(MenuTick::MnuSetSioi, true);
        Window->SetPanelVisible(PanelId::PanelSyujun, true);
        break;
    default:
        break;
    }
    UpdateForbiddenMarks();
}

void AskSideToMove()
{
    SideToMove = BlackStoneTotal > WhiteStoneTotal ? CellWhite : CellBlack;
    const std::string colour = SideToMove == CellBlack ? "黒" : "白";
    if (!AskConfirmation(colour + "の手番でいいですか？"))
        SideToMove = 3 - SideToMove;
}

void MnuSetTeClick()
{
    EditMode = ModeMoveOrder;
    ShowEditMode();
    if (BlackStoneTotal + WhiteStoneTotal > 0)
        AskSideToMove();
    ShowMoveStatus();
}

void MnuSetIsiClick()
{
    EditMode = ModeStonePlacement;
    ShowEditMode();
    ShowStoneCounts();
}

void MnuSetMojiClick()
{
    EditMode = ModeLetterPlacement;
    ShowEditMode();
}

void MnuSetSioiClick()
{
    EditMode = ModeFourChase;
    AutoBlockFours = 1;
    Window->SetMenuChecked(MenuTick::MnuSiTome, true);
    ShowEditMode();
    AskSideToMove();
    FourChaseColor = SideToMove;
    ShowMoveStatus();
}

void ToggleStone(MouseButton button, CellIndex cell)
{
    const int c = button == MouseButton::Left ? LeftButtonColor : 3 - LeftButtonColor;
    auto total = [](int colour) -> std::int32_t& {
        return colour == CellBlack ? BlackStoneTotal : WhiteStoneTotal;
    };
    const std::int32_t held = BoardCells[cell];
    if (held == CellEmpty) {
        BoardCells[cell] = c;
        ++total(c);
    } else if (held == c) {
        BoardCells[cell] = CellEmpty;
        --total(c);
    } else if (held == 3 - c) {
        BoardCells[cell] = c;
        ++total(c);
        --total(3 - c);
    }
}

void ShowStoneCounts()
{
    StatusText counts;
    counts << "  黒石  " << BlackStoneTotal << "\n  白石  " << WhiteStoneTotal;
    WriteStatus(counts.View());
    UpdateForbiddenMarks();
    NotePositionChange();
}

void BtnkoutaiMouseClick()
{
    LeftButtonColor = 3 - LeftButtonColor;
    const bool leftBlack = LeftButtonColor == CellBlack;
    Window->SetText(TextId::LabelLeftClick, leftBlack ? "左ｸﾘｯｸ-黒" : "左ｸﾘｯｸ-白");
    Window->SetText(TextId::LabelRightClick, leftBlack ? "右ｸﾘｯｸ-白" : "右ｸﾘｯｸ-黒");
}

void LetterPress(CellIndex cell)
{
    const int p = Window->ScrollMojiPosition();
    if (p == -1) {
        CellMarks[cell] = 0;
        DrawCell(CellColumn(cell), CellRow(cell));
        TreeLetterPlaced(cell, 0);
        return;
    }
    Window->DrawBoardText(ViewCellX(CellColumn(cell)) + PressLetterDx,
                          ViewCellY(CellRow(cell)) + PressLetterDy, LetterLabels[p + 1]);
    CellMarks[cell] = -(p + 1);
    TreeLetterPlaced(cell, p + 1);
    // The scroll bar keeps 25 once it reaches Z, so further presses place Z again.
    SetLetterPosition(p + 1);
}

void SetLetterPosition(int position)
{
    const int before = Window->ScrollMojiPosition();
    Window->SetScrollMojiPosition(position);
    if (Window->ScrollMojiPosition() != before)
        ScrollMojiChange();
}

void ScrollMojiChange()
{
    Window->SetText(TextId::LabelMoji, LetterLabels[Window->ScrollMojiPosition() + 1]);
}

void MnuSyujyunClick()
{
    ShowMoveNumbers = 1 - ShowMoveNumbers;
    Window->SetMenuChecked(MenuTick::MnuSyujyun, ShowMoveNumbers == 1);
}

void MnuSiTomeClick()
{
    AutoBlockFours = 1 - AutoBlockFours;
    Window->SetMenuChecked(MenuTick::MnuSiTome, AutoBlockFours == 1);
}

void MnuClearClick()
{
    bool asked = false;
    if (!KeepAnalysis(asked))
        return;
    if (!asked && (MoveCount > 1 || BlackStoneTotal + WhiteStoneTotal > 0)) {
        if (!AskInformation("盤をクリアしますか？"))
            return;
    }
    ResetBoard();
    if (EditMode == ModeMoveOrder)
        ShowMoveStatus();
    else
        ShowStoneCounts();
}

bool FormCloseQuery()
{
    bool asked = false;
    if (!KeepAnalysis(asked))
        return false;
    if (asked)
        return true;
    return AskInformation(std::string(MainWindowCaption) + " を終了しますか？");
}

void MnuExitClick()
{
    Window->CloseMainWindow();
}
