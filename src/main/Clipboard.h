// The game as text for the clipboard, and text from the clipboard entered as the game. The
// window only moves the text in and out of the clipboard; what it means is decided here.
#pragma once

#include <string>
#include <string_view>

// The current line, moves in order and the replay tail with them ("h8 h9 i8"); while stones
// placed by hand are counted, the board as a fifteen-row diagram instead, since those stones
// are in no line.
std::string GameAsText();

struct PasteResult {
    bool entered = false;
    // Why nothing was entered, for the error box; "" when entered or when the user chose
    // to keep the game's unsaved analysis.
    std::string message;
};

// A line of moves is entered as if played, black first, in move order (four-chase order is
// kept); a diagram as placed stones, as a stone-placement file is opened. Text that is not
// a record, a pass, or no moves at all change nothing and say why.
PasteResult EnterGameText(std::string_view text);
