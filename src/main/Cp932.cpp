#include "main/Cp932.h"

#include <cerrno>
#include <cstring>

#include <iconv.h>

namespace {

// One descriptor per direction, opened on first use and kept for the run.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (Usable()) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts the whole input; `replace` decides what stands for a sequence the
    // target cannot hold and how many input bytes it covers.
    template <typename Replace>
    std::string Run(const char* in, std::size_t inLeft, std::size_t outCapacity, Replace replace)
    {
        std::string out(outCapacity, '\0');
        char* outPtr = out.data();
        std::size_t outLeft = out.size();
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* inPtr = const_cast<char*>(in);
        while (inLeft > 0) {
            if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) {
                break;
            }
            if (errno != EILSEQ && errno != EINVAL) {
                break; // E2BIG cannot happen: the capacity covers the worst case
            }
            const char* mark = nullptr;
            std::size_t markLength = 0;
            std::size_t skip =
                replace(reinterpret_cast<const unsigned char*>(inPtr), inLeft, mark, markLength);
            if (markLength > outLeft) {
                break;
            }
            std::memcpy(outPtr, mark, markLength);
            outPtr += markLength;
            outLeft -= markLength;
            inPtr += skip;
            inLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        out.resize(out.size() - outLeft);
        return out;
    }

private:
    iconv_t cd_;
};

// Bytes taken by the UTF-8 character starting at `p`; 1 for a stray byte.
std::size_t Utf8CharLength(const unsigned char* p, std::size_t left)
{
    std::size_t length = 1;
    if (p[0] >= 0xF0 && p[0] <= 0xF4) {
        length = 4;
    } else if (p[0] >= 0xE0) {
        length = 3;
    } else if (p[0] >= 0xC2 && p[0] < 0xE0) {
        length = 2;
    }
    if (length > left) {
        return left;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) {
            return i;
        }
    }
    return length;
}

} // namespace

std::string Utf8ToCp932(const std::string& utf8)
{
    static Converter toCp932("CP932", "UTF-8");
    if (!toCp932.Usable()) {
        return std::string();
    }
    // Every character shrinks or keeps its length; "?" replaces at least one byte.
    return toCp932.Run(
        utf8.data(), utf8.size(), utf8.size(),
        [](const unsigned char* p, std::size_t left, const char*& mark, std::size_t& markLength) {
            mark = "?";
            markLength = 1;
            return Utf8CharLength(p, left);
        });
}

std::string Cp932ToUtf8(const std::uint8_t* bytes, std::size_t length)
{
    static Converter toUtf8("UTF-8", "CP932");
    if (!toUtf8.Usable() || length == 0) {
        return std::string();
    }
    // At most three UTF-8 bytes for each input byte, U+FFFD included.
    return toUtf8.Run(
        reinterpret_cast<const char*>(bytes), length, 3 * length,
        [](const unsigned char*, std::size_t, const char*& mark, std::size_t& markLength) {
            mark = "\xEF\xBF\xBD";
            markLength = 3;
            return std::size_t{1};
        });
}

std::size_t Cp932PrefixLength(const std::uint8_t* bytes, std::size_t length, std::size_t maxBytes)
{
    std::size_t end = 0;
    while (end < length) {
        std::size_t next = end + (IsCp932LeadByte(bytes[end]) ? 2 : 1);
        if (next > maxBytes || next > length) {
            break;
        }
        end = next;
    }
    return end;
}

void StoreName(std::uint8_t (&field)[NameFieldSize], const std::string& utf8)
{
    const std::string cp932 = Utf8ToCp932(utf8);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(cp932.data());
    const std::size_t kept = Cp932PrefixLength(bytes, cp932.size(), MaxNameBytes);
    field[0] = static_cast<std::uint8_t>(kept);
    std::memcpy(field + 1, bytes, kept);
}

std::string NameText(const std::uint8_t (&field)[NameFieldSize])
{
    std::size_t length = field[0];
    if (length > static_cast<std::size_t>(MaxNameBytes)) {
        length = MaxNameBytes;
    }
    return Cp932ToUtf8(field + 1, length);
}
