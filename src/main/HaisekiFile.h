// The stone-placement format (.dat): 120 bytes, for each row two little-endian
// words of 2-bit cells (0 empty, 1 black, 2 white), columns 1–8 in word A and
// 9–15 in word B, the lowest column in the lowest bits. Works on bytes only.
#pragma once

#include <cstddef>
#include <cstdint>

#include "GtRen/Board.h"

constexpr std::size_t HaisekiFileSize = 120;

// Scratch space of both stone-placement commands.
extern std::uint8_t HaisekiBuffer[HaisekiFileSize];

// Colours of the 15 × 15 board, [row − 1][column − 1], 0 empty, 1 black, 2 white.
using BoardColours = std::uint8_t[BoardLines][BoardLines];

// Anything but a black or white stone is stored as empty.
void PackBoard(const std::int32_t (&cells)[CellTableSize], std::uint8_t (&bytes)[HaisekiFileSize]);

// Decodes and checks; `colours` is written only when every cell value is 0, 1
// or 2 and no word has bits beyond its columns.
bool UnpackBoard(const std::uint8_t (&bytes)[HaisekiFileSize], BoardColours& colours);
