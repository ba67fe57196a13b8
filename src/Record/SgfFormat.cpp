#include "Record/SgfFormat.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char* const LabelIdents[] = {"LB", "MA", "TR", "CR", "SQ"};

std::string Point(CellIndex cell)
{
    std::string p;
    p += static_cast<char>('a' + CellColumn(cell) - 1);
    p += static_cast<char>('a' + CellRow(cell) - 1);
    return p;
}

std::optional<CellIndex> ParsePoint(std::string_view v)
{
    if (v.size() != 2 || v[0] < 'a' || v[0] > 'o' || v[1] < 'a' || v[1] > 'o')
        return std::nullopt;
    return MakeCell(v[0] - 'a' + 1, v[1] - 'a' + 1);
}

std::string Escape(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == ']' || c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

class SgfWriter {
public:
    explicit SgfWriter(const Record& r) : r_(r), t_(r.tree) {}

    std::string Write()
    {
        enum Kind { NodeOnly, OpenNode, Close };
        std::vector<std::pair<NodeId, Kind>> work{{t_.Root(), NodeOnly}};
        out_ = "(";
        while (!work.empty()) {
            auto [n, kind] = work.back();
            work.pop_back();
            if (kind == Close) {
                out_ += ')';
                continue;
            }
            if (kind == OpenNode)
                out_ += '(';
            Node(n);
            std::vector<NodeId> kids;
            for (NodeId c = t_.Node(n).firstChild; c != NoNode; c = t_.Node(c).nextSibling)
                kids.push_back(c);
            if (kids.size() == 1) {
                work.push_back({kids[0], NodeOnly});
            } else {
                for (std::size_t k = kids.size(); k-- > 0;) {
                    work.push_back({NoNode, Close});
                    work.push_back({kids[k], OpenNode});
                }
            }
        }
        out_ += ")\n";
        return out_;
    }

private:
    void Prop(const char* ident, std::string_view value)
    {
        out_ += ident;
        out_ += '[';
        out_ += Escape(value);
        out_ += ']';
    }
    void Text(const char* ident, const std::string& value)
    {
        if (!value.empty())
            Prop(ident, value);
    }

    void Node(NodeId n)
    {
        const RecordNode& node = t_.Node(n);
        const NodeText* text = t_.Text(n);
        out_ += ';';
        if (n == t_.Root()) {
            out_ += "GM[4]FF[4]CA[UTF-8]SZ[15]";
            const GameInfo& i = r_.info;
            Text("PB", i.blackPlayer);
            Text("PW", i.whitePlayer);
            Text("EV", i.event);
            Text("RE", i.result);
            Text("DT", i.date);
            Text("GN", i.gameName);
            Text("ON", i.openingName);
            for (Colour colour : {Colour::Black, Colour::White}) {
                bool first = true;
                for (const SetupStone& s : r_.setup) {
                    if (s.colour != colour)
                        continue;
                    if (first)
                        out_ += colour == Colour::Black ? "AB" : "AW";
                    first = false;
                    out_ += '[' + Point(s.cell) + ']';
                }
            }
        } else {
            Prop(t_.MoverOf(n) == Colour::Black ? "B" : "W",
                 node.move == PassMove ? "" : Point(node.move));
        }
        if (text) {
            Text("N", text->oneLine);
            Text("C", text->multiLine);
        }
        // Marks and labels: the node's own, its mark, and its children's board text.
        std::vector<Label> labels;
        if (text)
            labels = text->labels;
        bool onBoard = node.move != PassMove && node.move != NoMove;
        if (node.mark && onBoard)
            labels.push_back({node.move, LabelKind::Cross, {}});
        for (NodeId c = node.firstChild; c != NoNode; c = t_.Node(c).nextSibling) {
            const NodeText* ct = t_.Text(c);
            if (ct && !ct->boardText.empty() && t_.Node(c).move != PassMove)
                labels.push_back({t_.Node(c).move, LabelKind::Text, ct->boardText});
        }
        for (int kind = 0; kind < 5; ++kind) {
            bool first = true;
            for (const Label& l : labels) {
                if (static_cast<int>(l.kind) != kind)
                    continue;
                if (first)
                    out_ += LabelIdents[kind];
                first = false;
                out_ += '[' + Point(l.cell);
                if (l.kind == LabelKind::Text)
                    out_ += ':' + Escape(l.text);
                out_ += ']';
            }
        }
        if (node.mark && !onBoard)
            out_ += "KVM[]";
        if (node.start)
            out_ += "KVS[]";
        if (text && !onBoard && !text->boardText.empty())
            Prop("KVT", text->boardText);
    }

    const Record& r_;
    const RecordTree& t_;
    std::string out_;
};

std::string Damaged(std::size_t offset, const std::string& what)
{
    return "SGF が壊れています (オフセット " + std::to_string(offset) + "): " + what;
}

// The text's code page: UTF-8 when it is valid, else the declared one when it decodes
// cleanly, else the one that does.
std::string ToUtf8(std::string_view bytes)
{
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    std::size_t ca = bytes.find("CA[");
    if (ca != std::string_view::npos) {
        std::size_t end = bytes.find(']', ca);
        if (end != std::string_view::npos) {
            auto declared = ParseCodePage(bytes.substr(ca + 3, end - ca - 3));
            if (declared && *declared != CodePage::Utf8) {
                if (auto text = DecodeText(bytes, *declared))
                    return *text;
            }
        }
    }
    return DecodeLossy(bytes, DetectCodePage(bytes));
}

class SgfReader {
public:
    SgfReader(std::string_view text, Record& r) : s_(text), r_(r), t_(r.tree) {}

    std::string Read()
    {
        SkipSpace();
        if (at_ >= s_.size() || s_[at_] != '(')
            return "SGF ではありません (先頭に \"(\" がありません)";
        std::vector<NodeId> stack;
        NodeId cur = NoNode;
        while (true) {
            SkipSpace();
            if (at_ >= s_.size())
                return Damaged(at_, "途中で切れています");
            char c = s_[at_];
            if (c == '(') {
                stack.push_back(cur);
                ++at_;
            } else if (c == ')') {
                ++at_;
                if (stack.empty())
                    return Damaged(at_ - 1, "\")\" が多すぎます");
                cur = stack.back();
                stack.pop_back();
                if (stack.empty())
                    break; // only the first game of a collection
            } else if (c == ';') {
                ++at_;
                if (std::string e = NodeProps(cur); !e.empty())
                    return e;
            } else {
                return Damaged(at_, "予期しない文字があります");
            }
        }
        if (!sawNode_)
            return Damaged(at_, "局面がありません");
        FoldLabels();
        return {};
    }

private:
    void SkipSpace()
    {
        while (at_ < s_.size() && (s_[at_] == ' ' || s_[at_] == '\n' || s_[at_] == '\r' ||
                                   s_[at_] == '\t' || s_[at_] == '\v' || s_[at_] == '\f'))
            ++at_;
    }

    std::string Value(std::string& out)
    {
        std::size_t start = at_;
        ++at_; // '['
        out.clear();
        while (at_ < s_.size() && s_[at_] != ']') {
            char c = s_[at_++];
            if (c == '\\') {
                if (at_ >= s_.size())
                    break;
                char e = s_[at_++];
                // A soft line break: the escaped newline is dropped.
                if (e == '\n' || e == '\r') {
                    if (at_ < s_.size() && (s_[at_] == '\n' || s_[at_] == '\r') && s_[at_] != e)
                        ++at_;
                    continue;
                }
                out += e;
            } else if (c == '\r') {
                if (at_ < s_.size() && s_[at_] == '\n')
                    ++at_;
                out += '\n';
            } else {
                out += c;
            }
        }
        if (at_ >= s_.size())
            return Damaged(start, "値が \"]\" で閉じていません");
        ++at_;
        return {};
    }

    std::string NodeProps(NodeId& cur)
    {
        CellIndex move = NoMove;
        std::vector<std::pair<std::string, std::string>> props;
        std::size_t nodeStart = at_;
        while (true) {
            SkipSpace();
            if (at_ >= s_.size() || s_[at_] == ';' || s_[at_] == '(' || s_[at_] == ')')
                break;
            std::size_t identStart = at_;
            std::string ident;
            while (at_ < s_.size() &&
                   ((s_[at_] >= 'A' && s_[at_] <= 'Z') || (s_[at_] >= 'a' && s_[at_] <= 'z'))) {
                if (s_[at_] >= 'A' && s_[at_] <= 'Z')
                    ident += s_[at_];
                ++at_;
            }
            if (ident.empty())
                return Damaged(identStart, "プロパティ名がありません");
            SkipSpace();
            if (at_ >= s_.size() || s_[at_] != '[')
                return Damaged(at_, ident + " に値がありません");
            while (at_ < s_.size() && s_[at_] == '[') {
                std::size_t valueAt = at_;
                std::string value;
                if (std::string e = Value(value); !e.empty())
                    return e;
                if (ident == "B" || ident == "W") {
                    if (value.empty() || value == "tt") {
                        move = PassMove;
                    } else if (auto cell = ParsePoint(value)) {
                        move = *cell;
                    } else {
                        return Damaged(valueAt, "盤外の着手 " + ident + "[" + value + "]");
                    }
                } else {
                    props.push_back({ident, value});
                }
                SkipSpace();
            }
        }
        // A game tree that begins at the top level after the first ("((;…)(;…))") has no
        // node above it: its moves hang from the root.
        if (cur == NoNode && sawNode_)
            cur = t_.Root();
        NodeId node;
        if (!sawNode_) {
            node = t_.Root();
            sawNode_ = true;
            if (move != NoMove) {
                // A first node that holds a move: the root stays empty above it.
                node = t_.AppendChild(t_.Root(), move);
            }
        } else if (move == NoMove) {
            node = cur; // a node without a move adds to the one before it
        } else {
            node = t_.FindChild(cur, move);
            if (node == NoNode)
                node = t_.AppendChild(cur, move);
        }
        cur = node;
        for (auto& [ident, value] : props) {
            if (std::string e = Apply(node, ident, value, nodeStart); !e.empty())
                return e;
        }
        return {};
    }

    std::string Apply(NodeId n, const std::string& ident, const std::string& value,
                      std::size_t offset)
    {
        GameInfo& info = r_.info;
        if (ident == "GM") {
            if (value != "4" && value != "1")
                return "連珠の棋譜ではありません (GM[" + value + "])";
        } else if (ident == "SZ") {
            if (value != "15")
                return "盤の大きさが 15 ではありません (SZ[" + value + "])";
        } else if (ident == "PB") {
            info.blackPlayer = value;
        } else if (ident == "PW") {
            info.whitePlayer = value;
        } else if (ident == "EV") {
            info.event = value;
        } else if (ident == "RE") {
            info.result = value;
        } else if (ident == "DT") {
            info.date = value;
        } else if (ident == "GN") {
            info.gameName = value;
        } else if (ident == "ON") {
            info.openingName = value;
        } else if (ident == "N") {
            const NodeText* t = t_.Text(n);
            t_.SetComment(n, value, t ? t->multiLine : std::string());
        } else if (ident == "C") {
            const NodeText* t = t_.Text(n);
            t_.SetComment(n, t ? t->oneLine : std::string(), value);
        } else if (ident == "KVM") {
            t_.SetMark(n, true);
        } else if (ident == "KVS") {
            t_.SetStart(n, true);
        } else if (ident == "KVT") {
            t_.SetBoardText(n, value);
        } else if (ident == "AB" || ident == "AW") {
            if (n != t_.Root())
                return {};
            if (!Points(value, [&](CellIndex cell) {
                    r_.setup.push_back({cell, ident == "AB" ? Colour::Black : Colour::White});
                }))
                return Damaged(offset, "盤外の置石 " + ident + "[" + value + "]");
        } else {
            for (int kind = 0; kind < 5; ++kind) {
                if (ident != LabelIdents[kind])
                    continue;
                NodeText& t = t_.TextForReading(n);
                if (kind == 0) {
                    auto cell = ParsePoint(value.substr(0, 2));
                    if (!cell || value.size() < 3 || value[2] != ':')
                        return Damaged(offset, "ラベルが読めません LB[" + value + "]");
                    t.labels.push_back({*cell, LabelKind::Text, value.substr(3)});
                } else if (!Points(value, [&](CellIndex cell) {
                               t.labels.push_back({cell, static_cast<LabelKind>(kind), {}});
                           })) {
                    return Damaged(offset, "盤外の印 " + ident + "[" + value + "]");
                }
            }
        }
        return {};
    }

    // A point or a rectangle "aa:cc" of points.
    template <class F> static bool Points(const std::string& value, F each)
    {
        auto a = ParsePoint(value.substr(0, 2));
        if (!a)
            return false;
        CellIndex b = *a;
        if (value.size() > 2) {
            auto second =
                value.size() == 5 && value[2] == ':' ? ParsePoint(value.substr(3)) : std::nullopt;
            if (!second)
                return false;
            b = *second;
        }
        for (int row = std::min(CellRow(*a), CellRow(b)); row <= std::max(CellRow(*a), CellRow(b));
             ++row) {
            for (int col = std::min(CellColumn(*a), CellColumn(b));
                 col <= std::max(CellColumn(*a), CellColumn(b)); ++col)
                each(MakeCell(col, row));
        }
        return true;
    }

    // A cross on a node's own point is its mark; a label on a child's point is the
    // child's board text.
    void FoldLabels()
    {
        std::vector<NodeId> stack{t_.Root()};
        while (!stack.empty()) {
            NodeId n = stack.back();
            stack.pop_back();
            for (NodeId c = t_.Node(n).firstChild; c != NoNode; c = t_.Node(c).nextSibling)
                stack.push_back(c);
            if (!t_.Text(n) || t_.Text(n)->labels.empty())
                continue;
            std::vector<Label> kept;
            for (const Label& l : t_.Text(n)->labels) {
                NodeId child = l.kind == LabelKind::Text ? t_.FindChild(n, l.cell) : NoNode;
                if (l.kind == LabelKind::Cross && l.cell == t_.Node(n).move) {
                    t_.SetMark(n, true);
                } else if (child != NoNode &&
                           (!t_.Text(child) || t_.Text(child)->boardText.empty())) {
                    t_.SetBoardText(child, l.text);
                } else {
                    kept.push_back(l);
                }
            }
            t_.SetLabels(n, std::move(kept));
        }
    }

    std::string_view s_;
    Record& r_;
    RecordTree& t_;
    std::size_t at_ = 0;
    bool sawNode_ = false;
};

} // namespace

RecordRead ReadSgf(std::string_view bytes)
{
    std::string text = ToUtf8(bytes);
    Record record;
    SgfReader reader(text, record);
    if (std::string e = reader.Read(); !e.empty())
        return {std::nullopt, e};
    return {std::move(record), {}};
}

RecordWrite WriteSgf(const Record& record)
{
    return {SgfWriter(record).Write(), {}};
}
