#include "Text/CodePage.h"

#include <cctype>
#include <cerrno>
#include <iconv.h>

namespace {

iconv_t Handle(void* cd)
{
    return static_cast<iconv_t>(cd);
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// Counts kana (U+3040..U+30FF) and other non-ASCII characters in UTF-8 text.
bool ReadsAsJapanese(std::string_view utf8)
{
    int kana = 0, other = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        if ((c & 0xF0) == 0xE0 && i + 2 < utf8.size()) {
            unsigned cp = (c & 0x0Fu) << 12 |
                          (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6 |
                          (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
            if (cp >= 0x3040 && cp <= 0x30FF)
                ++kana;
            else
                ++other;
            i += 3;
            continue;
        }
        ++other;
        i += (c & 0xE0) == 0xC0 ? 2 : (c & 0xF8) == 0xF0 ? 4 : 1;
    }
    return kana > 0 && kana * 10 >= other;
}

} // namespace

const char* CodePageName(CodePage page)
{
    switch (page) {
    case CodePage::Utf8:
        return "UTF-8";
    case CodePage::Cp932:
        return "CP932";
    case CodePage::Gbk:
        return "GBK";
    case CodePage::Big5:
        return "BIG5";
    case CodePage::Cp1251:
        return "CP1251";
    case CodePage::Cp1252:
        return "CP1252";
    }
    return "UTF-8";
}

std::optional<CodePage> ParseCodePage(std::string_view name)
{
    struct Alias {
        const char* name;
        CodePage page;
    };
    static const Alias aliases[] = {
        {"UTF-8", CodePage::Utf8},    {"UTF8", CodePage::Utf8},       {"CP932", CodePage::Cp932},
        {"SJIS", CodePage::Cp932},    {"Shift_JIS", CodePage::Cp932}, {"GBK", CodePage::Gbk},
        {"GB2312", CodePage::Gbk},    {"CP936", CodePage::Gbk},       {"BIG5", CodePage::Big5},
        {"CP950", CodePage::Big5},    {"CP1251", CodePage::Cp1251},   {"CP1252", CodePage::Cp1252},
        {"Latin1", CodePage::Cp1252},
    };
    for (const Alias& a : aliases) {
        if (SameName(name, a.name))
            return a.page;
    }
    return std::nullopt;
}

bool IsValidUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        std::size_t n;
        unsigned cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            n = 1;
            cp = c & 0x1Fu;
        } else if ((c & 0xF0) == 0xE0) {
            n = 2;
            cp = c & 0x0Fu;
        } else if ((c & 0xF8) == 0xF0) {
            n = 3;
            cp = c & 0x07u;
        } else {
            return false;
        }
        if (i + n >= s.size())
            return false;
        for (std::size_t k = 1; k <= n; ++k) {
            auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80)
                return false;
            cp = cp << 6 | (d & 0x3Fu);
        }
        static const unsigned least[] = {0, 0x80, 0x800, 0x10000};
        if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n + 1;
    }
    return true;
}

Converter::Converter(CodePage from, CodePage to)
    : cd_(iconv_open(CodePageName(to), CodePageName(from)))
{
}

Converter::~Converter()
{
    if (Handle(cd_) != reinterpret_cast<iconv_t>(-1))
        iconv_close(Handle(cd_));
}

std::optional<std::string> Converter::Convert(std::string_view text)
{
    if (Handle(cd_) == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    iconv(Handle(cd_), nullptr, nullptr, nullptr, nullptr);
    std::string out(text.size() * 4 + 8, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* dst = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(Handle(cd_), &in, &inLeft, &dst, &outLeft) == static_cast<std::size_t>(-1)) {
            if (errno != E2BIG)
                return std::nullopt;
            std::size_t used = out.size() - outLeft;
            out.resize(out.size() * 2);
            dst = out.data() + used;
            outLeft = out.size() - used;
        }
    }
    if (iconv(Handle(cd_), nullptr, nullptr, &dst, &outLeft) == static_cast<std::size_t>(-1))
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

std::optional<std::string> DecodeText(std::string_view bytes, CodePage page)
{
    if (page == CodePage::Utf8)
        return IsValidUtf8(bytes) ? std::optional<std::string>(std::string(bytes)) : std::nullopt;
    return Converter(page, CodePage::Utf8).Convert(bytes);
}

std::optional<std::string> EncodeText(std::string_view utf8, CodePage page)
{
    if (page == CodePage::Utf8)
        return IsValidUtf8(utf8) ? std::optional<std::string>(std::string(utf8)) : std::nullopt;
    return Converter(CodePage::Utf8, page).Convert(utf8);
}

std::string DecodeLossy(std::string_view bytes, CodePage page)
{
    if (auto whole = DecodeText(bytes, page))
        return *whole;
    // Byte by byte, trying one and two byte characters; what fails becomes U+FFFD.
    Converter conv(page, CodePage::Utf8);
    std::string out;
    for (std::size_t i = 0; i < bytes.size();) {
        if (auto one = conv.Convert(bytes.substr(i, 1))) {
            out += *one;
            i += 1;
        } else if (i + 1 < bytes.size() && page != CodePage::Utf8) {
            if (auto two = conv.Convert(bytes.substr(i, 2))) {
                out += *two;
                i += 2;
                continue;
            }
            out += "\xEF\xBF\xBD";
            i += 1;
        } else {
            out += "\xEF\xBF\xBD";
            i += 1;
        }
    }
    return out;
}

CodePage DetectCodePage(std::string_view sample)
{
    if (IsValidUtf8(sample))
        return CodePage::Utf8;
    auto japanese = DecodeText(sample, CodePage::Cp932);
    auto chinese = DecodeText(sample, CodePage::Gbk);
    if (japanese && (!chinese || ReadsAsJapanese(*japanese)))
        return CodePage::Cp932;
    if (chinese)
        return CodePage::Gbk;
    if (DecodeText(sample, CodePage::Cp1252))
        return CodePage::Cp1252;
    return CodePage::Cp932;
}
