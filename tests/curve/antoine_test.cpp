#include "curve/antoine.h"

#include <gtest/gtest.h>

#include "model/equilibrium.h"

namespace kemora::curve {
namespace {

// Measured values from data books, not from the constants.
TEST(Antoine, AgreesWithMeasuredValues) {
    struct Case {
        const char* what;
        int32_t liquid;
        double celsius;
        double mmHg;
        double tolerance;  // mmHg
    };
    const Case cases[] = {
        {"water boils at 100 °C", model::Water, 100.0, 760.0, 0.5},
        {"ethanol boils at 78.3 °C", model::Ethanol, 78.3, 760.0, 2.0},
        {"diethyl ether boils at 34.6 °C", model::DiethylEther, 34.6, 760.0, 2.0},
        {"water at 20 °C", model::Water, 20.0, 17.5, 0.02 * 17.5},
        {"ethanol at 20 °C", model::Ethanol, 20.0, 44.0, 0.02 * 44.0},
        {"diethyl ether at 20 °C", model::DiethylEther, 20.0, 440.0, 0.02 * 440.0},
        {"water at 27 °C, where the table's rule gives 31.4", model::Water, 27.0, 26.7, 0.1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const AntoineConstants& constants = AntoineConstantsOf(c.liquid);
        EXPECT_LE(constants.lowestCelsius, c.celsius);
        EXPECT_GE(constants.highestCelsius, c.celsius);
        EXPECT_NEAR(AntoineMmHg(constants, c.celsius), c.mmHg, c.tolerance);
    }
}

TEST(Antoine, RangesOfValidity) {
    struct Case {
        int32_t liquid;
        double lowest;
        double highest;
    };
    const Case cases[] = {
        {model::Water, 1, 100},
        {model::Ethanol, -57, 80},
        {model::DiethylEther, -60, 35},
        {-1, -60, 35},
        {3, -60, 35},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.liquid);
        EXPECT_EQ(AntoineConstantsOf(c.liquid).lowestCelsius, c.lowest);
        EXPECT_EQ(AntoineConstantsOf(c.liquid).highestCelsius, c.highest);
    }
}

}  // namespace
}  // namespace kemora::curve
