#include "model/vapor_table.h"

#include <charconv>
#include <cmath>

#include "model/float_charconv.h"

namespace kemora::model {
namespace {

// Clausius-Clapeyron with a constant per liquid: P = 760 exp(B (1/Tb - 1/T)) mmHg, both
// temperatures in kelvin from 273.15 (the rest of the model uses 273).
struct Substance {
    double boilingCelsius;  // °C at 760 mmHg
    double constant;        // B, kelvin
};
constexpr Substance kWater{100, 4890.0561};
constexpr Substance kEthanol{78, 4890.2457};
constexpr Substance kDiethylEther{34, 4890.2457};

double RoundToSevenDigits(double value) {
    char buffer[32];
    const auto end =
        ToChars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 6).ptr;
    double rounded = 0.0;
    FromChars(buffer, end, rounded);
    return rounded;
}

double RuleValue(const Substance& substance, int celsius) {
    const double exponent =
        substance.constant * (1.0 / (substance.boilingCelsius + 273.15) - 1.0 / (celsius + 273.15));
    return RoundToSevenDigits(760.0 * std::exp(exponent));
}

// The published rows, every 10 °C plus 27 °C and the boiling points. They hold where
// their seventh digit differs by one unit from the rule.
constexpr VaporPressureRow kReferenceRows[] = {
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

constexpr int SlotOf(int celsius) {
    return celsius + 101;
}

}  // namespace

void FillVaporPressureTable(VaporPressureTable& table) {
    for (int slot = kFirstVaporRow; slot <= kLastVaporRow; ++slot) {
        const int celsius = slot - 101;
        table[slot] = {celsius, RuleValue(kWater, celsius), RuleValue(kEthanol, celsius),
                       RuleValue(kDiethylEther, celsius)};
    }
    for (const VaporPressureRow& row : kReferenceRows) table[SlotOf(row.celsius)] = row;
}

}  // namespace kemora::model
