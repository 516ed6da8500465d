// Any text through the number rules, and any eight bytes as a double through the number
// texts: every text the program writes reads back, to the value or within its rounding.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "model/numbers.h"

namespace {

using namespace kemora::model;

void Require(bool condition) {
    if (!condition)
        std::abort();
}

void CheckTexts(double value) {
    const bool finite = std::isfinite(value);
    const std::string text = DoubleText(value);
    const auto back = ParseNumber(text);
    Require(back.has_value());
    if (finite) {
        // Fifteen significant digits: half a unit in the 15th digit (at most 5e-15 of the
        // value), and the reading's own rounding to a double (at most 1.2e-16).
        Require(std::fabs(*back - value) <=
                5.2e-15 * std::fabs(value) + std::numeric_limits<double>::denorm_min());
        Require(DoubleText(*back) == text);
    } else {
        Require(*back == 0.0);
    }

    // The display texts round the 15-digit form, which passes the largest double for the few
    // values above this one; no pressure comes near it.
    constexpr double kLargestDisplayed = 1.79769313486231e308;
    for (const int decimals : {0, 1, 3}) {
        const auto fixed = ParseNumber(FixedText(value, decimals));
        if (finite && std::fabs(value) > kLargestDisplayed)
            continue;
        Require(fixed.has_value());
        if (finite)
            Require(std::fabs(*fixed - value) <=
                    0.5 * std::pow(10.0, -decimals) + 1e-14 * std::fabs(value));
    }

    const int32_t rounded = RoundHalfEven(value);
    Require(ParseWholeNumber(IntegerText(rounded)) == rounded);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto number = ParseNumber(text);
    const auto whole = ParseWholeNumber(text);
    if (whole)
        Require(number.has_value() && RoundHalfEven(*number) == *whole);
    if (number)
        CheckTexts(*number);
    if (size >= sizeof(double)) {
        double value = 0.0;
        std::memcpy(&value, data, sizeof value);
        CheckTexts(value);
    }
    return 0;
}
