#include "model/equilibrium.h"

#include "model/numbers.h"

namespace kemora::model {
namespace {

constexpr double kMmHgPerAtm = 760.0;
constexpr double kHPaPerAtm = 1013.0;
constexpr double kGasConstant = 0.082;  // L·atm/(mol·K)
constexpr int32_t kAbsoluteZeroOffset = 273;

// The table value in mmHg: the first row at or above t, 0 when none is.
double TableVaporPressure(const Experiment& experiment, int64_t celsius) {
    for (int slot = kFirstVaporRow; slot <= kLastVaporRow; ++slot) {
        const VaporPressureRow& row = experiment.table[slot];
        if (row.celsius >= celsius) {
            switch (LiquidOf(experiment.liquid)) {
                case Water:
                    return row.water;
                case Ethanol:
                    return row.ethanol;
                case DiethylEther:
                    break;
            }
            return row.diethylEther;
        }
    }
    return 0.0;
}

}  // namespace

int64_t CelsiusOf(const ExperimentSettings& settings, int32_t temperature) {
    return settings.temperatureUnit == Kelvin ? int64_t{temperature} - kAbsoluteZeroOffset
                                              : int64_t{temperature};
}

double TemperatureInUnit(const ExperimentSettings& settings, double celsius) {
    return settings.temperatureUnit == Kelvin ? celsius + kAbsoluteZeroOffset : celsius;
}

double PressureInUnit(const ExperimentSettings& settings, double mmHg) {
    const int32_t unit = settings.pressureUnit;
    if (unit == MmHg)
        return mmHg;
    if (unit == Atm)
        return mmHg / kMmHgPerAtm;
    return (kHPaPerAtm / kMmHgPerAtm) * mmHg;
}

double VaporPressureAt(const Experiment& experiment, int32_t temperature) {
    return PressureInUnit(
        experiment.settings,
        TableVaporPressure(experiment, CelsiusOf(experiment.settings, temperature)));
}

int32_t SaturationVolume(const Experiment& experiment) {
    const ExperimentSettings& settings = experiment.settings;
    const double p =
        TableVaporPressure(experiment, CelsiusOf(settings, settings.temperature)) / kMmHgPerAtm;
    if (p == 0.0)
        return 0;
    const double kelvin = settings.temperatureUnit == Kelvin
                              ? static_cast<double>(settings.temperature)
                              : static_cast<double>(settings.temperature) + kAbsoluteZeroOffset;
    const double volume = settings.mol * kGasConstant * kelvin / p;
    return RoundHalfEven(volume);
}

int32_t LiquidVolume() {
    return 0;
}

double PressureAtVolume(const Experiment& experiment, int32_t volume) {
    const double p = VaporPressureAt(experiment, experiment.settings.temperature);
    if (volume < experiment.satVolume || volume == 0)
        return p;
    return (p * experiment.satVolume) / volume;
}

double ConvertPressure(double pressure, int32_t from, int32_t to) {
    const bool fromHPa = from != MmHg && from != Atm;
    const bool toHPa = to != MmHg && to != Atm;
    if (from == to || (fromHPa && toHPa))
        return pressure;
    const double mmHg = from == MmHg  ? pressure
                        : from == Atm ? pressure * kMmHgPerAtm
                                      : pressure * (kMmHgPerAtm / kHPaPerAtm);
    if (to == MmHg)
        return mmHg;
    if (to == Atm)
        return mmHg / kMmHgPerAtm;
    return (kHPaPerAtm / kMmHgPerAtm) * mmHg;
}

int64_t ConvertTemperature(int32_t temperature, int32_t from, int32_t to) {
    const bool fromKelvin = from == Kelvin;
    const bool toKelvin = to == Kelvin;
    if (fromKelvin == toKelvin)
        return temperature;
    return toKelvin ? int64_t{temperature} + kAbsoluteZeroOffset
                    : int64_t{temperature} - kAbsoluteZeroOffset;
}

Phase PhaseAt(const Experiment& experiment, int32_t volume) {
    if (volume <= experiment.liqVolume)
        return Phase::AllLiquid;
    if (volume >= experiment.satVolume)
        return Phase::AllVapor;
    return Phase::LiquidAndVapor;
}

int32_t VaporRowCount(const Experiment& experiment, int32_t volume) {
    double d = (static_cast<double>(experiment.satVolume) - experiment.liqVolume) / 15.0;
    if (d == 0.0)
        d = 1.0;
    return RoundHalfEven(volume / d);
}

}  // namespace kemora::model
