// --analyse run as a user would from a shell with no display, against the scripted engine:
// the engine's view printed in players' coordinates, and each fault of an engine (or of the
// arguments) one line on standard error with a non-zero status.
#include <gtest/gtest.h>

#include "../Engine/EngineScript.h"
#include "../fixtures/Positions.h"
#include "../main/test_files_fixture.h"
#include "ProgramRun.h"
#include "main/HaisekiFile.h"

namespace {

} // namespace

TEST(AnalyseCommand, PrintsTheEnginesViewInPlayersCoordinates)
{
    TempDir dir;
    WritePlacement(dir.File("chase.dat"), kBlackFourThree);
    // The engine's main line counts rows from the top: I7 is column i, row 9 from the bottom.
    EngineScript script("DONE say MESSAGE Speed 1K | Depth 7-9 | Eval +M3 | Node 5 | Time 1ms\n"
                        "DONE say MESSAGE Bestline I8 J8 I7\n"
                        "DONE say 8,7\n");
    const ProgramRun run = RunKorvane({"--analyse", Q(dir.File("chase.dat")), "--engine",
                                       EngineScript::Program(), "--time", "300"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "engine: FakeEngine\n"
                                     "to move: black\n"
                                     "best: i8\n"
                                     "eval: +M3\n"
                                     "depth: 7-9\n"
                                     "line: i8 j8 i9\n");
    EXPECT_TRUE(script.Received().contains("INFO timeout_turn 300"));
    EXPECT_EQ(script.CountReceived("END"), 1);
}

TEST(AnalyseCommand, EachFaultOfTheEngineIsOneLineAndAFailure)
{
    TempDir dir;
    WritePlacement(dir.File("points.dat"), kForbiddenOfEachKind);
    const struct {
        const char* script;
        const char* message;
    } cases[] = {
        {"START say ERROR no", "思考エンジンがエラーを返しました"},
        {"DONE crash", "思考エンジンが異常終了しました"},
        {"DONE say what now?", "思考エンジンが通信規約にない行を出力しました"},
        {"DONE hang", "思考エンジンが時間内に着手を返さないため停止しました"},
        {"DONE say -1,4", "思考エンジンが盤外の点に着手しました"},
        {"DONE say 6,5", "思考エンジンが石のある点に着手しました"},
        {"DONE say 6,7", "思考エンジンが黒の禁手点に着手しました"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        EngineScript script(c.script);
        const ProgramRun run = RunKorvane({"--analyse", Q(dir.File("points.dat")), "--engine",
                                           EngineScript::Program(), "--time", "100"});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.out.isEmpty());
        const QStringList lines = run.err.split('\n', Qt::SkipEmptyParts).filter("korvane:");
        ASSERT_EQ(lines.size(), 1) << run.err.toStdString();
        EXPECT_TRUE(lines[0].contains(QString::fromUtf8(c.message))) << lines[0].toStdString();
    }
    const ProgramRun missing = RunKorvane(
        {"--analyse", Q(dir.File("points.dat")), "--engine", Q(dir.File("no-such-engine"))});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QString::fromUtf8("思考エンジンを起動できませんでした")));
}

TEST(AnalyseCommand, WrongUsesAreRefusedBeforeAnyEngineRuns)
{
    TempDir dir;
    WritePlacement(dir.File("points.dat"), kForbiddenOfEachKind);
    EngineScript script;
    const QString in = Q(dir.File("points.dat"));
    const QString fake = EngineScript::Program();
    for (const QStringList& arguments :
         {QStringList{"--analyse", in, "--engine", fake, "--time", "soon"},
          QStringList{"--analyse", in, "--engine", fake, "--time", "-5"},
          QStringList{"--analyse", in, "--engine", fake, in},
          QStringList{"--analyse", in, "--engine", fake, "--vcf", "black"},
          QStringList{"--time", "100", in}, QStringList{"--analyse", in, "--engine="}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const ProgramRun run = RunKorvane(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.err.contains("korvane: "));
    }
    // A damaged input is the editor's message, as for the other commands.
    const ProgramRun missing =
        RunKorvane({"--analyse", Q(dir.File("missing.kif")), "--engine", fake});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains("missing.kif"));
    EXPECT_TRUE(script.Received().isEmpty());
}
