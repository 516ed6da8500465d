#include "model/settings.h"

namespace kemora::model {

void SetDefaultSettings(ExperimentSettings& settings) {
    settings.temperature = 27;
    settings.mol = 1;
    settings.temperatureUnit = Celsius;
    settings.pressureUnit = MmHg;
    settings.grphWMin = 0;
    settings.grphWMax = 700;
    settings.grphHMin = 0.0;
    settings.grphHMax = 800.0;
}

std::string_view PressureUnitText(int32_t pressureUnit) {
    if (pressureUnit == MmHg)
        return "mmHg";
    if (pressureUnit == Atm)
        return "atm";
    return "hPa";
}

int PressureDecimals(int32_t pressureUnit) {
    if (pressureUnit == MmHg)
        return 1;
    if (pressureUnit == Atm)
        return 3;
    return 0;
}

std::string_view TemperatureUnitText(int32_t temperatureUnit) {
    return temperatureUnit == Kelvin ? "K" : "°C";
}

}  // namespace kemora::model
