// Stone-placement reader: any 120 bytes either open into a sound position or are
// refused with nothing changed.
#include <cstddef>
#include <cstdint>

#include "FuzzState.h"
#include "main/Files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!OpensOrChangesNothing(data, size, OpenHaisekiImage))
        return 0;
    if (!BoardIsSound() || MoveCount != 0 || StonesOnBoard() != BlackStoneTotal + WhiteStoneTotal)
        __builtin_trap();
    return 0;
}
