// The position on the board as an engine is told it: the stones, the moves of the record in
// the order they were played, and the side to move.
#pragma once

#include "Engine/Protocol.h"

engine::Position CurrentEnginePosition();
