// What every fuzz input of a file reader must pass: from the same start, the input
// (padded or cut to the file's size) opens, or is refused with nothing changed.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "main/FileIo.h"
#include "main/Moves.h"
#include "main/NullPort.h"
#include "main/Startup.h"
#include "main/State.h"

// The same start for every input, with one move that a refused file must keep.
inline void StartFuzzGame()
{
    static NullPort port;
    Window = &port;
    FormCreate();
    MovePress(MakeCell(1, 1));
}

// What a refused file must leave exactly as it was.
struct FuzzState {
    std::int32_t cells[CellTableSize];
    std::int32_t marks[CellTableSize];
    std::int32_t moves[MoveListSize];
    std::int32_t counts[5];
    GameInfoRecord info;

    void Take()
    {
        std::memcpy(cells, BoardCells, sizeof cells);
        std::memcpy(marks, CellMarks, sizeof marks);
        std::memcpy(moves, MoveList, sizeof moves);
        const std::int32_t now[5] = {MoveCount, SideToMove, BlackStoneTotal, WhiteStoneTotal,
                                     SelectedOpening};
        std::memcpy(counts, now, sizeof counts);
        info = GameInfo;
    }
    bool operator==(const FuzzState& o) const { return std::memcmp(this, &o, sizeof o) == 0; }
};

// The frame holds 3 and the board only 0, 1 or 2, whatever the file held.
inline bool BoardIsSound()
{
    for (int i = 0; i < CellTableSize; ++i) {
        const bool onBoard = IsBoardCell(i);
        if (onBoard && (BoardCells[i] < CellEmpty || BoardCells[i] > CellWhite))
            return false;
        if (!onBoard && BoardCells[i] != CellOffBoard)
            return false;
    }
    return true;
}

// The stones on the board.
inline int StonesOnBoard()
{
    int stones = 0;
    for (int i = 0; i < CellTableSize; ++i)
        stones += IsBoardCell(i) && BoardCells[i] != CellEmpty;
    return stones;
}

// Opens the input with `open` from the fuzz start. A refused input must be refused as
// bad content and leave everything as it was (else the run traps); true when it opened.
template <std::size_t Size>
bool OpensOrChangesNothing(const std::uint8_t* data, std::size_t size,
                           IoCode (*open)(const std::uint8_t (&)[Size]))
{
    static std::uint8_t image[Size];
    std::fill(std::begin(image), std::end(image), 0);
    std::copy(data, data + std::min(size, Size), image);

    StartFuzzGame();
    static FuzzState before, after;
    before.Take();
    const IoCode code = open(image);
    if (code == IoOk)
        return true;
    after.Take();
    if (code != IoBadContent || !(after == before))
        __builtin_trap();
    return false;
}
