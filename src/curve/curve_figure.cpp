#include "curve/curve_figure.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "curve/antoine.h"
#include "curve/liquids.h"
#include "mainwindow/graph.h"
#include "model/numbers.h"
#include "model/settings.h"

namespace kemora::curve {
namespace {

// The temperatures every chemistry book shows the three curves over, °C.
constexpr double kAxisLowestCelsius = -20.0;
constexpr double kAxisHighestCelsius = 120.0;
constexpr double kOneAtmosphereMmHg = 760.0;
// How far the pressure axis reaches past 1 atm and past the experiment's pressure, so that
// neither sits on the frame.
constexpr double kAtmosphereHeadroom = 1.05;
constexpr double kMarkerHeadroom = 1.1;
// Enough labelled ticks to read a value off, few enough to read them from the back of a room.
constexpr int kMostTickIntervals = 12;
// The measured curves are smooth: a point per degree draws them as such.
constexpr double kMeasuredStepCelsius = 1.0;

std::optional<ExperimentMarker> MarkerOf(const model::Experiment& experiment) {
    const model::ExperimentSettings& settings = experiment.settings;
    if (!InTable(model::CelsiusOf(settings, settings.temperature)))
        return std::nullopt;
    const double pressure = model::VaporPressureAt(experiment, settings.temperature);
    return ExperimentMarker{
        settings.temperature, pressure,
        model::FixedText(pressure, model::PressureDecimals(settings.pressureUnit))};
}

// The table's value at every whole degree of the axis that the table holds.
Curve TableCurve(const model::Experiment& experiment, int32_t liquid, const AxisTicks& axis) {
    const model::ExperimentSettings& settings = experiment.settings;
    const model::Experiment probe = WithLiquid(experiment, liquid);
    const double first =
        std::max(std::ceil(axis.low), model::TemperatureInUnit(settings, kTableLowestCelsius));
    const double last =
        std::min(std::floor(axis.high), model::TemperatureInUnit(settings, kTableHighestCelsius));
    Curve curve{liquid,
                mainwindow::SettledPointColor(liquid),
                ReadsColumnOf(experiment.liquid, liquid),
                {}};
    for (double t = first; t <= last; t += 1.0)
        curve.points.push_back({t, model::VaporPressureAt(probe, static_cast<int32_t>(t))});
    return curve;
}

// The measured values over the part of the axis inside the constants' range.
Curve MeasuredCurve(const model::Experiment& experiment, int32_t liquid, const AxisTicks& axis) {
    const model::ExperimentSettings& settings = experiment.settings;
    const AntoineConstants& constants = AntoineConstantsOf(liquid);
    const double zero = model::TemperatureInUnit(settings, 0.0);  // 0 °C in the axis's unit
    const double from = std::max(constants.lowestCelsius, axis.low - zero);
    const double to = std::min(constants.highestCelsius, axis.high - zero);
    Curve curve{liquid,
                mainwindow::SettledPointColor(liquid),
                ReadsColumnOf(experiment.liquid, liquid),
                {}};
    const auto add = [&](double celsius) {
        curve.points.push_back(
            {celsius + zero, model::PressureInUnit(settings, AntoineMmHg(constants, celsius))});
    };
    if (!(from <= to))
        return curve;
    const auto steps = static_cast<int>(std::floor((to - from) / kMeasuredStepCelsius));
    for (int i = 0; i <= steps; ++i) add(from + i * kMeasuredStepCelsius);
    if (curve.points.back().temperature < to + zero)
        add(to);
    return curve;
}

double LowestPressure(const std::vector<Curve>& curves, double lowest) {
    for (const Curve& curve : curves) {
        for (const CurvePoint& point : curve.points) {
            if (point.pressure > 0.0)
                lowest = std::min(lowest, point.pressure);
        }
    }
    return lowest;
}

}  // namespace

CurveFigure BuildCurveFigure(const model::Experiment& experiment, CurveOptions options) {
    const model::ExperimentSettings& settings = experiment.settings;
    CurveFigure figure;
    figure.temperatureUnitText = model::TemperatureUnitText(settings.temperatureUnit);
    figure.pressureUnitText = model::PressureUnitText(settings.pressureUnit);
    figure.logarithmic = options.logarithmic;
    figure.marker = MarkerOf(experiment);

    double lowCelsius = kAxisLowestCelsius;
    double highCelsius = kAxisHighestCelsius;
    if (figure.marker) {
        const auto celsius =
            static_cast<double>(model::CelsiusOf(settings, figure.marker->temperature));
        lowCelsius = std::min(lowCelsius, celsius);
        highCelsius = std::max(highCelsius, celsius);
    }
    figure.temperatureAxis =
        LinearTicks(model::TemperatureInUnit(settings, lowCelsius),
                    model::TemperatureInUnit(settings, highCelsius), kMostTickIntervals);

    for (int32_t liquid : kLiquids) {
        figure.tableCurves.push_back(TableCurve(experiment, liquid, figure.temperatureAxis));
        if (options.measured)
            figure.measuredCurves.push_back(
                MeasuredCurve(experiment, liquid, figure.temperatureAxis));
        if (const std::optional<int32_t> celsius = BoilingCelsius(experiment, liquid)) {
            figure.boilingPoints.push_back(
                {liquid, mainwindow::SettledPointColor(liquid),
                 model::RoundHalfEven(model::TemperatureInUnit(settings, *celsius))});
        }
    }

    figure.oneAtmosphere = model::PressureInUnit(settings, kOneAtmosphereMmHg);
    double top = kAtmosphereHeadroom * figure.oneAtmosphere;
    if (figure.marker)
        top = std::max(top, kMarkerHeadroom * figure.marker->pressure);
    if (options.logarithmic) {
        double lowest = LowestPressure(figure.tableCurves, std::numeric_limits<double>::infinity());
        lowest = LowestPressure(figure.measuredCurves, lowest);
        figure.pressureAxis = LogTicks(lowest, top);
    } else {
        figure.pressureAxis = LinearTicks(0.0, top, kMostTickIntervals);
    }
    return figure;
}

std::optional<int32_t> BoilingCelsius(const model::Experiment& experiment, int32_t liquid) {
    model::Experiment probe = WithLiquid(experiment, liquid);
    probe.settings.temperatureUnit = model::Celsius;
    probe.settings.pressureUnit = model::MmHg;
    for (int32_t celsius = kTableLowestCelsius; celsius <= kTableHighestCelsius; ++celsius) {
        if (model::VaporPressureAt(probe, celsius) >= kOneAtmosphereMmHg)
            return celsius;
    }
    return std::nullopt;
}

}  // namespace kemora::curve
