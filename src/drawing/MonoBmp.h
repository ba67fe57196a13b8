// Windows bitmap files at 1 bit per pixel: colour table black then white, rows
// bottom-up, no compression.
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

// The whole file for `image`; a pixel darker than mid-grey is black (index 0).
std::vector<std::uint8_t> EncodeMonoBmp(const QImage& image);
