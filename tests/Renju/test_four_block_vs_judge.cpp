// The four-block query of the threat analysis against the rules judge, on random positions
// (seeded, so a failure names a trial that can be replayed).
//
// What must agree, for the stone just entered and its colour's rule of five (black exactly
// five, white five or more):
//  - when FourBlockQuery names a single defending point (it returns a cell and leaves it in
//    AutoBlockPoint), that cell is empty and is one of the five points the judge finds
//    through the stone, in any of its four lines;
//  - when the judge finds exactly one five point through the stone and the stone itself
//    makes no five or overline, FourBlockQuery names that point.
// Nothing more is asked: the two answer different questions. With several fours the
// analysis counts them its own way (an overline counts as two, a five beside a four leaves
// the four's point), so only the single-four cases are compared.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "GtRen/GtRen.h"
#include "Renju/LineShapes.h"
#include "Renju/Position.h"

namespace {

void ClearShared()
{
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        BoardCells[cell] = IsBoardCell(cell) ? CellEmpty : CellOffBoard;
}

struct JudgeView {
    std::vector<CellIndex> fivePoints; // through the stone, in every line
    bool madeFive = false;             // the stone stands in a five or an overline
};

JudgeView Judge(const std::int32_t* board, CellIndex cell, Colour colour)
{
    const renju::Position position(board);
    JudgeView view;
    for (const CellIndex step : LineSteps) {
        const renju::ShapeInfo& info = renju::ShapeAt(position, cell, step, colour);
        view.madeFive |=
            info.shape == renju::LineShape::Five || info.shape == renju::LineShape::Overline;
        for (int q = -4; q <= 4; ++q)
            if (info.fivePoints & (1u << (q + 4)))
                view.fivePoints.push_back(renju::PointAlong(cell, step, q));
    }
    return view;
}

TEST(FourBlockAgainstJudge, theSingleDefendingPointIsAFivePointOfTheJudge)
{
    std::mt19937 random(20261210);
    int singles = 0;
    int judgeSingles = 0;
    for (int trial = 0; trial < 60000; ++trial) {
        ClearShared();
        // Stones crowded into the middle of the board, where they make many fours; near the
        // edge from time to time, where the frame ends the lines.
        const int low = trial % 4 == 0 ? 1 : 4;
        const int high = trial % 4 == 0 ? 15 : 12;
        std::uniform_int_distribution<int> place(low, high);
        const int stones = std::uniform_int_distribution<int>(6, 45)(random);
        for (int k = 0; k < stones; ++k)
            BoardCells[MakeCell(place(random), place(random))] =
                random() % 2 ? CellBlack : CellWhite;
        const CellIndex cell = MakeCell(place(random), place(random));
        if (BoardCells[cell] != CellEmpty)
            continue;
        const Colour colour = random() % 2 ? Colour::Black : Colour::White;
        BoardCells[cell] = CellOf(colour);
        SideToMove = CellOf(colour);

        const std::int32_t answer = FourBlockQuery(cell);
        const JudgeView judge = Judge(BoardCells, cell, colour);
        if (judge.fivePoints.size() == 1 && !judge.madeFive) {
            ++judgeSingles;
            EXPECT_EQ(AutoBlockPoint, judge.fivePoints.front()) << "trial " << trial;
        }
        if (AutoBlockPoint == 0)
            continue;
        ++singles;
        ASSERT_EQ(answer, AutoBlockPoint);
        ASSERT_TRUE(IsBoardCell(AutoBlockPoint));
        ASSERT_EQ(BoardCells[AutoBlockPoint], CellEmpty) << "trial " << trial;
        EXPECT_NE(std::find(judge.fivePoints.begin(), judge.fivePoints.end(), AutoBlockPoint),
                  judge.fivePoints.end())
            << "trial " << trial << ": stone " << cell << ", answer " << AutoBlockPoint;
    }
    // Enough fours met for the agreement to mean something.
    EXPECT_GT(singles, 1200);
    EXPECT_GT(judgeSingles, 1000);
}

} // namespace
