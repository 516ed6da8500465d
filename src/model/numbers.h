#pragma once
// Number rules shared by every part of the program: reading numbers from text, rounding
// to whole numbers and writing numbers as text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kemora::model {

// Reads a decimal number: optional blanks, an optional sign, digits with an optional '.'
// and fraction, an optional exponent ('E' or 'e', optional sign, digits), optional blanks.
// Anything else, the empty text, and magnitudes beyond the range of a double give nullopt.
[[nodiscard]] std::optional<double> ParseNumber(std::string_view text);

// Nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Values beyond the 32-bit range saturate at its ends; NaN gives 0.
[[nodiscard]] int32_t RoundHalfEven(double value);

// Why a text gave no whole number.
enum class WholeNumberFailure { None, NoNumber, OutOfRange };

// A whole number read from a text, or the reason there is none.
struct WholeNumberReading {
    std::optional<int32_t> value;
    WholeNumberFailure failure = WholeNumberFailure::None;  // None exactly when value is set

    friend bool operator==(const WholeNumberReading&, const WholeNumberReading&) = default;
};

// A text read as a number and rounded half to even. NoNumber when the text holds no number;
// OutOfRange when the rounded value does not fit in 32 bits.
[[nodiscard]] WholeNumberReading ReadWholeNumber(std::string_view text);

// ReadWholeNumber's value, for readers that need no reason.
[[nodiscard]] std::optional<int32_t> ParseWholeNumber(std::string_view text);

// Plain decimal digits, "-" for negatives.
[[nodiscard]] std::string IntegerText(int64_t value);

// At most 15 significant digits, no trailing zeros, no point for whole values, exponent
// form ("1E+20", "1E-07") for very large and very small magnitudes. Negative zero is "0".
// A value with at most 15 significant digits reads back unchanged. Only the few values
// whose 15-digit text would round past the largest double take, instead, the shortest text
// that reads back exactly ("1.7976931348623157E+308"), so every text reads back as a number.
// Not-a-number and infinities, which no setting can hold, are written as "0".
[[nodiscard]] std::string DoubleText(double value);

// At most 15 significant digits like DoubleText, but always laid out in plain decimal
// ("0.0000001", "100000000000000000000"), never in exponent form, for readers that take
// only plain numbers. Negative zero, not-a-number and infinities are written as "0".
[[nodiscard]] std::string PlainDecimalText(double value);

// The display patterns "0" (decimals 0), "0.0" (1) and "0.000" (3): the value's decimal
// form (15 significant digits) rounded half away from zero to the given decimals.
// A result that rounds to zero is shown without a sign ("0.0", never "-0.0").
[[nodiscard]] std::string FixedText(double value, int decimals);

}  // namespace kemora::model
