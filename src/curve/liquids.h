#pragma once
// The three liquids of the figure, each read through the model's own rules, and the
// temperatures the table holds.

#include <array>
#include <cstdint>

#include "model/equilibrium.h"

namespace kemora::curve {

// In the order of every liquid list: water, ethanol, diethyl ether.
inline constexpr std::array<int32_t, 3> kLiquids{model::Water, model::Ethanol, model::DiethylEther};

// The table's first and last rows, °C.
inline constexpr int32_t kTableLowestCelsius = -100;
inline constexpr int32_t kTableHighestCelsius = 200;

// Whether the table has a row of its own for a temperature in degrees Celsius.
[[nodiscard]] constexpr bool InTable(int64_t celsius) {
    return celsius >= kTableLowestCelsius && celsius <= kTableHighestCelsius;
}

// A copy of the experiment that holds `liquid`, so that VaporPressureAt reads that liquid's
// column in the experiment's units.
[[nodiscard]] model::Experiment WithLiquid(const model::Experiment& experiment, int32_t liquid);

// Whether a `liquid` value reads the column of `column` (one of kLiquids): every value but
// water and ethanol reads diethyl ether, as in the model.
[[nodiscard]] bool ReadsColumnOf(int32_t liquid, int32_t column);

}  // namespace kemora::curve
