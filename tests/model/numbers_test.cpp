#include "model/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kemora::model {
namespace {

TEST(ParseNumber, AcceptsDecimalForms) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"0", 0.0},          {"27", 27.0},         {"-50", -50.0},  {"+3", 3.0},
        {"  12.5  ", 12.5},  {"\t7\t", 7.0},       {"0.25", 0.25},  {".5", 0.5},
        {"5.", 5.0},         {"1E3", 1000.0},      {"1e3", 1000.0}, {"2.5e-1", 0.25},
        {"-1.5E+2", -150.0}, {"1013.25", 1013.25}, {"1e-400", 0.0}, {"007", 7.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = ParseNumber(c.text);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(*parsed, c.value);
    }
}

TEST(ParseNumber, RefusesTextThatHoldsNoNumber) {
    const char* cases[] = {"",     " ",     "-",   "+",   ".",   "abc",   "1a",
                           "1 2",  "1,5",   "1e",  "1e+", "e5",  "--1",   "0x10",
                           "１２", "1e999", "nan", "inf", "- 1", "1.2.3", "1e5.0"};
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseNumber(text).has_value());
    }
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbourAndTheEndsSaturate) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        int32_t rounded;
    };
    const Case cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {595.5, 596},
        {594.5, 594},
        {27.5, 28},
        {26.5, 26},
        {0.49999999999999994, 0},
        {1.4, 1},
        {-1.6, -2},
        {2147483647.4, 2147483647},
        {2147483647.5, 2147483647},
        {1e300, 2147483647},
        {-2147483648.5, -2147483648},
        {-1e300, std::numeric_limits<int32_t>::min()},
        {kInf, 2147483647},
        {-kInf, std::numeric_limits<int32_t>::min()},
        {std::nan(""), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded);
    }
}

TEST(ReadWholeNumber, RoundsOrSaysWhyNot) {
    constexpr auto kNone = WholeNumberFailure::None;
    constexpr auto kNoNumber = WholeNumberFailure::NoNumber;
    constexpr auto kOutOfRange = WholeNumberFailure::OutOfRange;
    struct Case {
        const char* text;
        std::optional<int32_t> value;
        WholeNumberFailure failure;
    };
    const Case cases[] = {
        {"12.5", 12, kNone},
        {"13.5", 14, kNone},
        {" 2.5 ", 2, kNone},
        {"-0.5", 0, kNone},
        {"1.5", 2, kNone},
        {"2147483647", 2147483647, kNone},
        {"-2147483648", std::numeric_limits<int32_t>::min(), kNone},
        {"-2147483648.5", std::numeric_limits<int32_t>::min(), kNone},
        {"2147483647.5", std::nullopt, kOutOfRange},
        {"2147483648", std::nullopt, kOutOfRange},
        {"-2147483649", std::nullopt, kOutOfRange},
        {"1e10", std::nullopt, kOutOfRange},
        {"-1e300", std::nullopt, kOutOfRange},
        {"1e999", std::nullopt, kNoNumber},  // beyond a double: no number at all
        {"", std::nullopt, kNoNumber},
        {"-", std::nullopt, kNoNumber},
        {"abc", std::nullopt, kNoNumber},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const WholeNumberReading reading = ReadWholeNumber(c.text);
        EXPECT_EQ(reading.value, c.value);
        EXPECT_EQ(reading.failure, c.failure);
        EXPECT_EQ(ParseWholeNumber(c.text), c.value);
    }
}

TEST(IntegerText, PlainDigits) {
    EXPECT_EQ(IntegerText(0), "0");
    EXPECT_EQ(IntegerText(27), "27");
    EXPECT_EQ(IntegerText(-50), "-50");
    EXPECT_EQ(IntegerText(std::numeric_limits<int32_t>::min()), "-2147483648");
}

TEST(DoubleText, FifteenSignificantDigitsWithoutTrailingZeros) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {800.0, "800"},
        {0.5, "0.5"},
        {-50.0, "-50"},
        {1013.25, "1013.25"},
        {0.1 + 0.2, "0.3"},
        {0.1 + 0.1 + 0.1 + 0.1 + 0.1 + 0.1 + 0.1, "0.7"},
        {1.0 / 3.0, "0.333333333333333"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {1e20, "1E+20"},
        {1.5e-7, "1.5E-07"},
        {0.0001, "0.0001"},
        {std::nan(""), "0"},
        {std::numeric_limits<double>::infinity(), "0"},
        // The four largest doubles would round past the largest double at 15 digits: they
        // take the shortest text that reads back exactly.
        {1.7976931348623157e308, "1.7976931348623157E+308"},
        {-1.7976931348623157e308, "-1.7976931348623157E+308"},
        {1.7976931348623151e308, "1.7976931348623151E+308"},
        {1.797693134862315e308, "1.79769313486231E+308"},
        {4.9406564584124654e-324, "4.94065645841247E-324"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DoubleText(c.value), c.text);
    }
}

TEST(DoubleText, ReadsBackToTheSameValue) {
    const double values[] = {0.25,
                             1013.25,
                             -0.001,
                             12345.6789,
                             1e15,
                             1.5e-7,
                             9.87e300,
                             4.9e-300,
                             800.0,
                             123456789012345.0,
                             std::numeric_limits<double>::max(),
                             std::nextafter(std::numeric_limits<double>::max(), 0.0),
                             -std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::denorm_min()};
    for (double value : values) {
        SCOPED_TRACE(value);
        const auto parsed = ParseNumber(DoubleText(value));
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(*parsed, value);
    }
    // More than 15 significant digits read back rounded to 15.
    EXPECT_EQ(*ParseNumber(DoubleText(0.1234567890123456789)), 0.123456789012346);
}

TEST(PlainDecimalText, FifteenSignificantDigitsNeverInExponentForm) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {31.3770718232044, "31.3770718232044"},
        {-50.0, "-50"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.0413, "0.0413"},
        {1.5e-7, "0.00000015"},
        {-1.5e-7, "-0.00000015"},
        {1e15, "1000000000000000"},
        {1e20, "100000000000000000000"},
        {1.23456789012345678e20, "123456789012346000000"},
        {999999999999999.9, "1000000000000000"},
        {std::nan(""), "0"},
        {-std::numeric_limits<double>::infinity(), "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(PlainDecimalText(c.value), c.text);
    }
}

TEST(PlainDecimalText, ReadsBackAsDoubleTextDoes) {
    const double values[] = {0.25, 1013.25, -0.001, 12345.6789, 1e15, 1.5e-7, 9.87e300, 4.9e-300};
    for (double value : values) {
        SCOPED_TRACE(value);
        const std::string text = PlainDecimalText(value);
        EXPECT_EQ(text.find_first_of("Ee"), std::string::npos);
        const auto parsed = ParseNumber(text);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(*parsed, *ParseNumber(DoubleText(value)));
    }
}

TEST(FixedText, DisplayPatternsRoundHalfAwayFromZero) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {31.37707, 1, "31.4"},
        {26.7153, 1, "26.7"},
        {0.0412856, 3, "0.041"},
        {41.8223, 0, "42"},
        {2.25, 1, "2.3"},
        {-2.25, 1, "-2.3"},
        {0.15, 1, "0.2"},
        {1.005, 2, "1.01"},
        {0.5, 0, "1"},
        {1.5, 0, "2"},
        {2.5, 0, "3"},
        {-0.5, 0, "-1"},
        {9.96, 1, "10.0"},
        {99.9996, 3, "100.000"},
        {0.0, 1, "0.0"},
        {0.0, 3, "0.000"},
        {0.0, 0, "0"},
        {-0.04, 1, "0.0"},
        {-0.0, 3, "0.000"},
        {0.0004, 3, "0.000"},
        {0.0005, 3, "0.001"},
        {0.00004, 1, "0.0"},
        {0.05, 1, "0.1"},
        {760.0, 1, "760.0"},
        {202636.7, 0, "202637"},
        {1234567.0, 1, "1234567.0"},
        {1e20, 0, "100000000000000000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FixedText(c.value, c.decimals), c.text);
    }
}

}  // namespace
}  // namespace kemora::model
