#include "Record/RecordTree.h"

#include <utility>

RecordTree::RecordTree(std::size_t reserveNodes)
{
    nodes_.reserve(reserveNodes < 1 ? 1 : reserveNodes);
    texts_.reserve(reserveNodes / 8 + 1);
    nodes_.emplace_back();
}

void RecordTree::Clear()
{
    nodes_.resize(1);
    nodes_[0] = RecordNode{};
    texts_.clear();
    freeList_ = NoNode;
    current_ = 0;
    live_ = 1;
}

bool RecordTree::IsLive(NodeId id) const
{
    if (id < 0 || static_cast<std::size_t>(id) >= nodes_.size())
        return false;
    if (id == 0)
        return true;
    return nodes_[id].parent != NoNode;
}

NodeId RecordTree::NewNode(CellIndex move)
{
    NodeId id;
    if (freeList_ != NoNode) {
        id = freeList_;
        freeList_ = nodes_[id].nextSibling;
        nodes_[id] = RecordNode{};
    } else {
        if (nodes_.size() == nodes_.capacity())
            nodes_.reserve(nodes_.size() * 2); // large chunks, never one node at a time
        id = static_cast<NodeId>(nodes_.size());
        nodes_.emplace_back();
    }
    nodes_[id].move = static_cast<std::int16_t>(move);
    nodes_[id].libFlags = 0x40;
    ++live_;
    return id;
}

NodeId RecordTree::AppendChild(NodeId parent, CellIndex move)
{
    NodeId id = NewNode(move);
    NodeId last = NoNode;
    for (NodeId c = nodes_[parent].firstChild; c != NoNode; c = nodes_[c].nextSibling)
        last = c;
    LinkAfter(parent, last, id);
    return id;
}

NodeId RecordTree::FindChild(NodeId parent, CellIndex move) const
{
    for (NodeId c = nodes_[parent].firstChild; c != NoNode; c = nodes_[c].nextSibling) {
        if (nodes_[c].move == move)
            return c;
    }
    return NoNode;
}

NodeId RecordTree::EnterMove(CellIndex move)
{
    NodeId id = FindChild(current_, move);
    if (id == NoNode)
        id = AppendChild(current_, move);
    current_ = id;
    return id;
}

bool RecordTree::GoTo(NodeId id)
{
    if (!IsLive(id))
        return false;
    current_ = id;
    return true;
}

NodeId RecordTree::PreviousSibling(NodeId id) const
{
    NodeId parent = nodes_[id].parent;
    if (parent == NoNode)
        return NoNode;
    NodeId prev = NoNode;
    for (NodeId c = nodes_[parent].firstChild; c != id; c = nodes_[c].nextSibling)
        prev = c;
    return prev;
}

bool RecordTree::ChooseVariation(int step)
{
    NodeId id = current_;
    if (id == Root())
        return false;
    for (; step > 0 && id != NoNode; --step)
        id = nodes_[id].nextSibling;
    for (; step < 0 && id != NoNode; ++step)
        id = PreviousSibling(id);
    if (id == NoNode)
        return false;
    current_ = id;
    return true;
}

void RecordTree::Unlink(NodeId id)
{
    NodeId parent = nodes_[id].parent;
    NodeId prev = PreviousSibling(id);
    if (prev == NoNode)
        nodes_[parent].firstChild = nodes_[id].nextSibling;
    else
        nodes_[prev].nextSibling = nodes_[id].nextSibling;
    nodes_[id].nextSibling = NoNode;
}

void RecordTree::LinkAfter(NodeId parent, NodeId after, NodeId id)
{
    nodes_[id].parent = parent;
    if (after == NoNode) {
        nodes_[id].nextSibling = nodes_[parent].firstChild;
        nodes_[parent].firstChild = id;
    } else {
        nodes_[id].nextSibling = nodes_[after].nextSibling;
        nodes_[after].nextSibling = id;
    }
}

void RecordTree::PromoteToMainLine(NodeId id)
{
    for (; id != Root() && IsLive(id); id = nodes_[id].parent) {
        NodeId parent = nodes_[id].parent;
        if (nodes_[parent].firstChild != id) {
            Unlink(id);
            LinkAfter(parent, NoNode, id);
        }
    }
}

bool RecordTree::MoveUp(NodeId id)
{
    if (id == Root() || !IsLive(id))
        return false;
    NodeId prev = PreviousSibling(id);
    if (prev == NoNode)
        return false;
    NodeId parent = nodes_[id].parent;
    NodeId beforePrev = PreviousSibling(prev);
    Unlink(id);
    LinkAfter(parent, beforePrev, id);
    return true;
}

bool RecordTree::MoveDown(NodeId id)
{
    if (id == Root() || !IsLive(id) || nodes_[id].nextSibling == NoNode)
        return false;
    return MoveUp(nodes_[id].nextSibling);
}

void RecordTree::DeleteSubtree(NodeId id)
{
    if (id == Root() || !IsLive(id))
        return;
    for (NodeId n = current_; n != NoNode; n = nodes_[n].parent) {
        if (n == id) {
            current_ = nodes_[id].parent;
            break;
        }
    }
    Unlink(id);
    // Every node of the subtree goes to the free list; its text entry is emptied.
    std::vector<NodeId> stack{id};
    while (!stack.empty()) {
        NodeId n = stack.back();
        stack.pop_back();
        for (NodeId c = nodes_[n].firstChild; c != NoNode; c = nodes_[c].nextSibling)
            stack.push_back(c);
        if (nodes_[n].text >= 0)
            texts_[nodes_[n].text] = NodeText{};
        nodes_[n] = RecordNode{};
        nodes_[n].nextSibling = freeList_;
        freeList_ = n;
        --live_;
    }
}

int RecordTree::Depth(NodeId id) const
{
    int depth = 0;
    for (; id != Root(); id = nodes_[id].parent)
        ++depth;
    return depth;
}

void RecordTree::CurrentLine(std::vector<CellIndex>& moves) const
{
    moves.resize(static_cast<std::size_t>(Depth(current_)));
    std::size_t i = moves.size();
    for (NodeId n = current_; n != Root(); n = nodes_[n].parent)
        moves[--i] = nodes_[n].move;
}

void RecordTree::MainContinuation(std::vector<CellIndex>& moves) const
{
    moves.clear();
    for (NodeId n = nodes_[current_].firstChild; n != NoNode; n = nodes_[n].firstChild)
        moves.push_back(nodes_[n].move);
}

Colour RecordTree::MoverOf(NodeId id) const
{
    return Depth(id) % 2 == 1 ? Colour::Black : Colour::White;
}

const NodeText* RecordTree::Text(NodeId id) const
{
    int t = nodes_[id].text;
    return t < 0 ? nullptr : &texts_[t];
}

NodeText& RecordTree::TextForReading(NodeId id)
{
    if (nodes_[id].text < 0) {
        nodes_[id].text = static_cast<std::int32_t>(texts_.size());
        texts_.emplace_back();
    }
    return texts_[nodes_[id].text];
}

void RecordTree::SetComment(NodeId id, std::string oneLine, std::string multiLine)
{
    NodeText& t = TextForReading(id);
    t.oneLine = std::move(oneLine);
    t.multiLine = std::move(multiLine);
    t.raw.comment.clear();
    t.raw.oldComment.clear();
}

void RecordTree::SetBoardText(NodeId id, std::string text)
{
    NodeText& t = TextForReading(id);
    t.boardText = std::move(text);
    t.raw.boardText.clear();
}

void RecordTree::SetLabels(NodeId id, std::vector<Label> labels)
{
    TextForReading(id).labels = std::move(labels);
}

void RecordTree::SetChildren(NodeId parent, const std::vector<NodeId>& order)
{
    nodes_[parent].firstChild = NoNode;
    for (std::size_t i = order.size(); i-- > 0;) {
        nodes_[order[i]].nextSibling = nodes_[parent].firstChild;
        nodes_[parent].firstChild = order[i];
    }
}
