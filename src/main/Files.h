// File commands shared by the game record, the stone placement and the picture export.
#pragma once

#include <cstdint>
#include <string>

#include "main/HaisekiFile.h"
#include "main/KifuFile.h"

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

// The steps of opening after the read, for a file image already in memory: check
// it and, if it holds a record, rebuild the game or the position from it. Return
// IoOk, or IoBadContent with nothing changed; neither shows the error box.
int OpenKifuImage(const std::uint8_t (&bytes)[KifuFileSize]);
int OpenHaisekiImage(const std::uint8_t (&bytes)[HaisekiFileSize]);
