// Text of the game-record files: CP932 (Shift-JIS as Windows writes it) to and from
// the UTF-8 that the rest of the program uses, and the 32-byte name fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "main/State.h"

// True for the first byte of a double-byte CP932 character.
constexpr bool IsCp932LeadByte(std::uint8_t byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// A character CP932 cannot hold becomes "?", as Windows' own conversion does.
std::string Utf8ToCp932(const std::string& utf8);
// A byte sequence that is not CP932 becomes U+FFFD, one per offending byte.
std::string Cp932ToUtf8(const std::uint8_t* bytes, std::size_t length);
inline std::string Cp932ToUtf8(const std::string& bytes)
{
    return Cp932ToUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// The length of the longest prefix of at most `maxBytes` bytes that ends on a
// character boundary, so a double-byte character is never split.
std::size_t Cp932PrefixLength(const std::uint8_t* bytes, std::size_t length, std::size_t maxBytes);

// A name field: one length byte, then up to MaxNameBytes (31) bytes of CP932. Bytes past the
// length are left as they are; they carry no meaning.
void StoreName(std::uint8_t (&field)[NameFieldSize], const std::string& utf8);
// The name as UTF-8; a length byte above 31 is read as 31.
std::string NameText(const std::uint8_t (&field)[NameFieldSize]);
