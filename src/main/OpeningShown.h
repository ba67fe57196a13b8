// The name of the standard opening the game's first three moves form, in any of the board's
// eight symmetries, whatever the game came from: told to the window whenever it changes.
#pragma once

// Called with every status rewrite and board reset; tells the window only a change, or the
// name in any case when `always` (a board reset, which a new window starts with).
void ShowOpeningName(bool always = false);
