// RenLib libraries are read as the trees RenLib shows, refused when damaged, and an
// unchanged library is written back byte for byte.
#include <gtest/gtest.h>

#include "LibBuilder.h"
#include "Record/LibFormat.h"

namespace {

CellIndex C(const char* name)
{
    return *ParseCellName(name);
}

Record Read(const std::string& bytes, std::optional<CodePage> page = std::nullopt)
{
    RecordRead r = ReadLib(bytes, page);
    EXPECT_TRUE(r.record) << r.message;
    return r.record ? std::move(*r.record) : Record();
}

std::string Write(const Record& record, std::optional<CodePage> page = std::nullopt)
{
    RecordWrite w = WriteLib(record, page);
    EXPECT_TRUE(w.bytes) << w.message;
    return w.bytes.value_or("");
}

NodeId Child(const RecordTree& t, NodeId n, const char* move)
{
    return t.FindChild(n, std::string(move) == "pass" ? PassMove : C(move));
}

// The tree as the builder's description, to compare what was read.
std::string Describe(const RecordTree& t)
{
    std::string out;
    std::vector<std::pair<NodeId, int>> stack;
    for (NodeId c = t.Node(t.Root()).firstChild; c != NoNode; c = t.Node(c).nextSibling)
        stack.insert(stack.begin(), {c, 0});
    while (!stack.empty()) {
        auto [n, depth] = stack.back();
        stack.pop_back();
        out.append(static_cast<std::size_t>(depth) * 2, ' ');
        out += t.Node(n).move == PassMove ? "pass" : CellName(t.Node(n).move);
        out += '\n';
        std::vector<std::pair<NodeId, int>> kids;
        for (NodeId c = t.Node(n).firstChild; c != NoNode; c = t.Node(c).nextSibling)
            kids.insert(kids.begin(), {c, depth + 1});
        stack.insert(stack.end(), kids.begin(), kids.end());
    }
    return out;
}

const char* const RichTree = R"(root c="root note"
  h8 mark c="first"
    h9 old="Bra dr{g"
      h10 nomove
    i9 start c="one line\bline 1\nline 2"
      pass
        g9 bt="A"
    g7 ext=3 bt="xy"
)";

TEST(LibFormat, ReadsMovesPassesCommentsBoardTextMarksAndStart)
{
    std::string bytes = BuildLib("3.4", RichTree);
    Record r = Read(bytes);
    const RecordTree& t = r.tree;
    // Siblings in pos order: rows count from the top, so h9 and i9 come before g7.
    EXPECT_EQ(Describe(t), "h8\n  h9\n    h10\n  i9\n    pass\n      g9\n  g7\n");
    EXPECT_EQ(t.Text(t.Root())->oneLine, "root note");
    NodeId h8 = Child(t, t.Root(), "h8");
    EXPECT_TRUE(t.Node(h8).mark);
    EXPECT_FALSE(t.Node(h8).start);
    NodeId i9 = Child(t, h8, "i9");
    EXPECT_TRUE(t.Node(i9).start);
    EXPECT_EQ(t.Text(i9)->oneLine, "one line");
    EXPECT_EQ(t.Text(i9)->multiLine, "line 1\nline 2");
    NodeId g9 = Child(t, Child(t, i9, "pass"), "g9");
    EXPECT_EQ(t.Text(g9)->boardText, "A");
    EXPECT_EQ(t.MoverOf(g9), Colour::White);
    EXPECT_EQ(t.Text(Child(t, h8, "g7"))->boardText, "xy");
    EXPECT_EQ(t.Text(Child(t, h8, "h9"))->oneLine, "Bra dräg");
    EXPECT_EQ(Write(r), bytes);
}

TEST(LibFormat, VersionsHeaderlessFilesSavedPositionsAndATrailingByteRoundTrip)
{
    struct Case {
        const char* name;
        std::string bytes;
        const char* tree;
    } cases[] = {
        {"3.0 without root", BuildLib("3.0", "h8\n  g9 c=\"x\"\n  i9\n"), "h8\n  g9\n  i9\n"},
        {"3.4 with root", BuildLib("3.4", "root\n  h8\n    i9\n"), "h8\n  i9\n"},
        {"headerless", BuildLib("headerless", "h8\n  i9\n  i7\n"), "h8\n  i9\n  i7\n"},
        {"odd trailing byte", BuildLib("3.4", "root\n  h8\n") + "\x7F", "h8\n"},
        {"saved position", BuildLib("3.0", "h8 nopop\n  i9 nopop\n    j10 nopop\n"),
         "h8\n  i9\n    j10\n"},
        {"empty", BuildLib("3.4", "root\n"), ""},
    };
    for (const Case& c : cases) {
        Record r = Read(c.bytes);
        EXPECT_EQ(Describe(r.tree), c.tree) << c.name;
        EXPECT_EQ(Write(r), c.bytes) << c.name;
    }
}

TEST(LibFormat, SiblingsAreSortedByPosAndDuplicatesMerged)
{
    Record r = Read(BuildLib("3.4", R"(root
  h8
    j10
      k11
    i9 c="kept"
    pass
    j10
      k12
        k13
      k11 mark
)"));
    EXPECT_EQ(Describe(r.tree), "h8\n  pass\n  j10\n    k12\n      k13\n    k11\n  i9\n");
    const RecordTree& t = r.tree;
    EXPECT_TRUE(t.Node(Child(t, Child(t, Child(t, 0, "h8"), "j10"), "k11")).mark);
    // What RenLib writes back: sorted, merged, readable again to the same tree.
    Record again = Read(Write(r));
    EXPECT_EQ(Describe(again.tree), Describe(r.tree));
    EXPECT_EQ(again.tree.Text(Child(again.tree, Child(again.tree, 0, "h8"), "i9"))->oneLine,
              "kept");
}

TEST(LibFormat, DamagedLibrariesAreRefusedWithTheirOffset)
{
    std::string header = BuildLib("3.4", "root\n");
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"column 0", header + std::string("\x10\x40", 2)},
        {"row 16", header + std::string("\xF1\x40", 2)},
        {"not a library", "PK\x03\x04 something"},
        {"version 3.5", "\xFFRenLib\xFF\x03\x05" + std::string(10, '\xFF')},
        {"version 4.0", "\xFFRenLib\xFF\x04\x00" + std::string(10, '\xFF')},
        {"comment without end", header + std::string("\x78\x48no end", 8)},
        {"old comment without end", header + std::string("\x78\x60plain", 7)},
        {"cut extension", header + std::string("\x78\x41\x00", 3)},
    };
    for (const Case& c : cases) {
        RecordRead r = ReadLib(c.bytes);
        EXPECT_FALSE(r.record) << c.name;
        EXPECT_FALSE(r.message.empty()) << c.name;
    }
    RecordRead r = ReadLib(header + std::string("\x78\x80\x10\x40", 4));
    EXPECT_NE(r.message.find("24"), std::string::npos) << r.message;
}

TEST(LibFormat, EveryTruncationAndEveryDamagedByteIsReadOrRefusedWithoutACrash)
{
    std::string bytes = BuildLib("3.4", RichTree);
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        RecordRead r = ReadLib(bytes.substr(0, n));
        EXPECT_TRUE(r.record || !r.message.empty()) << n;
        if (r.record) {
            EXPECT_TRUE(WriteLib(*r.record).bytes) << n;
        }
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        for (int value : {0x00, 0x01, 0x41, 0x78, 0x80, 0xFF}) {
            std::string damaged = bytes;
            damaged[i] = static_cast<char>(value);
            RecordRead r = ReadLib(damaged);
            if (r.record)
                WriteLib(*r.record);
        }
    }
}

TEST(LibFormat, CodePagesAreDetectedOverriddenAndKeptOnSave)
{
    const std::string cp932 = "\x8D\x95\x82\xCC\x8F\x9F\x82\xBF"; // 黒の勝ち
    const std::string gbk = "\xBA\xDA\xC6\xE5\xCF\xC8\xCA\xD6";   // 黑棋先手
    std::string japanese = BuildLib("3.4", "root\n  h8 c=\"" + cp932 + "\"\n");
    std::string chinese = BuildLib("3.4", "root\n  h8 c=\"" + gbk + "\"\n");

    Record j = Read(japanese);
    EXPECT_EQ(j.lib.codePage, CodePage::Cp932);
    EXPECT_EQ(j.tree.Text(Child(j.tree, 0, "h8"))->oneLine, "黒の勝ち");
    Record c = Read(chinese);
    EXPECT_EQ(c.lib.codePage, CodePage::Gbk);
    EXPECT_EQ(c.tree.Text(Child(c.tree, 0, "h8"))->oneLine, "黑棋先手");
    EXPECT_EQ(Read(chinese, CodePage::Big5).lib.codePage, CodePage::Big5);

    // An edited comment is written in the library's code page, the rest as it was.
    c.tree.SetComment(Child(c.tree, 0, "h8"), "黑棋", "先手\n必胜");
    std::string saved = Write(c);
    EXPECT_NE(saved.find("\xBA\xDA\xC6\xE5\x08"), std::string::npos);
    EXPECT_NE(saved.find("\r\n"), std::string::npos);
    Record back = Read(saved, CodePage::Gbk);
    EXPECT_EQ(back.tree.Text(Child(back.tree, 0, "h8"))->multiLine, "先手\n必胜");

    // Saved as UTF-8 when asked; a character the code page lacks is a message.
    EXPECT_EQ(Read(Write(j, CodePage::Utf8)).tree.Text(Child(j.tree, 0, "h8"))->oneLine,
              "黒の勝ち");
    j.tree.SetComment(Child(j.tree, 0, "h8"), "한국", "");
    RecordWrite w = WriteLib(j);
    EXPECT_FALSE(w.bytes);
    EXPECT_FALSE(w.message.empty());
}

TEST(LibFormat, ANewLibraryIsWrittenTheWayRenLibWritesIt)
{
    Record r;
    r.tree.EnterMove(C("h8"));
    r.tree.EnterMove(C("i9"));
    r.tree.SetComment(r.tree.Current(), "日本の", "");
    std::string only = Write(r);
    EXPECT_EQ(only.substr(8, 2), std::string("\x03\x00", 2));
    EXPECT_EQ(only.substr(20, 2), std::string("\x78\x00", 2));
    EXPECT_EQ(Read(only).lib.codePage, CodePage::Cp932);

    r.tree.EnterMove(PassMove);
    std::string withPass = Write(r);
    EXPECT_EQ(withPass.substr(8, 2), std::string("\x03\x04", 2));
    EXPECT_EQ(Describe(Read(withPass).tree), "h8\n  i9\n    pass\n");
}

} // namespace
