// Game-record reader: any 668 bytes either open into a sound game or are refused
// with nothing changed.
#include <cstddef>
#include <cstdint>

#include "FuzzState.h"
#include "main/Files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!OpensOrChangesNothing(data, size, OpenKifuImage))
        return 0;
    if (!BoardIsSound() || MoveCount > KifuMoveSlots || StonesOnBoard() != MoveCount ||
        MoveList[MoveCount] != 0 || SelectedOpening < 0 || SelectedOpening > 26)
        __builtin_trap();
    return 0;
}
