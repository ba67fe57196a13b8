// The drawing surface's own text face (a plain sans-serif, not the window's font)
// at a given character cell height, internal leading included.
#pragma once

#include <QFont>

// The largest pixel size whose line height does not exceed `cellHeight`.
QFont FontOfCellHeight(int cellHeight, bool bold, bool antialiased);
