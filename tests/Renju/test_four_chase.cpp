// The four-chase search on hand-made positions: fives at once, short chases of both colours,
// a black chase that would need a forbidden four, and defences that make fours of their own.
// Every chase found is replayed and checked against the rules of a four-chase.
#include <algorithm>

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
