// Each notation file kind reads back what it writes and answers damaged bytes with a result
// or a message, so the format table can take it as one row.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "Notation/Pos.h"
#include "Notation/Psq.h"
#include "Notation/TextRecord.h"
#include "Notation/Utf8.h"
#include "notation_fixtures.h"

using notation::Content;

namespace {

struct Codec {
    const char* name;
    notation::ReadResult (*read)(std::string_view bytes);
    notation::WriteResult (*write)(const Content& content);
};
const Codec Codecs[] = {
    {"txt", notation::ReadText, notation::WriteText},
    {"psq", notation::ReadPsq, notation::WritePsq},
    {"pos", notation::ReadPos, notation::WritePos},
};

const Codec& CodecNamed(const std::string& name)
{
    for (const Codec& codec : Codecs)
        if (name == codec.name)
            return codec;
    return Codecs[0];
}

TEST(Formats, EachRowReadsBackTheGamesItWrites)
{
    const std::vector<CellIndex> games[] = {fixtures::Moves("h8 i9 j10 a1 o15"), fixtures::Game(1),
                                            fixtures::Game(5), fixtures::Game(150)};
    for (const Codec& format : Codecs)
        for (const auto& moves : games) {
            SCOPED_TRACE(std::string(format.name) + ", " + std::to_string(moves.size()) + " moves");
            Content game;
            game.moves = moves;
            EXPECT_TRUE(fixtures::ReadsBack(format.read, format.write, game));
        }
}

TEST(Formats, BinaryBytesAreRefusedByTheTextReadersWithAMessage)
{
    const std::string bytes("\x03\x70\xF0\x71", 4);
    for (const char* extension : {"txt", "psq"}) {
        SCOPED_TRACE(extension);
        const auto read = CodecNamed(extension).read(bytes);
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
    for (const Codec& format : Codecs) {
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
