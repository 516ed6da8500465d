#pragma once
// Everything the vapor-pressure window draws, computed from the running experiment: the
// curves of the program's own table, the measured curves, the axes, the 1 atm line with the
// boiling points, and the experiment's state on its liquid's curve.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "curve/axis.h"
#include "mainwindow/surface.h"
#include "model/equilibrium.h"

namespace kemora::curve {

// A point of a curve: the temperature in the settings' temperature unit, the pressure in
// their pressure unit.
struct CurvePoint {
    double temperature = 0.0;
    double pressure = 0.0;

    friend bool operator==(const CurvePoint&, const CurvePoint&) = default;
};

// One liquid's vapor pressure over the temperature axis.
struct Curve {
    int32_t liquid = model::Water;   // a model::Liquid
    mainwindow::Rgb color;           // the liquid's settled-point colour of the P-V graph
    bool current = false;            // the experiment's liquid, drawn thicker
    std::vector<CurvePoint> points;  // ascending in temperature
};

// Where a liquid's table value first reaches 1 atm (760 mmHg).
struct BoilingPoint {
    int32_t liquid = model::Water;
    mainwindow::Rgb color;
    int32_t temperature = 0;  // whole degrees in the settings' temperature unit
};

// The experiment's temperature and its liquid's vapor pressure there: the plateau of the
// P-V graph.
struct ExperimentMarker {
    int32_t temperature = 0;   // the settings' temperature, in their unit
    double pressure = 0.0;     // in the settings' pressure unit
    std::string pressureText;  // as the main window's pressure field writes it
};

// The window's own choices.
struct CurveOptions {
    bool logarithmic = false;  // pressure axis in decades
    bool measured = false;     // add the measured curves
};

// The whole figure, owned by the window that draws it.
struct CurveFigure {
    std::string temperatureUnitText;  // "°C" or "K"
    std::string pressureUnitText;     // "mmHg", "atm" or "hPa"
    AxisTicks temperatureAxis;
    AxisTicks pressureAxis;
    bool logarithmic = false;
    std::vector<Curve> tableCurves;     // water, ethanol, diethyl ether
    std::vector<Curve> measuredCurves;  // each over its range of validity; empty unless asked
    double oneAtmosphere = 0.0;         // 760 mmHg in the settings' pressure unit
    std::vector<BoilingPoint> boilingPoints;
    std::optional<ExperimentMarker> marker;  // none outside the table's -100..200 °C
};

// The figure for the experiment's liquid, settings and table (filled). The temperature axis
// spans -20..120 °C and reaches out to the experiment's temperature; the pressure axis
// starts at 0 (a linear one) or at the decade below the lowest curve value (a logarithmic
// one) and ends a little above 1 atm, or above the experiment's pressure when that is
// higher.
[[nodiscard]] CurveFigure BuildCurveFigure(const model::Experiment& experiment,
                                           CurveOptions options);

// The first whole degree Celsius at which the table's value for `liquid` reaches 760 mmHg;
// nullopt when none does.
[[nodiscard]] std::optional<int32_t> BoilingCelsius(const model::Experiment& experiment,
                                                    int32_t liquid);

}  // namespace kemora::curve
