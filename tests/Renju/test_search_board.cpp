// The four-chase search's board, which reads fours and fives from its runs of five, against
// rows walked cell by cell on random positions: the same fives and five points for either
// colour with the stone placed or not, every four point among the moves it offers, and no
// black point called surely allowed that the judge forbids.
#include <algorithm>
#include <random>
#include <vector>

#include "../fixtures/BoardPicture.h"
#include "NaiveFive.h"
#include "Renju/Renju.h"
#include "Renju/SearchBoard.h"

namespace {

bool IsFive(int length, int colour)
{
    return colour == CellBlack ? length == 5 : length >= 5;
}

// With a stone of `colour` on `cell`: whether it stands in a five, and the empty cells where
// one more stone makes a five through it.
bool FiveAndPoints(Table table, CellIndex cell, int colour, std::vector<CellIndex>& points)
{
    table[cell] = colour;
    bool five = false;
    for (int step : LineSteps) {
        five = five || IsFive(RunThrough(table.data(), cell, colour, step), colour);
        for (int q = -4; q <= 4; ++q) {
            const CellIndex at = cell + q * step;
            if (q == 0 || at < 0 || at >= CellTableSize || table[at] != CellEmpty)
                continue;
            table[at] = colour;
            // The row through `at` holds `cell` when every cell between them is own.
            bool through = true;
            for (int k = 1; k < (q < 0 ? -q : q); ++k)
                through = through && table[at + (q < 0 ? k : -k) * step] == colour;
            if (through && IsFive(RunThrough(table.data(), at, colour, step), colour))
                points.push_back(at);
            table[at] = CellEmpty;
        }
    }
    std::sort(points.begin(), points.end());
    return five;
}

// Stones scattered over a square around the centre, black mostly ahead.
Table RandomPosition(std::mt19937& random, int position)
{
    Table table = EmptyTable();
    const int half = 2 + position % 6;
    const int stones = 5 + position % 61;
    for (int i = 0; i < stones; ++i) {
        const int column = 8 - half + static_cast<int>(random() % (2 * half + 1));
        const int row = 8 - half + static_cast<int>(random() % (2 * half + 1));
        const CellIndex cell = MakeCell(column, row);
        if (table[cell] == CellEmpty)
            table[cell] = random() % 5 < 3 ? CellBlack : CellWhite;
    }
    return table;
}

std::vector<CellIndex> Listed(const CellIndex* cells, int count)
{
    std::vector<CellIndex> list(cells, cells + count);
    std::sort(list.begin(), list.end());
    return list;
}

TEST(SearchBoard, ReadsWhatTheRowsSay)
{
    std::mt19937 random(20261211);
    int fives = 0;
    int fourPoints = 0;
    int surelyAllowed = 0;
    for (int position = 0; position < 600; ++position) {
        const Table table = RandomPosition(random, position);
        for (Colour attacker : {Colour::Black, Colour::White}) {
            renju::SearchBoard board(table.data(), attacker);
            CellIndex moves[CellTableSize];
            const std::vector<CellIndex> offered = Listed(moves, board.FourMoves(moves));
            for (int colour : {CellBlack, CellWhite}) {
                CellIndex points[CellTableSize];
                std::vector<CellIndex> expectedFivePoints;
                for (CellIndex cell = 17; cell <= 255; ++cell) {
                    if (!IsBoardCell(cell) || table[cell] != CellEmpty)
                        continue;
                    std::vector<CellIndex> expected;
                    const bool five = FiveAndPoints(table, cell, colour, expected);
                    if (five)
                        expectedFivePoints.push_back(cell);
                    CellIndex out[8];
                    int count = 0;
                    ASSERT_EQ(board.FiveOrFivePoints(cell, Colour(colour), out, count), five)
                        << "position " << position << " " << Where(cell);
                    if (!five) {
                        ASSERT_EQ(Listed(out, count), expected)
                            << "position " << position << " " << Where(cell);
                    }
                    {
                        renju::SearchStone stone(board, cell, Colour(colour));
                        ASSERT_EQ(board.FiveOrFivePoints(cell, Colour(colour), out, count), five);
                        if (!five) {
                            ASSERT_EQ(Listed(out, count), expected);
                        }
                    }
                    fives += five;
                    if (colour == CellOf(attacker) && !five && !expected.empty()) {
                        ++fourPoints;
                        ASSERT_TRUE(std::binary_search(offered.begin(), offered.end(), cell))
                            << "position " << position << " four on " << Where(cell);
                    }
                    if (colour == CellBlack && board.SurelyAllowed(cell)) {
                        ++surelyAllowed;
                        ASSERT_FALSE(renju::IsForbidden(table.data(), cell))
                            << "position " << position << " " << Where(cell);
                    }
                }
                EXPECT_EQ(Listed(points, board.FivePoints(Colour(colour), points)),
                          expectedFivePoints)
                    << "position " << position;
            }
            // Every stone tried was taken back: the board is as it began.
            EXPECT_EQ(Listed(moves, board.FourMoves(moves)), offered);
            EXPECT_EQ(board.key(), renju::SearchBoard(table.data(), attacker).key());
        }
    }
    // The positions held plenty of each.
    EXPECT_GT(fives, 500);
    EXPECT_GT(fourPoints, 3000);
    EXPECT_GT(surelyAllowed, 100000);
}

} // namespace
