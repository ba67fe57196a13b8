#include "main/CellLook.h"

#include "Set_Data/Set_Data.h"
#include "main/ForbiddenMarks.h"
#include "main/State.h"
#include "main/Variations.h"

CellLook LookOfCell(int column, int row)
{
    const CellIndex cell = MakeCell(column, row);
    CellLook look;
    look.stone = BoardCells[cell];
    const std::int32_t mark = CellMarks[cell];
    if (mark < 0) {
        // A letter covers a stone on its point: the view shows the letter alone.
        look.label = -mark;
        look.letter = look.label <= 26 ? LetterLabels[look.label] : nullptr;
    } else if (mark > 0 && ShowMoveNumbers == 1 &&
               (look.stone == CellBlack || look.stone == CellWhite)) {
        look.number = mark;
    }
    look.forbidden = ForbiddenMarks[cell] != 0 && look.stone == CellEmpty;
    look.variation = VariationMarks[cell] != 0 && look.stone == CellEmpty && look.label == 0;
    return look;
}
