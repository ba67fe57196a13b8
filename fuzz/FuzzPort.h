// A window that shows nothing, for running the file readers without Qt, and the
// checks every fuzz input must pass.
#pragma once

#include <cstdint>
#include <cstring>

#include "NullPort.h"
#include "main/Moves.h"
#include "main/Startup.h"
#include "main/State.h"

using FuzzPort = NullPort;

// The same start for every input, with one move that a refused file must keep.
inline void StartFuzzGame()
{
    static FuzzPort port;
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
