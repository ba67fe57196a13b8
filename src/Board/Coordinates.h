// Points as players write them: column a–o from the left, row 1–15 from the bottom, so the
// centre is h8. The one conversion between that notation and CellIndex.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Board/Cell.h"

// "h8" for the centre; lower case. `cell` must be a board cell.
std::string CellName(CellIndex cell);
// "H8" in the upper case engines and RenLib print.
std::string CellNameUpper(CellIndex cell);
// Reads a whole token such as "h8", "H8" or "o15"; nothing else is accepted.
std::optional<CellIndex> ParseCellName(std::string_view token);
