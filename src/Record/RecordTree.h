// The analysis tree of a record: moves with their variations, comments, board text and
// marks. Plain C++ over the cell geometry; the shared state's line is a path through it.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Board/Cell.h"

using NodeId = std::int32_t;
constexpr NodeId NoNode = -1;
// A node's move: a board cell, a pass, or nothing (the root).
constexpr CellIndex PassMove = 0;
constexpr CellIndex NoMove = -1;

enum class LabelKind : std::uint8_t { Text, Cross, Triangle, Circle, Square };

// A short text or a mark on a point of the position after the node.
struct Label {
    CellIndex cell;
    LabelKind kind;
    std::string text;
};

// What the .lib reader kept so that an unchanged node is written back byte for byte.
struct LibRaw {
    std::string comment;    // the comment field as read, terminator and padding included
    std::string oldComment; // an old-style comment as read
    std::string boardText;  // the board text field as read
};

// Text of a node, kept out of line so that most nodes pay nothing for it.
struct NodeText {
    std::string oneLine;   // UTF-8
    std::string multiLine; // UTF-8, lines separated by '\n'
    std::string boardText; // shown on the node's own point in the position before it
    std::vector<Label> labels;
    LibRaw raw;
};

struct RecordNode {
    NodeId parent = NoNode;
    NodeId firstChild = NoNode;
    NodeId nextSibling = NoNode;
    std::int32_t text = -1; // index into the text table, -1 for none
    std::int16_t move = NoMove;
    bool mark = false;
    bool start = false;
    std::uint8_t libFlags = 0; // the flag byte as read, for the bits that are not structure
    std::uint8_t libExt = 0;   // the second extension byte as read
    std::uint8_t libExt0 = 0;  // the first extension byte as read
    bool hasLibExt = false;
};

class RecordTree {
public:
    RecordTree() : RecordTree(4096) {}
    explicit RecordTree(std::size_t reserveNodes);

    // Back to a lone root; the pool keeps its room, so a new game allocates nothing.
    void Clear();

    NodeId Root() const { return 0; }
    NodeId Current() const { return current_; }
    const RecordNode& Node(NodeId id) const { return nodes_[id]; }
    std::size_t NodeCount() const { return live_; }
    bool IsLive(NodeId id) const;

    // A new last child, even if a sibling has the same move (readers merge themselves).
    NodeId AppendChild(NodeId parent, CellIndex move);
    NodeId FindChild(NodeId parent, CellIndex move) const;
    // The move from the current node: an existing child with that move is reused. The
    // new node becomes current.
    NodeId EnterMove(CellIndex move);
    bool GoTo(NodeId id);
    // The sibling `step` places after (or before, when negative) the current node; false
    // with nothing changed when there is none.
    bool ChooseVariation(int step);
    // Makes the node and each of its ancestors the first child of its parent.
    void PromoteToMainLine(NodeId id);
    bool MoveUp(NodeId id);
    bool MoveDown(NodeId id);
    // Removes the node and everything under it (not the root); the current node moves to
    // the parent when it was inside.
    void DeleteSubtree(NodeId id);

    int Depth(NodeId id) const;
    // The moves from the root to the current node, and on from it along first children.
    void CurrentLine(std::vector<CellIndex>& moves) const;
    void MainContinuation(std::vector<CellIndex>& moves) const;
    // The colour of the stone a node's move places (black first, passes count).
    Colour MoverOf(NodeId id) const;

    const NodeText* Text(NodeId id) const;
    void SetComment(NodeId id, std::string oneLine, std::string multiLine);
    void SetBoardText(NodeId id, std::string text);
    void SetLabels(NodeId id, std::vector<Label> labels);
    void SetMark(NodeId id, bool on) { nodes_[id].mark = on; }
    void SetStart(NodeId id, bool on) { nodes_[id].start = on; }
    // For readers: the node's text entry, made if missing, with the raw bytes untouched.
    NodeText& TextForReading(NodeId id);
    RecordNode& NodeForReading(NodeId id) { return nodes_[id]; }

    // Siblings ordered by a key; used by the .lib reader. Stable.
    template <class Key> void SortChildren(NodeId parent, Key key);
    void SetChildren(NodeId parent, const std::vector<NodeId>& order);

private:
    NodeId NewNode(CellIndex move);
    NodeId PreviousSibling(NodeId id) const;
    void Unlink(NodeId id);
    void LinkAfter(NodeId parent, NodeId after, NodeId id);

    std::vector<RecordNode> nodes_;
    std::vector<NodeText> texts_;
    NodeId freeList_ = NoNode;
    NodeId current_ = 0;
    std::size_t live_ = 1;
};

template <class Key> void RecordTree::SortChildren(NodeId parent, Key key)
{
    std::vector<NodeId> order;
    for (NodeId c = nodes_[parent].firstChild; c != NoNode; c = nodes_[c].nextSibling)
        order.push_back(c);
    for (std::size_t i = 1; i < order.size(); ++i) {
        for (std::size_t j = i; j > 0 && key(order[j]) < key(order[j - 1]); --j)
            std::swap(order[j], order[j - 1]);
    }
    SetChildren(parent, order);
}

// Who played, where and when, and the stones set up before the first move.
struct GameInfo {
    std::string blackPlayer, whitePlayer, event, result, date, gameName, openingName;
};

struct SetupStone {
    CellIndex cell;
    Colour colour;
};
