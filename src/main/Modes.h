// The four editing modes, stone and letter placement, the option flags, the board
// clear, the close question and the two kinds of question box.
#pragma once

#include <string>

#include "GtRen/Board.h"
#include "main/Port.h"

// Information box: true for OK, false for Cancel or the close box.
bool AskInformation(const std::string& text);
// Confirmation box: false only for No (the close box counts as Yes).
bool AskConfirmation(const std::string& text);

void MnuSetTeClick();
void MnuSetIsiClick();
void MnuSetMojiClick();
void MnuSetSioiClick();
void ShowEditMode();
void AskSideToMove();

void ToggleStone(MouseButton button, CellIndex cell);
void ShowStoneCounts();
void BtnkoutaiMouseClick();

void LetterPress(CellIndex cell);
void ScrollMojiChange();
// Moves the letter chooser as the logic does, with ScrollMojiChange when it moved.
void SetLetterPosition(int position);

void MnuSyujyunClick();
void MnuSiTomeClick();
void MnuClearClick();
// Returns whether the main window may close.
bool FormCloseQuery();
void MnuExitClick();
