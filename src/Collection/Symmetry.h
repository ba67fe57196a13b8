// The board's eight symmetries now live with the cells (Board/Symmetry.h), so that the notation
// can use them too; this name stays for the includes of the collection window and its sources.
#pragma once

#include "Board/Symmetry.h"
