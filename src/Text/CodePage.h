// Text in the code pages of the files we read, converted to and from UTF-8 through iconv.
// Plain C++, no state kept between calls other than the open converters of a Converter.
#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class CodePage { Utf8, Cp932, Gbk, Big5, Cp1251, Cp1252 };

// "UTF-8", "CP932", "GBK", "BIG5", "CP1251", "CP1252": the names iconv and the user use.
const char* CodePageName(CodePage page);
// Case-insensitive; also "SJIS"/"Shift_JIS", "GB2312", "UTF8".
std::optional<CodePage> ParseCodePage(std::string_view name);

bool IsValidUtf8(std::string_view bytes);

// One direction of conversion, kept open for many short texts.
class Converter {
public:
    Converter(CodePage from, CodePage to);
    ~Converter();
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    // The converted text, or nothing when a byte sequence has no meaning in `from` or a
    // character has no place in `to`.
    std::optional<std::string> Convert(std::string_view text);

private:
    void* cd_;
};

std::optional<std::string> DecodeText(std::string_view bytes, CodePage page);
std::optional<std::string> EncodeText(std::string_view utf8, CodePage page);
// Bytes that do not decode become U+FFFD.
std::string DecodeLossy(std::string_view bytes, CodePage page);

// The code page of a sample of text: valid UTF-8 first; else the first of CP932, GBK and
// CP1252 that decodes cleanly, CP932 chosen over GBK only when the text reads as Japanese
// (kana among its characters).
CodePage DetectCodePage(std::string_view sample);
