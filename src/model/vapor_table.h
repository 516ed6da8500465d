#pragma once
// The saturated vapor pressure of the three liquids at every whole degree from -100 °C to
// 200 °C.

#include <array>
#include <cstdint>

namespace kemora::model {

struct VaporPressureRow {
    int32_t celsius = 0;        // °C
    double water = 0.0;         // mmHg
    double ethanol = 0.0;       // mmHg
    double diethylEther = 0.0;  // mmHg
};

// Slots 1..301 hold -100 °C .. 200 °C (slot i is i - 101 °C); slot 0 and slots 302..350
// stay zero. Owned by the experiment; constant once filled.
using VaporPressureTable = std::array<VaporPressureRow, 351>;

inline constexpr int kFirstVaporRow = 1;
inline constexpr int kLastVaporRow = 301;

// Writes slots 1..301; calling it again writes the same values.
void FillVaporPressureTable(VaporPressureTable& table);

}  // namespace kemora::model
