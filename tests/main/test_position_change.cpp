// The window is told of a change of the position once a command has finished, and only when
// the stones or the side to move did change: an analysing engine starts anew for every
// position and never for a command that left the position as it was.
#include <gtest/gtest.h>

#include <functional>

#include "FakePort.h"
#include "main/EnginePosition.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/Startup.h"
#include "main/State.h"

namespace {

struct CountingPort : FakePort {
    int told = 0;
    void PositionChanged() override { ++told; }
};

struct Command {
    const char* name;
    std::function<void()> arrange;
    std::function<void()> run;
    int told; // times the window is told
};

void ThreeMoves()
{
    PressCell(2, 2);
    PressCell(14, 2);
    PressCell(2, 14);
}

const Command Commands[] = {
    {"a move", nullptr, [] { PressCell(8, 8); }, 1},
    {"a press on a stone", [] { PressCell(8, 8); }, [] { PressCell(8, 8); }, 0},
    {"a take-back", ThreeMoves, BitBack1Click, 1},
    {"back to the start", ThreeMoves, BitBackAllClick, 1},
    {"forward to the end",
     [] {
         ThreeMoves();
         BitBackAllClick();
     },
     BitGoAllClick, 1},
    {"a forward with nothing to replay", nullptr, BitGo1Click, 0},
    {"a placed stone", MnuSetIsiClick, [] { PressCell(5, 5); }, 1},
    {"numbering switched", ThreeMoves, MnuSyujyunClick, 0},
    {"the same mode chosen again", ThreeMoves, MnuSetTeClick, 0},
    {"the board cleared", ThreeMoves, MnuClearClick, 1},
};

TEST(PositionChange, TheWindowIsToldOncePerCommandThatChangedThePosition)
{
    for (const Command& command : Commands) {
        CountingPort port;
        port.Start();
        if (command.arrange)
            command.arrange();
        port.told = 0;
        command.run();
        EXPECT_EQ(port.told, command.told) << command.name;
    }
}

TEST(PositionChange, AnEnginesMoveIsEnteredAsAPressOnlyWhereAPressWouldEnterOne)
{
    CountingPort port;
    port.Start();
    EXPECT_TRUE(EnterMoveAsPress(MakeCell(8, 8)));
    EXPECT_EQ(BoardCells[MakeCell(8, 8)], CellBlack);
    EXPECT_EQ(CellMarks[MakeCell(8, 8)], 1);
    EXPECT_EQ(port.memo, "　2 手目  白");
    EXPECT_FALSE(EnterMoveAsPress(MakeCell(8, 8))) << "taken";
    EXPECT_FALSE(EnterMoveAsPress(0)) << "off the board";
    MnuSetIsiClick();
    EXPECT_FALSE(EnterMoveAsPress(MakeCell(9, 9))) << "stone placement";
    EXPECT_EQ(BoardCells[MakeCell(9, 9)], CellEmpty);
    EXPECT_EQ(MoveCount, 1);
}

} // namespace
