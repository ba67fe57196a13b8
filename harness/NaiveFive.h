// Fives counted stone by stone along the four lines, with no shape analysis: what the
// rules judge's tests and benchmarks check its answers against.
#pragma once

#include <algorithm>
#include <cstdint>

#include "Board/Cell.h"

// The unbroken run of `colour` through `cell` (which holds that colour) along `step`.
inline int RunThrough(const std::int32_t* cells, CellIndex cell, std::int32_t colour,
                      CellIndex step)
{
    int length = 1;
    for (CellIndex at = cell + step; cells[at] == colour; at += step)
        ++length;
    for (CellIndex at = cell - step; cells[at] == colour; at -= step)
        ++length;
    return length;
}

// The longest unbroken row of `colour` through `cell`, over the four lines.
inline int LongestRow(const std::int32_t* cells, CellIndex cell, std::int32_t colour)
{
    int longest = 0;
    for (CellIndex step : LineSteps)
        longest = std::max(longest, RunThrough(cells, cell, colour, step));
    return longest;
}

// Whether the stone of `colour` on `cell` stands in a five: black's is exactly five in
// some line, white's five or more.
inline bool InFive(const std::int32_t* cells, CellIndex cell, std::int32_t colour)
{
    if (colour != CellBlack)
        return LongestRow(cells, cell, colour) >= 5;
    for (CellIndex step : LineSteps)
        if (RunThrough(cells, cell, colour, step) == 5)
            return true;
    return false;
}
