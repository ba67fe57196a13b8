// Each notation file kind is found by its extension and reads back what it writes, so the
// format table can take it as one row.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "Notation/Formats.h"
#include "Notation/Utf8.h"
#include "notation_fixtures.h"

using notation::Content;
using notation::NotationFormatFor;

namespace {

TEST(Formats, EachKindIsFoundByItsExtensionInAnyCase)
{
    ASSERT_NE(NotationFormatFor("txt"), nullptr);
    EXPECT_EQ(NotationFormatFor("TXT"), NotationFormatFor("txt"));
    EXPECT_EQ(NotationFormatFor("Psq")->extensions.front(), "psq");
    EXPECT_EQ(NotationFormatFor("pos")->extensions.front(), "pos");
    EXPECT_EQ(NotationFormatFor("kif"), nullptr);
    EXPECT_EQ(NotationFormatFor(""), nullptr);
}

TEST(Formats, EachRowReadsBackTheGameItWrites)
{
    Content game;
    game.moves = fixtures::Moves("h8 i9 j10 a1 o15");
    for (const auto& format : notation::NotationFormats()) {
        SCOPED_TRACE(format.name);
        const auto written = format.write(game);
        ASSERT_TRUE(written.ok()) << written.refusal;
        const auto read = format.read(written.bytes);
        ASSERT_TRUE(read.ok()) << read.error->message;
        EXPECT_EQ(read.content.moves, game.moves);
    }
}

TEST(Formats, BinaryBytesAreRefusedByTheTextReadersWithAMessage)
{
    const std::string bytes("\x03\x70\xF0\x71", 4);
    for (const char* extension : {"txt", "psq"}) {
        SCOPED_TRACE(extension);
        const auto read = NotationFormatFor(extension)->read(bytes);
        ASSERT_FALSE(read.ok());
        EXPECT_FALSE(read.error->message.empty());
        EXPECT_FALSE(notation::DecodeUtf8(read.error->message).badOffset) << "the message is text";
    }
}

TEST(Formats, DamagedFilesGiveAResultOrAMessageAndNeverAMoveTwiceOnAPoint)
{
    // Bytes of valid files with a few of them changed: each reader must answer every one.
    std::mt19937 random(19);
    Content game;
    game.moves = fixtures::Game(40);
    for (const auto& format : notation::NotationFormats()) {
        SCOPED_TRACE(format.name);
        const std::string written = format.write(game).bytes;
        for (int trial = 0; trial < 2000; ++trial) {
            std::string bytes = written.substr(0, random() % (written.size() + 1));
            for (int k = 0; k < 3 && !bytes.empty(); ++k)
                bytes[random() % bytes.size()] = static_cast<char>(random() % 256);
            const auto read = format.read(bytes);
            if (!read.ok()) {
                EXPECT_FALSE(read.error->message.empty());
                continue;
            }
            std::vector<bool> seen(CellTableSize, false);
            for (const CellIndex cell : read.content.moves) {
                if (cell == notation::Pass)
                    continue;
                ASSERT_TRUE(IsBoardCell(cell));
                ASSERT_FALSE(seen[static_cast<std::size_t>(cell)]);
                seen[static_cast<std::size_t>(cell)] = true;
            }
        }
    }
}

} // namespace
