// A real engine, when KORVANE_TEST_ENGINE names one (CI gives Rapfi): it is started and told
// the rules, it finds black's winning four-three, and it never answers a point forbidden to
// black. Without an engine every test says it was skipped.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <optional>

#include "../fixtures/Positions.h"
#include "Board/Coordinates.h"
#include "EngineProcess/EngineProcess.h"
#include "Renju/Renju.h"

using namespace engine;

namespace {

QString RealEngine()
{
    return qEnvironmentVariable("KORVANE_TEST_ENGINE");
}

Position PositionOf(const Rows& rows, int sideToMove)
{
    Position position;
    LoadPicture(position.board, rows);
    position.sideToMove = sideToMove;
    return position;
}

// Asks the engine for a move; the fault, if any, in `fault`.
std::optional<CellIndex> MoveFor(const Position& position, std::optional<Fault>& fault,
                                 QString& detail)
{
    EngineProcess process;
    std::optional<CellIndex> move;
    QObject::connect(&process, &EngineProcess::MoveAnswered, [&](CellIndex cell) { move = cell; });
    QObject::connect(&process, &EngineProcess::Faulted, [&](Fault f, const QString& d) {
        fault = f;
        detail = d;
    });
    EngineLimits limits;
    limits.turnMs = 500;
    limits.graceMs = 2000;
    limits.startMs = 10000;
    process.Start(RealEngine(), limits);
    process.AskMove(position);
    (void)QTest::qWaitFor([&] { return move || fault; }, 20000);
    return move;
}

} // namespace

TEST(RealEngine, FindsTheWinningFourThree)
{
    if (RealEngine().isEmpty())
        GTEST_SKIP() << "no engine given: set KORVANE_TEST_ENGINE to a Gomocup engine to run this";
    std::optional<Fault> fault;
    QString detail;
    const std::optional<CellIndex> move =
        MoveFor(PositionOf(kBlackFourThree, CellBlack), fault, detail);
    ASSERT_FALSE(fault) << FaultMessage(*fault).toStdString() << " " << detail.toStdString();
    ASSERT_TRUE(move);
    // (9,8) makes the four and the three at once.
    EXPECT_EQ(*move, MakeCell(9, 8)) << CellName(*move);
}

TEST(RealEngine, NeverAnswersAPointForbiddenToBlack)
{
    if (RealEngine().isEmpty())
        GTEST_SKIP() << "no engine given: set KORVANE_TEST_ENGINE to a Gomocup engine to run this";
    // Each position has a forbidden point where black's strongest-looking move would be.
    const Rows positions[] = {
        kForbiddenOfEachKind,
        // A double three in the middle, white threatening nothing.
        Picture(R"(
...............
...............
...............
...............
...............
...............
......X........
.....X.........
...............
.......XX......
...............
...............
..O.........O..
...............
O.............O
)"),
        // A double four: black's only five-threat point is forbidden, white has a four.
        Picture(R"(
...............
...............
...............
...............
...............
.......X.......
.......X.......
.......X.......
...............
....XXX.X......
...............
...............
.OOOO..........
...............
...............
)"),
        // Overline: the gap of XXX.XX would make six.
        Picture(R"(
...............
...............
...............
...............
...............
...............
...............
...XXX.XX......
...............
...............
.......O.......
......O.O......
...............
...............
...............
)"),
    };
    for (const Rows& rows : positions) {
        const Position position = PositionOf(rows, CellBlack);
        std::optional<Fault> fault;
        QString detail;
        const std::optional<CellIndex> move = MoveFor(position, fault, detail);
        ASSERT_FALSE(fault) << FaultMessage(*fault).toStdString() << " " << detail.toStdString();
        ASSERT_TRUE(move);
        EXPECT_EQ(position.board[*move], CellEmpty);
        EXPECT_FALSE(renju::IsForbidden(position.board, *move)) << CellName(*move);
    }
}

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
