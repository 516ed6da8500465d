#include "model/float_charconv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace kemora::model {
namespace {

std::string Text(std::to_chars_result result, const char* buffer) {
    EXPECT_EQ(result.ec, std::errc{});
    return std::string(buffer, static_cast<const char*>(result.ptr));
}

// The forms the number rules ask for; 0 as precision means the shortest text.
struct Form {
    std::chars_format format;
    int precision;
};

std::string PrintfText(double value, Form form) {
    char buffer[400];
    return Text(form.precision == 0
                    ? printf_charconv::ToChars(buffer, buffer + sizeof buffer, value, form.format)
                    : printf_charconv::ToChars(buffer, buffer + sizeof buffer, value, form.format,
                                               form.precision),
                buffer);
}

TEST(PrintfCharconv, WritesTheFormsOfTheNumberRules) {
    struct Case {
        double value;
        Form form;
        const char* text;
    };
    const Case cases[] = {
        {100.0, {std::chars_format::general, 0}, "100"},
        {123456.0, {std::chars_format::general, 0}, "123456"},
        {1234567.0, {std::chars_format::general, 0}, "1.234567e+06"},
        {0.0001, {std::chars_format::general, 0}, "0.0001"},
        {0.00001, {std::chars_format::general, 0}, "1e-05"},
        {0.1 + 0.2, {std::chars_format::general, 0}, "0.30000000000000004"},
        {-2.5, {std::chars_format::general, 0}, "-2.5"},
        {std::numeric_limits<double>::max(),
         {std::chars_format::general, 0},
         "1.7976931348623157e+308"},
        {std::numeric_limits<double>::denorm_min(), {std::chars_format::general, 0}, "5e-324"},
        {0.1 + 0.2, {std::chars_format::general, 15}, "0.3"},
        {1e20, {std::chars_format::general, 15}, "1e+20"},
        {1e-7, {std::chars_format::general, 15}, "1e-07"},
        {31.4159, {std::chars_format::general, 15}, "31.4159"},
        {1013.25, {std::chars_format::scientific, 14}, "1.01325000000000e+03"},
        {-0.000123, {std::chars_format::scientific, 6}, "-1.230000e-04"},
        {2.5e300, {std::chars_format::scientific, 6}, "2.500000e+300"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(PrintfText(c.value, c.form), c.text);
    }
}

TEST(PrintfCharconv, ReadsNumbersAndTellsValuesOutOfRange) {
    struct Case {
        const char* text;
        std::errc error;
        double value;  // -1 where the value must stay untouched
        std::size_t used;
    };
    const Case cases[] = {
        {"0", {}, 0.0, 1},
        {"12.5", {}, 12.5, 4},
        {"-1.5E+2", {}, -150.0, 7},
        {".5", {}, 0.5, 2},
        {"1e-310", {}, 1e-310, 6},
        {"2.4703282292062328e-324", {}, 5e-324, 23},
        {"1.7976931348623158e308", {}, std::numeric_limits<double>::max(), 22},
        {"0e999", {}, 0.0, 5},
        {"2.4703282292062327e-324", std::errc::result_out_of_range, -1, 23},
        {"1e-400", std::errc::result_out_of_range, -1, 6},
        {"1e400", std::errc::result_out_of_range, -1, 5},
        {"-1.7976931348623159e308", std::errc::result_out_of_range, -1, 23},
        {"12ab", {}, 12.0, 2},
        {"x", std::errc::invalid_argument, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        double value = -1;
        const auto result = printf_charconv::FromChars(c.text, c.text + std::strlen(c.text), value);
        EXPECT_EQ(result.ec, c.error);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(result.ptr, c.text + c.used);
    }
}

#if __cpp_lib_to_chars >= 201611L
// std::bit_cast, absent from some standard libraries.
double FromBits(uint64_t bits) {
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

uint64_t Bits(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

constexpr Form kForms[] = {{std::chars_format::general, 0},
                           {std::chars_format::general, 15},
                           {std::chars_format::scientific, 14},
                           {std::chars_format::scientific, 6}};

// Doubles from every exponent, and decimal fractions of a few digits, where the shortest
// text is hardest to find.
std::vector<double> SampleDoubles() {
    std::mt19937_64 random(20261210);
    std::vector<double> values;
    for (int i = 0; i < 20000; ++i) {
        const double value = FromBits(random());
        if (std::isfinite(value))
            values.push_back(value);
        const auto digits = static_cast<double>(random() % 100000000);
        values.push_back(digits / std::pow(10.0, static_cast<int>(random() % 30)) *
                         std::pow(10.0, static_cast<int>(random() % 12)));
    }
    return values;
}

TEST(PrintfCharconv, GivesTheTextsAndValuesOfTheStandardLibrary) {
    for (const double value : SampleDoubles()) {
        for (const Form form : kForms) {
            char buffer[400];
            const std::string expected =
                Text(form.precision == 0
                         ? std::to_chars(buffer, buffer + sizeof buffer, value, form.format)
                         : std::to_chars(buffer, buffer + sizeof buffer, value, form.format,
                                         form.precision),
                     buffer);
            ASSERT_EQ(PrintfText(value, form), expected) << std::hexfloat << value;
            double fromStd = -1;
            double fromPrintf = -1;
            const auto stdResult =
                std::from_chars(expected.data(), expected.data() + expected.size(), fromStd);
            const auto printfResult = printf_charconv::FromChars(
                expected.data(), expected.data() + expected.size(), fromPrintf);
            ASSERT_EQ(printfResult.ec, stdResult.ec) << expected;
            ASSERT_EQ(printfResult.ptr - expected.data(), stdResult.ptr - expected.data());
            ASSERT_EQ(Bits(fromPrintf), Bits(fromStd)) << expected;
        }
    }
}
#else
TEST(PrintfCharconv, GivesTheTextsAndValuesOfTheStandardLibrary) {
    GTEST_SKIP() << "this standard library has no floating-point to_chars to compare with";
}
#endif

}  // namespace
}  // namespace kemora::model
