#pragma once
// The eight settings of the running experiment and the pressure-volume graph.

#include <array>
#include <cstdint>
#include <string_view>

namespace kemora::model {

// Values of `temperatureUnit`. Readers compare with Kelvin only: any other value is Celsius.
enum TemperatureUnit : int32_t { Celsius = 0, Kelvin = 1 };

// Values of `pressureUnit`. Readers compare with MmHg and Atm only: any other value is hPa.
enum PressureUnit : int32_t { MmHg = 0, Atm = 1, HPa = 2 };

// The one settings record, owned by the experiment (see Experiment); fields are read and
// assigned directly. No field carries a validity rule.
struct ExperimentSettings {
    int32_t temperature = 0;      // °C, or K when temperatureUnit is Kelvin
    int32_t mol = 0;              // mol
    int32_t temperatureUnit = 0;  // a TemperatureUnit
    int32_t pressureUnit = 0;     // a PressureUnit
    int32_t grphWMin = 0;         // litres
    int32_t grphWMax = 0;         // litres
    double grphHMin = 0.0;        // in the current pressure unit
    double grphHMax = 0.0;        // in the current pressure unit

    friend bool operator==(const ExperimentSettings&, const ExperimentSettings&) = default;
};

// The values of the settings dialog's "初期値" button: 27 °C, 1 mol, Celsius, mmHg,
// volume axis 0..700, pressure axis 0..800.
void SetDefaultSettings(ExperimentSettings& settings);

// A key of the settings file, in field order, with the text read when the key is missing.
struct SettingKey {
    std::string_view name;
    std::string_view fallbackText;
};

inline constexpr std::array<SettingKey, 8> kSettingKeys{{
    {"temperature", "30"},
    {"mol", "1"},
    {"temperatureUnit", "0"},
    {"pressureUnit", "0"},
    {"grphWMin", "-50"},
    {"grphWMax", "150"},
    {"grphHMin", "0"},
    {"grphHMax", "800"},
}};

// The display text of a pressure unit: "mmHg", "atm", or "hPa" for every other value.
[[nodiscard]] std::string_view PressureUnitText(int32_t pressureUnit);

// Decimals a pressure is shown with in its unit: 1 for mmHg ("0.0"), 3 for atm ("0.000"), 0
// for hPa and every other value.
[[nodiscard]] int PressureDecimals(int32_t pressureUnit);

// The display text of a temperature unit: "K" for Kelvin, "°C" (a degree sign and a C, the
// one spelling of the unit everywhere) for every other value.
[[nodiscard]] std::string_view TemperatureUnitText(int32_t temperatureUnit);

}  // namespace kemora::model
