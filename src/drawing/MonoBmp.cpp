#include "drawing/MonoBmp.h"

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t PaletteSize = 2 * 4;
constexpr std::uint32_t PixelsPerMetre = 3780; // 96 dpi

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value)
{
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value)
{
    Put16(out, at, value & 0xffffu);
    Put16(out, at + 2, value >> 16);
}

} // namespace

std::vector<std::uint8_t> EncodeMonoBmp(const QImage& image)
{
    const std::uint32_t width = image.isNull() ? 0 : image.width();
    const std::uint32_t height = image.isNull() ? 0 : image.height();
    const std::uint32_t rowBytes = (width + 31) / 32 * 4;
    const std::uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize + PaletteSize;
    const std::uint32_t imageSize = rowBytes * height;
    std::vector<std::uint8_t> out(pixelOffset + imageSize, 0);

    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, pixelOffset + imageSize);
    Put32(out, 10, pixelOffset);
    Put32(out, 14, InfoHeaderSize);
    Put32(out, 18, width);
    Put32(out, 22, height); // positive: rows stored bottom-up
    Put16(out, 26, 1);      // planes
    Put16(out, 28, 1);      // bits per pixel
    Put32(out, 30, 0);      // BI_RGB
    Put32(out, 34, imageSize);
    Put32(out, 38, PixelsPerMetre);
    Put32(out, 42, PixelsPerMetre);
    Put32(out, 46, 2); // colours used
    Put32(out, 50, 0); // all of them important
    // Palette entries are blue, green, red, reserved: black, then white.
    for (std::size_t i = FileHeaderSize + InfoHeaderSize + 4; i < pixelOffset - 1; ++i)
        out[i] = 0xff;

    if (width == 0 || height == 0)
        return out;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (std::uint32_t y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(height - 1 - y));
        std::uint8_t* row = out.data() + pixelOffset + y * rowBytes;
        for (std::uint32_t x = 0; x < width; ++x)
            if (qGray(line[x]) >= 128)
                row[x >> 3] |= static_cast<std::uint8_t>(0x80u >> (x & 7));
    }
    return out;
}
