// File commands shared by the game record, the stone placement and the picture export.
#pragma once

#include <cstdint>
#include <string>

#include "main/FileIo.h"
#include "main/HaisekiFile.h"
#include "main/KifuFile.h"

// True: go on with the save; false: an existing file is not to be replaced.
bool ConfirmOverwrite(const std::string& fileName);
// The error box with the message of an input/output failure code.
void ShowIoError(IoCode code);
// The error box's rule: a "." is added when the message's last character comes
// after "." in code-point order.
std::string WithErrorPeriod(const std::string& message);
// A player's name as part of a proposed file name: "/" and control characters become "_".
std::string FileNamePart(const std::string& name);

void MnuSaveAsClick();
void MnuOpenClick();
void MnuHaisekiSaveClick();
void MnuHaisekiOpenClick();

// The steps of opening after the read, for a file image already in memory: check
// it and, if it holds a record, rebuild the game or the position from it. Return
// IoOk, or IoBadContent with nothing changed; neither shows the error box.
IoCode OpenKifuImage(const std::uint8_t (&bytes)[KifuFileSize]);
IoCode OpenHaisekiImage(const std::uint8_t (&bytes)[HaisekiFileSize]);

// The menu's open after its dialog, for a path given some other way (command line,
// a dropped file): read, check, rebuild, or the error box and nothing changed.
IoCode OpenKifuPath(const std::string& path);
IoCode OpenHaisekiPath(const std::string& path);

// Other: any other readable row of the format table (FormatTable.h).
enum class OpenedKind { Kifu, Haiseki, Other, Unknown };
// By the extension (any case) as the format table knows it, else by the size of one record
// of either of the two formats.
OpenedKind KindOfFile(const std::string& path);
// Opens the file as the row KindOfFile finds reads it: a game record or a stone placement
// as their menus do, any other record as OpenRecordPath does.
IoCode OpenPath(const std::string& path);
