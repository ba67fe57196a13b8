// Windows bitmap files at 1 bit per pixel: colour table black then white, rows
// bottom-up, no compression.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

#include "main/Port.h"

// The whole file for `image`; a pixel darker than mid-grey is black (index 0).
std::vector<std::uint8_t> EncodeMonoBmp(const QImage& image);

// Writes the file in one go. An existing regular file is replaced only once the new
// one is complete, so a failed write leaves the old picture in place.
PictureWrite WriteMonoBmp(const QImage& image, const std::string& path);
