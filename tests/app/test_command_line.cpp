// The argument parser: every command with its options, and a one-line error for
// anything it cannot use; plus the program itself run with no display.
#include <gtest/gtest.h>

#include "../main/test_files_fixture.h"
#include "ProgramRun.h"
#include "app/CommandLine.h"
#include "app/HeadlessPort.h"

namespace {

ParseResult Parse(const QStringList& arguments, CommandLine& line, QString& message)
{
    return ParseCommandLine(arguments, line, message);
}

TEST(CommandLine, NoArgumentsStartsTheEditorAndAFileAloneOpensIt)
{
    CommandLine line;
    QString message;
    ASSERT_EQ(Parse({}, line, message), ParseResult::Run);
    EXPECT_EQ(line.command, CommandLine::Command::Window);
    EXPECT_TRUE(line.inputs.isEmpty());
    ASSERT_EQ(Parse({"game.kif"}, line, message), ParseResult::Run);
    EXPECT_EQ(line.command, CommandLine::Command::Window);
    EXPECT_EQ(line.inputs, QStringList{"game.kif"});
}

TEST(CommandLine, ExportTakesItsFormatFromTheOutputAndItsOptions)
{
    CommandLine line;
    QString message;
    ASSERT_EQ(Parse({"--export", "Fig.PDF", "--range", "9,12,3,4", "--first-number", "7",
                     "--four-chase", "white", "--cell-mm", "4.2", "game.kif"},
                    line, message),
              ParseResult::Run)
        << message.toStdString();
    EXPECT_EQ(line.command, CommandLine::Command::Export);
    EXPECT_EQ(line.output, "Fig.PDF");
    EXPECT_EQ(line.format, "pdf");
    EXPECT_EQ(line.inputs, QStringList{"game.kif"});
    // Corners put in order.
    EXPECT_EQ(line.rangeLeft, 3);
    EXPECT_EQ(line.rangeTop, 4);
    EXPECT_EQ(line.rangeRight, 9);
    EXPECT_EQ(line.rangeBottom, 12);
    EXPECT_EQ(line.firstNumber, 7);
    EXPECT_EQ(line.fourChaseColor, 2);
    EXPECT_DOUBLE_EQ(line.cellMm, 4.2);
    EXPECT_EQ(line.cellPx, 100);

    ASSERT_EQ(Parse({"--export-dir", "out", "--format", "SVG", "a.kif", "b.dat"}, line, message),
              ParseResult::Run);
    EXPECT_EQ(line.command, CommandLine::Command::ExportDir);
    EXPECT_EQ(line.exportDir, "out");
    EXPECT_EQ(line.format, "svg");
    EXPECT_EQ(line.inputs.size(), 2);
    EXPECT_EQ(line.rangeLeft, 1);
    EXPECT_EQ(line.rangeBottom, 15);

    ASSERT_EQ(Parse({"--vcf", "black", "p.dat"}, line, message), ParseResult::Run);
    EXPECT_EQ(line.command, CommandLine::Command::Vcf);
    EXPECT_EQ(line.vcfColor, 1);
    EXPECT_FALSE(line.cells);
    ASSERT_EQ(Parse({"--forbidden", "p.dat"}, line, message), ParseResult::Run);
    EXPECT_EQ(line.command, CommandLine::Command::Forbidden);
    ASSERT_EQ(Parse({"--vcf", "auto", "--cells", "p.dat", "q.kif"}, line, message),
              ParseResult::Run);
    EXPECT_EQ(line.vcfColor, 0);
    EXPECT_TRUE(line.cells);
    EXPECT_EQ(line.inputs.size(), 2);
}

TEST(CommandLine, RefusesWhatItCannotUseWithOneLine)
{
    const QStringList bad[] = {
        {"--bogus"},
        {"--export", "fig.gif", "a.kif"},
        {"--export", "fig.svg"},
        {"--export", "fig.svg", "a.kif", "b.kif"},
        {"--export", "fig.svg", "--format", "png", "a.kif"},
        {"--export-dir", "out", "a.kif"},
        {"--export-dir", "out", "--format", "jpg", "a.kif"},
        {"--export-dir", "out", "--format", "svg"},
        {"--export", "f.svg", "--range", "0,1,2,3", "a.kif"},
        {"--export", "f.svg", "--range", "1,2,3", "a.kif"},
        {"--export", "f.svg", "--range", "1,2,3,x", "a.kif"},
        {"--export", "f.svg", "--first-number", "-1", "a.kif"},
        {"--export", "f.svg", "--four-chase", "red", "a.kif"},
        {"--export", "f.svg", "--cell-mm", "0", "a.kif"},
        {"--export", "f.png", "--cell-px", "3", "a.kif"},
        {"--vcf", "green", "a.kif"},
        {"--vcf", "black"},
        {"--forbidden"},
        {"--vcf", "auto"},
        {"--cells", "a.kif"},
        {"--export", "f.svg", "--cells", "a.kif"},
        {"--forbidden", "--vcf", "black", "a.kif"},
        {"--range", "1,1,2,2", "a.kif"},
        {"a.kif", "b.kif"},
    };
    for (const QStringList& arguments : bad) {
        CommandLine line;
        QString message;
        EXPECT_EQ(Parse(arguments, line, message), ParseResult::Error)
            << arguments.join(' ').toStdString();
        EXPECT_FALSE(message.isEmpty());
        EXPECT_FALSE(message.contains('\n')) << message.toStdString();
    }
}

TEST(CommandLine, OnlyCommandsAndHelpRunWithoutAWindow)
{
    auto wants = [](std::vector<const char*> arguments) {
        arguments.insert(arguments.begin(), "korvane");
        return WantsNoWindow(static_cast<int>(arguments.size()),
                             const_cast<char**>(arguments.data()));
    };
    EXPECT_FALSE(wants({}));
    EXPECT_FALSE(wants({"game.kif"}));
    EXPECT_TRUE(wants({"--export", "a.svg", "game.kif"}));
    EXPECT_TRUE(wants({"--export=a.svg", "game.kif"}));
    EXPECT_TRUE(wants({"--export-dir", "d", "--format", "svg", "game.kif"}));
    EXPECT_TRUE(wants({"--forbidden", "p.dat"}));
    EXPECT_TRUE(wants({"--vcf", "white", "p.dat"}));
    EXPECT_TRUE(wants({"--help"}));
    EXPECT_TRUE(wants({"-h"}));
    EXPECT_FALSE(wants({"--", "--export"}));
}

// Opening an input headless takes the menu's checks: by extension, else by size.
TEST(HeadlessOpen, OpensByExtensionOrSizeAndRefusesDamagedFiles)
{
    TempDir dir;
    const Bytes game = KifuImage(0, "a", "b", {MakeCell(3, 3), MakeCell(4, 4)});
    WriteBytes(dir.File("game.kif"), game);
    WriteBytes(dir.File("game.bin"), game);
    Bytes damaged = game;
    PutWordAt(damaged, 0, 27);
    WriteBytes(dir.File("bad.kif"), damaged);
    WriteBytes(dir.File("short.kif"), Bytes(10, 0));
    WriteBytes(dir.File("other.txt"), Bytes(500, 'x'));

    ASSERT_TRUE(OpenInput(dir.File("game.kif")));
    EXPECT_EQ(MoveCount, 2);
    EXPECT_EQ(BoardCells[MakeCell(4, 4)], CellWhite);
    ASSERT_TRUE(OpenInput(dir.File("game.bin")));
    EXPECT_EQ(MoveCount, 2);
    EXPECT_FALSE(OpenInput(dir.File("bad.kif")));
    EXPECT_FALSE(OpenInput(dir.File("short.kif")));
    EXPECT_FALSE(OpenInput(dir.File("other.txt")));
    EXPECT_FALSE(OpenInput(dir.File("missing.kif")));
    EXPECT_EQ(MoveCount, 0);
}

TEST(Program, HelpAndBadOptionsNeedNoDisplay)
{
    const ProgramRun help = RunKorvane({"--help"});
    EXPECT_EQ(help.status, 0) << help.err.toStdString();
    for (const char* option :
         {"--export", "--export-dir", "--format", "--range", "--first-number", "--four-chase",
          "--cell-mm", "--cell-px", "--forbidden", "--vcf", "--cells"})
        EXPECT_TRUE(help.out.contains(option)) << option;

    const ProgramRun bad = RunKorvane({"--export", "x.gif", "a.kif"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_EQ(bad.err.count('\n'), 1) << bad.err.toStdString();
    EXPECT_TRUE(bad.err.startsWith("korvane: "));
}

} // namespace
