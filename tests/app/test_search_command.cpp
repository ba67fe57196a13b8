// --search IN --collection C run as a user would from a shell with no display: the games that
// reach IN's position and the moves played next, in IN's orientation; --list; the refusals.
#include <gtest/gtest.h>

#include <QDir>

#include "../main/test_files_fixture.h"
#include "Board/Coordinates.h"
#include "Board/Symmetry.h"
#include "ProgramRun.h"
#include "main/HaisekiFile.h"
#include "main/KifuFile.h"

namespace {

QString Q(const std::string& path)
{
    return QString::fromStdString(path);
}

std::string Turned(const std::string& moves, int s)
{
    std::string text;
    std::size_t start = 0;
    while (start < moves.size()) {
        const std::size_t end = std::min(moves.find(' ', start), moves.size());
        const std::string move = moves.substr(start, end - start);
        const std::optional<CellIndex> cell = ParseCellName(move);
        text += (text.empty() ? "" : " ") + (cell ? CellName(ApplySymmetry(s, *cell)) : move);
        start = end + 1;
    }
    return text;
}

void WriteText(const std::string& path, const std::string& text)
{
    WriteBytes(path, Bytes(text.begin(), text.end()));
}

// A game record of the moves, no opening and no names.
void WriteKifu(const std::string& path, const std::string& moves)
{
    KifuRecordLayout record{};
    int slot = 0;
    std::size_t start = 0;
    while (start < moves.size()) {
        const std::size_t end = std::min(moves.find(' ', start), moves.size());
        record.Moves[slot++] = *ParseCellName(moves.substr(start, end - start));
        start = end + 1;
    }
    std::uint8_t bytes[KifuFileSize];
    EncodeKifuRecord(record, bytes);
    WriteBytes(path, Bytes(std::begin(bytes), std::end(bytes)));
}

const char* const Players = "<players><player id=\"1\" name=\"Ann\" surname=\"Black\"/>"
                            "<player id=\"2\" name=\"Bo\" surname=\"White\"/></players>\n";

std::string Game(int id, const char* result, const std::string& moves)
{
    return "<game id=\"" + std::to_string(id) + "\" black=\"1\" white=\"2\" bresult=\"" + result +
           "\"><move>" + moves + "</move></game>\n";
}

class SearchCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The index cache goes into the scratch folder, not the user's.
        qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(dir.File("cache")));
        WriteText(dir.File("games.rif"),
                  std::string("<?xml version=\"1.0\"?>\n<database version=\"1\">\n") + Players +
                      "<games>\n" + Game(11, "1", "h8 i9 j8 k10 a1") +
                      Game(12, "0.5", "j8 i9 h8 k10") + Game(13, "0", Turned("h8 i9 j8 k10", 3)) +
                      Game(14, "1", Turned("h8 i9 j8 g9", 6)) + Game(15, "1", "h8 i9 j8 h8") +
                      Game(16, "0", "h8 i9 k8") + "</games></database>\n");
        // The position in a third orientation.
        WriteKifu(dir.File("asked.kif"), Turned("h8 i9 j8", 2));
    }
    void TearDown() override { qunsetenv("XDG_CACHE_HOME"); }

    TempDir dir;
};

TEST_F(SearchCommand, PrintsTheGamesAndTheNextMovesInTheOrientationOfTheInput)
{
    const ProgramRun run = RunKorvane(
        {"--search", Q(dir.File("asked.kif")), "--collection", Q(dir.File("games.rif"))});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(),
              "games: 4\n" + Turned("k10", 2) + " 3 0.50\n" + Turned("g9", 2) + " 1 1.00\n");
    EXPECT_NE(run.err.indexOf("game 15 is damaged and left out of the search"), -1)
        << run.err.toStdString();

    const ProgramRun list = RunKorvane(
        {"--search", Q(dir.File("asked.kif")), "--collection", Q(dir.File("games.rif")), "--list"});
    EXPECT_EQ(list.status, 0) << list.err.toStdString();
    EXPECT_NE(list.out.indexOf("11\tAnn Black\tBo White\t1-0\n"
                               "12\tAnn Black\tBo White\tdraw\n"
                               "13\tAnn Black\tBo White\t0-1\n"
                               "14\tAnn Black\tBo White\t1-0\n"),
              -1)
        << list.out.toStdString();

    // A stone placement: the side to move by the stone counts; no game has a result yet.
    std::int32_t cells[CellTableSize] = {};
    cells[*ParseCellName("h8")] = CellBlack;
    std::uint8_t bytes[HaisekiFileSize];
    PackBoard(cells, bytes);
    WriteBytes(dir.File("h8.dat"), Bytes(std::begin(bytes), std::end(bytes)));
    QDir().mkpath(Q(dir.File("folder")));
    WriteText(dir.File("folder/one.txt"), "h8 h9\n");
    const ProgramRun placed =
        RunKorvane({"--search", Q(dir.File("h8.dat")), "--collection", Q(dir.File("folder"))});
    EXPECT_EQ(placed.status, 0) << placed.err.toStdString();
    EXPECT_EQ(placed.out.toStdString(), "games: 1\nh9 1 -\n");
}

TEST_F(SearchCommand, RefusesWhatIsNotACollectionWithStatusOne)
{
    WriteText(dir.File("broken.rif"), "<database>\n<games>\n<game id=\"1\"><move>h8</game>\n");
    struct Case {
        std::string collection;
        const char* expected;
    } cases[] = {
        {dir.File("asked.kif"), "not a collection"},
        {dir.File("broken.rif"), "not well-formed XML at line 3, column"},
        {dir.File("missing"), "cannot be opened"},
    };
    for (const Case& c : cases) {
        const ProgramRun run =
            RunKorvane({"--search", Q(dir.File("asked.kif")), "--collection", Q(c.collection)});
        EXPECT_EQ(run.status, 1) << c.collection;
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_NE(run.err.indexOf(c.expected), -1) << run.err.toStdString();
    }
    const ProgramRun badInput = RunKorvane(
        {"--search", Q(dir.File("games.rif")), "--collection", Q(dir.File("games.rif"))});
    EXPECT_EQ(badInput.status, 1);
}

TEST(SearchCommandLine, WrongUsesAreRefusedWithStatusTwo)
{
    for (const QStringList& arguments :
         {QStringList{"--search", "a.kif"}, QStringList{"--collection", "c.rif", "a.kif"},
          QStringList{"--list", "a.kif"},
          QStringList{"--search", "a.kif", "--collection", "c.rif", "--vcf", "auto"},
          QStringList{"--search", "a.kif", "--collection", "c.rif", "b.kif"}}) {
        const ProgramRun run = RunKorvane(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
}

} // namespace
