#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "Renju/Forbidden.h"
#include "Renju/Renju.h"
#include "Renju/SearchBoard.h"

namespace renju {

namespace {

using Clock = std::chrono::steady_clock;

// Positions already known not to win within a number of fours; a position that failed
// without meeting the depth bound fails at every depth. The entries live as long as the
// thread and are reused by every search on it: a search only starts a new generation, so
// it neither allocates nor clears them (the zero pages are touched only where used). An
// entry is one word, so that a search touches few pages: the key's top 40 bits, the
// generation and the depth (a depth above 254 is kept as 254, which claims less).
class FailedTable {
public:
    static constexpr int AnyDepth = 1 << 30;

    FailedTable() : entries_(Storage()), generation_(entries_.NextGeneration()) {}
    // The depth stored for `key`, 0 if none.
    int Depth(std::uint64_t key) const
    {
        const std::uint64_t e = entries_.at(key);
        if ((e ^ key) >> 24 != 0 || (e >> 8 & 0xFFFF) != generation_)
            return 0;
        const int depth = static_cast<int>(e & 0xFF);
        return depth == AnyDepthByte ? AnyDepth : depth;
    }
    void Store(std::uint64_t key, int depth)
    {
        if (Depth(key) >= depth)
            return;
        const std::uint64_t byte = depth == AnyDepth ? AnyDepthByte : depth < 254 ? depth : 254;
        entries_.at(key) = (key >> 24 << 24) | std::uint64_t{generation_} << 8 | byte;
    }

private:
    static constexpr int AnyDepthByte = 255;
    static constexpr std::size_t Size = 1u << 16;
    struct Entries {
        Entries() : entry(static_cast<std::uint64_t*>(std::calloc(Size, sizeof(std::uint64_t)))) {}
        ~Entries() { std::free(entry); }
        Entries(const Entries&) = delete;
        Entries& operator=(const Entries&) = delete;
        std::uint64_t& at(std::uint64_t key) const { return entry[key & (Size - 1)]; }
        std::uint32_t NextGeneration()
        {
            if (++generation > 0xFFFF) { // after 65,535 searches: start afresh
                std::memset(entry, 0, Size * sizeof(std::uint64_t));
                generation = 1;
            }
            return generation;
        }
        std::uint64_t* entry;
        std::uint32_t generation = 0;
    };
    static Entries& Storage()
    {
        thread_local Entries entries;
        if (entries.entry == nullptr)
            throw std::bad_alloc();
        return entries;
    }

    Entries& entries_;
    std::uint32_t generation_;
};

class Chase {
public:
    Chase(const std::int32_t* board, Colour attacker, const ChaseLimits& limits)
        : board_(board, attacker), position_(board_.position()), attacker_(attacker),
          defender_(Opponent(attacker)), limits_(limits), start_(Clock::now()),
          nextReport_(start_ + std::chrono::milliseconds(limits.reportEveryMs)),
          deadline_(start_ + std::chrono::milliseconds(limits.timeLimitMs))
    {
    }

    ChaseResult Run()
    {
        ChaseResult result;
        CellIndex points[CellTableSize];
        if (board_.FivePoints(attacker_, points) > 0) {
            result.outcome = ChaseOutcome::Found;
            result.moves.push_back(points[0]);
            return result;
        }
        const int threats = board_.FivePoints(defender_, points);
        if (threats >= 2)
            return result;
        const CellIndex mustBlock = threats == 0 ? 0 : points[0];
        for (int depth = 1; depth <= limits_.maxFours; ++depth) {
            line_.clear();
            if (Attack(depth, mustBlock)) {
                result.outcome = ChaseOutcome::Found;
                result.moves.assign(line_.rbegin(), line_.rend());
                return result;
            }
            if (stopped_ != ChaseOutcome::NotFound) {
                result.outcome = stopped_;
                return result;
            }
            if (!deeperHelps_)
                break; // no line reached the depth bound: a deeper search finds nothing new
            deeperHelps_ = false;
        }
        return result;
    }

private:
    bool OutOfTime()
    {
        if (stopped_ != ChaseOutcome::NotFound)
            return true;
        if ((nodes_++ & 63) != 0)
            return false;
        const Clock::time_point now = Clock::now();
        if (now >= deadline_) {
            stopped_ = ChaseOutcome::TimedOut;
        } else if (limits_.keepGoing != nullptr && now >= nextReport_) {
            nextReport_ = now + std::chrono::milliseconds(limits_.reportEveryMs);
            if (!limits_.keepGoing(limits_.context))
                stopped_ = ChaseOutcome::Cancelled;
        }
        return stopped_ != ChaseOutcome::NotFound;
    }

    // The attacker to move with `fours` attacking moves left; `mustBlock` is the defender's
    // one five point, 0 if it has none. On success line_ holds the chase, last move first.
    bool Attack(int fours, CellIndex mustBlock)
    {
        if (OutOfTime())
            return false;
        const int known = failed_.Depth(board_.key());
        if (known >= fours) {
            if (known != FailedTable::AnyDepth)
                deeperHelps_ = true;
            return false;
        }
        // Whether this position's own lines meet the depth bound, kept apart from the rest.
        const bool deeperHelpedBefore = deeperHelps_;
        deeperHelps_ = false;
        const bool won = TryFours(fours, mustBlock);
        const bool bounded = deeperHelps_;
        deeperHelps_ = deeperHelpedBefore || bounded;
        if (!won && stopped_ == ChaseOutcome::NotFound)
            failed_.Store(board_.key(), bounded ? fours : FailedTable::AnyDepth);
        return won;
    }

    bool TryFours(int fours, CellIndex mustBlock)
    {
        CellIndex moves[CellTableSize];
        int moveCount = 1;
        if (mustBlock != 0)
            moves[0] = mustBlock;
        else
            moveCount = board_.FourMoves(moves);
        for (int m = 0; m < moveCount; ++m) {
            const CellIndex move = moves[m];
            CellIndex points[8];
            int count = 0;
            if (board_.FiveOrFivePoints(move, attacker_, points, count)) {
                line_.push_back(move); // never met: the attacker has no five point here
                return true;
            }
            if (count == 0)
                continue;
            // With no four left to follow, only a four that cannot be stopped counts; the
            // judge is asked only then.
            if (fours == 1 && count == 1 && defender_ == Colour::White) {
                deeperHelps_ = true;
                continue;
            }
            if (attacker_ == Colour::Black && !board_.SurelyAllowed(move) &&
                JudgeBlack(position_, move) != ForbiddenKind::None)
                continue;
            SearchStone attack(board_, move, attacker_);
            const CellIndex block = points[0];
            // Two five points cannot both be stopped; one that black may not take neither.
            if (count >= 2 || (defender_ == Colour::Black && !board_.SurelyAllowed(block) &&
                               JudgeBlack(position_, block) != ForbiddenKind::None)) {
                line_.push_back(move);
                return true;
            }
            if (fours == 1) {
                deeperHelps_ = true;
                continue;
            }
            SearchStone defence(board_, block, defender_);
            CellIndex counter[8];
            int counters = 0;
            if (board_.FiveOrFivePoints(block, defender_, counter, counters))
                continue; // the defence makes a five: the chase fails here
            if (counters >= 2)
                continue; // the defence makes fours the attacker cannot all stop
            if (Attack(fours - 1, counters == 1 ? counter[0] : 0)) {
                line_.push_back(block);
                line_.push_back(move);
                return true;
            }
            if (stopped_ != ChaseOutcome::NotFound)
                return false;
        }
        return false;
    }

    SearchBoard board_;
    Position& position_;
    Colour attacker_;
    Colour defender_;
    ChaseLimits limits_;
    Clock::time_point start_;
    Clock::time_point nextReport_;
    Clock::time_point deadline_;
    std::uint64_t nodes_ = 0;
    ChaseOutcome stopped_ = ChaseOutcome::NotFound;
    bool deeperHelps_ = false;
    FailedTable failed_;
    std::vector<CellIndex> line_;
};

} // namespace

ChaseResult FindFourChase(const std::int32_t* board, int attacker, const ChaseLimits& limits)
{
    if (attacker != CellBlack && attacker != CellWhite)
        return {};
    Chase chase(board, static_cast<Colour>(attacker), limits);
    return chase.Run();
}

} // namespace renju
