// The one table of file formats: every row is found by its extensions in any case, the
// record rows read back what they write (a game record byte for byte through every other
// row that can hold it), and every readable kind opens in the editor through OpenPath.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "FakePort.h"
#include "main/Files.h"
#include "main/FormatTable.h"
#include "main/State.h"
#include "test_files_fixture.h"

namespace {

std::string AsString(const Bytes& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

TEST(FormatTable, EveryRowIsFoundByEachOfItsExtensionsInAnyCase)
{
    for (const FileFormat& row : FileFormats()) {
        SCOPED_TRACE(row.name);
        for (const std::string_view extension : row.extensions) {
            std::string upper(extension);
            for (char& c : upper)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            EXPECT_EQ(FormatOfExtension(extension), &row);
            EXPECT_EQ(FormatOfExtension(upper), &row);
            EXPECT_EQ(FormatOfFileName("dir.x/Game." + upper), &row);
        }
    }
    for (const char* unknown : {"", "kifu", "exe", "k"})
        EXPECT_EQ(FormatOfExtension(unknown), nullptr) << unknown;
    for (const char* name : {"game", "folder.kif/game", ".", "game."})
        EXPECT_EQ(FormatOfFileName(name), nullptr) << name;
}

TEST(FormatTable, PicturesAreWrittenAboveAndTheCollectionIsReadAbove)
{
    for (const FileFormat& row : FileFormats()) {
        const bool outer =
            row.holds == FormatHolds::Picture || row.holds == FormatHolds::Collection;
        EXPECT_EQ(row.IsRecord(), !outer) << row.name;
    }
    EXPECT_EQ(FormatOfExtension("svg")->picture, PictureFormat::Svg);
    EXPECT_EQ(FormatOfExtension("PNG")->picture, PictureFormat::Png);
    EXPECT_EQ(FormatOfExtension("rif")->read, nullptr);
    EXPECT_EQ(RecordFilter(true).find("rif"), std::string::npos);
    EXPECT_NE(RecordFilter(false).find("*.lib"), std::string::npos);
}

// A game record as the editor saves it from a fresh start: no opening, no names.
Bytes Game(int moves)
{
    return KifuImage(0, "", "", DistinctCells(moves));
}

TEST(FormatTable, AGameRecordComesBackByteForByteThroughEveryRowThatHoldsALine)
{
    const FormatOptions none;
    const Bytes withNames = KifuImage(4, "AB", "CD", {0x88, 0x78, 0x79, 0x68, 0x21});
    const Bytes games[] = {Game(1), Game(5), Game(150), withNames};
    for (const Bytes& kif : games) {
        const RecordRead read = FormatRow(FormatId::Kif).read(AsString(kif), none);
        ASSERT_TRUE(read.record) << read.message;
        for (const FormatId via :
             {FormatId::Sgf, FormatId::Lib, FormatId::Txt, FormatId::Psq, FormatId::Pos}) {
            // Piskvork files and RenLib's hold no names.
            if (&kif == &games[3] &&
                (via == FormatId::Psq || via == FormatId::Pos || via == FormatId::Lib))
                continue;
            const FileFormat& row = FormatRow(via);
            SCOPED_TRACE(row.name);
            const RecordWrite written = row.write(*read.record, none);
            ASSERT_TRUE(written.bytes) << written.message;
            const RecordRead again = row.read(*written.bytes, none);
            ASSERT_TRUE(again.record) << again.message;
            const RecordWrite back = FormatRow(FormatId::Kif).write(*again.record, none);
            ASSERT_TRUE(back.bytes) << back.message;
            EXPECT_EQ(*back.bytes, AsString(kif));
        }
    }
}

TEST(FormatTable, ALibraryComesBackByteForByteThroughSgf)
{
    const FormatOptions none;
    Record tree = RecordOfLine({0x88, 0x89, 0x99});
    tree.tree.GoTo(tree.tree.Root());
    tree.tree.EnterMove(0x88);
    tree.tree.EnterMove(0x77); // a variation at the second move
    tree.tree.SetComment(tree.tree.Current(), "試し", "");
    const RecordWrite first = FormatRow(FormatId::Lib).write(tree, none);
    ASSERT_TRUE(first.bytes) << first.message;
    const RecordRead read = FormatRow(FormatId::Lib).read(*first.bytes, none);
    ASSERT_TRUE(read.record) << read.message;
    // The library as a reader leaves it: siblings in RenLib's order.
    const RecordWrite lib = FormatRow(FormatId::Lib).write(*read.record, none);
    ASSERT_TRUE(lib.bytes) << lib.message;
    const RecordWrite sgf = FormatRow(FormatId::Sgf).write(*read.record, none);
    ASSERT_TRUE(sgf.bytes) << sgf.message;
    const RecordRead fromSgf = FormatRow(FormatId::Sgf).read(*sgf.bytes, none);
    ASSERT_TRUE(fromSgf.record) << fromSgf.message;
    const RecordWrite back = FormatRow(FormatId::Lib).write(*fromSgf.record, none);
    ASSERT_TRUE(back.bytes) << back.message;
    EXPECT_EQ(*back.bytes, *lib.bytes);
}

TEST(FormatTable, AGameRecordRefusesWhatItCannotHold)
{
    const FormatOptions none;
    const FileFormat& kif = FormatRow(FormatId::Kif);
    std::vector<CellIndex> long151;
    for (int cell : DistinctCells(151))
        long151.push_back(cell);
    EXPECT_FALSE(kif.write(RecordOfLine(long151), none).bytes);
    EXPECT_FALSE(kif.write(RecordOfLine({0x88, 0, 0x99}), none).bytes) << "a pass";
    EXPECT_FALSE(kif.read(std::string(667, '\0'), none).record) << "short";
}

class OpenEachKind : public ::testing::Test {
protected:
    void SetUp() override { port.Start(); }
    FakePort port;
    TempDir dir;
};

TEST_F(OpenEachKind, ALineIsEnteredAsMovesAndAPositionAsPlacedStones)
{
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case lines[] = {
        {"game.txt", "h8 h9 i8\n"},
        {"game.psq", "Piskvorky 15x15, 11:11, 0\r\n8,8,0\r\n8,7,0\r\n9,8,0\r\n-1\r\n"},
        {"game.pos", std::string("\x03\x70\x61\x71", 4)},
        {"game.sgf", "(;GM[4]FF[4]SZ[15];B[hh];W[hg];B[ih])"},
    };
    for (const Case& c : lines) {
        SCOPED_TRACE(c.name);
        port.Start();
        WriteBytes(dir.File(c.name), Bytes(c.bytes.begin(), c.bytes.end()));
        ASSERT_EQ(OpenPath(dir.File(c.name)), IoOk) << (port.errors.empty() ? "" : port.errors[0]);
        EXPECT_EQ(MoveCount, 3);
        EXPECT_EQ(MoveList[0], 0x88);
        EXPECT_EQ(MoveList[1], 0x78);
        EXPECT_EQ(MoveList[2], 0x89);
        EXPECT_EQ(BoardCells[0x78], CellWhite);
        EXPECT_EQ(CellMarks[0x89], 3);
    }

    port.Start();
    std::string diagram;
    for (int row = 1; row <= 15; ++row)
        diagram += row == 8 ? ". . . . . . . x o . . . . . .\n" : ". . . . . . . . . . . . . . .\n";
    WriteBytes(dir.File("board.txt"), Bytes(diagram.begin(), diagram.end()));
    ASSERT_EQ(OpenPath(dir.File("board.txt")), IoOk);
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(BoardCells[0x88], CellBlack);
    EXPECT_EQ(BoardCells[0x89], CellWhite);
    EXPECT_EQ(BlackStoneTotal, 1);
    EXPECT_EQ(WhiteStoneTotal, 1);
}

TEST_F(OpenEachKind, AnUnreadableFileGetsTheReadersMessageAndChangesNothing)
{
    WriteBytes(dir.File("game.txt"), Bytes{'h', '8'});
    ASSERT_EQ(OpenPath(dir.File("game.txt")), IoOk);
    const Snapshot before = Snapshot::Take(port);
    for (const char* bad : {"h8 h8", "h8 zz", "h8 -- h9"}) {
        SCOPED_TRACE(bad);
        port.errors.clear();
        const std::string text = bad;
        WriteBytes(dir.File("bad.txt"), Bytes(text.begin(), text.end()));
        EXPECT_NE(OpenPath(dir.File("bad.txt")), IoOk);
        ASSERT_EQ(port.errors.size(), 1u);
        EXPECT_EQ(Snapshot::Take(port), before);
    }
    port.errors.clear();
    EXPECT_NE(OpenPath(dir.File("missing.sgf")), IoOk);
    ASSERT_EQ(port.errors.size(), 1u);
    EXPECT_EQ(port.errors[0], "ファイルが見つかりません.");
}

TEST_F(OpenEachKind, AFileNamedInShiftJisOpens)
{
    // "棋譜.kif" in CP932: not valid UTF-8.
    const std::string name = dir.File("\x8a\xfb\x95\x88.kif");
    WriteBytes(name, KifuImage(0, "", "", {0x88, 0x89}));
    ASSERT_EQ(OpenPath(name), IoOk);
    EXPECT_EQ(MoveCount, 2);
}

} // namespace
