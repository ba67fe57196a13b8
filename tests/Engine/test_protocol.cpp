// The protocol module without a process: the lines an engine prints parsed into values, the
// commands built, the stones ordered for BOARD and an answer judged against the board.
#include <gtest/gtest.h>

#include <cstring>

#include "Board/Coordinates.h"
#include "Engine/Protocol.h"

using namespace engine;

namespace {

CellIndex At(const char* name)
{
    return *ParseCellName(name);
}

Position Empty()
{
    Position p;
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        p.board[cell] = IsBoardCell(cell) ? CellEmpty : CellOffBoard;
    return p;
}

} // namespace

TEST(ProtocolLines, EachKindOfLineIsRecognised)
{
    const struct {
        const char* line;
        LineKind kind;
        const char* text;
    } cases[] = {
        {"OK", LineKind::Ok, ""},
        {"OK\r\n", LineKind::Ok, ""},
        {"ERROR Unknown command: FOO", LineKind::Error, "Unknown command: FOO"},
        {"UNKNOWN YXSTOP", LineKind::Unknown, "YXSTOP"},
        {"DEBUG depth 3", LineKind::Debug, "depth 3"},
        {"MESSAGE hello", LineKind::Message, "hello"},
        {"FORBID 0707.", LineKind::Forbid, "0707."},
        {"   ", LineKind::Empty, ""},
        {"OKAY", LineKind::Garbage, "OKAY"},
        {"7,6,1", LineKind::Garbage, "7,6,1"},
        {"hello world", LineKind::Garbage, "hello world"},
        {"\x01\x02\xff", LineKind::Garbage, "\x01\x02\xff"},
    };
    for (const auto& c : cases) {
        const Line line = ParseLine(c.line);
        EXPECT_EQ(line.kind, c.kind) << c.line;
        EXPECT_EQ(line.text, c.text) << c.line;
    }
}

TEST(ProtocolLines, MovesAreColumnAndRowFromTheTopAndOffBoardPointsHaveNoCell)
{
    const Line centre = ParseLine("7,7\n");
    ASSERT_EQ(centre.kind, LineKind::Move);
    EXPECT_EQ(centre.move, At("h8"));
    EXPECT_EQ(ParseLine(" 0 , 0 ").move, At("a15"));
    EXPECT_EQ(ParseLine("14,14").move, At("o1"));
    for (const char* off : {"15,3", "-1,-1", "3,15"}) {
        const Line line = ParseLine(off);
        EXPECT_EQ(line.kind, LineKind::Move) << off;
        EXPECT_FALSE(line.move) << off;
    }
}

TEST(ProtocolLines, RapfisSearchReportAndMainLineAreRead)
{
    const Line report =
        ParseLine("MESSAGE Speed 398K | Depth 8-9 | Eval -40 | Node 797 | Time 2ms");
    ASSERT_TRUE(report.report);
    EXPECT_EQ(report.report->speed, "398K");
    EXPECT_EQ(report.report->depth, 8);
    EXPECT_EQ(report.report->selectiveDepth, 9);
    EXPECT_EQ(report.report->eval, "-40");
    EXPECT_EQ(report.report->nodes, "797");
    EXPECT_EQ(report.report->time, "2ms");
    EXPECT_EQ(
        ParseLine("MESSAGE Speed 1K | Depth 20-30 | Eval +M5 | Node 9 | Time 1s").report->eval,
        "+M5");

    // Rapfi's letters are x, its numbers y + 1: the move 7,6 is printed H7.
    const Line best = ParseLine("MESSAGE Bestline H7 J9 G8");
    ASSERT_TRUE(best.mainLine);
    EXPECT_EQ(best.mainLine->rank, 0);
    EXPECT_EQ(best.mainLine->moves,
              (std::vector<CellIndex>{MakeCell(8, 7), MakeCell(10, 9), MakeCell(7, 8)}));
    EXPECT_EQ(ParseLine("MESSAGE Bestline H7 Pass G8").mainLine->moves.size(), 1u);

    const Line second = ParseLine("MESSAGE (2) -40 | 8-9 | I9 H7");
    ASSERT_TRUE(second.mainLine);
    EXPECT_EQ(second.mainLine->rank, 2);
    EXPECT_EQ(second.mainLine->eval, "-40");
    EXPECT_EQ(second.mainLine->depth, 8);
    EXPECT_EQ(second.mainLine->moves.size(), 2u);

    EXPECT_FALSE(ParseLine("MESSAGE just talking").report);
    EXPECT_FALSE(ParseLine("MESSAGE just talking").mainLine);
}

TEST(ProtocolLines, AboutFieldsAreReadByWholeKey)
{
    const char* about = R"(nickname="x", name="Rapfi", version="0.43", author="A, B")";
    EXPECT_EQ(ParseLine(about).kind, LineKind::About);
    EXPECT_EQ(AboutField(about, "name"), "Rapfi");
    EXPECT_EQ(AboutField(about, "author"), "A, B");
    EXPECT_EQ(AboutField(about, "country"), "");
}

TEST(ProtocolCommands, StonesAlternateFromBlackWithPassesWhereAColourHasMore)
{
    // Played moves keep their order behind the placed stones; f is 1 for the side to move.
    Position game = Empty();
    game.board[At("h8")] = CellBlack;
    game.board[At("h9")] = CellWhite;
    game.board[At("j10")] = CellBlack;
    game.played = {At("h8"), At("h9"), At("j10")};
    game.sideToMove = CellWhite;
    EXPECT_EQ(BoardCommand(game), "BOARD\n7,7,2\n7,6,1\n9,5,2\nDONE\n");

    // Three placed black stones and one white: a white pass between the surplus blacks.
    Position placed = Empty();
    for (const char* name : {"a15", "b15", "c15"})
        placed.board[At(name)] = CellBlack;
    placed.board[At("o1")] = CellWhite;
    placed.sideToMove = CellWhite;
    EXPECT_EQ(BoardCommand(placed), "BOARD\n0,0,2\n14,14,1\n1,0,2\n-1,-1,1\n2,0,2\nDONE\n");

    // Only white stones: black is always first, here as a pass.
    Position white = Empty();
    white.board[At("h8")] = CellWhite;
    white.sideToMove = CellBlack;
    EXPECT_EQ(BoardCommand(white), "BOARD\n-1,-1,1\n7,7,2\nDONE\n");
    white.sideToMove = CellWhite;
    EXPECT_EQ(BoardCommand(white), "BOARD\n-1,-1,2\n7,7,1\n-1,-1,2\nDONE\n");

    Position none = Empty();
    EXPECT_EQ(BoardCommand(none, "YXBOARD"), "YXBOARD\nDONE\n");
    none.sideToMove = CellWhite;
    EXPECT_EQ(BoardCommand(none), "BOARD\n-1,-1,2\nDONE\n");
}

TEST(ProtocolCommands, AMoveTakenOffTheBoardIsNotSent)
{
    Position p = Empty();
    p.board[At("h8")] = CellBlack;
    p.played = {At("h8"), At("h9"), At("h8")};
    const std::vector<BoardStone> stones = OrderStones(p);
    ASSERT_EQ(stones.size(), 2u);
    EXPECT_EQ(stones[0].cell, At("h8"));
    EXPECT_TRUE(stones[1].IsPass());
}

TEST(ProtocolAnswers, OccupiedOffBoardAndForbiddenAnswersAreRefused)
{
    // Black to move with a double three at h8 (g8 i8 across, h7 h9 down).
    Position p = Empty();
    for (const char* name : {"g8", "i8", "h7", "h9"})
        p.board[At(name)] = CellBlack;
    for (const char* name : {"a1", "o1", "a15", "o15"})
        p.board[At(name)] = CellWhite;
    p.sideToMove = CellBlack;
    EXPECT_EQ(CheckMove(p, 7, 7), MoveCheck::ForbiddenToBlack);
    EXPECT_EQ(CheckMove(p, 6, 7), MoveCheck::Occupied);
    EXPECT_EQ(CheckMove(p, 15, 0), MoveCheck::OffBoard);
    EXPECT_EQ(CheckMove(p, -1, -1), MoveCheck::OffBoard);
    EXPECT_EQ(CheckMove(p, 0, 7), MoveCheck::Legal);
    p.sideToMove = CellWhite;
    EXPECT_EQ(CheckMove(p, 7, 7), MoveCheck::Legal);
}
