#pragma once
// Measured vapor pressures of the three liquids, from the Antoine equation, to compare with
// the simplified rule of the program's own table.

#include <cstdint>

namespace kemora::curve {

// The constants of log10(p / mmHg) = a - b / (c + t / °C) and the temperatures between
// which they reproduce measured data.
struct AntoineConstants {
    double a = 0.0;
    double b = 0.0;               // °C
    double c = 0.0;               // °C
    double lowestCelsius = 0.0;   // °C
    double highestCelsius = 0.0;  // °C
};

// The constants of a liquid (a model::Liquid; every value but water and ethanol is diethyl
// ether, as everywhere in the program).
[[nodiscard]] const AntoineConstants& AntoineConstantsOf(int32_t liquid);

// The vapor pressure in mmHg at `celsius`, meaningful inside the constants' range only.
[[nodiscard]] double AntoineMmHg(const AntoineConstants& constants, double celsius);

}  // namespace kemora::curve
