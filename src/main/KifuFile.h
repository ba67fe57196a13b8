// The game-record format (.kif): 668 bytes, little-endian. The opening number and
// the two name fields (GameInfo), then 150 move slots ending at the first entry
// that is not positive. Encoding, decoding and checking work on bytes only.
#pragma once

#include <cstddef>
#include <cstdint>

#include "main/State.h"

constexpr std::size_t KifuFileSize = sizeof(KifuRecordLayout);
static_assert(KifuFileSize == 668, "a game-record file is one record");

void EncodeKifuRecord(const KifuRecordLayout& record, std::uint8_t (&bytes)[KifuFileSize]);

// Decodes and checks a record; `record` is written only when the bytes are a
// record this program can open (see IsOpenableKifuRecord).
bool DecodeKifuRecord(const std::uint8_t (&bytes)[KifuFileSize], KifuRecordLayout& record);

// The checks that keep opening inside its tables: an opening 0 to 26, name
// lengths up to 31, and every move that opening replays on an empty board cell.
// With an opening, the first three slots are not replayed and so not checked.
bool IsOpenableKifuRecord(const KifuRecordLayout& record);

// Number of moves before the end mark, at most 150.
int StoredMoveCount(const KifuRecordLayout& record);

// Copies `count` (at most 150) moves into the slots and ends them with 0 when
// there is room; slots behind the end mark keep what they held.
void StoreMoves(KifuRecordLayout& record, const std::int32_t* moves, int count);
