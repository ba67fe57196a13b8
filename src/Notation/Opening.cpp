#include "Notation/Opening.h"

#include "Board/Symmetry.h"
#include "Set_Data/Set_Data.h"

namespace notation {

namespace {

constexpr CellIndex Centre = MakeCell(8, 8);
// The second moves the table's third moves are stored against: straight above the centre for
// the direct openings (1–12 and 25), diagonally above and right for the indirect ones.
constexpr CellIndex DirectSecond = MakeCell(8, 7);
constexpr CellIndex IndirectSecond = MakeCell(9, 7);

bool IsDirect(int number)
{
    return number <= 12 || number == 25;
}

} // namespace

int OpeningNumber(const std::vector<CellIndex>& moves)
{
    return OpeningNumber(moves.data(), moves.size());
}

int OpeningNumber(const CellIndex* moves, std::size_t count)
{
    // The table is filled by InitTables(); fill it here too, once, for callers without a
    // window (it only ever holds the same constants).
    static const bool filled = (InitTables(), true);
    (void)filled;
    if (count < 3 || moves[0] != Centre || !IsBoardCell(moves[1]) || !IsBoardCell(moves[2]))
        return 0;
    for (int symmetry = 0; symmetry < SymmetryCount; ++symmetry) {
        const CellIndex second = ApplySymmetry(symmetry, moves[1]);
        const CellIndex third = ApplySymmetry(symmetry, moves[2]);
        if (second != DirectSecond && second != IndirectSecond)
            continue;
        for (int number = 1; number <= 26; ++number)
            if ((IsDirect(number) ? DirectSecond : IndirectSecond) == second &&
                OpeningThirdMoves[number - 1] == third)
                return number;
    }
    return 0;
}

std::string OpeningName(const std::vector<CellIndex>& moves)
{
    const int number = OpeningNumber(moves);
    return number == 0 ? std::string() : std::string(OpeningNames[number]);
}

} // namespace notation
