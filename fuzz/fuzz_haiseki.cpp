// Stone-placement reader: any 120 bytes either open into a sound position or are
// refused with nothing changed.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzPort.h"
#include "main/FileIo.h"
#include "main/Files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static std::uint8_t image[HaisekiFileSize];
    std::fill(std::begin(image), std::end(image), 0);
    std::copy(data, data + std::min(size, HaisekiFileSize), image);

    StartFuzzGame();
    static FuzzState before, after;
    before.Take();
    const IoCode code = OpenHaisekiImage(image);
    if (code != IoOk) {
        after.Take();
        if (code != IoBadContent || !(after == before))
            __builtin_trap();
        return 0;
    }
    int stones = 0;
    for (int i = 0; i < CellTableSize; ++i)
        stones += IsBoardCell(i) && BoardCells[i] != CellEmpty;
    if (!BoardIsSound() || MoveCount != 0 || stones != BlackStoneTotal + WhiteStoneTotal)
        __builtin_trap();
    return 0;
}
