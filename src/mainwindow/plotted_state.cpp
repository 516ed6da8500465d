#include "mainwindow/plotted_state.h"

namespace kemora::mainwindow {

PlottedState StateOf(const model::Experiment& experiment, int32_t volume, double pressure) {
    const model::ExperimentSettings& settings = experiment.settings;
    PlottedState state;
    state.volume = volume;
    state.pressure = pressure;
    state.pressureUnit = settings.pressureUnit == model::MmHg  ? model::MmHg
                         : settings.pressureUnit == model::Atm ? model::Atm
                                                               : model::HPa;
    state.liquid = model::LiquidOf(experiment.liquid);
    state.temperature = settings.temperature;
    state.temperatureUnit =
        settings.temperatureUnit == model::Kelvin ? model::Kelvin : model::Celsius;
    state.mol = settings.mol;
    state.phase = model::PhaseAt(experiment, volume);
    return state;
}

}  // namespace kemora::mainwindow
