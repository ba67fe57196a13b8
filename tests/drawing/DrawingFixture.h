// Shared by the drawing tests: a clean board state set directly, and pixel
// comparisons that name the first pixel that differs.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "../fixtures/TempDir.h"
#include "BoardState.h"
#include "GtRen/Board.h"
#include "Set_Data/Set_Data.h"
#include "main/Diagram.h"
#include "main/State.h"

inline QRgb Rgb(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xff000000u;
}

// Compares `rect` of `actual` with the same-sized rectangle of `expected` at `from`.
inline testing::AssertionResult SamePixels(const QImage& actual, const QRect& rect,
                                           const QImage& expected, QPoint from = {0, 0})
{
    for (int y = 0; y < rect.height(); ++y) {
        for (int x = 0; x < rect.width(); ++x) {
            const QRgb a = Rgb(actual, rect.x() + x, rect.y() + y);
            const QRgb e = Rgb(expected, from.x() + x, from.y() + y);
            if (a != e)
                return testing::AssertionFailure()
                       << "pixel (" << rect.x() + x << ", " << rect.y() + y << ") is " << std::hex
                       << a << ", expected " << e << " from (" << std::dec << from.x() + x << ", "
                       << from.y() + y << ")";
        }
    }
    return testing::AssertionSuccess();
}

inline bool IsInk(QRgb c)
{
    return qGray(c) < 64;
}

// Bounding box of the dark pixels in `rect`; empty when there are none.
inline QRect InkBox(const QImage& image, const QRect& rect)
{
    QRect box;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (IsInk(Rgb(image, x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

inline std::vector<unsigned char> FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline unsigned Le(const std::vector<unsigned char>& b, std::size_t at, int size)
{
    unsigned v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = v << 8 | b.at(at + i);
    return v;
}
