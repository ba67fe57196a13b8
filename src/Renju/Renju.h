// The rules judge: black's forbidden points by the international Renju rules, followed to any
// depth, and a four-chase (VCF) search. It works on a board it is given (273 entries in the
// layout of Board/Cell.h), never on the shared state, and takes no part in the automatic
// four answer.
#pragma once

#include <cstdint>
#include <vector>

#include "Board/Cell.h"

namespace renju {

// Why a point is forbidden for black; where several reasons hold, the first of overline,
// double four and double three is named.
enum class ForbiddenKind { None, DoubleThree, DoubleFour, Overline };

// A black stone on the empty board cell `cell` of `board`. None for any other cell.
ForbiddenKind Forbidden(const std::int32_t* board, CellIndex cell);
inline bool IsForbidden(const std::int32_t* board, CellIndex cell)
{
    return Forbidden(board, cell) != ForbiddenKind::None;
}

// Every empty board cell judged: `kinds` gets one entry per CellIndex (None off the board
// and on stones). Returns the number of forbidden points.
int ForbiddenPoints(const std::int32_t* board, ForbiddenKind (&kinds)[CellTableSize]);

// "double-three", "double-four", "overline" or "none".
const char* KindName(ForbiddenKind kind);

struct ChaseLimits {
    int maxFours = 30;                          // attacking moves in one chase
    int timeLimitMs = 3000;                     // the whole search
    int reportEveryMs = 50;                     // how often `keepGoing` is asked
    bool (*keepGoing)(void* context) = nullptr; // false stops the search (cancelled)
    void* context = nullptr;
};

enum class ChaseOutcome {
    Found,     // moves holds the chase
    NotFound,  // none within the limits, searched to the full depth
    TimedOut,  // the time limit ended the search first
    Cancelled, // keepGoing said stop
};

struct ChaseResult {
    ChaseOutcome outcome = ChaseOutcome::NotFound;
    // Attacker and defender alternately, ending with the attacker's winning four (two five
    // points, or one black may not take); the five that follows is not included. A single
    // cell when the attacker has a five at once.
    std::vector<CellIndex> moves;
};

// A four-chase for `attacker` (1 black, 2 white) to move on `board`: every attacking move a
// four (black: on a point not forbidden), every defence the point that stops it; the shortest
// chase found is returned.
ChaseResult FindFourChase(const std::int32_t* board, int attacker, const ChaseLimits& limits = {});

} // namespace renju
