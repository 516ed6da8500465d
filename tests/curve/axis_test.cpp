#include "curve/axis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "model/numbers.h"

namespace kemora::curve {
namespace {

std::vector<double> ValuesOf(const std::vector<Tick>& ticks) {
    std::vector<double> values;
    for (const Tick& tick : ticks) values.push_back(tick.value);
    return values;
}

TEST(LinearTicks, RoundStepsCoverTheRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        double low;
        double high;
        std::vector<double> ticks;
    };
    const Case cases[] = {
        {"-20..120 °C", -20, 120, {-20, 0, 20, 40, 60, 80, 100, 120}},
        {"253..393 K", 253, 393, {240, 260, 280, 300, 320, 340, 360, 380, 400}},
        {"a little above 1 atm in mmHg", 0, 798, {0, 100, 200, 300, 400, 500, 600, 700, 800}},
        {"a little above 1 atm in atm",
         0,
         1.05,
         {0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1, 1.1}},
        {"a little above 1 atm in hPa",
         0,
         1063.65,
         {0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100}},
        {"water at 150 °C in mmHg",
         0,
         3932.8135,
         {0, 500, 1000, 1500, 2000, 2500, 3000, 3500, 4000}},
        {"across zero in tenths",
         -0.37,
         0.41,
         {-0.4, -0.3, -0.2, -0.1, 0, 0.1, 0.2, 0.3, 0.4, 0.5}},
        {"bounds on ticks of 0.05",
         0.3,
         0.9,
         {0.3, 0.35, 0.4, 0.45, 0.5, 0.55, 0.6, 0.65, 0.7, 0.75, 0.8, 0.85, 0.9}},
        {"-100..200 °C", -100, 200, {-100, -50, 0, 50, 100, 150, 200}},
        {"bounds given the wrong way round", 120, -20, {-20, 0, 20, 40, 60, 80, 100, 120}},
        {"no extent", 5, 5, {4, 4.2, 4.4, 4.6, 4.8, 5, 5.2, 5.4, 5.6, 5.8, 6}},
        {"not a number", nan, 5, {0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1}},
        {"beyond any measure", -1e301, 1e301, {0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const AxisTicks ticks = LinearTicks(c.low, c.high, 12);
        EXPECT_EQ(ValuesOf(ticks.labelled), c.ticks);
        EXPECT_TRUE(ticks.minor.empty());
        ASSERT_FALSE(ticks.labelled.empty());
        EXPECT_EQ(ticks.low, ticks.labelled.front().value);
        EXPECT_EQ(ticks.high, ticks.labelled.back().value);
        for (const Tick& tick : ticks.labelled) {
            // A round value reads back from its short text exactly.
            EXPECT_EQ(model::ParseNumber(tick.text), tick.value) << tick.text;
            EXPECT_LE(tick.text.size(), 5u) << tick.text;
        }
    }
}

TEST(LinearTicks, IntervalsStayWithinTheLimit) {
    struct Case {
        double low;
        double high;
        int maxIntervals;
        double step;
    };
    const Case cases[] = {
        {0, 100, 10, 10}, {0, 100, 9, 20},    {0, 100, 4, 50},          {0, 100, 2, 50},
        {0, 100, 1, 50},  {0, 1e-7, 5, 2e-8}, {1e15, 1e15 + 64, 8, 10}, {-7, 7, 1000, 0.02},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.low << ".." << c.high << " in " << c.maxIntervals);
        const AxisTicks ticks = LinearTicks(c.low, c.high, c.maxIntervals);
        ASSERT_GE(ticks.labelled.size(), 2u);
        const auto intervals = static_cast<int>(ticks.labelled.size()) - 1;
        EXPECT_LE(intervals, std::max(c.maxIntervals, 2));
        EXPECT_LE(ticks.low, c.low);
        EXPECT_GE(ticks.high, c.high);
        EXPECT_NEAR(ticks.labelled[1].value - ticks.labelled[0].value, c.step, c.step * 1e-9);
    }
}

TEST(LogTicks, DecadesCoverTheRangeWithMinorLinesBetween) {
    struct Case {
        const char* what;
        double low;
        double high;
        std::vector<double> decades;
    };
    const Case cases[] = {
        {"water at -20 °C to a little above 1 atm, mmHg", 1.52392, 798, {1, 10, 100, 1000}},
        {"the same in atm", 0.00200516, 1.05, {0.001, 0.01, 0.1, 1, 10}},
        {"bounds on decades", 0.01, 100, {0.01, 0.1, 1, 10, 100}},
        {"one value", 100, 100, {100, 1000}},
        {"lowest bound zero", 0, 5, {1e-6, 1e-5, 1e-4, 0.001, 0.01, 0.1, 1, 10}},
        {"no positive bound", -3, -1, {1e-6, 1e-5, 1e-4, 0.001, 0.01, 0.1, 1}},
        {"the wrong way round", 1000, 10, {10, 100, 1000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const AxisTicks ticks = LogTicks(c.low, c.high);
        EXPECT_EQ(ValuesOf(ticks.labelled), c.decades);
        EXPECT_EQ(ticks.low, c.decades.front());
        EXPECT_EQ(ticks.high, c.decades.back());
        for (const Tick& tick : ticks.labelled)
            EXPECT_EQ(model::ParseNumber(tick.text), tick.value) << tick.text;
        ASSERT_EQ(ticks.minor.size(), 8 * (c.decades.size() - 1));
        for (std::size_t decade = 0; decade + 1 < c.decades.size(); ++decade) {
            for (int m = 2; m <= 9; ++m) {
                EXPECT_NEAR(ticks.minor[decade * 8 + m - 2], m * c.decades[decade],
                            c.decades[decade] * 1e-12);
            }
        }
    }
}

TEST(AxisScale, MapsValuesToPixelsAndBack) {
    struct Case {
        const char* what;
        AxisScale scale;
        double value;
        double pixel;
    };
    const Case cases[] = {
        {"linear, low end", {-20, 120, 60, 760, false}, -20, 60},
        {"linear, high end", {-20, 120, 60, 760, false}, 120, 760},
        {"linear, 30 °C", {-20, 120, 60, 760, false}, 30, 310},
        {"upward pressure axis", {0, 800, 500, 20, false}, 200, 380},
        {"log, decade in the middle", {1, 1000, 500, 20, true}, 10, 340},
        {"log, half a decade", {1, 100, 400, 0, true}, std::sqrt(10.0), 300},
        {"log, top", {1, 1000, 500, 20, true}, 1000, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(c.scale.toPixel(c.value), c.pixel, 1e-9);
        EXPECT_NEAR(c.scale.toValue(c.pixel), c.value, std::abs(c.value) * 1e-12 + 1e-12);
    }
}

TEST(AxisScale, DegenerateAxesStayAtTheirLowEnd) {
    const AxisScale flat{5, 5, 10, 90, false};
    EXPECT_EQ(flat.toPixel(7), 10);
    const AxisScale noPixels{0, 100, 40, 40, false};
    EXPECT_EQ(noPixels.toValue(40), 0);
    const AxisScale log{1, 1000, 500, 20, true};
    EXPECT_EQ(log.toPixel(0), 500);
    EXPECT_EQ(log.toPixel(-5), 500);
    const AxisScale logFromZero{0, 1000, 500, 20, true};
    EXPECT_EQ(logFromZero.toPixel(10), 500);
    EXPECT_EQ(logFromZero.toValue(20), 0);
}

}  // namespace
}  // namespace kemora::curve
