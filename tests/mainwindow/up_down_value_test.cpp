#include "mainwindow/up_down_value.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "mainwindow/keyboard.h"

namespace kemora::mainwindow {
namespace {

constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kIntMin = std::numeric_limits<int32_t>::min();

TEST(UpDownValue, StepsTheFieldsNumberWithinTheRange) {
    struct Case {
        const char* text;
        int32_t clicks;
        int32_t minimum;
        int32_t maximum;
        int32_t value;
    };
    // Increment 5 litres, as the volume's up-down control has.
    const Case cases[] = {
        {"0", 1, 0, 700, 5},
        {"140", 1, 0, 150, 145},
        {"148", 1, 0, 150, 150},  // stops at the maximum
        {"150", 1, 0, 150, 150},
        {"3", -1, 0, 150, 0},      // stops at the minimum
        {"300", -1, 0, 150, 150},  // a typed volume past the range comes back into it
        {"-40", 1, 0, 150, 0},
        {"12.5", 1, 0, 150, 17},  // 12.5 is 12 litres, a half to the even neighbour
        {"13.5", -1, 0, 150, 9},
        {"", 1, 0, 150, 5},  // no number counts as the minimum
        {"-", -1, 0, 150, 0},
        {"abc", 1, 20, 150, 25},
        {"100", 10, 0, 700, 150},  // Page Up: ten clicks
        {"100", -10, 0, 700, 50},
        {"30", -10, 0, 700, 0},
        {"680", 10, 0, 700, 700},
        {"100", 1, 150, 0, 105},  // a range upside down still bounds
        {"100", 10, 150, 0, 150},
        {"2147483647", 1, 0, kIntMax, kIntMax},
        {"-2147483648", -1, kIntMin, 0, kIntMin},
        {"0", kIntMax, kIntMin, kIntMax, kIntMax},  // no overflow on the way
        {"0", kIntMin, kIntMin, kIntMax, kIntMin},
        {"1e10", 1, 0, 150, 5},  // beyond 32 bits: no number
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" " << c.clicks << " clicks in "
                                        << c.minimum << ".." << c.maximum);
        EXPECT_EQ(UpDownValue(c.text, c.clicks, 5, c.minimum, c.maximum), c.value);
    }
}

// What the volume's arrows do in a lesson: 5 litres a click, 50 a page, from 0 up to the
// 200 litres the field allows before the settings are read.
TEST(UpDownValue, TheVolumeArrowsStepFiveLitresAClickFromNothingUpTo200) {
    struct Case {
        const char* text;
        int clicks;
        int32_t value;  // litres
    };
    const Case cases[] = {
        {"", 1, 5},
        {"0", -1, 0},
        {"100", kClicksPerPage, 150},
        {"30", -kClicksPerPage, 0},
        {"198", 1, 200},
        {"180", kClicksPerPage, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" " << c.clicks << " clicks");
        EXPECT_EQ(UpDownValue(c.text, c.clicks, kVolumeStep, kVolumeMinimum, kVolumeStartMaximum),
                  c.value);
    }
}

}  // namespace
}  // namespace kemora::mainwindow
