#pragma once
// Conversion between the program's UTF-8 text and the Shift-JIS code page 932 that the
// scenario file and the input limits count in.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kemora::model {

// Written in place of a character that code page 932 cannot hold (and of broken UTF-8).
inline constexpr char kCp932Replacement = '?';
// Shown in place of bytes that are not valid code page 932.
inline constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";  // U+FFFD

[[nodiscard]] std::string ToCp932(std::string_view utf8);
[[nodiscard]] std::string FromCp932(std::string_view cp932);

// Bytes the text takes in code page 932: one per single-byte character, two per
// double-byte character, one per replaced character.
[[nodiscard]] std::size_t Cp932Length(std::string_view utf8);

// True for the first byte of a double-byte character.
[[nodiscard]] constexpr bool IsCp932LeadByte(uint8_t byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace kemora::model
