// The tree's operations keep every variation: entering a move reuses a child, branching
// keeps the old line, promote/move/delete reorder or remove only what they name.
#include <gtest/gtest.h>

#include "../fixtures/AllocationCounter.h"
#include "Board/Coordinates.h"
#include "Record/RecordTree.h"

namespace {

CellIndex C(const char* name)
{
    return *ParseCellName(name);
}

std::vector<CellIndex> Line(const RecordTree& t)
{
    std::vector<CellIndex> moves;
    t.CurrentLine(moves);
    return moves;
}

std::vector<CellIndex> Children(const RecordTree& t, NodeId n)
{
    std::vector<CellIndex> moves;
    for (NodeId c = t.Node(n).firstChild; c != NoNode; c = t.Node(c).nextSibling)
        moves.push_back(t.Node(c).move);
    return moves;
}

TEST(RecordTree, EnteringAMoveAfterSteppingBackKeepsTheOldLineAsAVariation)
{
    RecordTree t;
    NodeId h8 = t.EnterMove(C("h8"));
    NodeId i9 = t.EnterMove(C("i9"));
    t.EnterMove(C("j10"));
    ASSERT_TRUE(t.GoTo(h8));
    NodeId g9 = t.EnterMove(C("g9"));
    EXPECT_EQ(Children(t, h8), (std::vector<CellIndex>{C("i9"), C("g9")}));
    EXPECT_EQ(Line(t), (std::vector<CellIndex>{C("h8"), C("g9")}));
    // The same move again is the existing child, not a duplicate.
    t.GoTo(h8);
    EXPECT_EQ(t.EnterMove(C("i9")), i9);
    EXPECT_EQ(t.NodeCount(), 5u);
    std::vector<CellIndex> tail;
    t.GoTo(h8);
    t.MainContinuation(tail);
    EXPECT_EQ(tail, (std::vector<CellIndex>{C("i9"), C("j10")}));
    t.GoTo(g9);
    EXPECT_EQ(t.MoverOf(g9), Colour::White);
    EXPECT_EQ(t.MoverOf(h8), Colour::Black);
}

TEST(RecordTree, PassIsAMoveOfItsOwn)
{
    RecordTree t;
    t.EnterMove(C("h8"));
    NodeId pass = t.EnterMove(PassMove);
    NodeId next = t.EnterMove(C("i9"));
    EXPECT_EQ(t.Node(pass).move, PassMove);
    EXPECT_EQ(t.MoverOf(next), Colour::Black);
}

TEST(RecordTree, VariationsAreChosenPromotedAndMoved)
{
    RecordTree t;
    NodeId h8 = t.EnterMove(C("h8"));
    NodeId a = t.EnterMove(C("i9"));
    t.GoTo(h8);
    NodeId b = t.EnterMove(C("g9"));
    NodeId b2 = t.EnterMove(C("g10"));
    t.GoTo(h8);
    NodeId c = t.EnterMove(C("i7"));

    t.GoTo(b);
    EXPECT_TRUE(t.ChooseVariation(1));
    EXPECT_EQ(t.Current(), c);
    EXPECT_FALSE(t.ChooseVariation(1));
    EXPECT_EQ(t.Current(), c);
    EXPECT_TRUE(t.ChooseVariation(-2));
    EXPECT_EQ(t.Current(), a);
    EXPECT_FALSE(t.ChooseVariation(-1));

    t.PromoteToMainLine(b2);
    EXPECT_EQ(Children(t, h8), (std::vector<CellIndex>{C("g9"), C("i9"), C("i7")}));
    EXPECT_TRUE(t.MoveDown(b));
    EXPECT_EQ(Children(t, h8), (std::vector<CellIndex>{C("i9"), C("g9"), C("i7")}));
    EXPECT_TRUE(t.MoveUp(c));
    EXPECT_EQ(Children(t, h8), (std::vector<CellIndex>{C("i9"), C("i7"), C("g9")}));
    EXPECT_FALSE(t.MoveUp(a));
    EXPECT_FALSE(t.MoveDown(b));
    EXPECT_FALSE(t.MoveUp(t.Root()));
}

TEST(RecordTree, DeletingASubtreeMovesTheCurrentNodeOutAndReusesTheSlots)
{
    RecordTree t;
    NodeId h8 = t.EnterMove(C("h8"));
    NodeId i9 = t.EnterMove(C("i9"));
    NodeId j10 = t.EnterMove(C("j10"));
    t.SetComment(j10, "good", "");
    t.GoTo(h8);
    t.EnterMove(C("g9"));
    t.GoTo(j10);
    t.DeleteSubtree(i9);
    EXPECT_EQ(t.Current(), h8);
    EXPECT_FALSE(t.IsLive(j10));
    EXPECT_FALSE(t.GoTo(j10));
    EXPECT_EQ(Children(t, h8), (std::vector<CellIndex>{C("g9")}));
    EXPECT_EQ(t.NodeCount(), 3u);
    t.DeleteSubtree(t.Root()); // the root stays
    EXPECT_EQ(t.NodeCount(), 3u);
    NodeId again = t.EnterMove(C("k11"));
    EXPECT_TRUE(again == i9 || again == j10);
    EXPECT_EQ(t.Text(again), nullptr);
}

TEST(RecordTree, TextIsKeptOutOfLineAndEditingDropsTheRawBytes)
{
    RecordTree t;
    NodeId h8 = t.EnterMove(C("h8"));
    EXPECT_EQ(t.Text(h8), nullptr);
    t.TextForReading(h8).raw.comment = std::string("x\0", 2);
    t.SetComment(h8, "一行", "複数\n行");
    ASSERT_NE(t.Text(h8), nullptr);
    EXPECT_EQ(t.Text(h8)->oneLine, "一行");
    EXPECT_TRUE(t.Text(h8)->raw.comment.empty());
    EXPECT_LE(sizeof(RecordNode), 32u);
}

TEST(RecordTree, MovesEnteredWithRoomInThePoolDoNotAllocate)
{
    RecordTree t(1024);
    std::vector<CellIndex> line;
    line.reserve(256);
    const long before = AllocationsSoFar();
    NodeId h8 = t.EnterMove(C("h8"));
    t.EnterMove(C("i9"));
    t.GoTo(h8);
    t.EnterMove(C("i9"));
    t.EnterMove(C("g9"));
    t.CurrentLine(line);
    t.GoTo(t.Root());
    EXPECT_EQ(AllocationsSoFar() - before, 0);
}

} // namespace
