#pragma once
// The equilibrium of a fixed amount of liquid with its vapor in a closed cylinder at
// constant temperature: vapor pressure, saturation volume, pressure and phase split.

#include <cstdint>

#include "model/settings.h"
#include "model/vapor_table.h"

namespace kemora::model {

// Values of `liquid`, also the entry positions of every liquid list. Readers go through
// LiquidOf: any value but water's and ethanol's (-1, no entry selected, included) is ether.
enum Liquid : int32_t { Water = 0, Ethanol = 1, DiethylEther = 2 };

// The liquid a `liquid` value stands for: water and ethanol as themselves, every other value
// diethyl ether.
[[nodiscard]] constexpr Liquid LiquidOf(int32_t value) {
    return value == Water ? Water : (value == Ethanol ? Ethanol : DiethylEther);
}

// The process-wide experiment: the settings, the table and the model values that the main
// window's handlers share. Owned by the main window's state for the whole run.
struct Experiment {
    ExperimentSettings settings;
    VaporPressureTable table{};
    int32_t liquid = Water;  // a Liquid
    int32_t satVolume = 0;   // litres; cached SaturationVolume()
    int32_t liqVolume = 0;   // litres; cached LiquidVolume()
};

// Degrees Celsius of a temperature in the settings' unit: kelvin less 273. 64-bit, so that
// every 32-bit temperature converts.
[[nodiscard]] int64_t CelsiusOf(const ExperimentSettings& settings, int32_t temperature);

// A temperature in degrees Celsius in the settings' unit: kelvin are degrees Celsius + 273.
[[nodiscard]] double TemperatureInUnit(const ExperimentSettings& settings, double celsius);

// A pressure in mmHg in the settings' unit: ÷ 760 for atm, × (1013 ÷ 760) for hPa.
[[nodiscard]] double PressureInUnit(const ExperimentSettings& settings, double mmHg);

// Vapor pressure of the current liquid at `temperature` (in the current temperature unit),
// in the current pressure unit; 0 above 200 °C, the -100 °C value below it.
[[nodiscard]] double VaporPressureAt(const Experiment& experiment, int32_t temperature);

// mol × 0.082 × T ÷ p in whole litres (p in atm, T in kelvin from 273). A vapor pressure of
// 0 (above 200 °C) gives 0; a volume beyond the 32-bit range saturates.
[[nodiscard]] int32_t SaturationVolume(const Experiment& experiment);

// The liquid's own volume is neglected: always 0 litres.
[[nodiscard]] int32_t LiquidVolume();

// Pressure in the current unit at `volume` litres: the vapor pressure below satVolume,
// then Boyle's law from the saturation point. At volume 0 the cylinder holds only liquid
// and the result is the vapor pressure, also when satVolume is 0 or less.
[[nodiscard]] double PressureAtVolume(const Experiment& experiment, int32_t volume);

// `pressure` in unit `from` written in unit `to` (both PressureUnit values), through mmHg:
// 1 atm = 760 mmHg = 1013 hPa. The same unit gives the value unchanged.
[[nodiscard]] double ConvertPressure(double pressure, int32_t from, int32_t to);

// A temperature in unit `from` written in unit `to` (both TemperatureUnit values): kelvin
// is degrees Celsius + 273. The same unit gives the value unchanged.
[[nodiscard]] int64_t ConvertTemperature(int32_t temperature, int32_t from, int32_t to);

// What the cylinder holds at a volume: only liquid, liquid under its vapor, or only vapor.
enum class Phase { AllLiquid, LiquidAndVapor, AllVapor };

// The phase at `volume` litres: all liquid at or below liqVolume, all vapor at or above
// satVolume, both in between. The liquid side wins when the two volumes cross.
[[nodiscard]] Phase PhaseAt(const Experiment& experiment, int32_t volume);

// How many of the 15 molecule layers are vapor at `volume` litres in the two-phase range.
[[nodiscard]] int32_t VaporRowCount(const Experiment& experiment, int32_t volume);

}  // namespace kemora::model
