// Opening and saving the record formats beyond the game record and the stone placement:
// a line is entered as the game's moves, black first; a position as placed stones.
#pragma once

#include <string>

#include "main/FileIo.h"
#include "main/FormatTable.h"

// The game as a record: the whole move list (the moves taken back included, as the game
// record's save keeps them), the stones not played by it as setup, the names and opening.
Record RecordOfGame();

// Checks the record against the board and, when it fits, rebuilds the game from it: the
// names and the opening as a game record's open sets them, then the setup as placed stones,
// then the line replayed. Returns false with `message` set, and nothing changed, when the
// record holds a pass or a stone off the board or on another.
bool OpenRecord(const Record& record, std::string& message);

// Reads the file through its row and opens it; the error box with the file step's or the
// reader's message, and nothing changed, when it cannot be.
IoCode OpenRecordPath(const std::string& path, const FileFormat& format);

// "他の形式を開く(&I)..." and "他の形式で保存(&E)...": the dialogs list the table's record rows;
// the chosen name's extension picks the row.
void MnuOpenOtherClick();
void MnuSaveOtherClick();
