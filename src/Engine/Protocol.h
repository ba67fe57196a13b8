// The Gomocup (Piskvork) protocol as Korvane speaks it: commands built as text lines and an
// engine's answer lines parsed into values, with Rapfi's and Yixin's extensions. Plain C++,
// no process and no Qt, so every line can be checked without an engine.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Board/Cell.h"

namespace engine {

// A position to be told to an engine: the board (273 entries, 0 empty, 1 black, 2 white,
// anything else off the board), the moves of the record in the order they were played and
// the colour to move. Stones of the board that are not among `played` were placed.
struct Position {
    std::int32_t board[CellTableSize] = {};
    std::vector<CellIndex> played;
    int sideToMove = CellBlack;
};

// One line of BOARD: a cell, or a pass (cell 0) that Rapfi reads as "-1,-1".
struct BoardStone {
    CellIndex cell = 0;
    int colour = CellBlack;
    bool IsPass() const { return cell == 0; }
};

// The stones in an order the protocol accepts: black first, colours alternating, the
// played moves in their own order behind the placed stones, and a pass of the missing
// colour wherever a colour would move twice running, or where the last stone leaves the
// wrong side to move. Without passes (only when the counts allow it) any engine takes it.
std::vector<BoardStone> OrderStones(const Position& position);

// "START 15", "INFO rule 4", ... each line without its line end.
std::string StartCommand();
std::string InfoCommand(std::string_view key, long long value);
// BOARD, one "x,y,f" line a stone (f 1 for the side to move, 2 for the other), DONE; the
// lines joined with '\n' and ending in one. YXBOARD for `keyword` sets the position without
// asking for a move, for YXNBEST to follow.
std::string BoardCommand(const Position& position, std::string_view keyword = "BOARD");

// What one line from an engine is.
enum class LineKind {
    Ok,      // OK
    Error,   // ERROR text
    Unknown, // UNKNOWN text
    Message, // MESSAGE text (search reports among them)
    Debug,   // DEBUG text
    Move,    // x,y
    About,   // name="…", version="…", …
    Forbid,  // FORBID …. (YXSHOWFORBID)
    Empty,   // a blank line; engines print them, nothing to do
    Garbage, // anything else: not the protocol
};

// Rapfi's report at the end of a search: Speed 398K | Depth 8-9 | Eval -40 | Node 797 |
// Time 2ms. Fields that were not there stay unset.
// Values stay as printed: an evaluation may be a score ("-40") or a won or lost count
// ("+M5", "-M4").
struct SearchReport {
    std::optional<int> depth;
    std::optional<int> selectiveDepth;
    std::string eval;
    std::string speed; // "398K"
    std::string nodes; // "797"
    std::string time;  // "2ms"
};

// A main line: Bestline I9 H7 H10, or one line of YXNBEST: (2) -40 | 8-9 | I9 H7.
struct MainLine {
    int rank = 0; // 1, 2, ... for YXNBEST lines; 0 for Bestline
    std::vector<CellIndex> moves;
    std::string eval;         // YXNBEST lines only
    std::optional<int> depth; // YXNBEST lines only
};

struct Line {
    LineKind kind = LineKind::Garbage;
    std::string text;                   // behind the keyword, trimmed
    std::optional<CellIndex> move;      // Move on the board; unset for an off-board point
    int x = 0, y = 0;                   // Move as printed
    std::optional<SearchReport> report; // Message that is a search report
    std::optional<MainLine> mainLine;   // Message that is a main line
};

Line ParseLine(std::string_view line);

// The value of one field of ABOUT's answer: AboutField(text, "name") is "Rapfi" for
// name="Rapfi", version="0.43". Empty when absent.
std::string AboutField(std::string_view about, std::string_view key);

// The engine's x,y: column x + 1, row y + 1 counted from the top; unset off the board.
std::optional<CellIndex> CellOfPoint(int x, int y);
// A point as the engines print it in their main lines: a letter for x, then y + 1 ("H7" is
// x 7, y 6); unset for anything else ("Pass", "None", "Z3").
std::optional<CellIndex> ParseEnginePoint(std::string_view token);

// Why an engine's move cannot be entered.
enum class MoveCheck { Legal, OffBoard, Occupied, ForbiddenToBlack };
// The answer x,y for `position`, judged by the board and, for black, by the rules judge.
MoveCheck CheckMove(const Position& position, int x, int y);

} // namespace engine
