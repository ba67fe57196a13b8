// The one shared model of the editor: board marks, game record, modes, flags and
// the game information. Module-level, one instance, fixed size for the whole run.
#pragma once

#include <cstdint>

#include "GtRen/Board.h"
#include "main/Version.h"

// > 0 move number drawn on the stone; −k letter LetterLabels[k]; 0 nothing.
extern std::int32_t CellMarks[CellTableSize];

// One entry more than the board has cells, so a full board still has its 0 behind
// the last move.
constexpr int MoveListSize = 226;
extern std::int32_t MoveList[MoveListSize];
extern std::int32_t MoveCount;

// The four editing modes, with the numbers the editor has always given them.
enum class EditingMode : std::int32_t {
    LetterPlacement = -1,
    StonePlacement = 0,
    MoveOrder = 1,
    FourChase = 2,
};
constexpr EditingMode ModeStonePlacement = EditingMode::StonePlacement;
constexpr EditingMode ModeMoveOrder = EditingMode::MoveOrder;
constexpr EditingMode ModeLetterPlacement = EditingMode::LetterPlacement;
constexpr EditingMode ModeFourChase = EditingMode::FourChase;
extern EditingMode EditMode;

// Move order or four-chase order: the modes in which a press enters a move of the record.
constexpr bool EntersMoves(EditingMode mode)
{
    return mode == EditingMode::MoveOrder || mode == EditingMode::FourChase;
}

extern std::int32_t FourChaseColor;
extern std::int32_t BlackStoneTotal;
extern std::int32_t WhiteStoneTotal;
extern std::int32_t LeftButtonColor;
extern std::int32_t RangeSelectState;
extern std::int32_t DragStartX;
extern std::int32_t DragStartY;
extern std::int32_t DragEndX;
extern std::int32_t DragEndY;
extern std::int32_t FirstNumberedMove;
extern std::int32_t ShowMoveNumbers;
extern std::int32_t AutoBlockFours;

// Game information. The bytes of GameInfo are the head of the game-record file.
constexpr int NameFieldSize = 32; // one length byte, then up to 31 bytes of CP932
constexpr int MaxNameBytes = 31;
struct GameInfoRecord {
    std::int32_t Opening;
    std::uint8_t BlackName[NameFieldSize];
    std::uint8_t WhiteName[NameFieldSize];
};
static_assert(sizeof(GameInfoRecord) == 68, "GameInfo is the 68-byte file head");

constexpr int KifuMoveSlots = 150;
struct KifuRecordLayout {
    GameInfoRecord Info;
    std::int32_t Moves[KifuMoveSlots];
};
static_assert(sizeof(KifuRecordLayout) == 668, "a game record is 668 bytes");

extern KifuRecordLayout KifuRecord;
// The same storage as the head of KifuRecord, not a copy.
extern GameInfoRecord& GameInfo;
extern std::int32_t SelectedOpening;

constexpr const char* ApplicationTitle = "Korvane";
constexpr const char* MainWindowCaption = "Korvane" KORVANE_VERSION;
