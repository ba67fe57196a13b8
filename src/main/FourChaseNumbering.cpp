#include "main/FourChaseNumbering.h"

#include "main/Startup.h"
#include "main/State.h"

void NumberAsFourChase(std::int32_t attacker)
{
    EditMode = ModeFourChase;
    FourChaseColor = attacker;
    for (int i = 0; i < MoveCount; ++i) {
        const CellIndex cell = MoveList[i];
        CellMarks[cell] = i / 2 + 1;
        DrawCell(CellColumn(cell), CellRow(cell));
    }
}
