#include "Renju/LineShapes.h"

#include <atomic>

namespace renju {

namespace {

// A line is read as eleven cells, offsets −5..5, as two bit masks with bit offset + 5: own
// stones (the centre always among them) and empty cells; a cell in neither is blocked (the
// other colour or the edge). Every shape is then a few mask tests, so no table is built
// ahead; a shape once classified is kept (see Known below).
constexpr int Reach = 5;
constexpr unsigned Bit(int offset)
{
    return 1u << (offset + Reach);
}
constexpr unsigned Centre = Bit(0);

// Cell values (empty, black, white, off-board) as base-3 digits for each colour to play:
// empty 0, own 1, blocked 2.
constexpr std::uint8_t DigitFor[3][4] = {
    {2, 2, 2, 2},
    {0, 1, 2, 2},
    {0, 2, 1, 2},
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

// The shapes met so far, by the ten cells in base 3 (0 empty, 1 own, 2 blocked), for black
// and for white: zero until a line of that pattern is first classified, then the shape
// packed with a known bit. Static zeroed storage, so a search pays nothing before its first
// move and only the patterns it meets are ever touched; relaxed atomics, since any thread
// storing an entry stores the same value.
constexpr int PatternCount = 59049; // 3^10
std::atomic<std::uint32_t> Known[2][PatternCount];

constexpr std::uint32_t KnownBit = 1u << 24;

std::uint32_t Pack(const ShapeInfo& info)
{
    return KnownBit | static_cast<std::uint32_t>(info.shape) << 16 |
           static_cast<std::uint32_t>(info.threePoints) << 9 | info.fivePoints;
}

ShapeInfo Unpack(std::uint32_t packed)
{
    return {static_cast<LineShape>((packed >> 16) & 0xFF),
            static_cast<std::uint16_t>(packed & 0x1FF),
            static_cast<std::uint8_t>((packed >> 9) & 0x7F)};
}

// 3^slot of the cell k steps back (side 0) or forward (side 1); slot 0 is offset −5.
constexpr int Weight[2][Reach + 1] = {
    {0, 81, 27, 9, 3, 1},
    {0, 243, 729, 2187, 6561, 19683},
};

} // namespace

ShapeInfo ShapeAt(const Position& position, CellIndex cell, int step, Colour colour)
{
    const std::uint8_t* digit = DigitFor[CellOf(colour)];
    int index = 0;
    // Each side is read until the edge: nothing beyond it can join a row.
    for (int side = 0; side < 2; ++side) {
        const int delta = side == 0 ? -step : step;
        CellIndex at = cell;
        for (int k = 1; k <= Reach; ++k) {
            at += delta;
            const int value = position[at];
            if (value == CellOffBoard) {
                for (; k <= Reach; ++k)
                    index += 2 * Weight[side][k];
                break;
            }
            index += digit[value] * Weight[side][k];
        }
    }
    const bool black = colour == Colour::Black;
    std::atomic<std::uint32_t>& entry = Known[black ? 0 : 1][index];
    const std::uint32_t packed = entry.load(std::memory_order_relaxed);
    if (packed & KnownBit)
        return Unpack(packed);
    // First met: the masks from the digits, slot 0 being offset −5 and slot 9 offset +5.
    unsigned own = Centre;
    unsigned empty = 0;
    for (int slot = 0, rest = index; slot < 2 * Reach; ++slot, rest /= 3) {
        const unsigned bit = Bit(slot < Reach ? slot - Reach : slot - Reach + 1);
        if (rest % 3 == 1)
            own |= bit;
        else if (rest % 3 == 0)
            empty |= bit;
    }
    const ShapeInfo info = Classify(own, empty, black);
    entry.store(Pack(info), std::memory_order_relaxed);
    return info;
}

} // namespace renju
