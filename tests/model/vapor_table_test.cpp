#include "model/vapor_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace kemora::model {
namespace {

class VaporPressureTableTest : public testing::Test {
  protected:
    void SetUp() override { FillVaporPressureTable(table); }
    VaporPressureTable table{};
};

TEST_F(VaporPressureTableTest, ReferenceRowsHoldExactly) {
    const VaporPressureRow rows[] = {
        {-100, 0.0002027342, 0.0004605279, 0.003385852},
        {-90, 0.0009475653, 0.002152604, 0.01582618},
        {-80, 0.003775271, 0.00857682, 0.06305772},
        {-70, 0.01312756, 0.02982519, 0.2192781},
        {-60, 0.04061023, 0.09226853, 0.6783684},
        {-50, 0.113535, 0.2579676, 1.896607},
        {-40, 0.2906183, 0.6603502, 4.854968},
        {-30, 0.6885585, 1.564612, 11.5032},
        {-20, 1.52392, 3.462911, 25.45971},
        {-10, 3.175127, 7.215271, 53.04747},
        {0, 6.269279, 14.24691, 104.7448},
        {10, 11.7979, 26.81134, 197.1199},
        {20, 21.26467, 48.32615, 355.2992},
        {27, 31.37707, 71.30869, 524.2694},
        {30, 36.86656, 83.78484, 615.9954},
        {34, 45.48469, 103.3717, 760.0},
        {40, 61.70837, 140.2444, 1031.092},
        {50, 100.0483, 227.3837, 1671.75},
        {60, 157.5711, 358.1244, 2632.97},
        {70, 241.683, 549.3013, 4038.524},
        {78, 334.3826, 760.0, 5587.604},
        {80, 361.8219, 822.3679, 6046.14},
        {90, 529.7758, 1204.12, 8852.823},
        {100, 760.0, 1727.418, 12700.17},
        {110, 1069.928, 2431.89, 17879.53},
        {120, 1480.263, 3364.603, 24736.93},
        {130, 2015.251, 4580.672, 33677.61},
        {140, 2702.919, 6143.815, 45170.01},
        {150, 3575.285, 8126.816, 59749.25},
        {160, 4668.519, 10611.91, 78019.91},
        {170, 6023.076, 13691.06, 100658.2},
        {180, 7683.772, 17466.15, 128413.1},
        {190, 9699.821, 22049.07, 162107.2},
        {200, 12124.83, 27561.71, 202636.7},
    };
    for (const VaporPressureRow& expected : rows) {
        SCOPED_TRACE(expected.celsius);
        const VaporPressureRow& row = table[expected.celsius + 101];
        EXPECT_EQ(row.celsius, expected.celsius);
        EXPECT_EQ(row.water, expected.water);
        EXPECT_EQ(row.ethanol, expected.ethanol);
        EXPECT_EQ(row.diethylEther, expected.diethylEther);
    }
}

// Every row off the reference degrees follows the Clausius-Clapeyron rule
// P = 760 exp(B (1 / (tb + 273.15) - 1 / (t + 273.15))) mmHg, rounded to seven significant
// digits, to within one unit in the seventh digit. The expected values are computed here from
// the rule's published constants, so a changed constant or conversion shows.
TEST_F(VaporPressureTableTest, RowsOffTheReferenceDegreesFollowTheRule) {
    struct Liquid {
        const char* name;
        double VaporPressureRow::*column;
        long double boilingCelsius;  // °C at 760 mmHg
        long double constant;        // B, kelvin
    };
    const Liquid liquids[] = {
        {"water", &VaporPressureRow::water, 100, 4890.0561L},
        {"ethanol", &VaporPressureRow::ethanol, 78, 4890.2457L},
        {"diethyl ether", &VaporPressureRow::diethylEther, 34, 4890.2457L},
    };
    const std::set<int> referenceDegrees = {27, 34, 78};
    for (const Liquid& liquid : liquids) {
        for (int celsius = -100; celsius <= 200; ++celsius) {
            if (celsius % 10 == 0 || referenceDegrees.contains(celsius))
                continue;
            SCOPED_TRACE(std::string(liquid.name) + " at " + std::to_string(celsius) + " °C");
            const long double rule =
                760.0L * std::exp(liquid.constant * (1.0L / (liquid.boilingCelsius + 273.15L) -
                                                     1.0L / (celsius + 273.15L)));
            const long double unit = std::pow(10.0L, std::floor(std::log10(rule)) - 6);
            const long double rounded = std::round(rule / unit) * unit;
            const double held = table[celsius + 101].*liquid.column;
            EXPECT_LE(std::fabs(static_cast<long double>(held) - rounded), unit * 1.000001L)
                << "held " << held << ", rule " << static_cast<double>(rounded);
        }
    }
}

TEST_F(VaporPressureTableTest, BoilingPointsHoldExactly760) {
    EXPECT_EQ(table[201].water, 760.0);
    EXPECT_EQ(table[179].ethanol, 760.0);
    EXPECT_EQ(table[135].diethylEther, 760.0);
}

TEST_F(VaporPressureTableTest, UnusedSlotsStayZero) {
    for (int slot : {0, 302, 350}) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(table[slot].celsius, 0);
        EXPECT_EQ(table[slot].water, 0.0);
        EXPECT_EQ(table[slot].ethanol, 0.0);
        EXPECT_EQ(table[slot].diethylEther, 0.0);
    }
}

TEST_F(VaporPressureTableTest, RowsAscendByOneDegreeAndEveryColumnGrows) {
    EXPECT_EQ(table[1].celsius, -100);
    EXPECT_EQ(table[301].celsius, 200);
    for (int slot = 2; slot <= 301; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(table[slot].celsius, table[slot - 1].celsius + 1);
        EXPECT_GT(table[slot].water, table[slot - 1].water);
        EXPECT_GT(table[slot].ethanol, table[slot - 1].ethanol);
        EXPECT_GT(table[slot].diethylEther, table[slot - 1].diethylEther);
    }
}

TEST_F(VaporPressureTableTest, FillingAgainWritesTheSameValues) {
    VaporPressureTable again = table;
    FillVaporPressureTable(again);
    for (int slot = 0; slot < 351; ++slot) {
        EXPECT_EQ(again[slot].water, table[slot].water);
        EXPECT_EQ(again[slot].diethylEther, table[slot].diethylEther);
    }
}

}  // namespace
}  // namespace kemora::model
