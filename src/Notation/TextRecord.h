// Games and positions as people paste them: move lists in the players' notation, web-site
// records with tags, RenLib's numbered list, and fifteen-row diagrams.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Notation/Content.h"

namespace notation {

// Reads UTF-8 text (a byte order mark is dropped). Accepted:
//   moves separated by spaces or commas, or packed (h8h9i8), in either case;
//   move numbers "1", "1." or "1)" before or between moves, which are skipped;
//   [Name "value"] tags (\" and \\ inside the value); results 1-0, 0-1, 1/2-1/2, * skipped;
//   comments: {…} (across lines) and from ; to the end of the line;
//   "--" or "pass": a pass, except in a numbered record where every number carries one move
//   and an optional "--" (the empty half of the web sites' numbered moves);
//   a diagram: 15 rows of 15 points (x X ● black, o O ○ white, . + · and the box-drawing
//   points empty), row numbers at either end and a line of column letters allowed.
// An empty text is a line of no moves.
ReadResult ReadText(std::string_view bytes);

// Tags one a line, then [Opening "name"] when the first three moves form a standard opening,
// then the moves on one line ("h8 h9 i8", "--" for a pass). A position is written as a
// diagram with its coordinates (x black, o white, . empty).
WriteResult WriteText(const Content& content);

// Only the moves: "h8 h9 i8", no line break, for the clipboard.
std::string WriteMoves(const std::vector<CellIndex>& moves);

} // namespace notation
