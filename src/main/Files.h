// File commands shared by the game record, the stone placement and the picture export.
#pragma once

#include <string>

// 0: go on with the save; 1: stop (an existing file is not to be replaced).
int ConfirmOverwrite(const std::string& fileName);
// The error box with the message of an input/output failure code.
void ShowIoError(int code);
// The error box's rule: a "." is added when the message's last character comes
// after "." in code-point order.
std::string WithErrorPeriod(const std::string& message);

void MnuSaveAsClick();
void MnuOpenClick();
void MnuHaisekiSaveClick();
void MnuHaisekiOpenClick();
