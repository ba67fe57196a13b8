// The stone-placement file: 2 bits a cell, opening as counted placed stones, and
// refused or failed reads that leave the board as it was.
#include <gtest/gtest.h>

#include "main/Files.h"
#include "main/HaisekiFile.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/Startup.h"
#include "main/State.h"
#include "test_files_fixture.h"

namespace {

class HaisekiFile : public FileCommandTest<MnuHaisekiSaveClick, MnuHaisekiOpenClick> {
protected:
    // Sets one stone directly, as stone placement would, and returns the file.
    Bytes SavedWith(int column, int row, int colour)
    {
        port.Start();
        BoardCells[MakeCell(column, row)] = colour;
        Save(dir.File("one.dat"));
        return ReadBytes(dir.File("one.dat"));
    }
};

TEST_F(HaisekiFile, StoresTheBytesOfTheExamples)
{
    const struct {
        int column, row, colour;
        std::size_t offset;
        Bytes bytes;
    } cases[] = {
        {8, 8, CellBlack, 56, {0x00, 0x40, 0x00, 0x00}},
        {15, 1, CellWhite, 4, {0x00, 0x20, 0x00, 0x00}},
        {1, 15, CellBlack, 112, {0x01, 0x00, 0x00, 0x00}},
        {9, 2, CellWhite, 12, {0x02, 0x00, 0x00, 0x00}},
    };
    for (const auto& c : cases) {
        Bytes expected(120, 0);
        std::copy(c.bytes.begin(), c.bytes.end(), expected.begin() + c.offset);
        EXPECT_EQ(SavedWith(c.column, c.row, c.colour), expected) << c.column << "," << c.row;
    }
    EXPECT_EQ(SavedWith(1, 1, CellEmpty), Bytes(120, 0));
    ASSERT_FALSE(port.fileDialogs.empty());
    EXPECT_EQ(port.fileDialogs.back().fileName, ".dat");
    EXPECT_EQ(port.fileDialogs.back().filter, "盤データ(*.dat)|*.dat");
}

// A game's stones come back as counted, unnumbered placed stones on a fresh record.
TEST_F(HaisekiFile, AGameOpensAsPlacedStones)
{
    const std::pair<int, int> stones[] = {{8, 8}, {8, 7}, {9, 7}, {8, 2}, {8, 12}};
    for (const auto& [column, row] : stones)
        PressCell(column, row);
    const Snapshot game = Snapshot::Take(port);
    Save(dir.File("g.dat"));

    port.Start();
    PressCell(3, 3);
    Open(dir.File("g.dat"));
    EXPECT_TRUE(port.errors.empty());
    EXPECT_EQ(std::vector<std::int32_t>(std::begin(BoardCells), std::end(BoardCells)), game.cells);
    EXPECT_EQ(BlackStoneTotal, 3);
    EXPECT_EQ(WhiteStoneTotal, 2);
    for (const auto& [column, row] : stones)
        EXPECT_EQ(CellMarks[MakeCell(column, row)], 0);
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(MoveList[0], 0);
    EXPECT_EQ(SideToMove, CellBlack);
    EXPECT_EQ(EditMode, ModeMoveOrder) << "the mode is kept";
    EXPECT_EQ(port.memo, "  黒石  3\n  白石  2");
    EXPECT_TRUE(AllButtons(port, false));
    EXPECT_FALSE(port.panelVisible[PanelId::PanelTaikyokuData]);
}

TEST_F(HaisekiFile, EmptyBoardAndLongerFileOpen)
{
    Bytes image(150, 0);
    image[0] = 0x01; // column 1 of row 1 black; bytes past 120 are never read
    image[130] = 0xFF;
    WriteBytes(dir.File("long.dat"), image);
    Open(dir.File("long.dat"));
    EXPECT_TRUE(port.errors.empty());
    EXPECT_EQ(BoardCells[MakeCell(1, 1)], CellBlack);
    EXPECT_EQ(BlackStoneTotal, 1);

    WriteBytes(dir.File("empty.dat"), Bytes(120, 0));
    Open(dir.File("empty.dat"));
    EXPECT_EQ(BoardCells[MakeCell(1, 1)], CellEmpty);
    EXPECT_EQ(port.memo, "  黒石  0\n  白石  0");
}

// A refused or failed open leaves the board, the record and the totals alone.
TEST_F(HaisekiFile, DamagedOrUnreadableFilesChangeNothing)
{
    auto with = [](std::size_t at, std::uint8_t v) {
        Bytes b(120, 0);
        b[at] = v;
        return b;
    };
    WriteBytes(dir.File("short.dat"), Bytes(119, 0));
    const struct {
        const char* name;
        Bytes image; // empty: use `path` as it is
        std::string path;
        const char* message;
    } cases[] = {
        {"cell value 3", with(0, 0x03), "", "ファイルの内容が正しくありません."},
        {"value 3 in column 15", with(5, 0x30), "", "ファイルの内容が正しくありません."},
        {"word A bit 16", with(2, 0x01), "", "ファイルの内容が正しくありません."},
        {"word B bit 14", with(5, 0x40), "", "ファイルの内容が正しくありません."},
        {"word B top bit", with(119, 0x80), "", "ファイルの内容が正しくありません."},
        {"short file", {}, dir.File("short.dat"), "ファイルの末尾以降を読み込みました."},
        {"missing file", {}, dir.File("absent.dat"), "ファイルが見つかりません."},
        {"missing folder", {}, dir.File("no/absent.dat"), "不正なファイル名です."},
    };
    MnuSetIsiClick();
    PressCell(2, 2);
    PressCell(3, 3, MouseButton::Right);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = c.path;
        if (path.empty()) {
            path = dir.File("bad.dat");
            WriteBytes(path, c.image);
        }
        port.errors.clear();
        const Snapshot before = Snapshot::Take(port);
        Open(path);
        ASSERT_EQ(port.errors.size(), 1u);
        EXPECT_EQ(port.errors[0], c.message);
        EXPECT_TRUE(Snapshot::Take(port) == before);
    }
}

TEST_F(HaisekiFile, SaveAsksBeforeReplacingAndReportsAFullDisk)
{
    const std::string path = dir.File("kept.dat");
    WriteBytes(path, Bytes(120, 0x05));
    PressCell(8, 8);
    port.answers.push_back(Answer::Cancel);
    Save(path);
    ASSERT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(port.questions[0].text, path + "ファイルはすでに存在します\r\n上書きしますか？");
    EXPECT_EQ(ReadBytes(path), Bytes(120, 0x05));

    const Snapshot before = Snapshot::Take(port);
    Save("/dev/full");
    ASSERT_EQ(port.errors.size(), 1u);
    EXPECT_EQ(port.errors[0], "ディスクがいっぱいです.");
    EXPECT_TRUE(Snapshot::Take(port) == before);
}

} // namespace
