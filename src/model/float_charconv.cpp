#include "model/float_charconv.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

// The C library these are used with knows only the "C" locale, so printf and strtod use '.'.
namespace kemora::model::printf_charconv {
namespace {

std::to_chars_result Copy(char* first, char* last, const std::string& text) {
    if (static_cast<std::ptrdiff_t>(text.size()) > last - first)
        return {last, std::errc::value_too_large};
    return {std::copy(text.begin(), text.end(), first), std::errc{}};
}

std::string Printed(const char* pattern, int precision, double value) {
    char buffer[400];  // the longest fixed form of a double has 309 integer digits
    const int length = std::snprintf(buffer, sizeof buffer, pattern, precision, value);
    return std::string(buffer, static_cast<std::size_t>(std::clamp(length, 0, 399)));
}

// The fewest significant digits (1..17) whose scientific form reads back as `value`.
int ShortestPrecision(double value) {
    for (int digits = 1; digits < 17; ++digits) {
        if (std::strtod(Printed("%.*e", digits - 1, value).c_str(), nullptr) == value)
            return digits;
    }
    return 17;
}

}  // namespace

std::to_chars_result ToChars(char* first, char* last, double value, std::chars_format format) {
    if (!std::isfinite(value) || value == 0.0)
        return ToChars(first, last, value, format, 0);
    const int digits = ShortestPrecision(value);
    const std::string scientific = Printed("%.*e", digits - 1, value);
    const int exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);
    const int decimals = std::max(0, digits - 1 - exponent);
    if (format == std::chars_format::scientific ||
        (format == std::chars_format::general && (exponent < -4 || exponent > 5)))
        return Copy(first, last, scientific);
    return Copy(first, last, Printed("%.*f", decimals, value));
}

std::to_chars_result ToChars(char* first, char* last, double value, std::chars_format format,
                             int precision) {
    const char* pattern = format == std::chars_format::scientific ? "%.*e"
                          : format == std::chars_format::fixed    ? "%.*f"
                                                                  : "%.*g";
    return Copy(first, last, Printed(pattern, precision, value));
}

std::from_chars_result FromChars(const char* first, const char* last, double& value) {
    const std::string text(first, last);
    char* end = nullptr;
    errno = 0;
    const double read = std::strtod(text.c_str(), &end);
    const char* stop = first + (end - text.c_str());
    if (stop == first)
        return {first, std::errc::invalid_argument};
    const std::string_view digits(first, static_cast<std::size_t>(stop - first));
    const auto exponentAt = digits.find_first_of("eE");
    const bool nonZero =
        digits.substr(0, exponentAt).find_first_of("123456789") != std::string_view::npos;
    if (std::isinf(read) || (read == 0.0 && nonZero))
        return {stop, std::errc::result_out_of_range};
    value = read;
    return {stop, std::errc{}};
}

}  // namespace kemora::model::printf_charconv
