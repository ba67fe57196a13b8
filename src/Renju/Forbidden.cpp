#include "Renju/Forbidden.h"

#include "Renju/LineShapes.h"
#include "Renju/Renju.h"

namespace renju {

ForbiddenKind JudgeBlack(Position& position, CellIndex cell)
{
    PositionStone stone(position.Cells(), cell, Colour::Black);
    ShapeInfo lines[4];
    bool five = false;
    bool overline = false;
    int fours = 0;
    int threes = 0;
    for (int d = 0; d < 4; ++d) {
        lines[d] = ShapeAt(position, cell, LineSteps[d], Colour::Black);
        switch (lines[d].shape) {
        case LineShape::Five:
            five = true;
            break;
        case LineShape::Overline:
            overline = true;
            break;
        case LineShape::DoubleFourInLine:
            fours += 2;
            break;
        case LineShape::StraightFour:
        case LineShape::Four:
            ++fours;
            break;
        case LineShape::Three:
            ++threes;
            break;
        case LineShape::Nothing:
            break;
        }
    }
    if (five)
        return ForbiddenKind::None;
    if (overline)
        return ForbiddenKind::Overline;
    if (fours >= 2)
        return ForbiddenKind::DoubleFour;
    if (threes < 2)
        return ForbiddenKind::None;

    // Each three must be able to become a straight four on a point black may take, judged
    // with this stone in place; stop as soon as the count is settled.
    int real = 0;
    int unseen = threes;
    for (int d = 0; d < 4; ++d) {
        if (lines[d].shape != LineShape::Three)
            continue;
        --unseen;
        const unsigned points = lines[d].threePoints;
        for (int q = -3; q <= 3; ++q) {
            if ((points & (1u << (q + 3))) &&
                JudgeBlack(position, PointAlong(cell, LineSteps[d], q)) == ForbiddenKind::None) {
                ++real;
                break;
            }
        }
        if (real >= 2)
            return ForbiddenKind::DoubleThree;
        if (real + unseen < 2)
            return ForbiddenKind::None;
    }
    return ForbiddenKind::None;
}

ForbiddenKind Forbidden(const std::int32_t* board, CellIndex cell)
{
    if (!IsBoardCell(cell) || board[cell] != CellEmpty)
        return ForbiddenKind::None;
    Position position(board);
    return JudgeBlack(position, cell);
}

int ForbiddenPoints(const std::int32_t* board, ForbiddenKind (&kinds)[CellTableSize])
{
    Position position(board);
    int count = 0;
    for (CellIndex cell = 0; cell < CellTableSize; ++cell) {
        kinds[cell] = ForbiddenKind::None;
        if (position[cell] != CellEmpty)
            continue;
        kinds[cell] = JudgeBlack(position, cell);
        if (kinds[cell] != ForbiddenKind::None)
            ++count;
    }
    return count;
}

const char* KindName(ForbiddenKind kind)
{
    switch (kind) {
    case ForbiddenKind::DoubleThree:
        return "double-three";
    case ForbiddenKind::DoubleFour:
        return "double-four";
    case ForbiddenKind::Overline:
        return "overline";
    case ForbiddenKind::None:
        break;
    }
    return "none";
}

} // namespace renju
