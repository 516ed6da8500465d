#pragma once
// One state of the experiment as the graph plotted it.

#include <cstdint>

#include "model/equilibrium.h"

namespace kemora::mainwindow {

// A plotted state with the settings it was computed under, so that it can be taken out of
// the program (a table, a file, a printed page) after the settings have moved on. The
// enumerations are held as the program reads them: a liquid other than water or ethanol is
// ether, a pressure unit other than mmHg or atm is hPa, a temperature unit other than
// kelvin is degrees Celsius. Owned by the graph's state.
struct PlottedState {
    int32_t volume = 0;                              // litres
    double pressure = 0.0;                           // in pressureUnit, as computed
    model::PressureUnit pressureUnit = model::MmHg;  // the unit shown with it
    model::Liquid liquid = model::Water;
    int32_t temperature = 0;  // in temperatureUnit
    model::TemperatureUnit temperatureUnit = model::Celsius;
    int32_t mol = 0;  // mol
    model::Phase phase = model::Phase::AllLiquid;

    friend bool operator==(const PlottedState&, const PlottedState&) = default;
};

// The state of `experiment` at `volume` litres and `pressure` (its current unit).
[[nodiscard]] PlottedState StateOf(const model::Experiment& experiment, int32_t volume,
                                   double pressure);

}  // namespace kemora::mainwindow
