#include "main/FourChaseSearch.h"

#include "Renju/Renju.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/Port.h"
#include "main/Startup.h"
#include "main/State.h"
#include "main/Status.h"

namespace {

bool AskWindow(void*)
{
    return Window->KeepGoing();
}

// The chase is entered exactly as found: the automatic answer, which four-chase order
// switches on, would otherwise add a defence after the winning four.
class AutoAnswerPaused {
public:
    AutoAnswerPaused() : saved_(AutoBlockFours) { AutoBlockFours = 0; }
    ~AutoAnswerPaused() { AutoBlockFours = saved_; }
    AutoAnswerPaused(const AutoAnswerPaused&) = delete;
    AutoAnswerPaused& operator=(const AutoAnswerPaused&) = delete;

private:
    std::int32_t saved_;
};

} // namespace

void MnuSioiSagasuClick()
{
    renju::ChaseLimits limits;
    limits.maxFours = FourChaseMenuMaxFours;
    limits.timeLimitMs = FourChaseMenuTimeLimitMs;
    limits.reportEveryMs = 0; // the window decides when its box appears
    limits.keepGoing = &AskWindow;
    Window->BeginProgress("四追いを探しています");
    const renju::ChaseResult result = renju::FindFourChase(BoardCells, SideToMove, limits);
    Window->EndProgress();
    if (result.outcome == renju::ChaseOutcome::Cancelled)
        return;
    if (result.outcome != renju::ChaseOutcome::Found) {
        Window->ShowInformation("四追いは見つかりませんでした");
        return;
    }

    const StatusBatch batch; // one status line for the whole chase
    EditMode = ModeFourChase;
    AutoBlockFours = 1;
    Window->SetMenuChecked(MenuTick::MnuSiTome, true);
    ShowEditMode();
    FourChaseColor = SideToMove;
    ShowMoveStatus();
    const AutoAnswerPaused paused;
    for (CellIndex cell : result.moves)
        MovePress(cell);
}
