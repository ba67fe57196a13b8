// Both readers over the seed corpus and over many damaged variants of a good
// record: a file either opens into a sound board or is refused with nothing changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "main/Files.h"
#include "main/Moves.h"
#include "main/State.h"
#include "test_files_fixture.h"

namespace {

namespace fs = std::filesystem;

// From the source folder the build names: __FILE__ is relative when ccache rewrites
// paths, and the test runs in a folder of its own.
fs::path CorpusDir(const char* kind)
{
    return fs::path(KORVANE_SOURCE_DIR) / "tests" / "fuzz-corpus" / kind;
}

int StonesOnBoard()
{
    int stones = 0;
    for (int row = 1; row <= 15; ++row)
        for (int column = 1; column <= 15; ++column)
            stones += BoardCells[MakeCell(column, row)] != CellEmpty;
    return stones;
}

// What any opened file must leave: the frame intact and the board agreeing with
// the record (game) or the totals (position).
void ExpectSoundBoard(bool game)
{
    for (int i = 0; i < CellTableSize; ++i) {
        if (IsBoardCell(i)) {
            ASSERT_TRUE(BoardCells[i] >= CellEmpty && BoardCells[i] <= CellWhite) << i;
        } else {
            ASSERT_EQ(BoardCells[i], CellOffBoard) << i;
        }
    }
    if (game) {
        ASSERT_LE(MoveCount, KifuMoveSlots);
        EXPECT_EQ(StonesOnBoard(), MoveCount);
        EXPECT_EQ(MoveList[MoveCount], 0);
    } else {
        EXPECT_EQ(StonesOnBoard(), BlackStoneTotal + WhiteStoneTotal);
        EXPECT_EQ(MoveCount, 0);
    }
}

std::vector<fs::path> FilesIn(const fs::path& dir)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

void RunCorpus(const char* kind, void (*open)(), bool game)
{
    FakePort port;
    port.Start();
    const auto files = FilesIn(CorpusDir(kind));
    ASSERT_FALSE(files.empty());
    for (const auto& file : files) {
        const std::string name = file.filename().string();
        SCOPED_TRACE(name);
        PressCell(1, 1); // something that a refused file must leave in place
        port.errors.clear();
        const Snapshot before = Snapshot::Take(port);
        port.dialogPaths.push_back(file.string());
        open();
        if (name.rfind("ok-", 0) == 0) {
            EXPECT_TRUE(port.errors.empty());
            ExpectSoundBoard(game);
            continue;
        }
        ASSERT_EQ(port.errors.size(), 1u);
        EXPECT_EQ(port.errors[0], name.rfind("bad-", 0) == 0
                                      ? "ファイルの内容が正しくありません."
                                      : "ファイルの末尾以降を読み込みました.");
        EXPECT_TRUE(Snapshot::Take(port) == before);
    }
}

TEST(FileCorpus, GameRecordsOpenOrAreRefusedWhole)
{
    RunCorpus("kif", MnuOpenClick, true);
}

TEST(FileCorpus, StonePlacementsOpenOrAreRefusedWhole)
{
    RunCorpus("dat", MnuHaisekiOpenClick, false);
}

// Damage a good image at random: flipped bits, bytes and whole words set to
// edge values. Deterministic, so a failure is reproducible.
template <std::size_t Size> void Mutate(std::uint8_t (&image)[Size], std::mt19937& random)
{
    const std::int32_t edges[] = {0,   -1,  1,   16,         17,
                                  255, 256, 272, 273,        26,
                                  27,  31,  32,  0x7FFFFFFF, static_cast<std::int32_t>(0x80000000)};
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int e = 0; e < edits; ++e) {
        const std::size_t at = random() % Size;
        switch (random() % 3) {
        case 0:
            image[at] ^= static_cast<std::uint8_t>(1u << (random() % 8));
            break;
        case 1:
            image[at] = static_cast<std::uint8_t>(random());
            break;
        default: {
            const std::size_t word = at / 4 * 4;
            const auto v = static_cast<std::uint32_t>(edges[random() % std::size(edges)]);
            for (int i = 0; i < 4; ++i)
                image[word + i] = static_cast<std::uint8_t>(v >> (8 * i));
        }
        }
    }
}

template <std::size_t Size>
void RunMutations(const char* seedFile, IoCode (*open)(const std::uint8_t (&)[Size]), bool game)
{
    FakePort port;
    port.Start();
    const Bytes seed = ReadBytes((CorpusDir(game ? "kif" : "dat") / seedFile).string());
    ASSERT_GE(seed.size(), Size);
    std::mt19937 random(20240611);
    int opened = 0, refused = 0;
    for (int round = 0; round < 1500; ++round) {
        std::uint8_t image[Size];
        std::copy(seed.begin(), seed.begin() + Size, image);
        Mutate(image, random);
        const Snapshot before = Snapshot::Take(port);
        if (open(image) == IoOk) {
            ++opened;
            ExpectSoundBoard(game);
        } else {
            ++refused;
            ASSERT_TRUE(Snapshot::Take(port) == before) << "round " << round;
        }
    }
    // Both outcomes must have been exercised for the run to mean anything.
    EXPECT_GT(opened, 0);
    EXPECT_GT(refused, 0);
}

TEST(FileCorpus, DamagedGameRecordsNeverBreakTheBoard)
{
    RunMutations<KifuFileSize>("ok-cp932-names.kif", OpenKifuImage, true);
}

TEST(FileCorpus, DamagedStonePlacementsNeverBreakTheBoard)
{
    RunMutations<HaisekiFileSize>("ok-corners.dat", OpenHaisekiImage, false);
}

} // namespace
