#include "main/HaisekiFile.h"

std::uint8_t HaisekiBuffer[HaisekiFileSize];

namespace {

constexpr int WordAColumns = 8; // columns 1–8
constexpr int WordBColumns = 7; // columns 9–15

std::uint32_t PackRun(const std::int32_t (&cells)[CellTableSize], int row, int firstColumn,
                      int columns)
{
    std::uint32_t word = 0;
    for (int c = firstColumn + columns - 1; c >= firstColumn; --c) {
        const std::int32_t cell = cells[MakeCell(c, row)];
        const std::uint32_t v = cell == CellBlack ? 1u : cell == CellWhite ? 2u : 0u;
        word = word * 4 + v;
    }
    return word;
}

void PutWord(std::uint8_t* p, std::uint32_t word)
{
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<std::uint8_t>(word >> (8 * i));
    }
}

std::uint32_t GetWord(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

bool UnpackRun(std::uint32_t word, int columns, std::uint8_t* out)
{
    if (word >> (2 * columns) != 0) {
        return false;
    }
    for (int i = 0; i < columns; ++i) {
        const std::uint8_t v = word & 3u;
        if (v == 3) {
            return false;
        }
        out[i] = v;
        word >>= 2;
    }
    return true;
}

} // namespace

void PackBoard(const std::int32_t (&cells)[CellTableSize], std::uint8_t (&bytes)[HaisekiFileSize])
{
    for (int row = 1; row <= BoardLines; ++row) {
        std::uint8_t* p = bytes + 8 * (row - 1);
        PutWord(p, PackRun(cells, row, 1, WordAColumns));
        PutWord(p + 4, PackRun(cells, row, 1 + WordAColumns, WordBColumns));
    }
}

bool UnpackBoard(const std::uint8_t (&bytes)[HaisekiFileSize], BoardColours& colours)
{
    BoardColours scratch;
    for (int row = 0; row < BoardLines; ++row) {
        const std::uint8_t* p = bytes + 8 * row;
        if (!UnpackRun(GetWord(p), WordAColumns, scratch[row]) ||
            !UnpackRun(GetWord(p + 4), WordBColumns, scratch[row] + WordAColumns)) {
            return false;
        }
    }
    for (int row = 0; row < BoardLines; ++row) {
        for (int column = 0; column < BoardLines; ++column) {
            colours[row][column] = scratch[row][column];
        }
    }
    return true;
}
