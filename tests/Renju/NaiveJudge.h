// A slow judge written straight from the rules' words, to check the fast one against: every
// line is walked edge to edge, fours are told apart by the stones they are made of, and a
// three's four point is judged again from the start, to any depth.
#pragma once

#include <array>
#include <set>

#include "../fixtures/BoardPicture.h"
#include "Renju/Renju.h"

class NaiveJudge {
public:
    explicit NaiveJudge(const Table& table) : board_(table) {}

    renju::ForbiddenKind Judge(CellIndex cell)
    {
        board_[cell] = CellBlack;
        const renju::ForbiddenKind kind = JudgePlaced(cell);
        board_[cell] = CellEmpty;
        return kind;
    }

private:
    static constexpr int Steps[4] = {1, 15, 16, 17};

    // Black stones in the unbroken row through `cell` along `step`, with its first cell.
    int Row(CellIndex cell, int step, CellIndex& first) const
    {
        first = cell;
        while (board_[first - step] == CellBlack)
            first -= step;
        int length = 0;
        for (CellIndex at = first; board_[at] == CellBlack; at += step)
            ++length;
        return length;
    }

    struct LineOfCells {
        CellIndex cell[BoardLines];
        int count = 0;
        const CellIndex* begin() const { return cell; }
        const CellIndex* end() const { return cell + count; }
    };

    // The cells of the line through `cell`, edge to edge.
    LineOfCells LineCells(CellIndex cell, int step) const
    {
        CellIndex first = cell;
        while (board_[first - step] != CellOffBoard)
            first -= step;
        LineOfCells line;
        for (CellIndex at = first; board_[at] != CellOffBoard; at += step)
            line.cell[line.count++] = at;
        return line;
    }

    // The four stones of each five that one more black stone makes in this line with
    // `stone` among them.
    std::set<std::array<CellIndex, 4>> Fours(CellIndex stone, int step)
    {
        std::set<std::array<CellIndex, 4>> fours;
        for (CellIndex q : LineCells(stone, step)) {
            if (board_[q] != CellEmpty)
                continue;
            board_[q] = CellBlack;
            CellIndex first;
            const int length = Row(q, step, first);
            const bool holdsStone = length == 5 && (stone - first) % step == 0 && stone >= first &&
                                    stone <= first + 4 * step;
            if (holdsStone) {
                std::array<CellIndex, 4> four{};
                int k = 0;
                for (int i = 0; i < 5; ++i)
                    if (first + i * step != q)
                        four[k++] = first + i * step;
                fours.insert(four);
            }
            board_[q] = CellEmpty;
        }
        return fours;
    }

    // Whether a black stone on the empty `q` makes, with `stone`, four in a row whose two
    // ends are empty and would each make exactly five: a straight four.
    bool MakesStraightFour(CellIndex stone, CellIndex q, int step)
    {
        board_[q] = CellBlack;
        CellIndex first;
        bool straight = Row(q, step, first) == 4 && (stone - first) % step == 0 && stone >= first &&
                        stone <= first + 3 * step;
        for (CellIndex end : {first - step, first + 4 * step}) {
            if (!straight)
                break;
            straight = board_[end] == CellEmpty;
            if (straight) {
                board_[end] = CellBlack;
                CellIndex five;
                straight = Row(end, step, five) == 5;
                board_[end] = CellEmpty;
            }
        }
        board_[q] = CellEmpty;
        return straight;
    }

    renju::ForbiddenKind JudgePlaced(CellIndex cell)
    {
        bool five = false;
        bool overline = false;
        for (int step : Steps) {
            CellIndex first;
            const int length = Row(cell, step, first);
            five = five || length == 5;
            overline = overline || length >= 6;
        }
        if (five)
            return renju::ForbiddenKind::None;
        if (overline)
            return renju::ForbiddenKind::Overline;
        std::size_t fours = 0;
        for (int step : Steps)
            fours += Fours(cell, step).size();
        if (fours >= 2)
            return renju::ForbiddenKind::DoubleFour;
        int threes = 0;
        for (int step : Steps) {
            for (CellIndex q : LineCells(cell, step)) {
                if (board_[q] != CellEmpty || !MakesStraightFour(cell, q, step))
                    continue;
                if (Judge(q) == renju::ForbiddenKind::None) {
                    ++threes;
                    break;
                }
            }
        }
        return threes >= 2 ? renju::ForbiddenKind::DoubleThree : renju::ForbiddenKind::None;
    }

    Table board_;
};
