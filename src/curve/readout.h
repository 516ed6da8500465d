#pragma once
// What the vapor-pressure window reads out under the pointer.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/equilibrium.h"

namespace kemora::curve {

// The whole degree under the pointer and the three liquids' vapor pressures there.
struct Readout {
    int32_t temperature = 0;                   // in the settings' temperature unit
    std::array<std::string, 3> pressureTexts;  // water, ethanol, diethyl ether, as the main
                                               // window's pressure field writes them
};

// The readout at a temperature on the axis (settings' unit), rounded to the table's whole
// degrees; nullopt outside the table's -100..200 °C.
[[nodiscard]] std::optional<Readout> ReadoutAt(const model::Experiment& experiment,
                                               double temperature);

}  // namespace kemora::curve
