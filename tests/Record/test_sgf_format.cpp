// SGF holds the whole tree in Unicode: what we write reads back the same, a library
// survives .lib → .sgf → .lib byte for byte, and other tools' files are read as meant.
#include <gtest/gtest.h>

#include "Board/Coordinates.h"
#include "LibBuilder.h"
#include "Record/LibFormat.h"
#include "Record/SgfFormat.h"

namespace {

CellIndex C(const char* name)
{
    return *ParseCellName(name);
}

Record ReadOk(const std::string& bytes)
{
    RecordRead r = ReadSgf(bytes);
    EXPECT_TRUE(r.record) << r.message;
    return r.record ? std::move(*r.record) : Record();
}

TEST(SgfFormat, WritesMovesSetupCommentsLabelsMarksInformationAndVariations)
{
    Record r;
    r.info.blackPlayer = "黒 太郎";
    r.info.openingName = "花月";
    r.info.result = "B+";
    r.setup = {{C("a1"), Colour::Black}, {C("o15"), Colour::White}};
    RecordTree& t = r.tree;
    NodeId h8 = t.EnterMove(C("h8"));
    t.SetComment(h8, "center", "a]b\\c\nline");
    t.SetMark(h8, true);
    NodeId i9 = t.EnterMove(C("i9"));
    t.SetBoardText(i9, "A");
    t.SetLabels(i9, {{C("j10"), LabelKind::Triangle, {}}});
    t.EnterMove(PassMove);
    t.GoTo(h8);
    t.EnterMove(C("g9"));
    t.SetStart(t.Current(), true);
    RecordWrite w = WriteSgf(r);
    ASSERT_TRUE(w.bytes);
    EXPECT_EQ(*w.bytes, "(;GM[4]FF[4]CA[UTF-8]SZ[15]PB[黒 太郎]RE[B+]ON[花月]AB[ao]AW[oa]"
                        ";B[hh]N[center]C[a\\]b\\\\c\nline]LB[ig:A]MA[hh]"
                        "(;W[ig]TR[jf];B[])(;W[gg]KVS[]))\n");
    Record back = ReadOk(*w.bytes);
    EXPECT_EQ(WriteSgf(back).bytes, w.bytes);
    EXPECT_EQ(back.info.openingName, "花月");
    ASSERT_EQ(back.setup.size(), 2u);
    EXPECT_EQ(back.setup[1].cell, C("o15"));
    NodeId bh8 = back.tree.FindChild(0, C("h8"));
    EXPECT_TRUE(back.tree.Node(bh8).mark);
    EXPECT_EQ(back.tree.Text(bh8)->multiLine, "a]b\\c\nline");
    EXPECT_EQ(back.tree.Text(back.tree.FindChild(bh8, C("i9")))->boardText, "A");
}

TEST(SgfFormat, ReadsOtherRenjuToolsFiles)
{
    const std::string gbk = "\xBA\xDA\xC6\xE5\xCF\xC8\xCA\xD6"; // 黑棋先手
    struct Case {
        const char* name;
        std::string sgf;
        const char* comment; // of the first move
    } cases[] = {
        {"GM[1] with SZ[15]", "(;GM[1]SZ[15];B[hh]C[ok])", "ok"},
        {"says UTF-8, holds GBK", "(;GM[4]CA[UTF-8]SZ[15];B[hh]C[" + gbk + "])", "黑棋先手"},
        {"says gb2312", "(;CA[gb2312]SZ[15];B[hh]C[" + gbk + "])", "黑棋先手"},
        {"soft line break and escapes", "(;FF[4];B[hh]C[one \\\ntwo\\]\r\nthree])",
         "one two]\nthree"},
        {"lower case in names, spaces", " ( ; GaMe[4] ; B [hh] C [x] ) (;B[aa])", "x"},
        {"first node holds the move", "(;B[hh]C[first];W[ii])", "first"},
        // Games side by side inside one more pair of parentheses: the later ones have no node
        // above them and become variations from the root.
        {"nested collection", "((;GM[4]SZ[15];B[hh]C[a])(;B[gg]))", "a"},
    };
    for (const Case& c : cases) {
        Record r = ReadOk(c.sgf);
        NodeId h8 = r.tree.FindChild(0, C("h8"));
        ASSERT_NE(h8, NoNode) << c.name;
        ASSERT_NE(r.tree.Text(h8), nullptr) << c.name;
        EXPECT_EQ(r.tree.Text(h8)->multiLine, c.comment) << c.name;
    }
    const Record nested = ReadOk("((;GM[4]SZ[15];B[hh])(;B[gg]))");
    EXPECT_NE(nested.tree.FindChild(0, C("g9")), NoNode);
}

TEST(SgfFormat, DamagedFilesAreRefusedWithAMessage)
{
    const char* cases[] = {
        "",
        "GM[4]",
        "(;GM[1]SZ[19];B[hh])",
        "(;GM[2];B[hh])",
        "(;GM[4];B[hp])",
        "(;GM[4];B[hh]",
        "(;GM[4];B[hh)",
        "(;GM[4];B[hh]C)",
        "(;GM[4];B[hh]LB[hh])",
        "(;GM[4]AB[zz])",
        "(;GM[4]2[x])",
    };
    for (const char* sgf : cases) {
        RecordRead r = ReadSgf(sgf);
        EXPECT_FALSE(r.record) << sgf;
        EXPECT_FALSE(r.message.empty()) << sgf;
    }
}

TEST(SgfFormat, ALibrarySurvivesTheTripThroughSgfByteForByte)
{
    const std::string cp932 = "\x8D\x95\x82\xCC\x8F\x9F\x82\xBF"; // 黒の勝ち
    std::string lib = BuildLib("3.4", R"(root c="top"
  h8 mark c=")" + cp932 + R"("
    h9 bt="a"
      pass c="\bline 1\nline 2"
        g9 start
    i9 c="x\by" bt="B"
    g7
  i8
)");
    RecordRead first = ReadLib(lib);
    ASSERT_TRUE(first.record) << first.message;
    RecordWrite sgf = WriteSgf(*first.record);
    ASSERT_TRUE(sgf.bytes);
    RecordRead back = ReadSgf(*sgf.bytes);
    ASSERT_TRUE(back.record) << back.message;
    RecordWrite again = WriteLib(*back.record, CodePage::Cp932);
    ASSERT_TRUE(again.bytes) << again.message;
    EXPECT_EQ(*again.bytes, lib);
}

TEST(SgfFormat, EveryTruncationIsRefusedOrReadWithoutACrash)
{
    std::string sgf = "(;GM[4]FF[4]SZ[15]PB[a\\]b]AB[aa:bb];B[hh]N[x]C[y]LB[ii:A]MA[hh]"
                      "(;W[ii];B[])(;W[gg]KVS[]KVT[t]))";
    for (std::size_t n = 0; n < sgf.size(); ++n) {
        RecordRead r = ReadSgf(sgf.substr(0, n));
        EXPECT_FALSE(r.record) << n;
        EXPECT_FALSE(r.message.empty()) << n;
    }
    for (std::size_t i = 0; i < sgf.size(); ++i) {
        for (char value : {'(', ')', ';', '[', ']', '\\', ':', 'z', '\xFF'}) {
            std::string damaged = sgf;
            damaged[i] = value;
            RecordRead r = ReadSgf(damaged);
            if (r.record)
                WriteSgf(*r.record);
        }
    }
    // Deep nesting is no danger to the stack.
    std::string deep = "(;GM[4]";
    for (int k = 0; k < 100000; ++k)
        deep += "(;B[hh]";
    EXPECT_FALSE(ReadSgf(deep).record);
}

} // namespace
