#include "main/KifuFile.h"

#include <cstring>

#include "main/Settings.h"

namespace {

void PutWord(std::uint8_t* p, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    p[0] = static_cast<std::uint8_t>(u);
    p[1] = static_cast<std::uint8_t>(u >> 8);
    p[2] = static_cast<std::uint8_t>(u >> 16);
    p[3] = static_cast<std::uint8_t>(u >> 24);
}

std::int32_t GetWord(const std::uint8_t* p)
{
    const std::uint32_t u =
        static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
        static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    return static_cast<std::int32_t>(u);
}

constexpr std::size_t BlackNameOffset = 4;
constexpr std::size_t WhiteNameOffset = BlackNameOffset + NameFieldSize;
constexpr std::size_t MovesOffset = WhiteNameOffset + NameFieldSize;
static_assert(MovesOffset == 68, "the moves follow GameInfo");

} // namespace

void EncodeKifuRecord(const KifuRecordLayout& record, std::uint8_t (&bytes)[KifuFileSize])
{
    PutWord(bytes, record.Info.Opening);
    std::memcpy(bytes + BlackNameOffset, record.Info.BlackName, NameFieldSize);
    std::memcpy(bytes + WhiteNameOffset, record.Info.WhiteName, NameFieldSize);
    for (int i = 0; i < KifuMoveSlots; ++i) {
        PutWord(bytes + MovesOffset + 4 * i, record.Moves[i]);
    }
}

bool DecodeKifuRecord(const std::uint8_t (&bytes)[KifuFileSize], KifuRecordLayout& record)
{
    KifuRecordLayout scratch;
    scratch.Info.Opening = GetWord(bytes);
    std::memcpy(scratch.Info.BlackName, bytes + BlackNameOffset, NameFieldSize);
    std::memcpy(scratch.Info.WhiteName, bytes + WhiteNameOffset, NameFieldSize);
    for (int i = 0; i < KifuMoveSlots; ++i) {
        scratch.Moves[i] = GetWord(bytes + MovesOffset + 4 * i);
    }
    if (!IsOpenableKifuRecord(scratch)) {
        return false;
    }
    record = scratch;
    return true;
}

bool IsOpenableKifuRecord(const KifuRecordLayout& record)
{
    const std::int32_t opening = record.Info.Opening;
    if (opening < 0 || opening > OpeningCount) {
        return false;
    }
    if (record.Info.BlackName[0] > MaxNameBytes || record.Info.WhiteName[0] > MaxNameBytes) {
        return false;
    }
    bool occupied[CellTableSize] = {};
    int firstReplayed = 0;
    if (opening > 0) {
        for (int i = 0; i < 3; ++i) {
            occupied[OpeningMove(opening, i)] = true;
        }
        firstReplayed = 3;
    }
    const int count = StoredMoveCount(record);
    for (int i = firstReplayed; i < count; ++i) {
        const CellIndex cell = record.Moves[i];
        if (!IsBoardCell(cell) || occupied[cell]) {
            return false;
        }
        occupied[cell] = true;
    }
    return true;
}

int StoredMoveCount(const KifuRecordLayout& record)
{
    int count = 0;
    while (count < KifuMoveSlots && record.Moves[count] > 0) {
        ++count;
    }
    return count;
}

void StoreMoves(KifuRecordLayout& record, const std::int32_t* moves, int count)
{
    if (count > KifuMoveSlots) {
        count = KifuMoveSlots;
    }
    for (int i = 0; i < count; ++i) {
        record.Moves[i] = moves[i];
    }
    if (count < KifuMoveSlots) {
        record.Moves[count] = 0;
    }
}
