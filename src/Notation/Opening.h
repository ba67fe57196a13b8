// The standard opening a game's first three moves form, in any of the board's eight
// symmetries.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "Board/Cell.h"

namespace notation {

// 1..26, the opening's number in the opening table; 0 when the moves form none (fewer than
// three moves, a pass among them, or another shape).
int OpeningNumber(const std::vector<CellIndex>& moves);
// The same for the first `count` moves of a list, without copying them.
int OpeningNumber(const CellIndex* moves, std::size_t count);

// The opening's name as the opening table has it ("花月"), or "" when there is none.
std::string OpeningName(const std::vector<CellIndex>& moves);

} // namespace notation
