// Piskvork's files read as the moves they hold, black first, and written so that they read
// back; other board sizes and broken move lines are refused, not guessed at.
#include <gtest/gtest.h>

#include <string>

#include "Notation/Psq.h"
#include "notation_fixtures.h"

using notation::Content;
using notation::ReadPsq;
using notation::WritePsq;

namespace {

TEST(Psq, AFileAsPiskvorkWritesItReadsAsItsMoves)
{
    // x is the column from the left, y the row from the top: 8,8 is h8 and 9,7 is i9.
    const std::string file = "Piskvorky 15x15, 11:11, 0\r\n"
                             "8,8,1200\r\n"
                             "9,7,350\r\n"
                             "1,1,0\r\n"
                             "15,15,10\r\n"
                             "pbrain-yixin.exe\r\n"
                             "pbrain-embryo.exe\r\n"
                             "-1\r\n";
    const auto result = ReadPsq(file);
    ASSERT_TRUE(result.ok()) << result.error->message;
    EXPECT_EQ(result.content.moves, fixtures::Moves("h8 i9 a15 o1"));
}

TEST(Psq, MovesWithoutTimesAndLfLinesAreRead)
{
    const auto result = ReadPsq("Piskvorky 15x15, 11:11, 0\n8,8\n8,7\n");
    ASSERT_TRUE(result.ok()) << result.error->message;
    EXPECT_EQ(result.content.moves, fixtures::Moves("h8 h9"));
}

TEST(Psq, WhatCannotBeReadIsRefusedWithItsLine)
{
    const struct {
        const char* what;
        std::string file;
        const char* message;
    } cases[] = {
        {"a larger board", "Piskvorky 20x20, 11:11, 0\n10,10,0\n",
         "盤の大きさが20×20です。読めるのは15×15の盤だけです"},
        {"a board of another shape", "Piskvorky 15x19, 11:11, 0\n",
         "盤の大きさが15×19です。読めるのは15×15の盤だけです"},
        {"no header", "8,8,0\n",
         "1行目の「8,8,0」は Piskvork の棋譜の1行目（Piskvorky 15x15, …）ではありません"},
        {"empty", "", "1行目の「」は Piskvork の棋譜の1行目（Piskvorky 15x15, …）ではありません"},
        {"no size", "Piskvorky big\n", "1行目の「Piskvorky big」から盤の大きさを読めません"},
        {"off the board", "Piskvorky 15x15, 11:11, 0\n8,8,0\n16,1,0\n",
         "3行目の「16,1,0」は盤の外の点です"},
        {"zero", "Piskvorky 15x15, 11:11, 0\n0,8,0\n", "2行目の「0,8,0」は盤の外の点です"},
        {"occupied", "Piskvorky 15x15, 11:11, 0\n8,8,0\n8,8,0\n",
         "3行目の「8,8,0」の点にはすでに石があります"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(fixtures::RefusedWith(ReadPsq(c.file), c.message)) << c.what;
}

// Reading back what is written, for games of any length, is a row of the formats' test.
TEST(Psq, AGameIsWrittenAsTheHeaderAndALineAMove)
{
    Content game;
    game.moves = fixtures::Moves("h8 i9");
    EXPECT_EQ(WritePsq(game).bytes, "Piskvorky 15x15, 11:11, 0\r\n8,8,0\r\n9,7,0\r\n");
}

TEST(Psq, APassOrAnUnplayablePositionIsRefused)
{
    Content game;
    game.moves = fixtures::Moves("h8 -- h9");
    EXPECT_EQ(WritePsq(game).refusal, "Piskvork の棋譜にはパスを書けません");
    Content position;
    position.kind = Content::Kind::Position;
    position.black = fixtures::Moves("h8 h9 h10");
    position.white = fixtures::Moves("a1");
    EXPECT_FALSE(WritePsq(position).ok());
    position.white = fixtures::Moves("a1 a2");
    const auto written = WritePsq(position);
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(ReadPsq(written.bytes).content.moves, fixtures::Moves("h8 a1 h9 a2 h10"));
}

} // namespace
