// The engine as a process, against the scripted fake: the start, an analysis and a move as a
// sound engine gives them, and every way an engine can fail named as its own fault, with the
// engine gone afterwards.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <optional>

#include "../fixtures/Positions.h"
#include "Board/Coordinates.h"
#include "EngineProcess/EngineProcess.h"
#include "EngineScript.h"

using namespace engine;

namespace {

Position PositionOf(const Rows& rows, int sideToMove)
{
    Position position;
    LoadPicture(position.board, rows);
    position.sideToMove = sideToMove;
    return position;
}

Position EmptyBoard()
{
    Position position;
    ClearTable(position.board);
    return position;
}

// An engine with everything it says kept for the test to look at.
struct Session {
    explicit Session(EngineLimits limits = Fast())
    {
        QObject::connect(&engine, &EngineProcess::Ready, [this](const QString& n) { name = n; });
        QObject::connect(&engine, &EngineProcess::AnalysisUpdated,
                         [this](const Analysis& a) { analyses.push_back(a); });
        QObject::connect(&engine, &EngineProcess::MoveAnswered, [this](CellIndex c) { move = c; });
        QObject::connect(&engine, &EngineProcess::Faulted, [this](Fault f, const QString& d) {
            fault = f;
            detail = d;
        });
        QObject::connect(&engine, &EngineProcess::LineLogged, [this](const QString& line, bool) {
            if (line.startsWith("MESSAGE pid "))
                pid = line.mid(12).toLong();
        });
        engine.Start(EngineScript::Program(), limits);
    }
    static EngineLimits Fast()
    {
        EngineLimits limits;
        limits.turnMs = 300;
        limits.graceMs = 300;
        limits.startMs = 1500;
        limits.closeMs = 200;
        return limits;
    }
    bool WaitReady()
    {
        return QTest::qWaitFor([this] { return !name.isEmpty() || fault; }, 5000);
    }
    bool WaitFinished()
    {
        return QTest::qWaitFor(
            [this] { return fault || (!analyses.empty() && analyses.back().finished); }, 5000);
    }

    EngineProcess engine;
    QString name;
    std::vector<Analysis> analyses;
    std::optional<CellIndex> move;
    std::optional<Fault> fault;
    QString detail;
    long pid = 0;
};

} // namespace

TEST(EngineProcessStart, ASoundEngineIsToldTheRulesAndLimitsAndGivesItsName)
{
    EngineScript script;
    EngineLimits limits = Session::Fast();
    limits.threads = 2;
    limits.memoryBytes = 64 << 20;
    Session session(limits);
    ASSERT_TRUE(session.WaitReady());
    EXPECT_FALSE(session.fault);
    EXPECT_EQ(session.name, "FakeEngine");
    EXPECT_TRUE(session.engine.CanStop());
    const QStringList received = script.Received();
    for (const char* line : {"START 15", "INFO rule 4", "INFO timeout_turn 300",
                             "INFO thread_num 2", "INFO max_memory 67108864", "ABOUT"})
        EXPECT_TRUE(received.contains(line)) << line;
}

TEST(EngineProcessSearch, AnAnalysisReportsTheSearchAndEndsWithTheCheckedAnswer)
{
    EngineScript script;
    Session session;
    session.engine.Analyse(EmptyBoard());
    ASSERT_TRUE(session.WaitFinished());
    ASSERT_FALSE(session.fault) << session.detail.toStdString();
    const Analysis& last = session.analyses.back();
    EXPECT_EQ(last.bestMove, *ParseCellName("h8"));
    EXPECT_EQ(last.report.depth, 3);
    EXPECT_EQ(last.report.eval, "12");
    ASSERT_EQ(last.mainLine.size(), 1u);
    EXPECT_EQ(last.mainLine[0], *ParseCellName("h8"));
    // Before the answer the main line's first point is already shown as the best move.
    EXPECT_FALSE(session.analyses.front().finished);
}

TEST(EngineProcessSearch, AMoveIsAnsweredForTheSideToMove)
{
    EngineScript script;
    Session session;
    session.engine.AskMove(PositionOf(kBlackFourThree, CellWhite));
    ASSERT_TRUE(QTest::qWaitFor([&] { return session.move || session.fault; }, 5000));
    ASSERT_FALSE(session.fault);
    EXPECT_EQ(CellName(*session.move), "h9"); // the fake's nearest empty point to h8
    // The board went as stones of the side to move (1) and of the other (2).
    const QStringList received = script.Received();
    EXPECT_TRUE(received.contains("BOARD"));
    EXPECT_TRUE(received.contains("4,7,1")); // the white stone left of black's three
    EXPECT_TRUE(received.contains("5,7,2"));
}

TEST(EngineProcessSearch, ANewPositionStopsTheOldSearchAndOnlyTheNewestCounts)
{
    EngineScript script("DONE#1 think 10000\nDONE#1 say 0,0\n");
    Session session;
    ASSERT_TRUE(session.WaitReady());
    session.engine.Analyse(PositionOf(kBlackFourThree, CellWhite));
    ASSERT_TRUE(QTest::qWaitFor([&] { return script.CountReceived("DONE") == 1; }, 5000));
    session.engine.Analyse(PositionOf(kBlackFourThree, CellBlack));
    session.engine.Analyse(EmptyBoard());
    ASSERT_TRUE(session.WaitFinished());
    ASSERT_FALSE(session.fault) << session.detail.toStdString();
    // The stopped search's answer (a1) never showed; the newest search's did.
    EXPECT_EQ(session.analyses.back().bestMove, *ParseCellName("h8"));
    for (const Analysis& analysis : session.analyses)
        EXPECT_NE(analysis.bestMove, MakeCell(1, 1));
    EXPECT_EQ(script.CountReceived("YXSTOP"), 2); // the probe's and one stop
    EXPECT_EQ(script.CountReceived("BOARD"), 2);  // the middle position was never sent
}

TEST(EngineProcessSearch, AnEngineWithoutStopIsRestartedForANewPosition)
{
    EngineScript script("YXSTOP say UNKNOWN YXSTOP\nDONE think 1500\nDONE report\nDONE move\n");
    EngineLimits limits = Session::Fast();
    limits.turnMs = 3000;
    Session session(limits);
    ASSERT_TRUE(session.WaitReady());
    EXPECT_FALSE(session.engine.CanStop());
    session.engine.Analyse(PositionOf(kBlackFourThree, CellBlack));
    ASSERT_TRUE(QTest::qWaitFor([&] { return script.CountReceived("DONE") == 1; }, 5000));
    session.engine.Analyse(EmptyBoard());
    ASSERT_TRUE(session.WaitFinished());
    ASSERT_FALSE(session.fault) << session.detail.toStdString();
    EXPECT_EQ(session.analyses.back().bestMove, *ParseCellName("h8"));
    EXPECT_EQ(script.CountReceived("START 15"), 2);
}

TEST(EngineProcessFaults, EachFaultIsNamedAndTheEngineIsGone)
{
    // Black's double three of kForbiddenOfEachKind stands at column 7, row 8.
    const struct {
        const char* what;
        const char* script;
        Fault fault;
    } cases[] = {
        {"refuses to start", "@start pid\nSTART say ERROR unsupported board size\n",
         Fault::Refused},
        {"refuses the rule", "@start pid\nINFO say ERROR rule not supported\n", Fault::Refused},
        {"never says OK", "@start pid\nSTART nothing\n", Fault::CannotStart},
        {"crashes at once", "@start crash\n", Fault::Crashed},
        {"crashes in the search", "@start pid\nDONE crash\n", Fault::Crashed},
        {"quits in the search", "@start pid\nDONE exit 0\n", Fault::Crashed},
        {"prints garbage", "@start pid\nDONE say I think the answer is 7\n", Fault::Garbage},
        {"answers ERROR", "@start pid\nDONE say ERROR out of memory\n", Fault::Refused},
        {"hangs", "@start pid\nDONE hang\n", Fault::NoMove},
        {"is too slow", "@start pid\nDONE sleep 3000\nDONE move\n", Fault::NoMove},
        {"plays off the board", "@start pid\nDONE say 15,3\n", Fault::OffBoard},
        {"plays onto a stone", "@start pid\nDONE say 8,2\n", Fault::Occupied},
        {"plays a forbidden point", "@start pid\nDONE say 6,7\n", Fault::ForbiddenToBlack},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EngineScript script(c.script);
        Session session;
        session.engine.AskMove(PositionOf(kForbiddenOfEachKind, CellBlack));
        ASSERT_TRUE(QTest::qWaitFor([&] { return session.fault || session.move; }, 6000));
        ASSERT_TRUE(session.fault);
        EXPECT_EQ(*session.fault, c.fault) << session.detail.toStdString();
        EXPECT_FALSE(session.move);
        EXPECT_FALSE(session.engine.IsRunning());
        EXPECT_FALSE(FaultMessage(c.fault).isEmpty());
        if (session.pid != 0) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !ProcessAlive(session.pid); }, 3000));
        }
    }
}

TEST(EngineProcessFaults, ASlowEngineWithinItsTimeIsNoFault)
{
    EngineScript script("DONE sleep 450\nDONE move\n"); // past the turn, within the grace
    Session session;
    session.engine.AskMove(EmptyBoard());
    ASSERT_TRUE(QTest::qWaitFor([&] { return session.fault || session.move; }, 5000));
    EXPECT_FALSE(session.fault);
    EXPECT_EQ(session.move, *ParseCellName("h8"));
}

TEST(EngineProcessFaults, AProgramThatIsNoEngineCannotStart)
{
    for (const QString& program : {QStringLiteral("/nonexistent/engine"), QStringLiteral("/")}) {
        EngineProcess engine;
        std::optional<Fault> fault;
        QObject::connect(&engine, &EngineProcess::Faulted,
                         [&](Fault f, const QString&) { fault = f; });
        engine.Start(program, Session::Fast());
        ASSERT_TRUE(QTest::qWaitFor([&] { return fault.has_value(); }, 5000));
        EXPECT_EQ(*fault, Fault::CannotStart);
    }
}

TEST(EngineProcessClose, TheEngineGetsEndAndIsKilledIfItStays)
{
    for (const char* onEnd : {"", "END hang\n"}) {
        SCOPED_TRACE(*onEnd ? "stays" : "leaves");
        EngineScript script(QByteArray("@start pid\n") + onEnd);
        long pid = 0;
        {
            Session session;
            ASSERT_TRUE(session.WaitReady());
            ASSERT_TRUE(QTest::qWaitFor([&] { return session.pid != 0; }, 2000));
            pid = session.pid;
            session.engine.Close();
            EXPECT_FALSE(session.engine.IsRunning());
            EXPECT_TRUE(QTest::qWaitFor([&] { return !ProcessAlive(pid); }, 3000));
        }
        EXPECT_EQ(script.CountReceived("END"), 1);
    }
}

TEST(EngineProcessClose, DestroyingTheEngineEndsItsProcess)
{
    EngineScript script("@start pid\nEND hang\n");
    long pid = 0;
    {
        Session session;
        ASSERT_TRUE(session.WaitReady());
        ASSERT_TRUE(QTest::qWaitFor([&] { return session.pid != 0; }, 2000));
        pid = session.pid;
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !ProcessAlive(pid); }, 3000));
    EXPECT_EQ(script.CountReceived("END"), 1);
}

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
