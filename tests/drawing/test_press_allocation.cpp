// A game is edited without allocating: a board press, its chain of forced answers, the
// board view's redraws and the status line, and the buttons that step through the
// record. This executable counts every allocation made through operator new.
#include <gtest/gtest.h>

#include "../fixtures/AllocationCounter.h"
#include "ViewPort.h"
#include "main/Geometry.h"
#include "main/Moves.h"
#include "main/Startup.h"
#include "main/State.h"
#include "main/Variations.h"

namespace {

void Press(int column, int row)
{
    ImgBanMouseDown(MouseButton::Left, ViewCellX(column) + ViewCell / 2,
                    ViewCellY(row) + ViewCell / 2);
}

// Black's press at (8, 8) makes a four answered at (9, 8); white's answer makes a four
// of its own, answered by black at (9, 9).
TEST(EditingAllocation, APressWithItsForcedAnswersAndTheNavigationAllocateNothing)
{
    ViewPort window;
    Window = &window;
    FormCreate();
    AutoBlockFours = 1;
    ShowMoveNumbers = 1;
    // Black, white in turn; no move of these makes a four.
    const int setup[][2] = {{5, 8}, {4, 8}, {6, 8}, {9, 5}, {7, 8},
                            {9, 6}, {9, 4}, {9, 7}, {1, 1}, {15, 15}};
    for (auto& m : setup)
        Press(m[0], m[1]);
    ASSERT_EQ(MoveCount, 10);
    window.drawnCells = 0;

    const long before = AllocationsSoFar();
    Press(8, 8);
    const int afterPress = MoveCount;
    BitBack2Click();
    BitBack1Click();
    BitGo1Click();
    BitGo2Click();
    BitBackAllClick();
    BitGoAllClick();
    const long made = AllocationsSoFar() - before;

    EXPECT_EQ(made, 0);
    // The chain was really entered and drawn, and the status names the next move.
    EXPECT_EQ(afterPress, 13);
    EXPECT_EQ(MoveList[11], MakeCell(9, 8));
    EXPECT_EQ(MoveList[12], MakeCell(9, 9));
    EXPECT_EQ(MoveCount, 13);
    EXPECT_GT(window.drawnCells, 3);
    EXPECT_STREQ(window.memo, "　14 手目  白");
    Window = nullptr;
}

// A move entered after stepping back keeps the old line as a variation, and ↑/↓ switch
// between them: the tree's pool was reserved up front, so none of it allocates.
TEST(EditingAllocation, BranchingAndSwitchingVariationsAllocateNothing)
{
    ViewPort window;
    Window = &window;
    FormCreate();
    const int moves[][2] = {{2, 2}, {14, 2}, {2, 14}, {14, 14}, {8, 2}, {8, 14}};
    for (auto& m : moves)
        Press(m[0], m[1]);

    const long before = AllocationsSoFar();
    BitBack2Click();
    Press(1, 8); // beside (8, 2)
    MnuPrevVariationClick();
    MnuNextVariationClick();
    BitBack1Click();
    Press(15, 8); // a third variation
    MnuPromoteClick();
    const long made = AllocationsSoFar() - before;

    EXPECT_EQ(made, 0);
    EXPECT_EQ(MoveCount, 5);
    EXPECT_EQ(MoveList[4], MakeCell(15, 8));
    EXPECT_EQ(BoardCells[MakeCell(1, 8)], CellEmpty);
    Window = nullptr;
}

} // namespace
