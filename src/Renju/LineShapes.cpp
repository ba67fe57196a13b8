#include "Renju/LineShapes.h"

#include <vector>

namespace renju {

namespace {

// A line is read as ten cells, five on each side of the centre, each 0 empty, 1 own or
// 2 blocked (the other colour or the edge); slot 0 is offset −5, slot 9 offset +5.
constexpr int Reach = 5;
constexpr int LineSlots = 2 * Reach;
constexpr int ShapeCount = 59049; // 3^10

// Weight[side][k]: 3^slot of the cell k steps back (side 0) or forward (side 1).
constexpr int Weight[2][Reach + 1] = {
    {0, 81, 27, 9, 3, 1},
    {0, 243, 729, 2187, 6561, 19683},
};

enum Mark : std::uint8_t { Open = 0, Own = 1, Blocked = 2 };

// The eleven cells of one line, offsets −5..5, with the centre own.
struct Line {
    Mark cell[2 * Reach + 1];
    Mark& at(int offset) { return cell[offset + Reach]; }
    Mark at(int offset) const { return cell[offset + Reach]; }
};

// Length of the unbroken own row through `offset` (an own cell).
int RunThrough(const Line& line, int offset)
{
    int first = offset;
    while (first > -Reach && line.at(first - 1) == Own)
        --first;
    int last = offset;
    while (last < Reach && line.at(last + 1) == Own)
        ++last;
    return last - first + 1;
}

// The row through `offset` after an own stone there, as a five of this colour.
bool MakesFive(Line line, int offset, bool exact)
{
    line.at(offset) = Own;
    const int run = RunThrough(line, offset);
    return exact ? run == 5 : run >= 5;
}

// Whether an own stone on `q` gives a five whose row holds the centre.
bool FivePoint(const Line& line, int q, bool exact)
{
    if (line.at(q) != Open || !MakesFive(line, q, exact))
        return false;
    // The five runs through q; it holds the centre when every cell between them is own.
    for (int k = q < 0 ? q + 1 : 1; k < (q < 0 ? 0 : q); ++k)
        if (line.at(k) != Own)
            return false;
    return true;
}

// Whether the four cells a..a+3 (own, holding the centre) have two five points.
bool StraightFourAt(const Line& line, int a, bool exact)
{
    for (int k = a; k <= a + 3; ++k)
        if (line.at(k) != Own)
            return false;
    return line.at(a - 1) == Open && line.at(a + 4) == Open && MakesFive(line, a - 1, exact) &&
           MakesFive(line, a + 4, exact);
}

ShapeInfo Classify(const Line& line, bool exact)
{
    ShapeInfo info{LineShape::Nothing, 0, 0};
    for (int q = -4; q <= 4; ++q)
        if (q != 0 && FivePoint(line, q, exact))
            info.fivePoints |= static_cast<std::uint16_t>(1u << (q + 4));
    for (int q = -3; q <= 3; ++q) {
        if (q == 0 || line.at(q) != Open)
            continue;
        Line after = line;
        after.at(q) = Own;
        for (int a = -3; a <= 0; ++a) {
            if (a <= q && q <= a + 3 && StraightFourAt(after, a, exact)) {
                info.threePoints |= static_cast<std::uint8_t>(1u << (q + 3));
                break;
            }
        }
    }

    const int run = RunThrough(line, 0);
    if (exact && run >= 6) {
        info.shape = LineShape::Overline;
        return info;
    }
    if (exact ? run == 5 : run >= 5) {
        info.shape = LineShape::Five;
        return info;
    }
    int points[9];
    int count = 0;
    for (int q = -4; q <= 4; ++q)
        if (info.fivePoints & (1u << (q + 4)))
            points[count++] = q;
    // Two five points five apart with four own stones between them are one straight four.
    const bool straight = count == 2 && points[1] - points[0] == 5;
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

std::vector<ShapeInfo> BuildTable(bool exact)
{
    std::vector<ShapeInfo> table(ShapeCount);
    for (int index = 0; index < ShapeCount; ++index) {
        Line line;
        line.at(0) = Own;
        int rest = index;
        for (int slot = 0; slot < LineSlots; ++slot) {
            const int offset = slot < Reach ? slot - Reach : slot - Reach + 1;
            line.at(offset) = static_cast<Mark>(rest % 3);
            rest /= 3;
        }
        table[index] = Classify(line, exact);
    }
    return table;
}

// Built on first use, each colour's apart: black's fives are exact, white's five or more.
const std::vector<ShapeInfo>& BlackTable()
{
    static const std::vector<ShapeInfo> table = BuildTable(true);
    return table;
}

const std::vector<ShapeInfo>& WhiteTable()
{
    static const std::vector<ShapeInfo> table = BuildTable(false);
    return table;
}

// Cell values (empty, black, white, off-board) as marks for each colour to play.
constexpr Mark MarkFor[3][4] = {
    {Blocked, Blocked, Blocked, Blocked},
    {Open, Own, Blocked, Blocked},
    {Open, Blocked, Own, Blocked},
};

} // namespace

const ShapeInfo& ShapeAt(const Position& position, CellIndex cell, int step, Colour colour)
{
    const Mark* mark = MarkFor[CellOf(colour)];
    int index = 0;
    // Each side is read until the edge: past the frame the table would end, and nothing
    // beyond the edge can join a row.
    for (int side = 0; side < 2; ++side) {
        const int delta = side == 0 ? -step : step;
        CellIndex at = cell;
        for (int k = 1; k <= Reach; ++k) {
            at += delta;
            const int value = position[at];
            if (value == CellOffBoard) {
                for (; k <= Reach; ++k)
                    index += Blocked * Weight[side][k];
                break;
            }
            index += mark[value] * Weight[side][k];
        }
    }
    return (colour == Colour::Black ? BlackTable() : WhiteTable())[index];
}

} // namespace renju
