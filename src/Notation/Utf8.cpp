#include "Notation/Utf8.h"

namespace notation {

Utf8Decoded DecodeUtf8(std::string_view bytes)
{
    Utf8Decoded out;
    std::size_t i = 0;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        i = 3;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        char32_t value = 0;
        char32_t least = 0; // the smallest value a sequence of this length may hold
        if (lead < 0x80) {
            length = 1;
            value = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            value = lead & 0x1F;
            least = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            value = lead & 0x0F;
            least = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            value = lead & 0x07;
            least = 0x10000;
        } else {
            out.badOffset = i;
            return out;
        }
        for (int k = 1; k < length; ++k) {
            if (i + k >= bytes.size() ||
                (static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) {
                out.badOffset = i;
                return out;
            }
            value = (value << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        }
        if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            out.badOffset = i;
            return out;
        }
        out.chars.push_back({value, i});
        i += static_cast<std::size_t>(length);
    }
    return out;
}

std::string NotUtf8Message(std::size_t offset)
{
    return "先頭から" + std::to_string(offset + 1) +
           "バイト目が UTF-8 の文字として読めません（UTF-8 で保存したテキストを使ってください）";
}

} // namespace notation
