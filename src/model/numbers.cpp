#include "model/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "model/float_charconv.h"

namespace kemora::model {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// True when the text (without blanks) is sign? digits [. digits] [(E|e) sign? digits],
// with at least one digit in the mantissa.
bool HasNumberForm(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t mantissaDigits = 0;
    while (i < n && IsDigit(text[i])) ++i, ++mantissaDigits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i])) ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0)
        return false;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < n && IsDigit(text[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0)
            return false;
    }
    return i == n;
}

// The decimal order of magnitude of a text of number form: 2 for "123", -3 for "0.00123",
// 0 for "1e0"; only its sign matters, for numbers beyond the range of a double.
long long DecimalOrder(std::string_view text) {
    if (text.front() == '+' || text.front() == '-')
        text.remove_prefix(1);
    const auto exponentAt = text.find_first_of("Ee");
    const std::string_view mantissa = text.substr(0, exponentAt);
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto firstNonZero = mantissa.find_first_not_of("0.");
    if (firstNonZero == std::string_view::npos)
        return 0;
    long long order = firstNonZero < point ? static_cast<long long>(point - firstNonZero) - 1
                                           : -static_cast<long long>(firstNonZero - point);
    if (exponentAt != std::string_view::npos) {
        std::string_view exponent = text.substr(exponentAt + 1);
        const bool negative = exponent.front() == '-';
        if (exponent.front() == '+' || exponent.front() == '-')
            exponent.remove_prefix(1);
        long long magnitude = 0;
        for (char c : exponent) {
            magnitude = std::min(magnitude * 10 + (c - '0'), 1'000'000'000LL);
        }
        order += negative ? -magnitude : magnitude;
    }
    return order;
}

constexpr double kInt32Min = std::numeric_limits<int32_t>::min();
constexpr double kInt32Max = std::numeric_limits<int32_t>::max();

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (!HasNumberForm(text))
        return std::nullopt;
    // FromChars takes no '+' and ignores the locale's decimal point.
    if (text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = FromChars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small to tell from zero is zero; too large for a double is no number.
        if (DecimalOrder(text) < 0)
            return text.front() == '-' ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

int32_t RoundHalfEven(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= kInt32Max)
        return std::numeric_limits<int32_t>::max();
    if (value <= kInt32Min)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(std::nearbyint(value));
}

WholeNumberReading ReadWholeNumber(std::string_view text) {
    const auto number = ParseNumber(text);
    if (!number)
        return {std::nullopt, WholeNumberFailure::NoNumber};
    const double rounded = std::nearbyint(*number);
    if (rounded < kInt32Min || rounded > kInt32Max)
        return {std::nullopt, WholeNumberFailure::OutOfRange};
    return {static_cast<int32_t>(rounded), WholeNumberFailure::None};
}

std::optional<int32_t> ParseWholeNumber(std::string_view text) {
    return ReadWholeNumber(text).value;
}

std::string IntegerText(int64_t value) {
    return std::to_string(value);
}

std::string DoubleText(double value) {
    if (!std::isfinite(value) || value == 0.0)
        return "0";
    char buffer[64];
    auto result = ToChars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    // The four doubles nearest the largest one round past it at 15 digits, and that text
    // would read back as no number; they take the shortest text that reads back exactly.
    if (!ParseNumber(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer))))
        result = ToChars(buffer, buffer + sizeof buffer, value, std::chars_format::general);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c == 'e')
            c = 'E';
    }
    return text;
}

std::string PlainDecimalText(double value) {
    if (!std::isfinite(value) || value == 0.0)
        return "0";
    // The 15 significant digits d.dddddddddddddde±x, without their trailing zeros.
    char buffer[64];
    const auto result =
        ToChars(buffer, buffer + sizeof buffer, std::abs(value), std::chars_format::scientific, 14);
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const auto ePos = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(0, ePos)) {
        if (IsDigit(c))
            digits += c;
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    int exponent = 0;
    std::from_chars(scientific.data() + ePos + 1 + (scientific[ePos + 1] == '+'),
                    scientific.data() + scientific.size(), exponent);

    std::string text = value < 0 ? "-" : "";
    const int integerDigits = exponent + 1;  // digits before the point; 0 or less for 0.0…
    if (integerDigits <= 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-integerDigits), '0');
        text += digits;
    } else if (integerDigits >= static_cast<int>(digits.size())) {
        text += digits;
        text.append(static_cast<std::size_t>(integerDigits) - digits.size(), '0');
    } else {
        text += digits.substr(0, static_cast<std::size_t>(integerDigits));
        text += '.';
        text += digits.substr(static_cast<std::size_t>(integerDigits));
    }
    return text;
}

std::string FixedText(double value, int decimals) {
    if (!std::isfinite(value))
        return "0";
    if (decimals < 0)
        decimals = 0;
    // The decimal form with 15 significant digits: d.dddddddddddddde±x.
    char buffer[64];
    const auto result =
        ToChars(buffer, buffer + sizeof buffer, std::abs(value), std::chars_format::scientific, 14);
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const auto ePos = scientific.find('e');
    std::string digits;  // the 15 significant digits
    for (char c : scientific.substr(0, ePos)) {
        if (IsDigit(c))
            digits += c;
    }
    int exponent = 0;
    std::from_chars(scientific.data() + ePos + 1 + (scientific[ePos + 1] == '+'),
                    scientific.data() + scientific.size(), exponent);

    // Lay the digits out as a whole number of units of 10^-decimals, plus the next digit.
    // value = 0.digits * 10^(exponent + 1); keep (exponent + 1 + decimals) digits.
    const int keep = exponent + 1 + decimals;
    std::string units;  // decimal digits of the rounded value in units of 10^-decimals
    bool roundUp = false;
    if (keep <= 0) {
        roundUp = keep == 0 && digits.front() >= '5';
    } else if (keep >= static_cast<int>(digits.size())) {
        units = digits + std::string(static_cast<std::size_t>(keep) - digits.size(), '0');
    } else {
        units = digits.substr(0, static_cast<std::size_t>(keep));
        roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
    }
    if (roundUp) {
        int i = static_cast<int>(units.size()) - 1;
        while (i >= 0 && units[static_cast<std::size_t>(i)] == '9') {
            units[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++units[static_cast<std::size_t>(i)];
        } else {
            units.insert(units.begin(), '1');
        }
    }
    // At least one digit before the point, exactly `decimals` after it.
    const auto width = static_cast<std::size_t>(decimals) + 1;
    if (units.size() < width)
        units.insert(0, width - units.size(), '0');
    const bool isZero = units.find_first_not_of('0') == std::string::npos;
    std::string text = (value < 0 && !isZero) ? "-" : "";
    const std::size_t integerDigits = units.size() - static_cast<std::size_t>(decimals);
    text += units.substr(0, integerDigits);
    if (decimals > 0) {
        text += '.';
        text += units.substr(integerDigits);
    }
    return text;
}

}  // namespace kemora::model
