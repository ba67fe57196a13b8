// --forbidden and --vcf run as a user would from a shell with no display: the position of a
// stone placement or a game record, the answer on standard output as points (h8) or, with
// --cells, cell numbers; several inputs in one run; refusals on standard error.
#include <gtest/gtest.h>

#include "../fixtures/Positions.h"
#include "../main/test_files_fixture.h"
#include "ProgramRun.h"
#include "main/HaisekiFile.h"
#include "main/KifuFile.h"

namespace {

// A stone placement file holding the picture ('X' black, 'O' white).
void WritePlacement(const std::string& path, const Rows& rows)
{
    std::int32_t cells[CellTableSize];
    LoadPicture(cells, rows);
    std::uint8_t bytes[HaisekiFileSize];
    PackBoard(cells, bytes);
    WriteBytes(path, Bytes(std::begin(bytes), std::end(bytes)));
}

QString Q(const std::string& path)
{
    return QString::fromStdString(path);
}

TEST(RulesCommands, ForbiddenListsEachPointWithItsKindInCellOrder)
{
    TempDir dir;
    WritePlacement(dir.File("points.dat"), kForbiddenOfEachKind);
    const ProgramRun run = RunKorvane({"--forbidden", Q(dir.File("points.dat"))});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "l13 overline\n"
                                     "g8 double-three\n"
                                     "f3 double-four\n");
    const ProgramRun cells = RunKorvane({"--forbidden", "--cells", Q(dir.File("points.dat"))});
    EXPECT_EQ(cells.status, 0) << cells.err.toStdString();
    EXPECT_EQ(cells.out.toStdString(), "60 overline\n"
                                       "135 double-three\n"
                                       "214 double-four\n");

    WritePlacement(dir.File("empty.dat"), Picture(R"(
...............
...............
...............
...............
...............
...............
...............
...............
...............
...............
...............
...............
...............
...............
...............
)"));
    const ProgramRun none = RunKorvane({"--forbidden", Q(dir.File("empty.dat"))});
    EXPECT_EQ(none.status, 0);
    EXPECT_TRUE(none.out.isEmpty());
}

// A game record is replayed as the menu's open does: the stones of its moves are judged.
TEST(RulesCommands, ForbiddenJudgesTheGameRecordsPosition)
{
    TempDir dir;
    KifuRecordLayout record{};
    // Black (5,8) (6,8) (7,6) (7,7), white far away: (7,8) is a double three.
    const std::int32_t moves[] = {MakeCell(5, 8),  MakeCell(1, 1),  MakeCell(6, 8),
                                  MakeCell(15, 1), MakeCell(7, 6),  MakeCell(1, 15),
                                  MakeCell(7, 7),  MakeCell(15, 15)};
    StoreMoves(record, moves, 8);
    std::uint8_t bytes[KifuFileSize];
    EncodeKifuRecord(record, bytes);
    WriteBytes(dir.File("game.kif"), Bytes(std::begin(bytes), std::end(bytes)));
    const ProgramRun run = RunKorvane({"--forbidden", Q(dir.File("game.kif"))});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "g8 double-three\n");
}

TEST(RulesCommands, VcfPrintsTheChaseOrNone)
{
    TempDir dir;
    WritePlacement(dir.File("chase.dat"), kBlackFourThree);
    const ProgramRun black = RunKorvane({"--vcf", "black", Q(dir.File("chase.dat"))});
    EXPECT_EQ(black.status, 0) << black.err.toStdString();
    EXPECT_EQ(black.out.toStdString(), "i8 j8 i9\n");
    const ProgramRun cells = RunKorvane({"--vcf", "black", "--cells", Q(dir.File("chase.dat"))});
    EXPECT_EQ(cells.out.toStdString(), "137 138 121\n");

    const ProgramRun white = RunKorvane({"--vcf", "white", Q(dir.File("chase.dat"))});
    EXPECT_EQ(white.status, 0);
    EXPECT_EQ(white.out.toStdString(), "none\n");

    // Black to make five at once: that one cell.
    WritePlacement(dir.File("five.dat"), Picture(R"(
...............
...............
...............
...............
...............
...............
...............
....OXXXX......
...............
...............
...............
...............
...............
...............
...............
)"));
    const ProgramRun five = RunKorvane({"--vcf", "black", Q(dir.File("five.dat"))});
    EXPECT_EQ(five.status, 0);
    EXPECT_EQ(five.out.toStdString(), "j8\n");
}

// A folder of problems in one run: each input answered on its own lines after its name, a
// refused one reported on standard error without stopping the others, and the side to move
// taken from the stone counts.
TEST(RulesCommands, SeveralInputsAreEachAnsweredAfterTheirNames)
{
    TempDir dir;
    // As many black stones as white: black to move, with the four-three of kBlackFourThree.
    WritePlacement(dir.File("black.dat"), Picture(R"(
...............
...............
..O............
...............
...............
...............
...............
....OXXX.......
........X......
........X......
...............
...............
...............
...............
O.O.O..........
)"));
    // One white stone less than black: white to move, with a five at j11.
    WritePlacement(dir.File("white.dat"), Picture(R"(
...............
...............
...............
...............
....XOOOO......
...............
...............
..X.X..........
...............
.X.X...........
...............
...............
...............
...............
...............
)"));
    const std::string black = dir.File("black.dat");
    const std::string white = dir.File("white.dat");
    const std::string missing = dir.File("missing.dat");

    const ProgramRun vcf = RunKorvane({"--vcf", "auto", Q(black), Q(missing), Q(white)});
    EXPECT_EQ(vcf.status, 1);
    EXPECT_EQ(vcf.out.toStdString(), black + ": i8 j8 i9\n" + white + ": j11\n");
    EXPECT_TRUE(vcf.err.contains(Q(missing))) << vcf.err.toStdString();
    EXPECT_FALSE(vcf.err.contains(Q(black)));

    const ProgramRun fixed = RunKorvane({"--vcf", "white", "--cells", Q(black), Q(white)});
    EXPECT_EQ(fixed.status, 0) << fixed.err.toStdString();
    EXPECT_EQ(fixed.out.toStdString(),
              black + ": none\n" + white + ": " + std::to_string(MakeCell(10, 5)) + "\n");

    WritePlacement(dir.File("points.dat"), kForbiddenOfEachKind);
    const std::string points = dir.File("points.dat");
    const ProgramRun forbidden = RunKorvane({"--forbidden", Q(white), Q(points)});
    EXPECT_EQ(forbidden.status, 0) << forbidden.err.toStdString();
    EXPECT_EQ(forbidden.out.toStdString(), white + ": none\n" + points + ": l13 overline\n" +
                                               points + ": g8 double-three\n" + points +
                                               ": f3 double-four\n");
}

// An input the menu's open would refuse is refused here too, with its message.
TEST(RulesCommands, RefusedInputsSayWhyAndFail)
{
    TempDir dir;
    Bytes damaged(HaisekiFileSize, 0);
    damaged[0] = 0xff; // a cell value 3
    WriteBytes(dir.File("bad.dat"), damaged);
    for (const QStringList& arguments : {QStringList{"--forbidden", Q(dir.File("missing.kif"))},
                                         QStringList{"--vcf", "white", Q(dir.File("bad.dat"))}}) {
        const ProgramRun run = RunKorvane(arguments);
        EXPECT_EQ(run.status, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(arguments.last())) << run.err.toStdString();
    }
}

} // namespace
