// Redrawing cells happens on every move: it must not allocate. This executable counts
// every allocation made through operator new while the view draws.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "DrawingFixture.h"
#include "drawing/BoardView.h"
#include "main/CellLook.h"

namespace {
bool Counting = false;
long Allocations = 0;
} // namespace

void* operator new(std::size_t size)
{
    if (Counting)
        ++Allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

TEST(BoardViewAllocation, RedrawingCellsAndTheDragRectangleAllocatesNothing)
{
    ClearBoardState();
    Put(3, 3, CellBlack, 7);
    Put(4, 3, CellWhite, 57);
    Put(5, 3, CellBlack, 123);
    Put(6, 3, CellWhite, 210);
    Put(7, 3, CellEmpty, -1);
    Put(8, 3, CellBlack, -26);
    BoardView view;
    view.DrawAllCells(LookOfCell); // the first letter of each kind is rendered once here

    Counting = true;
    Allocations = 0;
    for (int column = 1; column <= 15; ++column)
        view.DrawCell(column, 3, LookOfCell(column, 3));
    view.DrawAllCells(LookOfCell);
    view.DrawFocusRect(10, 10, 300, 200);
    view.DrawFocusRect(10, 10, 300, 200);
    Counting = false;
    EXPECT_EQ(Allocations, 0);
}

} // namespace
