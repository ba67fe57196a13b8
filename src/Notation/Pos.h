// RenLib's .pos position files: one byte n, then n bytes, each 15 × row + column counted from
// 0 at the top left; the moves alternate, black first.
#pragma once

#include <string_view>

#include "Notation/Content.h"

namespace notation {

// The byte RenLib writers store for a pass: the colours keep alternating past it.
constexpr unsigned char PosPass = 0xF0;

// Reads the moves. A byte that is neither a point (0–224) nor the pass is refused, and so
// is a file shorter than its count; bytes after the counted moves are ignored.
ReadResult ReadPos(std::string_view bytes);

// The count, then one byte a move (PosPass for a pass); more than 255 moves are refused.
WriteResult WritePos(const Content& content);

} // namespace notation
