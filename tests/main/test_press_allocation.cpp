// A game is edited without allocating: a board press, its chain of forced answers, the
// board view's redraws and the status line, and the buttons that step through the
// record. This executable counts every allocation made through operator new.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "NullPort.h"
#include "drawing/BoardView.h"
#include "main/CellLook.h"
#include "main/Geometry.h"
#include "main/Moves.h"
#include "main/Startup.h"
#include "main/State.h"
#include "main/Variations.h"

namespace {
bool Counting = false;
long Allocations = 0;

void* Allocate(std::size_t size)
{
    if (Counting)
        ++Allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t size)
{
    return Allocate(size);
}
void* operator new[](std::size_t size)
{
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    if (Counting)
        ++Allocations;
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

// The logic's window: the real board view, and the status kept in a fixed buffer.
class ViewWindow : public NullPort {
public:
    void DrawCell(int column, int row) override
    {
        view.DrawCell(column, row, LookOfCell(column, row));
        ++drawnCells;
    }
    void SetMemo(const std::string& text) override
    {
        const std::size_t n = std::min(text.size(), sizeof memo - 1);
        std::memcpy(memo, text.data(), n);
        memo[n] = '\0';
    }

    BoardView view;
    char memo[64] = {};
    int drawnCells = 0;
};

void Press(int column, int row)
{
    ImgBanMouseDown(MouseButton::Left, ViewCellX(column) + ViewCell / 2,
                    ViewCellY(row) + ViewCell / 2);
}

// Black's press at (8, 8) makes a four answered at (9, 8); white's answer makes a four
// of its own, answered by black at (9, 9).
TEST(EditingAllocation, APressWithItsForcedAnswersAndTheNavigationAllocateNothing)
{
    ViewWindow window;
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

    Counting = true;
    Allocations = 0;
    Press(8, 8);
    const int afterPress = MoveCount;
    BitBack2Click();
    BitBack1Click();
    BitGo1Click();
    BitGo2Click();
    BitBackAllClick();
    BitGoAllClick();
    Counting = false;

    EXPECT_EQ(Allocations, 0);
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
    ViewWindow window;
    Window = &window;
    FormCreate();
    const int moves[][2] = {{2, 2}, {14, 2}, {2, 14}, {14, 14}, {8, 2}, {8, 14}};
    for (auto& m : moves)
        Press(m[0], m[1]);

    Counting = true;
    Allocations = 0;
    BitBack2Click();
    Press(1, 8); // beside (8, 2)
    MnuPrevVariationClick();
    MnuNextVariationClick();
    BitBack1Click();
    Press(15, 8); // a third variation
    MnuPromoteClick();
    Counting = false;

    EXPECT_EQ(Allocations, 0);
    EXPECT_EQ(MoveCount, 5);
    EXPECT_EQ(MoveList[4], MakeCell(15, 8));
    EXPECT_EQ(BoardCells[MakeCell(1, 8)], CellEmpty);
    Window = nullptr;
}

} // namespace
