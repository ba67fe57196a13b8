#include "drawing/Blit.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsMono(const QImage& image)
{
    return image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB;
}

} // namespace

void CopyRect(QImage& dst, int dx, int dy, const QImage& src, int left, int top, int right,
              int bottom)
{
    // Clip the source to its picture, then the destination to its own, moving both
    // rectangles together so the copy stays 1:1.
    if (left < 0) {
        dx -= left;
        left = 0;
    }
    if (top < 0) {
        dy -= top;
        top = 0;
    }
    right = std::min(right, src.width());
    bottom = std::min(bottom, src.height());
    if (dx < 0) {
        left -= dx;
        dx = 0;
    }
    if (dy < 0) {
        top -= dy;
        dy = 0;
    }
    const int width = std::min(right - left, dst.width() - dx);
    const int height = std::min(bottom - top, dst.height() - dy);
    if (width <= 0 || height <= 0)
        return;

    const qsizetype dstStride = dst.bytesPerLine();
    uchar* dstBits = dst.bits() + dy * dstStride + dx * 4;
    if (!IsMono(src)) {
        const qsizetype srcStride = src.bytesPerLine();
        const uchar* srcBits = src.constBits() + top * srcStride + left * 4;
        for (int y = 0; y < height; ++y)
            std::memcpy(dstBits + y * dstStride, srcBits + y * srcStride, width * 4);
        return;
    }
    const QRgb colours[2] = {src.color(0) | 0xff000000u, src.color(1) | 0xff000000u};
    const bool lsbFirst = src.format() == QImage::Format_MonoLSB;
    for (int y = 0; y < height; ++y) {
        const uchar* srcLine = src.constScanLine(top + y);
        auto* out = reinterpret_cast<QRgb*>(dstBits + y * dstStride);
        for (int x = 0; x < width; ++x) {
            const int sx = left + x;
            const int bit = lsbFirst ? (sx & 7) : 7 - (sx & 7);
            out[x] = colours[(srcLine[sx >> 3] >> bit) & 1];
        }
    }
}

void FillRect(QImage& dst, int left, int top, int right, int bottom, QRgb colour)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, dst.width());
    bottom = std::min(bottom, dst.height());
    if (right <= left || bottom <= top)
        return;
    const qsizetype stride = dst.bytesPerLine();
    uchar* bits = dst.bits();
    for (int y = top; y < bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
        std::fill(line + left, line + right, colour | 0xff000000u);
    }
}
