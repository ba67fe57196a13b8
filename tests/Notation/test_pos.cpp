// RenLib's .pos files read as the moves they hold, a pass where a writer stored 0xF0, and
// written so that they read back; values that are no point and short files are refused.
#include <gtest/gtest.h>

#include <string>

#include "Notation/Pos.h"
#include "notation_fixtures.h"

using notation::Content;
using notation::ReadPos;
using notation::WritePos;

namespace {

std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (const int v : values)
        bytes.push_back(static_cast<char>(v));
    return bytes;
}

TEST(Pos, EachByteIsFifteenTimesTheRowPlusTheColumnFromTheTopLeft)
{
    // 112 = 7 × 15 + 7 is h8; 0 the top left a15; 224 the bottom right o1; 14 the top right.
    const auto result = ReadPos(Bytes({4, 112, 0, 224, 14}));
    ASSERT_TRUE(result.ok()) << result.error->message;
    EXPECT_EQ(result.content.moves, fixtures::Moves("h8 a15 o1 o15"));
}

TEST(Pos, APassIsStoredAs0xF0AndTheColoursKeepAlternating)
{
    const auto result = ReadPos(Bytes({3, 112, 0xF0, 113}));
    ASSERT_TRUE(result.ok()) << result.error->message;
    EXPECT_EQ(result.content.moves, fixtures::Moves("h8 -- i8"));
    Content game;
    game.moves = fixtures::Moves("h8 -- i8");
    EXPECT_EQ(WritePos(game).bytes, Bytes({3, 112, 0xF0, 113}));
}

TEST(Pos, BytesAfterTheCountedMovesAreIgnored)
{
    const auto result = ReadPos(Bytes({1, 112, 113, 0xFF}));
    ASSERT_TRUE(result.ok()) << result.error->message;
    EXPECT_EQ(result.content.moves, fixtures::Moves("h8"));
    EXPECT_TRUE(ReadPos(Bytes({0})).ok());
}

TEST(Pos, WhatCannotBeReadIsRefused)
{
    const struct {
        const char* what;
        std::string file;
        const char* message;
        std::size_t offset;
    } cases[] = {
        {"empty", "", "空のファイルです（.pos の先頭には手数の1バイトが要ります）", 0},
        {"shorter than its count", Bytes({3, 112, 113}), "手数は3とありますが、2手分しかありません",
         3},
        {"225 is no point", Bytes({2, 112, 225}),
         "3バイト目（2手目）の値0xE1は盤の点ではありません", 2},
        {"0xFF is no point", Bytes({1, 0xFF}), "2バイト目（1手目）の値0xFFは盤の点ではありません",
         1},
        {"occupied", Bytes({2, 112, 112}), "3バイト目（2手目）の点にはすでに石があります", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto result = ReadPos(c.file);
        ASSERT_TRUE(fixtures::RefusedWith(result, c.message));
        EXPECT_EQ(result.error->offset, c.offset);
        EXPECT_TRUE(result.content.moves.empty());
    }
}

// Reading back what is written, for games of any length, is a row of the formats' test.
TEST(Pos, AGameIsWrittenAsItsCountAndOneByteAMove)
{
    for (const int length : {1, 5, 150}) {
        SCOPED_TRACE(length);
        Content game;
        game.moves = fixtures::Game(length);
        EXPECT_EQ(WritePos(game).bytes.size(), static_cast<std::size_t>(length) + 1);
    }
}

TEST(Pos, MoreThan255MovesAreRefusedAndAPositionIsPaddedWithPasses)
{
    Content game;
    game.moves = fixtures::Game(225);
    game.moves.insert(game.moves.end(), 31, notation::Pass);
    EXPECT_EQ(WritePos(game).refusal, "256手の棋譜は .pos に書けません（255手まで）");
    game.moves.pop_back();
    EXPECT_TRUE(WritePos(game).ok());

    Content position;
    position.kind = Content::Kind::Position;
    position.black = fixtures::Moves("h8 h9 h10");
    position.white = fixtures::Moves("a1");
    EXPECT_EQ(ReadPos(WritePos(position).bytes).content.moves, fixtures::Moves("h8 a1 h9 -- h10"));
}

} // namespace
