// UTF-8 text as characters with the byte offsets they start at, for readers that report
// where they stopped.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace notation {

struct Utf8Char {
    char32_t value;
    std::size_t offset;
};

// The characters of `bytes`, a leading byte order mark dropped; or the offset of the first
// byte that does not begin or continue a well-formed character.
struct Utf8Decoded {
    std::vector<Utf8Char> chars;
    std::optional<std::size_t> badOffset;
};
Utf8Decoded DecodeUtf8(std::string_view bytes);

// The Japanese message for input whose byte at `offset` is not UTF-8.
std::string NotUtf8Message(std::size_t offset);

} // namespace notation
