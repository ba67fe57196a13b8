// The edge of the board blocks like a stone of the other colour, in every direction, at
// every edge and corner, for both colours, wherever the origin sits in the shape.
#include "ThreatFixture.h"

#include <string>
#include <vector>

namespace {

struct LineEnd {
    CellIndex edge; // the cell of the line next to the frame
    int inward;     // step from it along the line into the board
    int length;     // cells of the line
};

// Both ends of every line of at least five cells, in the four directions.
std::vector<LineEnd> LineEnds()
{
    std::vector<LineEnd> ends;
    for (const int step : {1, 15, 16, 17}) {
        for (CellIndex first = 17; first <= 255; ++first) {
            if (!IsBoardCell(first) || IsBoardCell(first - step))
                continue;
            int length = 0;
            while (IsBoardCell(first + length * step))
                ++length;
            if (length < 5)
                continue;
            const CellIndex last = first + (length - 1) * step;
            ends.push_back({first, step, length});
            ends.push_back({last, -step, length});
        }
    }
    return ends;
}

CellIndex Cell(const LineEnd& end, int k)
{
    return end.edge + k * end.inward;
}

// `count` stones of `colour` from the edge along the line, on an otherwise empty board.
void StonesFromTheEdge(const LineEnd& end, std::int32_t colour, int count)
{
    ClearBoard();
    for (int k = 0; k < count; ++k)
        BoardCells[Cell(end, k)] = colour;
}

std::string Where(const LineEnd& end, std::int32_t colour, int origin)
{
    return (::testing::Message() << "edge " << end.edge << " inward " << end.inward << " colour "
                                 << colour << " origin " << origin)
        .GetString();
}

// 72 lines of five or more cells: 15 rows, 15 columns and 21 of each diagonal direction.
TEST(BoardEdges, EveryLineHasTwoEnds)
{
    EXPECT_EQ(LineEnds().size(), 2u * 72u);
}

// XXXX. against the edge: a four whose point is the one free end.
TEST(BoardEdges, FourAgainstTheEdgeHasItsFreeEndAsPoint)
{
    for (const LineEnd& end : LineEnds()) {
        for (const std::int32_t colour : {CellBlack, CellWhite}) {
            StonesFromTheEdge(end, colour, 4);
            const BoardSnapshot before = SnapshotBoard();
            for (int k = 0; k < 4; ++k) {
                SCOPED_TRACE(Where(end, colour, k));
                SideToMove = colour;
                EXPECT_EQ(FourBlockQuery(Cell(end, k)), Cell(end, 4));
                EXPECT_EQ(CountsOf(Level(0)), (Counts{0, 0, 0, 1, 0, 0}));
                EXPECT_EQ(AutoBlockPoint, Cell(end, 4));
                EXPECT_TRUE(BoardEquals(before));
            }
        }
    }
}

// XXX.. against the edge is nothing; with the edge behind, ..XXX is a closed three whose
// four-making cells are the two free cells.
TEST(BoardEdges, ThreeAgainstTheEdgeIsAtMostClosed)
{
    for (const LineEnd& end : LineEnds()) {
        for (const std::int32_t colour : {CellBlack, CellWhite}) {
            StonesFromTheEdge(end, colour, 3);
            const BoardSnapshot before = SnapshotBoard();
            // Scanned towards higher cells, a line's first end is met before the stones and
            // its last end after them.
            const bool edgeAhead = end.inward < 0;
            for (int k = 0; k < 3; ++k) {
                SCOPED_TRACE(Where(end, colour, k));
                AnalyseThreats(0, colour, Cell(end, k));
                if (edgeAhead) {
                    EXPECT_EQ(CountsOf(Level(0)), (Counts{0, 0, 0, 0, 0, 1}));
                    EXPECT_EQ(Level(0).ClosedThrees[0],
                              (ClosedThreeEntry{Cell(end, 3), Cell(end, 4)}));
                } else {
                    EXPECT_TRUE(IsBlank(Level(0)));
                }
                EXPECT_TRUE(BoardEquals(before));
            }
        }
    }
}

} // namespace
