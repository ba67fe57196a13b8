#include "Renju/LineShapes.h"

namespace renju {

namespace {

// A line is read as eleven cells, offsets −5..5, as two bit masks with bit offset + 5: own
// stones (the centre always among them) and empty cells; a cell in neither is blocked (the
// other colour or the edge). Every shape is then a few mask tests, so no table is built.
constexpr int Reach = 5;
constexpr unsigned Bit(int offset)
{
    return 1u << (offset + Reach);
}
constexpr unsigned Centre = Bit(0);

// Cell values (empty, black, white, off-board) as own (1), empty (2) or blocked (0) for each
// colour to play.
constexpr std::uint8_t MarkFor[3][4] = {
    {0, 0, 0, 0},
    {2, 1, 0, 0},
    {2, 0, 1, 0},
};

// Length of the unbroken own row through the centre.
int RunThroughCentre(unsigned own)
{
    int length = 1;
    for (int k = 1; k <= Reach && (own & Bit(k)); ++k)
        ++length;
    for (int k = 1; k <= Reach && (own & Bit(-k)); ++k)
        ++length;
    return length;
}

int PopCount(unsigned bits)
{
    return __builtin_popcount(bits);
}

ShapeInfo Classify(unsigned own, unsigned empty, bool exact)
{
    ShapeInfo info{LineShape::Nothing, 0, 0};
    // A five point: a run of five cells holding the centre, all own but one empty cell; for
    // black, the cells just outside it are not own (or the five would be an overline).
    for (int start = -4; start <= 0; ++start) {
        const unsigned window = 0x1Fu << (start + Reach);
        if (PopCount(own & window) != 4 || ((own | empty) & window) != window)
            continue;
        if (exact && (own & (Bit(start - 1) | Bit(start + 5))))
            continue;
        info.fivePoints |= static_cast<std::uint16_t>((empty & window) >> 1);
    }
    // A three point: in a run of four cells holding the centre, three own and one empty, with
    // both cells beside it empty, that one stone makes a straight four (.XXXX.); for black the
    // cells beyond those are not own, so that both ends make exactly five.
    for (int start = -3; start <= 0; ++start) {
        const unsigned inner = 0xFu << (start + Reach);
        const unsigned ends = Bit(start - 1) | Bit(start + 4);
        if (PopCount(own & inner) != 3 || ((own | empty) & inner) != inner ||
            (empty & ends) != ends)
            continue;
        if (exact && (own & (Bit(start - 2) | Bit(start + 5))))
            continue;
        info.threePoints |= static_cast<std::uint8_t>((empty & inner) >> 2);
    }

    const int run = RunThroughCentre(own);
    if (exact && run >= 6) {
        info.shape = LineShape::Overline;
        return info;
    }
    if (exact ? run == 5 : run >= 5) {
        info.shape = LineShape::Five;
        return info;
    }
    const int count = PopCount(info.fivePoints);
    // Two five points five apart with four own stones between them are one straight four.
    const bool straight =
        count == 2 && (info.fivePoints >> __builtin_ctz(info.fivePoints)) == (1u | 1u << 5);
    if (straight)
        info.shape = LineShape::StraightFour;
    else if (count >= 2)
        info.shape = LineShape::DoubleFourInLine;
    else if (count == 1)
        info.shape = LineShape::Four;
    else if (info.threePoints != 0)
        info.shape = LineShape::Three;
    return info;
}

} // namespace

ShapeInfo ShapeAt(const Position& position, CellIndex cell, int step, Colour colour)
{
    const std::uint8_t* mark = MarkFor[CellOf(colour)];
    unsigned own = Centre;
    unsigned empty = 0;
    // Each side is read until the edge: nothing beyond it can join a row.
    for (int k = 1; k <= Reach; ++k) {
        const int value = position[cell + k * step];
        if (value == CellOffBoard)
            break;
        own |= (mark[value] & 1u) << (k + Reach);
        empty |= (mark[value] >> 1) << (k + Reach);
    }
    for (int k = 1; k <= Reach; ++k) {
        const int value = position[cell - k * step];
        if (value == CellOffBoard)
            break;
        own |= (mark[value] & 1u) << (Reach - k);
        empty |= (mark[value] >> 1) << (Reach - k);
    }
    return Classify(own, empty, colour == Colour::Black);
}

} // namespace renju
