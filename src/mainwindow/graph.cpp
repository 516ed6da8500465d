#include "mainwindow/graph.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "mainwindow/saturating.h"
#include "model/numbers.h"

namespace kemora::mainwindow {
namespace {

constexpr int32_t kPlotLeft = 15;
constexpr int32_t kPlotRight = 315;
constexpr int32_t kPlotBottom = 320;
constexpr int32_t kPlotTop = 0;
constexpr double kPlotWidth = 300.0;
constexpr double kPlotHeight = 320.0;
constexpr int32_t kVolumeStep = 100;        // litres
constexpr double kAtmPressureStep = 0.1;    // atm
constexpr double kOtherPressureStep = 100;  // mmHg or hPa
constexpr int32_t kVolumeLabelTop = 325;
// More lines than any range typed without an exponent needs (-999..9999 atm in tenths is
// about 110,000); beyond it the lines only pile onto the same pixels, and drawing billions
// of them would freeze the window.
constexpr int64_t kMaxGridLines = 200'000;

// Pixels of `value` above `low` on an axis of `length` pixels from `low` to `high`. The
// quotient is formed first: the rounding of every grid line and square depends on that
// order. An axis without extent maps everything to its lower edge instead of dividing by 0.
int32_t AxisOffset(double length, double low, double high, double value) {
    const double range = high - low;
    if (range == 0.0)
        return 0;
    return model::RoundHalfEven((length / range) * (value - low));
}

// A volume label starts 5 pixels left of its line, unless the box's right edge would cut it:
// then it moves left until its ink ends at the edge.
int32_t VolumeLabelLeft(Surface& box, const std::string& label, int32_t lineX) {
    const int32_t left = SaturatingAdd(lineX, -5);
    const std::optional<TextInk> ink = box.textInk(label);
    if (ink && int64_t{left} + ink->right > kGraphBoxWidth)
        return ClampToInt32(int64_t{kGraphBoxWidth} - ink->right);
    return left;
}

// A pressure label lies 10 pixels above its line, unless the box's top edge would cut it:
// then it moves down until its ink starts at the edge.
int32_t PressureLabelTop(Surface& box, const std::string& label, int32_t lineY) {
    const int32_t top = SaturatingAdd(lineY, -10);
    const std::optional<TextInk> ink = box.textInk(label);
    if (ink && int64_t{top} + ink->top < 0)
        return SaturatingNegate(ink->top);
    return top;
}

// Marks a state with a red square and settles the previous square into the colour of
// `liquid`, the liquid at the time of the plot.
void PlotSquare(Surface& box, const model::ExperimentSettings& settings, int32_t liquid,
                GraphState& state, int32_t volume, double pressure) {
    state.plotColor = SettledPointColor(liquid);
    const PixelPoint point = GraphToBox(GraphPoint(settings, volume, pressure));
    box.fillRect(point.x, point.y, SaturatingAdd(point.x, 2), SaturatingAdd(point.y, 2),
                 kNewestPointColor);
    // Painted after the red square: when both fall on the same pixels, the new state shows
    // in the liquid's colour.
    box.fillRect(state.lastPointX, state.lastPointY, SaturatingAdd(state.lastPointX, 2),
                 SaturatingAdd(state.lastPointY, 2), state.plotColor);
    state.lastPointX = point.x;
    state.lastPointY = point.y;
}

}  // namespace

PixelPoint GraphPoint(const model::ExperimentSettings& settings, int32_t volume, double pressure) {
    return {AxisOffset(kPlotWidth, settings.grphWMin, settings.grphWMax, volume),
            AxisOffset(kPlotHeight, settings.grphHMin, settings.grphHMax, pressure)};
}

PixelPoint GraphToBox(PixelPoint offset) {
    return {ClampToInt32(int64_t{offset.x} + kPlotLeft),
            ClampToInt32(int64_t{kPlotBottom} - offset.y)};
}

Rgb SettledPointColor(int32_t liquid) {
    switch (model::LiquidOf(liquid)) {
        case model::Water:
            return kWaterPointColor;
        case model::Ethanol:
            return kEthanolPointColor;
        case model::DiethylEther:
            break;
    }
    return kEtherPointColor;
}

void EraseGraph(Surface& box, GraphState& state) {
    // Reaches past the box's lower edge: the whole box, labels included, is blanked.
    box.fillRect(0, 0, kGraphBoxWidth, kGraphBoxHeight + 6, kGraphBackgroundColor);
    // Outside the box, so that the first square after an erase settles nothing visible.
    state.lastPointX = -10;
    state.lastPointY = -10;
    state.plottedStates.clear();
}

void DrawGraphFrame(Surface& box, const model::ExperimentSettings& settings, GraphState& state) {
    EraseGraph(box, state);

    // Volume grid, lowest value first. An axis with equal bounds has no scale and no grid.
    // The counter is 64-bit so that the step past the 32-bit range ends the loop.
    const int32_t wMin = settings.grphWMin;
    const int32_t wMax = settings.grphWMax;
    if (wMin != wMax) {
        int64_t lines = 0;
        for (int64_t v = wMin; v <= wMax && lines < kMaxGridLines; v += kVolumeStep, ++lines) {
            const int32_t volume = static_cast<int32_t>(v);
            const int32_t x =
                SaturatingAdd(GraphPoint(settings, volume, settings.grphHMin).x, kPlotLeft);
            box.drawLine(x, kPlotBottom, x, kPlotTop, kGridLineColor);
            const std::string label = model::IntegerText(volume);
            box.setTextPosition(VolumeLabelLeft(box, label, x), kVolumeLabelTop);
            box.printText(label);
        }
    }

    // Pressure grid. The n-th line lies at the lower bound plus n steps, counted rather than
    // summed, so that tenths of an atmosphere print as 0.1, 0.2, ..., 6, ..., 800 all the way
    // up: repeated addition would drift into labels such as 5.99999999999999 and lose the
    // top line. A p too large to grow by the step ends the loop.
    const double hMin = settings.grphHMin;
    const double hMax = settings.grphHMax;
    const double step = settings.pressureUnit == model::Atm ? kAtmPressureStep : kOtherPressureStep;
    if (hMin != hMax) {
        double previous = -std::numeric_limits<double>::infinity();
        for (int64_t n = 0; n < kMaxGridLines; ++n) {
            // Taken as the 15-digit decimal its label shows, so that an upper bound such as
            // 9999 atm is met exactly rather than missed by the last bit of n × 0.1.
            const double sum = hMin + static_cast<double>(n) * step;
            if (!std::isfinite(sum))
                break;
            const std::string label = model::DoubleText(sum);
            const double p = model::ParseNumber(label).value_or(sum);
            if (!(p <= hMax) || !(p > previous))
                break;
            previous = p;
            const int32_t y = ClampToInt32(int64_t{kPlotBottom} - GraphPoint(settings, wMin, p).y);
            box.drawLine(kPlotLeft, y, kPlotRight, y, kGridLineColor);
            box.setTextPosition(0, PressureLabelTop(box, label, y));
            box.printText(label);
        }
    }

    box.refresh();
}

void PlotPoint(Surface& box, const model::Experiment& experiment, GraphState& state, int32_t volume,
               double pressure) {
    PlotSquare(box, experiment.settings, experiment.liquid, state, volume, pressure);
    state.plottedStates.push_back(StateOf(experiment, volume, pressure));
}

void DrawGraphCopy(Surface& target, const model::ExperimentSettings& settings,
                   const std::vector<PlottedState>& states) {
    GraphState copy;
    DrawGraphFrame(target, settings, copy);
    for (const PlottedState& plotted : states) {
        PlotSquare(target, settings, plotted.liquid, copy, plotted.volume, plotted.pressure);
    }
}

}  // namespace kemora::mainwindow
