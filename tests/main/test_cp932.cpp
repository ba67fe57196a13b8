// CP932 text of the name fields: conversion both ways and the 31-byte cut that
// never splits a double-byte character.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "main/Cp932.h"

namespace {

std::string Bytes(std::initializer_list<int> list)
{
    std::string s;
    for (int b : list)
        s.push_back(static_cast<char>(b));
    return s;
}

TEST(Cp932, ConvertsAsciiKanjiAndHalfWidthKanaBothWays)
{
    const std::string utf8 = "A花月ｷｬﾝｾﾙ　";
    const std::string cp932 =
        Bytes({0x41, 0x89, 0xD4, 0x8C, 0x8E, 0xB7, 0xAC, 0xDD, 0xBE, 0xD9, 0x81, 0x40});
    EXPECT_EQ(Utf8ToCp932(utf8), cp932);
    EXPECT_EQ(Cp932ToUtf8(cp932), utf8);
}

TEST(Cp932, ReplacesWhatTheOtherSideCannotHold)
{
    // An emoji and a Hangul syllable have no CP932 form.
    EXPECT_EQ(Utf8ToCp932("a😀b가c"), "a?b?c");
    // 0xA0 is no character; a lead byte at the very end has no second byte.
    EXPECT_EQ(Cp932ToUtf8(Bytes({0x41, 0xA0, 0x42, 0x89})), "A\xEF\xBF\xBD"
                                                            "B\xEF\xBF\xBD");
    EXPECT_EQ(Cp932ToUtf8(std::string()), "");
}

struct CutCase {
    const char* name;
    std::string cp932;
    std::size_t expected;
};

TEST(Cp932, PrefixEndsOnACharacterBoundary)
{
    const std::string kanji = Bytes({0x89, 0xD4}); // 花
    std::string thirtyAscii(30, 'x');
    const CutCase cases[] = {
        {"short text whole", "abc", 3},
        {"31 ASCII bytes", std::string(31, 'x'), 31},
        {"32 ASCII bytes cut to 31", std::string(32, 'x'), 31},
        {"kanji across byte 31 dropped", thirtyAscii + kanji, 30},
        {"kanji ending at byte 31 kept", std::string(29, 'x') + kanji + "y", 31},
        {"16 kanji: 15 fit",
         [&] {
             std::string s;
             for (int i = 0; i < 16; ++i)
                 s += kanji;
             return s;
         }(),
         30},
        // A trail byte that looks like a lead (0x81) must not shift the walk.
        {"trail byte in lead range", Bytes({0x81, 0x81}) + std::string(30, 'x'), 31},
        {"half-width kana are single bytes", std::string(40, '\xB1'), 31},
    };
    for (const auto& c : cases) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(c.cp932.data());
        EXPECT_EQ(Cp932PrefixLength(p, c.cp932.size(), 31), c.expected) << c.name;
    }
}

TEST(NameField, StoresAtMost31BytesAndLeavesTheRestAsItWas)
{
    std::uint8_t field[NameFieldSize];
    std::memset(field, 0xEE, sizeof field);
    StoreName(field, "AB");
    EXPECT_EQ(field[0], 2);
    EXPECT_EQ(field[1], 'A');
    EXPECT_EQ(field[2], 'B');
    EXPECT_EQ(field[3], 0xEE); // bytes past the length carry no meaning: untouched

    // 30 characters, the edit field's limit, of which the 16th double-byte one
    // would cross byte 31.
    StoreName(field, "花花花花花花花花花花花花花花花花花花花花花花花花花花花花花花");
    EXPECT_EQ(field[0], 30);
    EXPECT_EQ(NameText(field), "花花花花花花花花花花花花花花花");

    StoreName(field, "a花花花花花花花花花花花花花花花花"); // 1 + 15 × 2 = 31 bytes fit
    EXPECT_EQ(field[0], 31);
    EXPECT_EQ(NameText(field), "a花花花花花花花花花花花花花花花");
}

TEST(NameField, ReadsALengthAbove31AsTheFieldsRoom)
{
    std::uint8_t field[NameFieldSize];
    std::memset(field, 'z', sizeof field);
    field[0] = 200;
    EXPECT_EQ(NameText(field), std::string(31, 'z'));
}

} // namespace
