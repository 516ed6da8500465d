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

// Facts from data books, not from the constants: each range holds the liquid's normal boiling
// point and ends at most 2 °C past it (above it the liquid has boiled away at 1 atm), and it
// starts where the liquid exists, above its melting point.
TEST(Antoine, RangesLieWhereTheLiquidIsAndReachItsBoilingPoint) {
    struct Case {
        const char* what;
        int32_t liquid;
        double boilingCelsius;
        double meltingCelsius;
    };
    const Case cases[] = {
        {"water", model::Water, 100.0, 0.0},
        {"ethanol", model::Ethanol, 78.37, -114.1},
        {"diethyl ether", model::DiethylEther, 34.6, -116.3},
        {"no liquid chosen reads ether", -1, 34.6, -116.3},
        {"an unknown value reads ether", 3, 34.6, -116.3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const AntoineConstants& constants = AntoineConstantsOf(c.liquid);
        EXPECT_GT(constants.lowestCelsius, c.meltingCelsius);
        EXPECT_LE(constants.lowestCelsius, c.boilingCelsius);
        EXPECT_GE(constants.highestCelsius, c.boilingCelsius);
        EXPECT_LE(constants.highestCelsius, c.boilingCelsius + 2.0);
    }
}

}  // namespace
}  // namespace kemora::curve
