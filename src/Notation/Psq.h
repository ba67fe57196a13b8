// Piskvork's .psq game files: "Piskvorky 15x15, 11:11, 0", then one move a line "x,y,time"
// (x the column from the left, y the row from the top, both from 1), black first; program
// names and a closing number may follow the moves.
#pragma once

#include <string_view>

#include "Notation/Content.h"

namespace notation {

// Reads the moves; a board of another size is refused with a message naming it. The first
// line after the header that is not a move ends them.
ReadResult ReadPsq(std::string_view bytes);

// The header, then "x,y,0" lines, CRLF as Piskvork writes them. The form has no pass: a line
// with one is refused, and so is a position that cannot be played as alternating moves.
WriteResult WritePsq(const Content& content);

} // namespace notation
