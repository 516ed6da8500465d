#include "curve/readout.h"

#include <cmath>

#include "curve/liquids.h"
#include "model/numbers.h"
#include "model/settings.h"

namespace kemora::curve {

std::optional<Readout> ReadoutAt(const model::Experiment& experiment, double temperature) {
    if (!std::isfinite(temperature))
        return std::nullopt;
    const model::ExperimentSettings& settings = experiment.settings;
    const int32_t whole = model::RoundHalfEven(temperature);
    if (!InTable(model::CelsiusOf(settings, whole)))
        return std::nullopt;
    Readout readout{whole, {}};
    const int decimals = model::PressureDecimals(settings.pressureUnit);
    for (std::size_t i = 0; i < kLiquids.size(); ++i) {
        const double pressure = model::VaporPressureAt(WithLiquid(experiment, kLiquids[i]), whole);
        readout.pressureTexts[i] = model::FixedText(pressure, decimals);
    }
    return readout;
}

}  // namespace kemora::curve
