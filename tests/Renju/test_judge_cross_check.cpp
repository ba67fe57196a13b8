// The fast judge against the slow one written from the rules' words, on 1500 random
// positions crowded enough to hold every shape: they must agree on every empty point.
#include <random>

#include "NaiveJudge.h"

namespace {

// Stones scattered over a square around the centre, black a little ahead, as in a game.
Table RandomPosition(std::mt19937& random, int size, int blacks, int whites)
{
    Table table = EmptyTable();
    const int low = 8 - size / 2;
    std::uniform_int_distribution<int> coordinate(low, low + size - 1);
    auto place = [&](int colour, int count) {
        for (int placed = 0; placed < count;) {
            const CellIndex cell = MakeCell(coordinate(random), coordinate(random));
            if (table[cell] == CellEmpty) {
                table[cell] = colour;
                ++placed;
            }
        }
    };
    place(CellBlack, blacks);
    place(CellWhite, whites);
    return table;
}

TEST(JudgeCrossCheck, FastJudgeAgreesWithTheRulesWordForWord)
{
    std::mt19937 random(20261210);
    int forbidden[4] = {};
    int positions = 0;
    for (; positions < 1500; ++positions) {
        const int size = 7 + positions % 9;                 // 7..15 wide
        const int blacks = size * size / 4 + positions % 7; // crowded with black
        const int whites = blacks / 3 + positions % 5;
        const Table table = RandomPosition(random, size, blacks, whites);
        renju::ForbiddenKind kinds[CellTableSize];
        renju::ForbiddenPoints(table.data(), kinds);
        NaiveJudge naive(table);
        for (CellIndex cell = 17; cell <= 255; ++cell) {
            if (!IsBoardCell(cell) || table[cell] != CellEmpty) {
                ASSERT_EQ(kinds[cell], renju::ForbiddenKind::None);
                continue;
            }
            const renju::ForbiddenKind expected = naive.Judge(cell);
            ASSERT_EQ(kinds[cell], expected)
                << "position " << positions << " point " << Where(cell);
            ASSERT_EQ(renju::Forbidden(table.data(), cell), expected);
            ++forbidden[static_cast<int>(expected)];
        }
    }
    // The positions were crowded enough to hold every kind many times over.
    for (int kind = 1; kind < 4; ++kind)
        EXPECT_GT(forbidden[kind], 50) << "kind " << kind;
    RecordProperty("double_three", forbidden[1]);
    RecordProperty("double_four", forbidden[2]);
    RecordProperty("overline", forbidden[3]);
}

} // namespace
