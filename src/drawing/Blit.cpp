#include "drawing/Blit.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsMono(const QImage& image)
{
    return image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB;
}

// Moves the source rectangle and its destination together until both lie inside their
// pictures; false when nothing is left to copy.
bool Clip(const QImage& dst, int& dx, int& dy, const QImage& src, int& left, int& top, int& right,
          int& bottom)
{
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
    right = std::min(right, left + dst.width() - dx);
    bottom = std::min(bottom, top + dst.height() - dy);
    return right > left && bottom > top;
}

QRgb MonoPixel(const QImage& src, const uchar* line, int x, const QRgb (&colours)[2])
{
    const int bit = src.format() == QImage::Format_MonoLSB ? (x & 7) : 7 - (x & 7);
    return colours[(line[x >> 3] >> bit) & 1];
}

} // namespace

void CopyRect(QImage& dst, int dx, int dy, const QImage& src, int left, int top, int right,
              int bottom)
{
    if (!Clip(dst, dx, dy, src, left, top, right, bottom))
        return;
    const int width = right - left;
    const int height = bottom - top;
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
    for (int y = 0; y < height; ++y) {
        const uchar* srcLine = src.constScanLine(top + y);
        auto* out = reinterpret_cast<QRgb*>(dstBits + y * dstStride);
        for (int x = 0; x < width; ++x)
            out[x] = MonoPixel(src, srcLine, left + x, colours);
    }
}

void CopyInk(QImage& dst, int dx, int dy, const QImage& src, int left, int top, int right,
             int bottom, QRgb transparent)
{
    if (!Clip(dst, dx, dy, src, left, top, right, bottom))
        return;
    transparent |= 0xff000000u;
    const QRgb colours[2] = {src.color(0) | 0xff000000u, src.color(1) | 0xff000000u};
    for (int y = top; y < bottom; ++y) {
        const uchar* srcLine = src.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(dst.scanLine(dy + y - top));
        for (int x = left; x < right; ++x) {
            const QRgb c = IsMono(src) ? MonoPixel(src, srcLine, x, colours)
                                       : reinterpret_cast<const QRgb*>(srcLine)[x] | 0xff000000u;
            if (c != transparent)
                out[dx + x - left] = c;
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
