// The game taken out as text and text entered as the game: what each pasted form enters,
// and that refused text changes nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "../fixtures/BoardPicture.h"
#include "FakePort.h"
#include "main/Clipboard.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/State.h"

namespace {

std::vector<CellIndex> Line()
{
    std::vector<CellIndex> moves;
    for (int i = 0; i < MoveListSize && MoveList[i] > 0; ++i)
        moves.push_back(MoveList[i]);
    return moves;
}

// Columns from the left, rows from the top, as the board view counts.
constexpr CellIndex H8 = MakeCell(8, 8);
constexpr CellIndex H9 = MakeCell(8, 7);
constexpr CellIndex I8 = MakeCell(9, 8);
constexpr CellIndex I9 = MakeCell(9, 7);
constexpr CellIndex K7 = MakeCell(11, 9);

struct PastedForm {
    const char* name;
    const char* text;
    std::vector<CellIndex> moves;
};

class PastedGame : public ::testing::TestWithParam<PastedForm> {};

// Each way people write a game enters the same moves, numbered and with the buttons as after
// playing them.
TEST_P(PastedGame, IsEnteredAsMovesBlackFirst)
{
    const PastedForm& c = GetParam();
    FakePort port;
    port.Start();
    const PasteResult result = EnterGameText(c.text);
    ASSERT_TRUE(result.entered) << result.message;
    EXPECT_EQ(Line(), c.moves);
    EXPECT_EQ(MoveCount, static_cast<int>(c.moves.size()));
    for (std::size_t i = 0; i < c.moves.size(); ++i) {
        EXPECT_EQ(BoardCells[c.moves[i]], i % 2 == 0 ? CellBlack : CellWhite) << i;
        EXPECT_EQ(CellMarks[c.moves[i]], static_cast<int>(i) + 1) << i;
    }
    EXPECT_EQ(port.memo, "　" + std::to_string(c.moves.size() + 1) + " 手目" +
                             (c.moves.size() % 2 == 0 ? "  黒" : "  白"));
    EXPECT_TRUE(port.buttonEnabled[NavButton::BitBack1]);
    EXPECT_FALSE(port.buttonEnabled[NavButton::BitGo1]);
    EXPECT_TRUE(port.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EachForm, PastedGame,
    ::testing::Values(PastedForm{"Spaces", "h8 h9 i8 k7", {H8, H9, I8, K7}},
                      PastedForm{"UpperCaseCommas", "H8,H9,I8", {H8, H9, I8}},
                      PastedForm{"Packed", "h8h9i8k7\n", {H8, H9, I8, K7}},
                      PastedForm{"Numbered", "1. h8 2. h9\r\n3. i8", {H8, H9, I8}},
                      PastedForm{"WebSiteRecord",
                                 "[Event \"Renju\"]\n[Black \"a\"]\n1. h8 -- 2. h9 -- 3. i8 --\n",
                                 {H8, H9, I8}},
                      PastedForm{"RenLibList", "1 H8   2 H9   3 I8", {H8, H9, I8}}),
    [](const auto& info) { return std::string(info.param.name); });

// The board, the record and what the window shows, to compare before and after.
struct Snapshot {
    std::vector<std::string> board;
    std::vector<CellIndex> line;
    int moveCount;
    EditingMode editMode;
    std::string memo;
    bool operator==(const Snapshot& o) const
    {
        return board == o.board && line == o.line && moveCount == o.moveCount &&
               editMode == o.editMode && memo == o.memo;
    }
};

Snapshot Take(const FakePort& port)
{
    return {PictureOf(BoardCells), Line(), MoveCount, EditMode, port.memo};
}

struct RefusedText {
    const char* name;
    const char* text;
    const char* says; // a part of the message
};

class RefusedPaste : public ::testing::TestWithParam<RefusedText> {};

// Text that cannot be entered says which token and where, and leaves the game as it was.
TEST_P(RefusedPaste, NamesTheTokenAndChangesNothing)
{
    const RefusedText& c = GetParam();
    FakePort port;
    port.Start();
    PressCell(2, 2);
    PressCell(14, 14);
    const Snapshot before = Take(port);
    const int drawnBefore = static_cast<int>(port.drawnCells.size());
    const PasteResult result = EnterGameText(c.text);
    EXPECT_FALSE(result.entered);
    EXPECT_NE(result.message.find(c.says), std::string::npos) << result.message;
    EXPECT_TRUE(Take(port) == before);
    EXPECT_EQ(static_cast<int>(port.drawnCells.size()), drawnBefore) << "nothing redrawn";
}

INSTANTIATE_TEST_SUITE_P(
    EachFault, RefusedPaste,
    ::testing::Values(
        RefusedText{"NotAMove", "h8 h9\nzz i8", "2行1列の「zz」"},
        RefusedText{"OccupiedPoint", "h8 h9 h8", "1行7列の「h8」の点にはすでに石があります"},
        RefusedText{"OffTheBoard", "h8 p9", "1行4列の「p9」は盤の外の点です"},
        RefusedText{"APass", "h8 pass h9", "2手目のパス"},
        RefusedText{"NoMoves", "[Event \"x\"]", "着手がありません"},
        RefusedText{"ShortDiagram", "x . . . . . . . . . . . . . .\n", "盤面図の行が1行です"}),
    [](const auto& info) { return std::string(info.param.name); });

const Rows kPasted = Picture(R"(
...............
.X.............
...............
...............
...............
...............
...............
.......X.......
.......O.......
...............
...............
...............
...............
...............
..............O
)");

// A diagram is a position: placed stones, counted as stone placement counts them.
TEST(PastedDiagram, IsEnteredAsPlacedStones)
{
    FakePort port;
    port.Start();
    PressCell(5, 5);
    std::string text;
    for (const std::string_view row : kPasted) {
        for (const char c : row)
            text += c == 'X' ? "● " : c == 'O' ? "○ " : "┼ ";
        text += "\n";
    }
    const PasteResult result = EnterGameText(text);
    ASSERT_TRUE(result.entered) << result.message;
    EXPECT_EQ(PictureOf(BoardCells), PictureOf(TableOf(kPasted).data()));
    EXPECT_EQ(BlackStoneTotal, 2);
    EXPECT_EQ(WhiteStoneTotal, 2);
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(port.memo, "  黒石  2\n  白石  2");
    // Copied out again it is the same diagram, and pasting that back gives the same board.
    const std::string copied = GameAsText();
    EXPECT_NE(copied.find("14 . x . ."), std::string::npos) << copied;
    MnuClearClick();
    ASSERT_TRUE(EnterGameText(copied).entered);
    EXPECT_EQ(PictureOf(BoardCells), PictureOf(TableOf(kPasted).data()));
}

// The automatic answer would take the point of the record's own next move.
TEST(PastedGame, KeepsItsOwnAnswersWithAutomaticBlockingOn)
{
    FakePort port;
    port.Start();
    MnuSiTomeClick();
    ASSERT_EQ(AutoBlockFours, 1);
    // Black h4 h5 h6 h7 is a four closed below by white h3: white's one answer is h8.
    const PasteResult result = EnterGameText("h4 h3 h5 a1 h6 a15 h7 h8 o1");
    ASSERT_TRUE(result.entered) << result.message;
    EXPECT_EQ(MoveCount, 9);
    EXPECT_EQ(BoardCells[H8], CellWhite);
    EXPECT_EQ(BoardCells[MakeCell(15, 15)], CellBlack); // o1, the last move
    EXPECT_EQ(AutoBlockFours, 1) << "the option is kept";
}

// In stone placement moves cannot be entered: the game comes in move order. The line
// copied out is the whole record, the replay tail with it.
TEST(PastedGame, SwitchesStonePlacementToMoveOrderAndCopiesTheWholeLine)
{
    FakePort port;
    port.Start();
    MnuSetIsiClick();
    ASSERT_TRUE(EnterGameText("h8 h9 i9 k7").entered);
    EXPECT_EQ(EditMode, ModeMoveOrder);
    EXPECT_TRUE(port.menuChecked[MenuTick::MnuSetTe]);
    EXPECT_TRUE(port.panelVisible[PanelId::PanelSyujun]);
    BitBackAllClick();
    EXPECT_EQ(GameAsText(), "h8 h9 i9 k7");
}

// A line that starts with an opening's own three moves keeps that opening for the record,
// so a saved game replays the same stones; in another orientation it is stored as moves.
TEST(PastedGame, NamesTheOpeningOnlyInItsOwnOrientation)
{
    FakePort port;
    port.Start();
    ASSERT_TRUE(EnterGameText("h8 h9 i9").entered); // 花月 as the table sets it
    EXPECT_EQ(GameInfo.Opening, 4);
    EXPECT_EQ(SelectedOpening, 4);
    EXPECT_EQ(port.texts[TextId::EditSyukei], " 珠型 : 花月") << "the field shows it at once";
    ASSERT_TRUE(EnterGameText("h8 h7 g7").entered); // 花月 turned half round
    EXPECT_EQ(GameInfo.Opening, 0);
    EXPECT_EQ(SelectedOpening, 0);
    EXPECT_EQ(port.texts[TextId::EditSyukei], " 珠型 : ");
}

} // namespace

namespace {

// The opening is named from the moves, in any orientation, and not lost by stepping back.
TEST(OpeningNamed, FollowsTheGamesFirstThreeMoves)
{
    FakePort port;
    port.Start();
    EXPECT_EQ(port.texts[TextId::LabelSyukeiMei], "");
    PressCell(8, 8);
    PressCell(8, 9); // straight below: a direct opening turned half round
    EXPECT_EQ(port.texts[TextId::LabelSyukeiMei], "");
    PressCell(7, 9);
    EXPECT_EQ(port.texts[TextId::LabelSyukeiMei], "珠型：花月");
    BitBackAllClick();
    EXPECT_EQ(port.texts[TextId::LabelSyukeiMei], "珠型：花月") << "the line still holds it";
    PressCell(1, 1); // a new line from the first move
    EXPECT_EQ(port.texts[TextId::LabelSyukeiMei], "");
    ASSERT_TRUE(EnterGameText("h8 i9 j10 a1").entered); // pasted games are named too
    EXPECT_EQ(port.texts[TextId::LabelSyukeiMei], "珠型：長星");
    MnuClearClick();
    EXPECT_EQ(port.texts[TextId::LabelSyukeiMei], "");
}

} // namespace
