// The four-chase search on hand-made positions: fives at once, short chases of both colours,
// a black chase that would need a forbidden four, and defences that make fours of their own.
// Every chase found is replayed and checked against the rules of a four-chase.
#include <algorithm>
#include <cstdint>
#include <string>

#include "../fixtures/Positions.h"
#include "Renju/Renju.h"

namespace {

using renju::ChaseOutcome;

// clang-format off
const Rows kWhiteFive = {
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...XOOOO.......",
    "...XX..........",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

const Rows kBlackSixAndFive = {
    "...............",
    "...............",
    "..X.XXXXO......",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    ".OXXXX.........",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

const Rows kBlackSixOnly = {
    "...............",
    "...............",
    "..X.XXXXO......",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

const Rows kWhiteFourThree = {
    "...............",
    "...............",
    "..X............",
    "...............",
    "...............",
    "...............",
    "...............",
    "....XOOO.......",
    "........O......",
    "........O......",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
};

const Rows kBlackForbiddenFour = {
    "...............",
    "...............",
    "..O............",
    "...............",
    "...............",
    "...............",
    "...............",
    "....OXXX.......",
    "........X......",
    "........X......",
    "........X......",
    "........O......",
    "...............",
    "...............",
    "...............",
};

const Rows kBlackForbiddenFourOtherLine = {
    "...............",
    "...............",
    ".OXXX..........",
    ".....X.........",
    ".....X.........",
    "...............",
    "...............",
    "....OXXX.......",
    "........X......",
    "........X......",
    "........X......",
    "........O......",
    "...............",
    "...............",
    "...............",
};

const Rows kDefenceMakesFour = {
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "....XOOO.......",
    "........OX.....",
    "........OX.....",
    ".........X.....",
    ".........O.....",
    "...............",
    "...............",
    "...............",
};

const Rows kDefenceFourAnswered = {
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "....XOOO..O....",
    "........OX.O...",
    "........OX..O..",
    ".........X...X.",
    ".........O.....",
    "...............",
    "...............",
    "...............",
};

// clang-format on

// The longest unbroken row of `colour` through `cell` (which holds that colour).
int LongestRow(const Table& table, CellIndex cell, int colour)
{
    int longest = 0;
    for (int step : {1, 15, 16, 17}) {
        int length = 1;
        for (CellIndex at = cell + step; table[at] == colour; at += step)
            ++length;
        for (CellIndex at = cell - step; table[at] == colour; at -= step)
            ++length;
        longest = std::max(longest, length);
    }
    return longest;
}

bool InFive(const Table& table, CellIndex cell, int colour)
{
    // Black's five is exactly five in some line; white's is five or more.
    if (colour == CellWhite)
        return LongestRow(table, cell, colour) >= 5;
    for (int step : {1, 15, 16, 17}) {
        int length = 1;
        for (CellIndex at = cell + step; table[at] == colour; at += step)
            ++length;
        for (CellIndex at = cell - step; table[at] == colour; at -= step)
            ++length;
        if (length == 5)
            return true;
    }
    return false;
}

std::vector<CellIndex> FivePoints(Table table, int colour)
{
    std::vector<CellIndex> points;
    for (CellIndex cell = 17; cell <= 255; ++cell) {
        if (!IsBoardCell(cell) || table[cell] != CellEmpty)
            continue;
        table[cell] = colour;
        if (InFive(table, cell, colour))
            points.push_back(cell);
        table[cell] = CellEmpty;
    }
    return points;
}

// Replays `moves` for `attacker` and checks each step: every attack a four (black's on a
// point it may take) that answers any four of the defender, every defence the one point that
// stops it and no five, and the last attack a four that cannot be stopped.
void ExpectValidChase(Table table, int attacker, const std::vector<CellIndex>& moves)
{
    const int defender = 3 - attacker;
    ASSERT_FALSE(moves.empty());
    if (moves.size() == 1 && !FivePoints(table, attacker).empty()) {
        const std::vector<CellIndex> fives = FivePoints(table, attacker);
        EXPECT_NE(std::find(fives.begin(), fives.end(), moves[0]), fives.end());
        return;
    }
    ASSERT_EQ(moves.size() % 2, 1u);
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const CellIndex cell = moves[i];
        ASSERT_TRUE(IsBoardCell(cell) && table[cell] == CellEmpty) << "move " << i;
        if (i % 2 == 0) {
            const std::vector<CellIndex> threats = FivePoints(table, defender);
            ASSERT_LE(threats.size(), 1u) << "move " << i;
            if (!threats.empty()) {
                EXPECT_EQ(cell, threats.front()) << "move " << i << " must stop a four";
            }
            if (attacker == CellBlack) {
                EXPECT_FALSE(renju::IsForbidden(table.data(), cell)) << "move " << i;
            }
            table[cell] = attacker;
            EXPECT_FALSE(InFive(table, cell, attacker)) << "move " << i;
            const std::vector<CellIndex> fives = FivePoints(table, attacker);
            ASSERT_FALSE(fives.empty()) << "move " << i << " is no four";
            if (i + 1 == moves.size()) {
                const bool blackMayNotStop =
                    defender == CellBlack && renju::IsForbidden(table.data(), fives.front());
                EXPECT_TRUE(fives.size() >= 2 || blackMayNotStop) << "the last four can be stopped";
            } else {
                ASSERT_EQ(fives.size(), 1u) << "move " << i;
                EXPECT_EQ(moves[i + 1], fives.front()) << "move " << i + 1;
            }
        } else {
            table[cell] = defender;
            EXPECT_FALSE(InFive(table, cell, defender)) << "move " << i;
        }
    }
}

std::vector<CellIndex> Cells(std::initializer_list<std::pair<int, int>> points)
{
    std::vector<CellIndex> cells;
    for (const auto& [column, row] : points)
        cells.push_back(MakeCell(column, row));
    return cells;
}

struct ChaseCase {
    const char* name;
    const Rows* rows;
    int attacker;
    std::vector<CellIndex> expected; // empty: no chase
};

TEST(FourChase, KnownChases)
{
    const ChaseCase cases[] = {
        {"white five at once", &kWhiteFive, CellWhite, Cells({{9, 8}})},
        {"black five at once, not the six", &kBlackSixAndFive, CellBlack, Cells({{7, 10}})},
        {"black six is no five", &kBlackSixOnly, CellBlack, {}},
        {"white four-three", &kWhiteFourThree, CellWhite, Cells({{9, 8}, {10, 8}, {9, 7}})},
        {"black four-three", &kBlackFourThree, CellBlack, Cells({{9, 8}, {10, 8}, {9, 7}})},
        {"black would need a double four", &kBlackForbiddenFour, CellBlack, {}},
        {"black goes another way", &kBlackForbiddenFourOtherLine, CellBlack,
         Cells({{6, 3}, {7, 3}, {6, 2}})},
        {"the defence makes a four the attack cannot answer", &kDefenceMakesFour, CellWhite, {}},
    };
    for (const ChaseCase& c : cases) {
        const Table table = TableOf(*c.rows);
        const renju::ChaseResult result = renju::FindFourChase(table.data(), c.attacker);
        if (c.expected.empty()) {
            EXPECT_EQ(result.outcome, ChaseOutcome::NotFound) << c.name;
            EXPECT_TRUE(result.moves.empty()) << c.name;
            continue;
        }
        EXPECT_EQ(result.outcome, ChaseOutcome::Found) << c.name;
        EXPECT_EQ(result.moves, c.expected) << c.name;
        ExpectValidChase(table, c.attacker, result.moves);
    }
}

// Black's four made by the block is answered by a white four; the chase goes on to the win.
TEST(FourChase, DefenceFourIsAnsweredByAFour)
{
    const Table table = TableOf(kDefenceFourAnswered);
    const renju::ChaseResult result = renju::FindFourChase(table.data(), CellWhite);
    ASSERT_EQ(result.outcome, ChaseOutcome::Found);
    EXPECT_EQ(result.moves.size(), 5u);
    ExpectValidChase(table, CellWhite, result.moves);
}

// A white four whose one five point black may not take wins at once; where black may take
// it, the same four is stopped.
TEST(FourChase, WhiteFourOnBlacksForbiddenPointWins)
{
    // (7,8) is a double three for black; white (11,12) makes a four whose only five point,
    // the other ends being black (6,7) and (12,13), is (7,8).
    // clang-format off
    Rows rows = {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "......X........",
        ".....XX........",
        "....XX.........",
        ".......O.......",
        "........O......",
        ".........O.....",
        "...............",
        "...........X...",
        "...............",
        "...............",
    };
    // clang-format on
    Table table = TableOf(rows);
    ASSERT_EQ(renju::Forbidden(table.data(), MakeCell(7, 8)), renju::ForbiddenKind::DoubleThree);
    const renju::ChaseResult result = renju::FindFourChase(table.data(), CellWhite);
    EXPECT_EQ(result.outcome, ChaseOutcome::Found);
    EXPECT_EQ(result.moves, Cells({{11, 12}}));
    ExpectValidChase(table, CellWhite, result.moves);

    table[MakeCell(7, 6)] = CellEmpty; // one three only: black may block at (7,8)
    ASSERT_EQ(renju::Forbidden(table.data(), MakeCell(7, 8)), renju::ForbiddenKind::None);
    EXPECT_EQ(renju::FindFourChase(table.data(), CellWhite).outcome, ChaseOutcome::NotFound);
}

// A position from a fixed sequence: 16 to 55 stones of alternate colours scattered near the
// centre, each kept only if it leaves its colour no five point and no win by one four (the
// search held to one four answers that), so that a chase has to be built. The generator is
// spelled out so the positions are the same everywhere.
Table RandomPosition(std::uint32_t& state)
{
    const auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    Table table;
    table.fill(CellOffBoard);
    for (int row = 1; row <= BoardLines; ++row)
        for (int column = 1; column <= BoardLines; ++column)
            table[MakeCell(column, row)] = CellEmpty;
    const int stones = 16 + static_cast<int>(next() % 40);
    const int reach = 4 + static_cast<int>(next() % 3);
    int colour = CellBlack;
    for (int placed = 0, tries = 0; placed < stones && tries < 400; ++tries) {
        const int column = 8 - reach + static_cast<int>(next() % (2 * reach + 1));
        const int row = 8 - reach + static_cast<int>(next() % (2 * reach + 1));
        const CellIndex cell = MakeCell(column, row);
        if (table[cell] != CellEmpty)
            continue;
        table[cell] = colour;
        renju::ChaseLimits oneFour;
        oneFour.maxFours = 1;
        if (!FivePoints(table, colour).empty() ||
            renju::FindFourChase(table.data(), colour, oneFour).outcome == ChaseOutcome::Found) {
            table[cell] = CellEmpty;
            continue;
        }
        colour = 3 - colour;
        ++placed;
    }
    return table;
}

// Searches on 300 random positions for each colour: every chase found is valid, and each
// is as long as the one the first, plain search found on the same position, one character
// a search: the number of moves, 0 for none. A faster search must stay the shortest.
TEST(FourChase, RandomPositionsKeepTheirShortestChase)
{
    // clang-format off
    const std::string known =
        "50335303330030005303330103330000303353337333050000005133030055357300500003000930"
        "0005035003035033003033333300000000005300353533335305705533333335333130703h037500"
        "53050053000053003305733700003300303075303003000000533370003500339300005333003030"
        "00300030000000030053030333500030000000030000033300333330333333300000350300030300"
        "55003000535300033353005100000030000000303335000033333053000053003300333000000500"
        "53030033030000000013303303005070003333303000059000030000730000003300073555030033"
        "00350300330005055550500030003033000333000033000033000000533300000033013000901307"
        "0055000150000300005533030003000035000037";
    // clang-format on
    const char* digits = "0123456789abcdefghijklmnopqrstuvwxyz";
    renju::ChaseLimits noHurry;
    noHurry.timeLimitMs = 600000;
    std::uint32_t state = 2026;
    for (std::size_t i = 0; i < known.size(); i += 2) {
        const Table table = RandomPosition(state);
        for (int attacker : {CellBlack, CellWhite}) {
            const renju::ChaseResult result = renju::FindFourChase(table.data(), attacker, noHurry);
            const char expected = known[i + (attacker == CellWhite)];
            ASSERT_EQ(digits[result.moves.size()], expected) << "position " << i / 2;
            EXPECT_EQ(result.outcome,
                      expected == '0' ? ChaseOutcome::NotFound : ChaseOutcome::Found);
            if (!result.moves.empty())
                ExpectValidChase(table, attacker, result.moves);
        }
    }
}

// The search keeps to its limits: a caller that says stop is obeyed, and so is the time bound.
TEST(FourChase, KeepsToItsLimits)
{
    const Table table = TableOf(kDefenceFourAnswered);
    renju::ChaseLimits stop;
    stop.reportEveryMs = 0;
    stop.keepGoing = [](void*) { return false; };
    EXPECT_EQ(renju::FindFourChase(table.data(), CellWhite, stop).outcome, ChaseOutcome::Cancelled);

    renju::ChaseLimits noTime;
    noTime.timeLimitMs = 0;
    EXPECT_EQ(renju::FindFourChase(table.data(), CellWhite, noTime).outcome,
              ChaseOutcome::TimedOut);

    renju::ChaseLimits shallow;
    shallow.maxFours = 2; // the chase needs three fours
    EXPECT_EQ(renju::FindFourChase(table.data(), CellWhite, shallow).outcome,
              ChaseOutcome::NotFound);
}

// What one search learns is not taken for another's: a search for white that finds nothing
// here, then the 65,535 searches after which the table of failed positions comes round to the
// same generation, and black still finds its chase.
TEST(FourChase, NoSearchInheritsAnothersFailures)
{
    const Table table = TableOf(kBlackFourThree);
    const renju::ChaseResult black = renju::FindFourChase(table.data(), CellBlack);
    ASSERT_EQ(black.outcome, ChaseOutcome::Found);
    EXPECT_EQ(renju::FindFourChase(table.data(), CellWhite).outcome, ChaseOutcome::NotFound);
    const Table empty = EmptyTable();
    for (int search = 1; search < 65535; ++search)
        renju::FindFourChase(empty.data(), CellBlack);
    EXPECT_EQ(renju::FindFourChase(table.data(), CellBlack).moves, black.moves);
}

TEST(FourChase, BoardIsLeftAlone)
{
    const Table table = TableOf(kDefenceFourAnswered);
    const Table before = table;
    renju::FindFourChase(table.data(), CellWhite);
    renju::FindFourChase(table.data(), CellBlack);
    EXPECT_EQ(table, before);
    EXPECT_EQ(renju::FindFourChase(table.data(), 0).outcome, ChaseOutcome::NotFound);
}

} // namespace
