#include "Record/LibFormat.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr unsigned char Magic[8] = {0xFF, 0x52, 0x65, 0x6E, 0x4C, 0x69, 0x62, 0xFF};
constexpr std::size_t HeaderSize = 20;

constexpr std::uint8_t FlagSibling = 0x80;
constexpr std::uint8_t FlagLeaf = 0x40;
constexpr std::uint8_t FlagOldComment = 0x20;
constexpr std::uint8_t FlagMark = 0x10;
constexpr std::uint8_t FlagComment = 0x08;
constexpr std::uint8_t FlagStart = 0x04;
constexpr std::uint8_t FlagNoMove = 0x02;
constexpr std::uint8_t FlagExtension = 0x01;
constexpr std::uint8_t ExtBoardText = 0x01;

constexpr int CentrePos = 0x78;

std::uint8_t Byte(std::string_view s, std::size_t i)
{
    return static_cast<std::uint8_t>(s[i]);
}

std::string Damaged(std::size_t offset, const std::string& what)
{
    return "ライブラリが壊れています (オフセット " + std::to_string(offset) + "): " + what;
}

// pos = 16 × (y − 1) + x with y counted from the top: the cell index less one row.
CellIndex CellOfPos(int pos)
{
    return pos + 16;
}
int PosOfCell(CellIndex cell)
{
    return cell - 16;
}

std::string CrLfToLf(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
            continue;
        out += s[i];
    }
    return out;
}

std::string LfToCrLf(std::string_view s)
{
    std::string out;
    out.reserve(s.size() + 8);
    for (char c : s) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// Byte 0x08 separates the one-line comment from the multi-line one.
void SplitComment(const std::string& text, std::string& oneLine, std::string& multiLine)
{
    std::size_t sep = text.find('\x08');
    if (sep == std::string::npos) {
        oneLine = CrLfToLf(text);
        multiLine.clear();
    } else {
        oneLine = CrLfToLf(std::string_view(text).substr(0, sep));
        multiLine = CrLfToLf(std::string_view(text).substr(sep + 1));
    }
}

// Old-style comments are 7-bit text whose Swedish letters stand on ASCII brackets.
std::string DecodeOldComment(std::string_view raw)
{
    std::string out;
    for (char ch : raw) {
        char c = static_cast<char>(ch & 0x7F);
        switch (c) {
        case '}':
            out += "å";
            break;
        case '{':
            out += "ä";
            break;
        case '|':
            out += "ö";
            break;
        case ']':
            out += "Å";
            break;
        case '[':
            out += "Ä";
            break;
        case '\\':
            out += "Ö";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string Join(const std::string& a, const std::string& b, const char* sep)
{
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    return a + sep + b;
}

class LibReader {
public:
    LibReader(std::string_view bytes, Record& record) : s_(bytes), r_(record) {}

    std::string Read(std::optional<CodePage> codePage)
    {
        if (std::string e = Header(); !e.empty())
            return e;
        if (std::string e = Records(); !e.empty())
            return e;
        SortSiblings();
        return DecodeTexts(codePage);
    }

private:
    struct PendingText {
        NodeId node;
        std::string_view comment, oldComment, boardText;
    };

    std::string Header()
    {
        LibOrigin& o = r_.lib;
        o.fromLib = true;
        if (!s_.empty() && Byte(s_, 0) == CentrePos) {
            o.headerless = true;
            o.rootRecord = false;
            o.major = 3;
            o.minor = 0;
            at_ = 0;
            return {};
        }
        for (std::size_t i = 0; i < sizeof Magic; ++i) {
            if (i >= s_.size() || Byte(s_, i) != Magic[i])
                return "RenLib のライブラリではありません (先頭の識別子がありません)";
        }
        if (s_.size() < HeaderSize)
            return Damaged(s_.size(), "ヘッダーが途中で切れています");
        o.major = Byte(s_, 8);
        o.minor = Byte(s_, 9);
        if (o.major != 3 || o.minor > 4)
            return "ライブラリの版 " + std::to_string(o.major) + "." + std::to_string(o.minor) +
                   " には対応していません (3.4 まで)";
        o.header.assign(s_.substr(10, HeaderSize - 10));
        at_ = HeaderSize;
        o.rootRecord = o.minor > 0 && at_ + 1 < s_.size() && Byte(s_, at_) == 0;
        return {};
    }

    // A NUL-terminated field padded to an even length; the view covers all of it.
    std::string Field(std::string_view& out, const char* what)
    {
        std::size_t start = at_;
        std::size_t end = s_.find('\0', at_);
        if (end == std::string_view::npos)
            return Damaged(start, std::string(what) + "の終わりがありません");
        std::size_t next = end + 1;
        if ((next - start) % 2 != 0)
            ++next;
        if (next > s_.size())
            return Damaged(start, std::string(what) + "が途中で切れています");
        out = s_.substr(start, next - start);
        at_ = next;
        return {};
    }

    std::string Records()
    {
        RecordTree& t = r_.tree;
        std::vector<NodeId> pushed;
        NodeId parent = t.Root();
        bool first = true;
        while (at_ + 1 < s_.size()) {
            std::size_t offset = at_;
            int pos = Byte(s_, at_);
            std::uint8_t flags = Byte(s_, at_ + 1);
            at_ += 2;
            NodeId node;
            if (first && r_.lib.rootRecord) {
                node = t.Root();
            } else {
                if (pos != 0 && (pos % 16 == 0 || pos >= 0xF0))
                    return Damaged(offset, "盤外の位置 " + std::to_string(pos) + " があります");
                CellIndex move = pos == 0 ? PassMove : CellOfPos(pos);
                node = t.FindChild(parent, move);
                if (node == NoNode) {
                    node = t.AppendChild(parent, move);
                    t.NodeForReading(node).libFlags = flags;
                } else {
                    merged_ = true;
                }
            }
            if (first && r_.lib.rootRecord)
                t.NodeForReading(node).libFlags = flags;
            first = false;
            RecordNode& n = t.NodeForReading(node);
            n.mark = n.mark || (flags & FlagMark);
            n.start = n.start || (flags & FlagStart);
            bool boardText = false;
            if (flags & FlagExtension) {
                if (at_ + 2 > s_.size())
                    return Damaged(offset, "拡張部分が途中で切れています");
                n.hasLibExt = true;
                n.libExt0 = Byte(s_, at_);
                n.libExt = Byte(s_, at_ + 1);
                boardText = n.libExt & ExtBoardText;
                at_ += 2;
            }
            PendingText text{node, {}, {}, {}};
            if (flags & FlagOldComment) {
                std::size_t start = at_;
                while (at_ < s_.size() && !(Byte(s_, at_) & 0x80))
                    ++at_;
                if (at_ >= s_.size())
                    return Damaged(start, "旧形式のコメントが途中で切れています");
                ++at_;
                text.oldComment = s_.substr(start, at_ - start);
            }
            if (flags & FlagComment) {
                if (std::string e = Field(text.comment, "コメント"); !e.empty())
                    return e;
            }
            if (boardText) {
                if (std::string e = Field(text.boardText, "盤上テキスト"); !e.empty())
                    return e;
            }
            if (!text.comment.empty() || !text.oldComment.empty() || !text.boardText.empty())
                texts_.push_back(text);

            if (node != t.Root() && (flags & FlagSibling))
                pushed.push_back(parent);
            if ((flags & FlagLeaf) && !pushed.empty()) {
                parent = pushed.back();
                pushed.pop_back();
            } else {
                parent = node;
            }
        }
        if (at_ < s_.size())
            r_.lib.trailing.assign(s_.substr(at_));
        return {};
    }

    // RenLib keeps children ordered by their pos byte; a pass (pos 0) comes first.
    void SortSiblings()
    {
        RecordTree& t = r_.tree;
        std::vector<NodeId> stack{t.Root()};
        while (!stack.empty()) {
            NodeId n = stack.back();
            stack.pop_back();
            bool sorted = true;
            for (NodeId c = t.Node(n).firstChild; c != NoNode; c = t.Node(c).nextSibling) {
                NodeId next = t.Node(c).nextSibling;
                if (next != NoNode && t.Node(next).move < t.Node(c).move)
                    sorted = false;
                stack.push_back(c);
            }
            if (!sorted)
                t.SortChildren(n, [&t](NodeId c) { return t.Node(c).move; });
        }
    }

    static std::string_view Content(std::string_view field)
    {
        return field.substr(0, field.find('\0'));
    }

    std::string DecodeTexts(std::optional<CodePage> codePage)
    {
        std::string sample;
        for (const PendingText& p : texts_) {
            sample += Content(p.comment);
            sample += ' ';
            sample += Content(p.boardText);
            sample += ' ';
        }
        CodePage page = codePage ? *codePage : DetectCodePage(sample);
        r_.lib.codePage = page;
        Converter conv(page, CodePage::Utf8);
        auto decode = [&](std::string_view bytes) {
            if (page == CodePage::Utf8 && IsValidUtf8(bytes))
                return std::string(bytes);
            if (auto text = conv.Convert(bytes))
                return *text;
            return DecodeLossy(bytes, page);
        };
        RecordTree& t = r_.tree;
        for (const PendingText& p : texts_) {
            NodeText& text = t.TextForReading(p.node);
            std::string oldOne, oldMulti, one, multi;
            if (!p.oldComment.empty())
                SplitComment(DecodeOldComment(p.oldComment), oldOne, oldMulti);
            if (!p.comment.empty())
                SplitComment(decode(Content(p.comment)), one, multi);
            text.oneLine = Join(text.oneLine, Join(oldOne, one, " "), " ");
            text.multiLine = Join(text.multiLine, Join(oldMulti, multi, "\n"), "\n");
            if (!p.boardText.empty())
                text.boardText = decode(Content(p.boardText));
            // A merged node's text is no longer what one record held.
            if (!merged_) {
                text.raw.comment.assign(p.comment);
                text.raw.oldComment.assign(p.oldComment);
                text.raw.boardText.assign(p.boardText);
            }
        }
        return {};
    }

    std::string_view s_;
    Record& r_;
    std::size_t at_ = 0;
    std::vector<PendingText> texts_;
    bool merged_ = false;
};

class LibWriter {
public:
    LibWriter(const Record& record, CodePage page)
        : r_(record), t_(record.tree), page_(page), sameCode_(page == record.lib.codePage),
          conv_(CodePage::Utf8, page)
    {
    }

    RecordWrite Write()
    {
        bool rootless = CanOmitRoot() && (!r_.lib.fromLib || !r_.lib.rootRecord);
        bool headerless = rootless && r_.lib.fromLib && r_.lib.headerless;
        if (!headerless) {
            out_.append(reinterpret_cast<const char*>(Magic), sizeof Magic);
            int major = 3, minor = rootless ? 0 : 4;
            if (r_.lib.fromLib && rootless == !r_.lib.rootRecord) {
                major = r_.lib.major;
                minor = r_.lib.minor;
            }
            out_ += static_cast<char>(major);
            out_ += static_cast<char>(minor);
            if (r_.lib.header.size() == HeaderSize - 10)
                out_ += r_.lib.header;
            else
                out_.append(HeaderSize - 10, '\xFF');
        }
        // Preorder, children in the tree's order.
        std::vector<NodeId> stack;
        if (rootless) {
            for (NodeId c = LastChild(t_.Root()); c != NoNode; c = Previous(c))
                stack.push_back(c);
        } else {
            stack.push_back(t_.Root());
        }
        while (!stack.empty()) {
            NodeId n = stack.back();
            stack.pop_back();
            if (std::string e = Node(n, stack.empty() && t_.Node(n).firstChild == NoNode);
                !e.empty())
                return {std::nullopt, e};
            for (NodeId c = LastChild(n); c != NoNode; c = Previous(c))
                stack.push_back(c);
        }
        out_ += r_.lib.trailing;
        return {std::move(out_), {}};
    }

private:
    // A library whose only first move is H8, with no pass and nothing on the root, is
    // written the 3.0 way, without a root record.
    bool CanOmitRoot() const
    {
        const RecordNode& root = t_.Node(t_.Root());
        NodeId first = root.firstChild;
        if (first == NoNode || t_.Node(first).nextSibling != NoNode ||
            t_.Node(first).move != CellOfPos(CentrePos))
            return false;
        const NodeText* text = t_.Text(t_.Root());
        if (root.mark || root.start ||
            (text &&
             (!text->oneLine.empty() || !text->multiLine.empty() || !text->boardText.empty())))
            return false;
        std::vector<NodeId> stack{first};
        while (!stack.empty()) {
            NodeId n = stack.back();
            stack.pop_back();
            if (t_.Node(n).move == PassMove)
                return false;
            for (NodeId c = t_.Node(n).firstChild; c != NoNode; c = t_.Node(c).nextSibling)
                stack.push_back(c);
        }
        return true;
    }

    NodeId LastChild(NodeId n) const
    {
        NodeId last = NoNode;
        for (NodeId c = t_.Node(n).firstChild; c != NoNode; c = t_.Node(c).nextSibling)
            last = c;
        return last;
    }
    NodeId Previous(NodeId c) const
    {
        NodeId prev = NoNode;
        for (NodeId s = t_.Node(t_.Node(c).parent).firstChild; s != c; s = t_.Node(s).nextSibling)
            prev = s;
        return prev;
    }

    std::string Encode(const std::string& utf8, NodeId n, std::string& field)
    {
        auto bytes =
            page_ == CodePage::Utf8 ? std::optional<std::string>(utf8) : conv_.Convert(utf8);
        if (!bytes)
            return "手数 " + std::to_string(t_.Depth(n)) + " のテキストは " + CodePageName(page_) +
                   " で書けない文字を含んでいます";
        field = *bytes;
        // NUL ends the field; it cannot stand inside it.
        for (char& c : field) {
            if (c == '\0')
                c = ' ';
        }
        field += '\0';
        if (field.size() % 2 != 0)
            field += '\0';
        return {};
    }

    std::string Node(NodeId n, bool lastRecord)
    {
        const RecordNode& node = t_.Node(n);
        const NodeText* text = t_.Text(n);
        bool isRoot = n == t_.Root();
        std::uint8_t flags = node.libFlags & FlagNoMove;
        if (isRoot)
            flags |= node.libFlags & FlagSibling;
        else if (node.nextSibling != NoNode)
            flags |= FlagSibling;
        if (node.firstChild == NoNode)
            flags |= lastRecord ? (node.libFlags & FlagLeaf) : FlagLeaf;
        if (node.mark)
            flags |= FlagMark;
        if (node.start)
            flags |= FlagStart;

        std::string oldComment, comment, boardText;
        if (text) {
            bool rawComment = (!text->raw.comment.empty() || !text->raw.oldComment.empty()) &&
                              (text->raw.comment.empty() || sameCode_);
            if (rawComment) {
                oldComment = text->raw.oldComment;
                comment = text->raw.comment;
            } else if (!text->oneLine.empty() || !text->multiLine.empty()) {
                std::string joined = text->oneLine;
                if (!text->multiLine.empty())
                    joined += '\x08' + LfToCrLf(text->multiLine);
                if (std::string e = Encode(joined, n, comment); !e.empty())
                    return e;
            }
            if (!text->raw.boardText.empty() && sameCode_)
                boardText = text->raw.boardText;
            else if (!text->boardText.empty()) {
                if (std::string e = Encode(text->boardText, n, boardText); !e.empty())
                    return e;
            }
        }
        if (!oldComment.empty())
            flags |= FlagOldComment;
        if (!comment.empty())
            flags |= FlagComment;
        std::uint8_t ext = static_cast<std::uint8_t>(node.libExt & ~ExtBoardText);
        if (!boardText.empty())
            ext |= ExtBoardText;
        bool hasExt = node.hasLibExt || !boardText.empty();
        if (hasExt)
            flags |= FlagExtension;

        out_ += static_cast<char>(isRoot ? 0 : node.move == PassMove ? 0 : PosOfCell(node.move));
        out_ += static_cast<char>(flags);
        if (hasExt) {
            out_ += static_cast<char>(node.libExt0);
            out_ += static_cast<char>(ext);
        }
        out_ += oldComment;
        out_ += comment;
        out_ += boardText;
        return {};
    }

    const Record& r_;
    const RecordTree& t_;
    CodePage page_;
    bool sameCode_;
    Converter conv_;
    std::string out_;
};

} // namespace

RecordRead ReadLib(std::string_view bytes, std::optional<CodePage> codePage)
{
    Record record;
    LibReader reader(bytes, record);
    if (std::string e = reader.Read(codePage); !e.empty())
        return {std::nullopt, e};
    return {std::move(record), {}};
}

RecordWrite WriteLib(const Record& record, std::optional<CodePage> codePage)
{
    LibWriter writer(record, codePage.value_or(record.lib.codePage));
    return writer.Write();
}
