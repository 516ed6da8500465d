#pragma once
// Double <-> text conversions of the number rules. Where the standard library has them
// (std::to_chars and std::from_chars for double) they are used as they are; a library without
// them gets equivalents built on the C library's correctly rounded printf and strtod, which
// give the same texts and values.

#include <charconv>

namespace kemora::model {

// The C-library equivalents, built everywhere so that they can be checked against the
// standard library where it has the real ones.
namespace printf_charconv {
// Shortest text that reads back exactly, in `format` (general: fixed for exponents -4..5).
std::to_chars_result ToChars(char* first, char* last, double value, std::chars_format format);
std::to_chars_result ToChars(char* first, char* last, double value, std::chars_format format,
                             int precision);
// A finite decimal number; result_out_of_range (value untouched) for a magnitude beyond a
// double's range or a non-zero one too small to tell from zero.
std::from_chars_result FromChars(const char* first, const char* last, double& value);
}  // namespace printf_charconv

#if __cpp_lib_to_chars >= 201611L
inline std::to_chars_result ToChars(char* first, char* last, double value,
                                    std::chars_format format) {
    return std::to_chars(first, last, value, format);
}
inline std::to_chars_result ToChars(char* first, char* last, double value, std::chars_format format,
                                    int precision) {
    return std::to_chars(first, last, value, format, precision);
}
inline std::from_chars_result FromChars(const char* first, const char* last, double& value) {
    return std::from_chars(first, last, value);
}
#else
using printf_charconv::FromChars;
using printf_charconv::ToChars;
#endif

}  // namespace kemora::model
