// The classification tables of the line scan.
//
// Diagrams: X own stone, O blocker (other colour or off the board), . empty, ? anything,
// x a black stone that spoils a black shape; [ ] the window S .. E, B the cell before it,
// A the cell after it. F = FreeBefore, T = TrailingEmpty, G = FirstGap.
//
// The rules, once:
//  a. A window starts at an own stone S and contains the origin; it is complete with five
//     cells, blocked when a blocker ends it first.
//  b. Five own stones are a five and end the line. For black a black A makes it an overline
//     instead: no five, and FourCount becomes exactly 2. The cell before S is not looked at.
//  c. Black has no four or three whose completion would make six: a black stone next to the
//     completed five (B, A, S-2 or S-3) spoils that completion point.
//  d. A four records the one cell that completes it; an open four records both ends, always
//     into FourPoints slots 0 and 1.
//  e. An open three records where a stone makes an open four (one or two such cells); a
//     closed three records the two cells where a stone makes a four.
//  f. One line yields at most one open three. A four withdraws the three found before it on
//     the same line; nothing is recorded as a three after a four or an open three on the
//     line; two fours on one line both count.
//  g. A window blocked beyond the origin counts only with room for five (F + WindowCells >= 5)
//     and when the line has no four and no closed three yet.
//  h. Two stones in a complete window end the line once anything was recorded on it.
#include "GtRen/WindowRules.h"

#include "GtRen/detail/Scan.h"

namespace gtren_detail {

namespace {

bool IsBlack(CellIndex cell)
{
    return BoardCells[cell] == CellBlack;
}

// The cell k steps before or after the window start S.
CellIndex Before(int k)
{
    return WindowStart - k * LineStep;
}
CellIndex After(int k)
{
    return WindowStart + k * LineStep;
}

// [XXXXX]   a five.
// [XXXXX]x  black: an overline.
bool CompleteFive()
{
    ThreatRecord& record = ThreatLevels[AnalysisLevel];
    if (AnalysisColor == CellBlack && IsBlack(After(5))) {
        record.OverlineCount += 1;
        record.FourCount = 2;
    } else {
        record.FiveCount += 1;
    }
    return true;
}

// .[XXXX.]   open four, ends B and E.
// x.[XXXX.]  black: B would make six, the four point is E.
// .[XXXX.]x  black: the four point is B.
// x.[XXXX.]x black: nothing, and the line ends.
// [XX.XX]  [X.XXX]  O[XXXX.]  any other four: the only completion point is G;
// x[XX.XX]  [XX.XX]x           black: nothing, G would make six.
bool CompleteFour()
{
    const CellIndex b = Before(1);
    const CellIndex e = After(4);
    const CellIndex a = After(5);
    const bool black = AnalysisColor == CellBlack;
    if (FreeBefore > 0 && TrailingEmpty > 0) {
        if (!black) {
            RecordOpenFour(b, e);
            return false;
        }
        switch (BlackAt(Before(2), a)) {
        case 0:
            RecordOpenFour(b, e);
            break;
        case 1:
            RecordFourPoint(e);
            break;
        case 2:
            RecordFourPoint(b);
            break;
        default:
            return true;
        }
        return false;
    }
    if (!black || (!IsBlack(b) && !IsBlack(a)))
        RecordFourPoint(FirstGap);
    return false;
}

// The open-four point G of a three with T = 1 (or T = 2 and F = 1):
//   .[X.XX.]  .[XX.X.]  O.[XXX..]   open three (G, B, E, 0)
//   .[X.XX.]x                       black: only a four at G, closed three (B, G)
void ThreeWithOnePoint()
{
    const CellIndex b = Before(1);
    const CellIndex e = After(4);
    if (AnalysisColor == CellBlack && IsBlack(After(5)))
        RecordClosedThree(b, FirstGap);
    else
        RecordOpenThree(FirstGap, b, e, 0);
}

// ..[XXX..]  open three with two points: B (ends G and S-2) and G (ends B and E).
// Black, by S-3 and A:
//   x..[XXX..]   only G is open:  (G, B, E, 0)
//   ..[XXX..]x   only B is open:  (B, G, S-2, 0)
//   x..[XXX..]x  closed three (B, G)
void ThreeWithTwoPoints()
{
    const CellIndex b = Before(1);
    const CellIndex s2 = Before(2);
    const CellIndex e = After(4);
    const CellIndex g = FirstGap;
    const int spoilers = AnalysisColor == CellBlack ? BlackAt(Before(3), After(5)) : 0;
    switch (spoilers) {
    case 0:
        RecordOpenThree(b, g, s2, e);
        break;
    case 1:
        RecordOpenThree(g, b, e, 0);
        break;
    case 2:
        RecordOpenThree(b, g, s2, 0);
        break;
    default:
        RecordClosedThree(b, g);
        break;
    }
}

// [X.X.X] [XX..X] ...  T = 0: both gaps inside, nothing.
// [X.XX.] with F = 0, [XXX..] with F = 0: nothing.
void CompleteThree()
{
    if (TrailingEmpty == 0 || FreeBefore == 0)
        return;
    if (TrailingEmpty == 1 || FreeBefore == 1)
        ThreeWithOnePoint();
    else
        ThreeWithTwoPoints();
}

// [XX...] and the like: ends the line once anything was recorded on it.
bool CompleteTwo()
{
    return LineFours + LineOpenThrees + LineClosedThrees > 0;
}

} // namespace

bool ClassifyCompleteWindow()
{
    switch (WindowStones) {
    case 5:
        return CompleteFive();
    case 4:
        return CompleteFour();
    case 3:
        CompleteThree();
        return false;
    default:
        return CompleteTwo();
    }
}

void ClassifyBlockedWindow()
{
    const CellIndex b = Before(1);
    const CellIndex s2 = Before(2);
    const bool black = AnalysisColor == CellBlack;
    if (WindowStones == 4) {
        // .[XXXX]O   the four point is B; black: not with x.[XXXX]O.
        if (!black || !IsBlack(s2))
            RecordFourPoint(b);
        return;
    }
    if (WindowStones != 3)
        return;
    if (TrailingEmpty > 0) {
        // O.[XXX.]O   closed three (B, G).
        // ..[XXX.]O   open three (B, G, S-2, 0): only B makes an open four.
        // x..[XXX.]O  black: closed three (B, G).
        if (FreeBefore == 1 || (black && IsBlack(Before(3))))
            RecordClosedThree(b, FirstGap);
        else
            RecordOpenThree(b, FirstGap, s2, 0);
        return;
    }
    // ..[XXX]O  closed three (B, S-2).   .[XX.X]O  .[X.XX]O  closed three (B, G).
    // Black: nothing with x.[XX.X]O or x.[X.XX]O.
    if (black && IsBlack(s2))
        return;
    RecordClosedThree(b, FirstGap != 0 ? FirstGap : s2);
}

} // namespace gtren_detail
