// The game-record file: its bytes, saving the whole list, opening by replay, the
// 150-slot limit, and every failure leaving the game as it was.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "Set_Data/Set_Data.h"
#include "main/Cp932.h"
#include "main/FileIo.h"
#include "main/Files.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/Settings.h"
#include "main/Startup.h"
#include "main/State.h"
#include "test_files_fixture.h"

namespace {

const char* const kDamaged = "ファイルの内容が正しくありません.";

class KifuFile : public FileCommandTest<MnuSaveAsClick, MnuOpenClick> {
protected:
    void SetUp() override
    {
        KifuRecord = KifuRecordLayout{}; // memory as at program load
        port.Start();
    }

    void ChooseGame(int opening, const char* black, const char* white)
    {
        port.onSettingsDialog = [=](const GameSettings&) {
            return GameSettings{opening, black, white};
        };
        MnuSetTaikyokuClick();
    }
    void Enter(const std::vector<int>& cells)
    {
        for (int c : cells)
            PressCell(CellColumn(c), CellRow(c));
    }
    // The action fails with this one message and leaves the board, the list and GameInfo.
    void ExpectFailsChangingNothing(const std::function<void()>& act, const std::string& message)
    {
        port.errors.clear();
        const Snapshot before = Snapshot::Take(port);
        act();
        ASSERT_EQ(port.errors.size(), 1u);
        EXPECT_EQ(port.errors[0], message);
        EXPECT_TRUE(Snapshot::Take(port) == before);
    }
    std::vector<int> ListOnBoard() const
    {
        return std::vector<int>(MoveList, MoveList + MoveCount);
    }
};

TEST_F(KifuFile, SavesTheBytesOfTheExample)
{
    ChooseGame(4, "AB", "");
    Enter({104});
    Save(dir.File("g.kif"));

    ASSERT_EQ(port.fileDialogs.size(), 1u);
    EXPECT_EQ(port.fileDialogs[0].kind, FileDialogKind::Save);
    EXPECT_EQ(port.fileDialogs[0].fileName, "AB-.kif");
    EXPECT_EQ(port.fileDialogs[0].filter, "棋譜データ(*.kif)|*.kif");
    const Bytes b = ReadBytes(dir.File("g.kif"));
    ASSERT_EQ(b.size(), 668u);
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 7), (Bytes{4, 0, 0, 0, 2, 'A', 'B'}));
    EXPECT_EQ(b[36], 0);
    EXPECT_EQ(Bytes(b.begin() + 68, b.begin() + 88),
              (Bytes{0x88, 0, 0, 0, 0x78, 0, 0, 0, 0x79, 0, 0, 0, 0x68, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(port.errors.empty());
}

TEST_F(KifuFile, ProposesNamesInUtf8AndDashForNoNames)
{
    Save(dir.File("a.kif"));
    ChooseGame(0, "花子", "B");
    Save(dir.File("b.kif"));
    ASSERT_EQ(port.fileDialogs.size(), 2u);
    EXPECT_EQ(port.fileDialogs[0].fileName, "-.kif");
    EXPECT_EQ(port.fileDialogs[1].fileName, "花子-B.kif");
    // The file itself holds the CP932 bytes.
    const Bytes b = ReadBytes(dir.File("b.kif"));
    EXPECT_EQ(Bytes(b.begin() + 4, b.begin() + 9), (Bytes{4, 0x89, 0xD4, 0x8E, 0x71}));
}

// A name may hold "/" or control characters; the proposed file name must stay a name
// in the dialog's folder, while the file keeps the names as they were given.
TEST_F(KifuFile, ProposedNameTurnsSlashesAndControlCharactersIntoUnderscores)
{
    const struct {
        const char* black;
        const char* white;
        const char* proposed;
    } cases[] = {
        {"a/b", "c", "a_b-c.kif"},
        {"../../", "x", ".._.._-x.kif"},
        {"tab\there", "nl\nx\x7f", "tab_here-nl_x_.kif"},
        {"\x01x", "花/子", "_x-花_子.kif"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.proposed);
        ChooseGame(0, c.black, c.white);
        port.fileDialogs.clear();
        Save(dir.File("named.kif"));
        ASSERT_EQ(port.fileDialogs.size(), 1u);
        EXPECT_EQ(port.fileDialogs[0].fileName, c.proposed);
        EXPECT_EQ(NameText(GameInfo.BlackName), c.black);
        EXPECT_EQ(NameText(GameInfo.WhiteName), c.white);
    }
}

struct RoundTrip {
    const char* name;
    int opening;
    int extraMoves;
    int takenBack;
};

// What is saved opens as the same board, marks, list and side to move, with the
// replay tail put back on the board.
TEST_F(KifuFile, RoundTripsRebuildTheGame)
{
    const RoundTrip cases[] = {
        {"no opening", 0, 9, 0},
        {"opening 17", 17, 6, 0},
        {"replay tail", 0, 10, 4},
        {"tail into the opening's moves", 4, 3, 5},
        {"150 moves without opening", 0, 150, 0},
        {"150 moves with opening", 25, 147, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        port.Start();
        ChooseGame(c.opening, "Kuro", "Siro");
        Enter(DistinctCells(c.extraMoves));
        for (int i = 0; i < c.takenBack; ++i)
            BitBack1Click();
        const std::string path = dir.File(std::string(c.name) + ".kif");
        Save(path);
        BitGoAllClick();
        const Snapshot expected = Snapshot::Take(port);
        const int total = MoveCount;
        const std::string line = port.memo;

        port.Start();
        MnuSyujyunClick(); // numbering off: opening turns it on again
        const int memoWrites = port.memoWrites;
        Open(path);
        EXPECT_TRUE(port.errors.empty());
        // The box is written once, with the line after the last move.
        EXPECT_EQ(port.memoWrites - memoWrites, 1);
        EXPECT_EQ(port.memo, line);
        const Snapshot got = Snapshot::Take(port);
        EXPECT_EQ(MoveCount, total);
        EXPECT_EQ(got.cells, expected.cells);
        EXPECT_EQ(got.marks, expected.marks);
        EXPECT_EQ(ListOnBoard(),
                  std::vector<int>(expected.moves.begin(), expected.moves.begin() + total));
        EXPECT_EQ(MoveList[MoveCount], 0);
        EXPECT_EQ(got.side, expected.side);
        EXPECT_EQ(got.info, expected.info);
        EXPECT_EQ(SelectedOpening, c.opening);
        EXPECT_EQ(ShowMoveNumbers, 1);
        EXPECT_TRUE(port.menuChecked[MenuTick::MnuSyujyun]);
        EXPECT_TRUE(port.panelVisible[PanelId::PanelTaikyokuData]);
        EXPECT_EQ(port.texts[TextId::EditKuroKisi], " 黒　Kuro");
        EXPECT_EQ(port.texts[TextId::EditSiroKisi], " 白　Siro");
        EXPECT_EQ(port.texts[TextId::EditSyukei],
                  std::string(" 珠型 : ") + (c.opening ? OpeningNames[c.opening] : ""));
        EXPECT_TRUE(port.buttonEnabled[NavButton::BitBack1]);
        EXPECT_FALSE(port.buttonEnabled[NavButton::BitGo1]);
    }
}

struct OpenCase {
    const char* name;
    int opening;
    std::vector<int> stored;
    std::vector<int> onBoard; // MoveList on the board after opening
};

// Which slots opening reads: with an opening its own moves stand for slots 0–2,
// whatever those hold; the list ends at the first slot that is not positive.
TEST_F(KifuFile, OpeningReplaysTheSlotsAfterTheOpeningsMoves)
{
    const OpenCase cases[] = {
        {"opening replaced by other moves", 4, {17, 18, 19, 20, 21}, {136, 120, 121, 20, 21}},
        {"fewer than three stored", 4, {17, 18}, {136, 120, 121}},
        {"unread slots may hold anything", 4, {999, 5000, 7, 20}, {136, 120, 121, 20}},
        {"negative value ends the list", 0, {17, -5, 18}, {17}},
        {"no moves, no opening", 0, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        port.Start();
        WriteBytes(dir.File("o.kif"), KifuImage(c.opening, "", "", c.stored));
        Open(dir.File("o.kif"));
        EXPECT_TRUE(port.errors.empty());
        EXPECT_EQ(ListOnBoard(), c.onBoard);
        const bool replayed = c.onBoard.size() > (c.opening ? 3u : 0u);
        EXPECT_EQ(port.buttonEnabled[NavButton::BitBack1], replayed);
    }
}

TEST_F(KifuFile, OpenedInStonePlacementKeepsTheModeAndNumbersByPairs)
{
    MnuSetIsiClick();
    WriteBytes(dir.File("o.kif"), KifuImage(0, "", "", {17, 18, 19, 20}));
    Open(dir.File("o.kif"));
    EXPECT_EQ(EditMode, ModeStonePlacement);
    EXPECT_EQ(port.fileDialogs.back().fileName, ".kif");
    EXPECT_EQ(port.fileDialogs.back().kind, FileDialogKind::Open);
    EXPECT_EQ((std::vector<int>{CellMarks[17], CellMarks[18], CellMarks[19], CellMarks[20]}),
              (std::vector<int>{1, 1, 2, 2}));
}

TEST_F(KifuFile, ALongerFileOpensFromItsFirstRecord)
{
    Bytes image = KifuImage(0, "", "", {17, 18});
    image.resize(1000, 0x33);
    WriteBytes(dir.File("long.kif"), image);
    Open(dir.File("long.kif"));
    EXPECT_TRUE(port.errors.empty());
    EXPECT_EQ(ListOnBoard(), (std::vector<int>{17, 18}));
}

// Slots behind the end mark are written as they stand: remains of the earlier game.
TEST_F(KifuFile, StaleSlotsOfAnEarlierGameStayBehindTheEndMark)
{
    const std::vector<int> old = DistinctCells(100);
    WriteBytes(dir.File("old.kif"), KifuImage(0, "", "", old));
    Open(dir.File("old.kif"));
    ASSERT_EQ(MoveCount, 100);
    MnuClearClick();
    Enter(std::vector<int>(old.rbegin(), old.rbegin() + 13));
    Save(dir.File("new.kif"));

    const Bytes b = ReadBytes(dir.File("new.kif"));
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(WordAt(b, 68 + 4 * i), old[99 - i]);
    EXPECT_EQ(WordAt(b, 68 + 4 * 13), 0);
    for (int i = 14; i < 100; ++i)
        EXPECT_EQ(WordAt(b, 68 + 4 * i), old[i]) << i;
    Open(dir.File("new.kif"));
    EXPECT_EQ(MoveCount, 13);
}

// A record longer than the file's 150 slots is cut only when the user says so.
TEST_F(KifuFile, MoreThan150MovesAsksBeforeCutting)
{
    const std::vector<int> moves = DistinctCells(151);
    Enter(moves);
    const std::string path = dir.File("long.kif");
    const std::string question =
        "151手目以降は棋譜ファイルに保存できません\r\n150手目までを保存しますか？";

    port.answers.push_back(Answer::Cancel);
    Save(path);
    ASSERT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(port.questions[0].kind, QuestionKind::Information);
    EXPECT_EQ(port.questions[0].text, question);
    EXPECT_TRUE(port.fileDialogs.empty()) << "asked before the file dialog";
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(KifuRecord.Moves[0], 0) << "cancel copies nothing";

    port.dialogPaths.clear();
    Save(path);
    EXPECT_EQ(port.questions.size(), 2u);
    const Bytes b = ReadBytes(path);
    ASSERT_EQ(b.size(), 668u);
    EXPECT_EQ(WordAt(b, 68 + 4 * 149), moves[149]);
    EXPECT_EQ(MoveCount, 151) << "the board keeps its moves";
    Open(path);
    EXPECT_EQ(MoveCount, 150);
}

TEST_F(KifuFile, OverwriteAsksAndCancelLeavesTheFileByteForByte)
{
    const std::string path = dir.File("kept.kif");
    const Bytes old = KifuImage(3, "X", "Y", {17, 18, 19, 20});
    WriteBytes(path, old);
    Enter({40, 41});

    port.answers.push_back(Answer::Cancel);
    Save(path);
    ASSERT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(port.questions[0].kind, QuestionKind::Information);
    EXPECT_EQ(port.questions[0].text, path + "ファイルはすでに存在します\r\n上書きしますか？");
    EXPECT_EQ(ReadBytes(path), old);

    Save(path); // OK this time
    EXPECT_EQ(WordAt(ReadBytes(path), 68), 40);
}

struct FailCase {
    const char* name;
    std::string path;
    const char* message;
};

// A failed open changes nothing: not the board, not the list, not GameInfo.
TEST_F(KifuFile, FailedOpenLeavesEverythingAsItWas)
{
    WriteBytes(dir.File("short.kif"), Bytes(667, 0));
    const FailCase cases[] = {
        {"missing file", dir.File("absent.kif"), "ファイルが見つかりません."},
        {"missing folder", dir.File("absent/g.kif"), "不正なファイル名です."},
        {"a folder", dir.Path(), "不正なファイル名です."},
        {"short file", dir.File("short.kif"), "ファイルの末尾以降を読み込みました."},
    };
    ChooseGame(9, "Kuro", "Siro");
    Enter({20, 21, 22});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectFailsChangingNothing([&] { Open(c.path); }, c.message);
    }
}

TEST_F(KifuFile, UnreadableFileIsAccessDeniedAndChangesNothing)
{
    OpenToOthers(dir.Path());
    const std::string path = dir.File("locked.kif");
    WriteBytes(path, KifuImage(0, "", "", {17}));
    chmod(path.c_str(), 0);
    Enter({40});
    ExpectWithoutRoot([&] {
        const Snapshot before = Snapshot::Take(port);
        Open(path);
        return port.errors.size() == 1 &&
               port.errors[0] == "ファイルへのアクセスが拒否されました." &&
               Snapshot::Take(port) == before;
    });
}

TEST_F(KifuFile, FailedSaveReportsAndLeavesBoardAndGameInfo)
{
    ChooseGame(2, "A", "B");
    Enter({20});
    const FailCase cases[] = {
        {"full disk", "/dev/full", "ディスクがいっぱいです."},
        {"missing folder", dir.File("absent/g.kif"), "不正なファイル名です."},
        {"a folder", dir.Path(), "不正なファイル名です."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectFailsChangingNothing([&] { Save(c.path); }, c.message);
    }
}

TEST_F(KifuFile, CancelledDialogsDoNothing)
{
    Enter({20});
    const Snapshot before = Snapshot::Take(port);
    MnuOpenClick();
    MnuSaveAsClick();
    EXPECT_EQ(port.fileDialogs.size(), 2u);
    EXPECT_TRUE(port.errors.empty());
    EXPECT_TRUE(Snapshot::Take(port) == before);
}

struct DamageCase {
    const char* name;
    Bytes image;
};

Bytes WithByte(Bytes b, std::size_t at, std::uint8_t v)
{
    b[at] = v;
    return b;
}

// A damaged record is refused whole, before anything changes.
TEST_F(KifuFile, DamagedRecordsAreRefusedWithNothingChanged)
{
    const DamageCase cases[] = {
        {"opening 27", KifuImage(27, "", "", {17})},
        {"opening -1", KifuImage(-1, "", "", {17})},
        {"black name length 32", WithByte(KifuImage(0, "", "", {17}), 4, 32)},
        {"white name length 255", WithByte(KifuImage(0, "", "", {17}), 36, 255)},
        {"column 0", KifuImage(0, "", "", {17, 32})},
        {"row 16", KifuImage(0, "", "", {17, 257})},
        {"beyond the tables", KifuImage(0, "", "", {100000})},
        {"same cell twice", KifuImage(0, "", "", {17, 18, 17})},
        {"onto the opening's centre", KifuImage(4, "", "", {1, 2, 3, 136})},
        {"onto the opening's third move", KifuImage(4, "", "", {1, 2, 3, 40, 121})},
        {"last slot bad",
         [] {
             std::vector<int> m = DistinctCells(149);
             m.push_back(m[0]);
             return KifuImage(0, "", "", m);
         }()},
    };
    ChooseGame(6, "Kuro", "Siro");
    Enter({20, 21});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(dir.File("bad.kif"), c.image);
        ExpectFailsChangingNothing([&] { Open(dir.File("bad.kif")); }, kDamaged);
    }
}

} // namespace
