// Text from other programs' files is recognised by its code page and converted both ways.
#include <gtest/gtest.h>

#include "Text/CodePage.h"

namespace {

TEST(CodePage, DetectionPrefersUtf8ThenJapaneseThenChinese)
{
    const std::string japanese =
        "\x8A\xC8\x82\xA2\x82\xC8\x82\xE7"; // a kanji and three kana in CP932
    const std::string chinese = "\xBA\xDA\xC6\xE5\xCF\xC8\xCA\xD6"; // 黑棋先手 in GBK
    struct Case {
        std::string sample;
        CodePage page;
    } cases[] = {
        {"plain ascii", CodePage::Utf8},    {"\xE9\xBB\x92", CodePage::Utf8},
        {japanese, CodePage::Cp932},        {chinese, CodePage::Gbk},
        {"caf\xE9 \xFF", CodePage::Cp1252},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DetectCodePage(c.sample), c.page) << c.sample;
    EXPECT_EQ(*DecodeText(chinese, CodePage::Gbk), "黑棋先手");
}

TEST(CodePage, ConversionRoundTripsAndRefusesWhatDoesNotFit)
{
    for (CodePage page : {CodePage::Cp932, CodePage::Gbk, CodePage::Big5}) {
        auto bytes = EncodeText("五目", page);
        ASSERT_TRUE(bytes) << CodePageName(page);
        EXPECT_EQ(*DecodeText(*bytes, page), "五目");
    }
    EXPECT_EQ(*DecodeText("\xC4", CodePage::Cp1252), "Ä");
    EXPECT_EQ(*DecodeText("\xC4", CodePage::Cp1251), "Д");
    EXPECT_FALSE(EncodeText("Д", CodePage::Cp1252));
    EXPECT_FALSE(DecodeText("\x82", CodePage::Cp932));    // a lead byte cut off
    EXPECT_FALSE(DecodeText("\xC0\x80", CodePage::Utf8)); // overlong
    EXPECT_EQ(DecodeLossy("a\x82", CodePage::Cp932), "a\xEF\xBF\xBD");
    EXPECT_EQ(ParseCodePage("shift_jis"), CodePage::Cp932);
    EXPECT_EQ(ParseCodePage("gb2312"), CodePage::Gbk);
    EXPECT_FALSE(ParseCodePage("EBCDIC"));
}

} // namespace
