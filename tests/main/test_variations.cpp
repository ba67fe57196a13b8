// The editor's line is a path through the analysis tree: a move entered after stepping
// back keeps the old continuation as a variation while the replay tail and the buttons
// do what they always did; the variation commands move along the tree; libraries open and
// save whole; unsaved analysis is never dropped without a question.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakePort.h"
#include "Record/LibFormat.h"
#include "Record/SgfFormat.h"
#include "Set_Data/Set_Data.h"
#include "main/CellLook.h"
#include "main/Clipboard.h"
#include "main/Files.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/Settings.h"
#include "main/State.h"
#include "main/Variations.h"
#include "test_files_fixture.h"

namespace {

// The points the board view rings, as the logic tells it through the cells' look.
std::vector<CellIndex> Rings()
{
    std::vector<CellIndex> cells;
    for (int row = 1; row <= 15; ++row)
        for (int column = 1; column <= 15; ++column)
            if (LookOfCell(column, row).variation)
                cells.push_back(MakeCell(column, row));
    return cells;
}

std::vector<CellIndex> Children(NodeId id)
{
    std::vector<CellIndex> moves;
    const RecordTree& t = EditorRecord.tree;
    for (NodeId c = t.Node(id).firstChild; c != NoNode; c = t.Node(c).nextSibling)
        moves.push_back(t.Node(c).move);
    return moves;
}

std::vector<CellIndex> Line()
{
    std::vector<CellIndex> moves;
    for (int i = 0; MoveList[i] > 0; ++i)
        moves.push_back(MoveList[i]);
    return moves;
}

const CellIndex A = MakeCell(2, 2), B = MakeCell(14, 2), C = MakeCell(2, 14), D = MakeCell(14, 14),
                E = MakeCell(8, 2), F = MakeCell(8, 14);

class Variations : public ::testing::Test {
protected:
    void SetUp() override { port.Start(); }
    void Enter(std::initializer_list<CellIndex> cells)
    {
        for (CellIndex c : cells)
            PressCell(CellColumn(c), CellRow(c));
    }
    void OpenSgf(const std::string& text)
    {
        WriteBytes(dir.File("tree.sgf"), Bytes(text.begin(), text.end()));
        ASSERT_EQ(OpenPath(dir.File("tree.sgf")), IoOk)
            << (port.errors.empty() ? "" : port.errors[0]);
    }
    FakePort port;
    TempDir dir;
};

TEST_F(Variations, EnteringAnotherMoveAfterSteppingBackKeepsTheOldLineAsAVariation)
{
    Enter({A, B, C, D});
    BitBack2Click();
    Enter({E});
    // The line and the buttons as they always were: the tail is gone from the line.
    EXPECT_EQ(Line(), (std::vector<CellIndex>{A, B, E}));
    EXPECT_EQ(MoveCount, 3);
    EXPECT_FALSE(port.buttonEnabled[NavButton::BitGo1]);
    EXPECT_TRUE(port.buttonEnabled[NavButton::BitBack1]);
    // The tree still has the old continuation, first, and the new move beside it.
    EXPECT_EQ(Children(LineNode(2)), (std::vector<CellIndex>{C, E}));
    EXPECT_EQ(Children(EditorRecord.tree.FindChild(LineNode(2), C)), (std::vector<CellIndex>{D}));

    // ↑ goes to the old move: its continuation is the replay tail again.
    MnuPrevVariationClick();
    EXPECT_EQ(MoveCount, 3);
    EXPECT_EQ(Line(), (std::vector<CellIndex>{A, B, C, D}));
    EXPECT_EQ(BoardCells[C], CellBlack);
    EXPECT_EQ(BoardCells[E], CellEmpty);
    EXPECT_EQ(CellMarks[C], 3);
    EXPECT_TRUE(port.buttonEnabled[NavButton::BitGo1]);
    EXPECT_EQ(port.memo, "　4 手目  白");
    MnuPrevVariationClick(); // no earlier variation: nothing changes
    EXPECT_EQ(BoardCells[C], CellBlack);
    // ↓ comes back to the new one, with no tail.
    MnuNextVariationClick();
    EXPECT_EQ(Line(), (std::vector<CellIndex>{A, B, E}));
    EXPECT_EQ(BoardCells[E], CellBlack);
    EXPECT_EQ(BoardCells[C], CellEmpty);
    EXPECT_FALSE(port.buttonEnabled[NavButton::BitGo1]);

    // Entering the move of an existing variation goes into it, not beside it.
    BitBack1Click();
    Enter({C});
    EXPECT_EQ(Children(LineNode(2)), (std::vector<CellIndex>{C, E}));
    EXPECT_EQ(Children(LineNode(3)), (std::vector<CellIndex>{D}));
    EXPECT_EQ(Line(), (std::vector<CellIndex>{A, B, C}));
}

TEST_F(Variations, PromoteAndDeleteChangeTheTreeAndTheBoardFollows)
{
    Enter({A, B, C});
    BitBack1Click();
    Enter({E, F});
    BitBack1Click(); // at E, which is the second child of B
    MnuPromoteClick();
    EXPECT_EQ(Children(LineNode(2)), (std::vector<CellIndex>{E, C}));
    EXPECT_EQ(Line(), (std::vector<CellIndex>{A, B, E, F}))
        << "promoting moves nothing on the board";

    MnuDeleteVariationClick(); // E and F go; the board is back at B with C as its tail
    EXPECT_EQ(Children(LineNode(2)), (std::vector<CellIndex>{C}));
    EXPECT_EQ(MoveCount, 2);
    EXPECT_EQ(BoardCells[E], CellEmpty);
    EXPECT_EQ(Line(), (std::vector<CellIndex>{A, B, C}));
    EXPECT_TRUE(port.buttonEnabled[NavButton::BitGo1]);
    BitGo1Click();
    EXPECT_EQ(BoardCells[C], CellBlack);

    BitBackAllClick();
    MnuDeleteVariationClick(); // the root is never deleted
    EXPECT_EQ(Children(0), (std::vector<CellIndex>{A}));
}

TEST_F(Variations, CommentsBelongToTheirNode)
{
    Enter({A, B});
    SetNodeComment("good", "line one\nline two");
    BitBack1Click();
    EXPECT_EQ(EditorRecord.tree.Text(EditorRecord.tree.Current()), nullptr);
    BitGo1Click();
    const NodeText* text = EditorRecord.tree.Text(EditorRecord.tree.Current());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->oneLine, "good");
    EXPECT_EQ(text->multiLine, "line one\nline two");
}

TEST_F(Variations, DroppingUnsavedAnalysisAsksFirstAndOtherwiseTheUsualQuestion)
{
    // One line only: the clear asks its own question, as always.
    Enter({A, B, C});
    MnuClearClick();
    ASSERT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(port.questions[0].text, "盤をクリアしますか？");

    Enter({A, B, C});
    BitBack1Click();
    Enter({E});
    port.questions.clear();
    port.answers = {Answer::Cancel};
    MnuClearClick();
    ASSERT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(port.questions[0].kind, QuestionKind::SaveFirst);
    EXPECT_EQ(MoveCount, 3) << "cancel keeps everything";

    // Yes saves through the library dialog; then the board is cleared with no second box.
    port.questions.clear();
    port.answers = {Answer::Yes};
    port.dialogPaths = {dir.File("kept.lib")};
    MnuClearClick();
    EXPECT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(MoveCount, 0);
    const Bytes keptBytes = ReadBytes(dir.File("kept.lib"));
    const RecordRead read = ReadLib(std::string(keptBytes.begin(), keptBytes.end()));
    ASSERT_TRUE(read.record) << read.message;
    const RecordTree& kept = read.record->tree;
    const NodeId b = kept.FindChild(kept.FindChild(0, A), B);
    ASSERT_NE(b, NoNode);
    EXPECT_NE(kept.FindChild(b, C), NoNode);
    EXPECT_NE(kept.FindChild(b, E), NoNode);

    // A comment counts as analysis; No drops it and closes without the closing question.
    Enter({A});
    SetNodeComment("idea", "");
    port.questions.clear();
    port.answers = {Answer::No};
    EXPECT_TRUE(FormCloseQuery());
    ASSERT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(port.questions[0].kind, QuestionKind::SaveFirst);
    // Opening another file asks the same, and cancel keeps the game.
    port.questions.clear();
    port.fileDialogs.clear();
    port.answers = {Answer::Cancel};
    MnuOpenClick();
    EXPECT_EQ(port.questions.size(), 1u);
    EXPECT_TRUE(port.fileDialogs.empty());
    EXPECT_EQ(MoveCount, 1);
}

TEST_F(Variations, APastedGameAsksBeforeItTakesThePlaceOfTheAnalysis)
{
    Enter({A, B, C});
    BitBack1Click();
    Enter({E});
    EXPECT_FALSE(EnterGameText("h8 zz").entered);
    EXPECT_TRUE(port.questions.empty()) << "text that cannot be pasted asks nothing";
    port.answers = {Answer::Cancel};
    const PasteResult kept = EnterGameText("h8 h9");
    EXPECT_FALSE(kept.entered);
    EXPECT_TRUE(kept.message.empty());
    EXPECT_EQ(Line(), (std::vector<CellIndex>{A, B, E}));
    port.answers = {Answer::No};
    EXPECT_TRUE(EnterGameText("h8 h9").entered);
    EXPECT_EQ(MoveCount, 2);
}

TEST_F(Variations, ANewOpeningInTheSettingsAsksBeforeItDropsTheAnalysis)
{
    Enter({A, B, C});
    BitBack1Click();
    Enter({E});
    port.onSettingsDialog = [](const GameSettings& current) {
        GameSettings chosen = current;
        chosen.opening = 1;
        chosen.blackName = "new";
        return std::optional<GameSettings>(chosen);
    };
    port.answers = {Answer::Cancel};
    MnuSetTaikyokuClick();
    ASSERT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(port.questions[0].kind, QuestionKind::SaveFirst);
    EXPECT_EQ(Line(), (std::vector<CellIndex>{A, B, E})) << "cancel changes nothing";
    EXPECT_EQ(GameInfo.BlackName[0], 0);
    port.answers = {Answer::No};
    MnuSetTaikyokuClick();
    EXPECT_EQ(MoveCount, 3);
    EXPECT_EQ(MoveList[0], OpeningMove(1, 0));
}

TEST_F(Variations, ALibraryOpensWholeAndSavesWhole)
{
    OpenSgf("(;GM[4]FF[4]CA[UTF-8]SZ[15];B[hh]C[centre](;W[ih];B[jh])(;W[gh]N[other]))");
    // The main line is on the board, the variation is in the tree.
    EXPECT_EQ(Line(), (std::vector<CellIndex>{0x88, 0x89, 0x8a}));
    EXPECT_EQ(Children(LineNode(1)), (std::vector<CellIndex>{0x89, 0x87}));
    EXPECT_TRUE(LibraryOpen());
    EXPECT_FALSE(AnalysisUnsaved()) << "nothing changed since it was read";

    BitBackAllClick();
    BitGo1Click();
    MnuNextVariationClick(); // there is none after h8
    EXPECT_EQ(MoveCount, 1);
    BitGo1Click();
    MnuNextVariationClick();
    EXPECT_EQ(BoardCells[0x87], CellWhite);
    EXPECT_EQ(EditorRecord.tree.Text(EditorRecord.tree.Current())->oneLine, "other");

    port.dialogPaths = {dir.File("out.sgf")};
    MnuLibrarySaveClick();
    const Bytes saved = ReadBytes(dir.File("out.sgf"));
    const RecordRead back = ReadSgf(std::string(saved.begin(), saved.end()));
    ASSERT_TRUE(back.record);
    EXPECT_EQ(back.record->tree.NodeCount(), 5u);

    // A damaged library is refused and nothing changes.
    const std::vector<CellIndex> before = Line();
    const std::string damaged("\xff\x52\x65\x6e\x4c\x69\x62\xff\x03\x04\xff\xff\xff\xff\xff\xff\xff"
                              "\xff\xff\xff\x00\x00\x80\x00",
                              24);
    WriteBytes(dir.File("bad.lib"), Bytes(damaged.begin(), damaged.end()));
    port.errors.clear();
    EXPECT_NE(OpenPath(dir.File("bad.lib")), IoOk);
    ASSERT_EQ(port.errors.size(), 1u);
    EXPECT_EQ(Line(), before);
    EXPECT_EQ(EditorRecord.tree.NodeCount(), 5u);
}

TEST_F(Variations, ALibraryWalkedThroughButNotChangedIsSavedBackByteForByte)
{
    // In CP932 with a pass, comments and board text off the line on the board; children
    // in the order of their points, as RenLib keeps them.
    Record r;
    RecordTree& t = r.tree;
    const NodeId h8 = t.AppendChild(0, 0x88);
    const NodeId g8 = t.AppendChild(h8, 0x87);
    t.AppendChild(g8, PassMove);
    const NodeId i8 = t.AppendChild(h8, 0x89);
    t.SetComment(i8, "黒よし", "三の筋\n四追い");
    t.SetBoardText(t.AppendChild(i8, 0x8a), "A");
    const std::string bytes = *WriteLib(r).bytes;
    WriteBytes(dir.File("in.lib"), Bytes(bytes.begin(), bytes.end()));
    ASSERT_EQ(OpenPath(dir.File("in.lib")), IoOk) << (port.errors.empty() ? "" : port.errors[0]);
    BitBackAllClick();
    BitGo1Click();
    BitGo1Click();
    MnuNextVariationClick();
    MnuPrevVariationClick();
    EXPECT_FALSE(AnalysisUnsaved());
    port.dialogPaths = {dir.File("out.lib")};
    MnuLibrarySaveClick();
    const Bytes out = ReadBytes(dir.File("out.lib"));
    EXPECT_EQ(std::string(out.begin(), out.end()), bytes);
}

TEST_F(Variations, TheChosenCodePageReadsTheLibrarysText)
{
    Record r;
    r.tree.SetComment(r.tree.AppendChild(0, 0x88), "あ", "");
    const std::string bytes = *WriteLib(r, CodePage::Cp932).bytes; // あ is 82 A0
    WriteBytes(dir.File("kana.lib"), Bytes(bytes.begin(), bytes.end()));
    ASSERT_EQ(OpenPath(dir.File("kana.lib")), IoOk);
    EXPECT_EQ(EditorRecord.tree.Text(LineNode(1))->oneLine, "あ") << "found from the bytes";
    SetLibraryCodePage(CodePage::Cp1252);
    ASSERT_EQ(OpenPath(dir.File("kana.lib")), IoOk);
    EXPECT_EQ(EditorRecord.tree.Text(LineNode(1))->oneLine, "\u201a\u00a0") << "as CP1252 reads it";
    SetLibraryCodePage(std::nullopt);
}

TEST_F(Variations, WithALibraryOpenLettersFollowTheirNode)
{
    OpenSgf("(;GM[4]FF[4]SZ[15];B[hh];W[ih])");
    BitBack1Click(); // after h8
    MnuSetMojiClick();
    PressCell(2, 2); // "A" on the position after h8
    EXPECT_EQ(CellMarks[MakeCell(2, 2)], -1);
    MnuSetTeClick();
    BitGo1Click();
    EXPECT_EQ(CellMarks[MakeCell(2, 2)], 0) << "the letter stays with its node";
    BitBack1Click();
    EXPECT_EQ(CellMarks[MakeCell(2, 2)], -1);
    EXPECT_TRUE(AnalysisUnsaved());

    // The letter is the board text of its point, kept by the library and back on opening.
    port.dialogPaths = {dir.File("letters.lib")};
    MnuLibrarySaveClick();
    const Bytes saved = ReadBytes(dir.File("letters.lib"));
    const RecordRead back = ReadLib(std::string(saved.begin(), saved.end()));
    ASSERT_TRUE(back.record) << back.message;
    const RecordTree& t = back.record->tree;
    const NodeId letter = t.FindChild(t.FindChild(0, 0x88), MakeCell(2, 2));
    ASSERT_NE(letter, NoNode);
    EXPECT_EQ(t.Text(letter)->boardText, "A");
    port.Start();
    ASSERT_EQ(OpenPath(dir.File("letters.lib")), IoOk);
    EXPECT_EQ(Line(), (std::vector<CellIndex>{0x88, 0x89})) << "a letter is no move of the line";
    EXPECT_EQ(CellMarks[MakeCell(2, 2)], 0);
    BitBack1Click();
    EXPECT_EQ(CellMarks[MakeCell(2, 2)], -1);

    // The letter's node is no move: neither a variation to step to nor a place to go.
    const NodeId letterNode = EditorRecord.tree.FindChild(LineNode(1), MakeCell(2, 2));
    ASSERT_NE(letterNode, NoNode);
    EXPECT_FALSE(GoToNode(letterNode));
    BitGo1Click();
    MnuNextVariationClick();
    MnuPrevVariationClick();
    EXPECT_EQ(Line(), (std::vector<CellIndex>{0x88, 0x89}));
    EXPECT_EQ(MoveCount, 2);
    BitBack1Click();

    // Erased, the letter's node goes again.
    MnuSetMojiClick();
    port.UserMovesScrollMoji(-1);
    PressCell(2, 2);
    EXPECT_EQ(EditorRecord.tree.FindChild(LineNode(1), MakeCell(2, 2)), NoNode);
}

TEST_F(Variations, TheFirstMovesOfTheVariationsAreMarkedWhenAsked)
{
    Enter({A, B, C});
    BitBack1Click();
    Enter({E});
    BitBack1Click(); // after B: the tail goes on with E, and C is the variation
    EXPECT_TRUE(Rings().empty()) << "off at start";
    SetVariationsShown(true);
    EXPECT_EQ(Rings(), (std::vector<CellIndex>{C}));
    BitBack1Click();
    EXPECT_TRUE(Rings().empty());
    SetVariationsShown(false);
    BitGo1Click();
    EXPECT_TRUE(Rings().empty());
}

} // namespace
