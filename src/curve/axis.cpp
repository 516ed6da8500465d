#include "curve/axis.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/numbers.h"

namespace kemora::curve {
namespace {

// Quotients of a value and a step that miss a whole number by less than this are taken as
// that number: 0.3 / 0.1 is 2.9999999999999996, and 0.3 is still a tick of 0.1.
constexpr double kWholeTolerance = 1e-9;
// Powers of ten beyond this have no finite double (or only a subnormal one); bounds beyond
// it are no measure of anything this program shows.
constexpr int kLargestDecade = 300;
constexpr double kLargestBound = 1e300;
// More lines than any figure can show apart.
constexpr int kMostIntervals = 1000;

// multiple × 10^exponent as the double nearest to that decimal: a negative exponent divides
// by an exact power of ten instead of multiplying by an inexact 0.1, 0.01, ...
double Scaled(double multiple, int exponent) {
    if (exponent >= 0)
        return multiple * std::pow(10.0, exponent);
    return multiple / std::pow(10.0, -exponent);
}

Tick MakeTick(double value) {
    return {value, model::DoubleText(value)};
}

}  // namespace

AxisTicks LinearTicks(double low, double high, int maxIntervals) {
    if (!(std::abs(low) <= kLargestBound) || !(std::abs(high) <= kLargestBound)) {
        low = 0.0;
        high = 1.0;
    }
    if (high < low)
        std::swap(low, high);
    if (high == low) {
        // One either side, or enough to make a difference to a large value.
        const double pad = std::max(1.0, std::abs(low) * 1e-9);
        low -= pad;
        high += pad;
    }
    // Two intervals cover any range that straddles a tick; fewer could never be found.
    maxIntervals = std::clamp(maxIntervals, 2, kMostIntervals);

    const double span = high - low;
    const int firstExponent =
        static_cast<int>(std::clamp(std::floor(std::log10(span / maxIntervals)),
                                    double{-kLargestDecade}, double{kLargestDecade}));
    constexpr std::array<double, 3> kMultiples{1.0, 2.0, 5.0};
    double first = 0.0;
    double last = 0.0;
    double multiple = 1.0;
    int exponent = firstExponent;
    // Two decades up the step exceeds ten times the span over maxIntervals, which always
    // fits; the loop stops there at the latest.
    for (int e = firstExponent; e <= firstExponent + 2; ++e) {
        bool found = false;
        for (double m : kMultiples) {
            const double step = Scaled(m, e);
            first = std::floor(low / step + kWholeTolerance);
            last = std::ceil(high / step - kWholeTolerance);
            multiple = m;
            exponent = e;
            if (last - first <= maxIntervals) {
                found = true;
                break;
            }
        }
        if (found)
            break;
    }

    AxisTicks ticks;
    const double count = last - first;
    const int intervals =
        count >= 0.0 ? static_cast<int>(std::min(count, static_cast<double>(maxIntervals))) : 0;
    for (int i = 0; i <= intervals; ++i)
        ticks.labelled.push_back(MakeTick(Scaled((first + i) * multiple, exponent)));
    ticks.low = std::min(low, ticks.labelled.front().value);
    ticks.high = std::max(high, ticks.labelled.back().value);
    return ticks;
}

AxisTicks LogTicks(double low, double high) {
    if (!std::isfinite(high) || !(high > 0.0))
        high = 1.0;
    if (!std::isfinite(low) || !(low > 0.0))
        low = high / 1e6;
    if (high < low)
        std::swap(low, high);
    const int firstDecade =
        static_cast<int>(std::clamp(std::floor(std::log10(low) + kWholeTolerance),
                                    double{-kLargestDecade}, double{kLargestDecade}));
    int lastDecade = static_cast<int>(std::clamp(std::ceil(std::log10(high) - kWholeTolerance),
                                                 double{-kLargestDecade}, double{kLargestDecade}));
    if (lastDecade <= firstDecade)
        lastDecade = firstDecade + 1;

    AxisTicks ticks;
    for (int decade = firstDecade; decade <= lastDecade; ++decade) {
        ticks.labelled.push_back(MakeTick(Scaled(1.0, decade)));
        if (decade == lastDecade)
            break;
        for (int m = 2; m <= 9; ++m) ticks.minor.push_back(Scaled(m, decade));
    }
    ticks.low = ticks.labelled.front().value;
    ticks.high = ticks.labelled.back().value;
    return ticks;
}

double AxisScale::toPixel(double value) const {
    double from = low;
    double to = high;
    if (logarithmic) {
        if (!(from > 0.0) || !(to > 0.0) || !(value > 0.0))
            return lowPixel;
        from = std::log10(from);
        to = std::log10(to);
        value = std::log10(value);
    }
    if (to == from)
        return lowPixel;
    return lowPixel + (value - from) / (to - from) * (highPixel - lowPixel);
}

double AxisScale::toValue(double pixel) const {
    if (highPixel == lowPixel)
        return low;
    const double fraction = (pixel - lowPixel) / (highPixel - lowPixel);
    if (logarithmic) {
        if (!(low > 0.0) || !(high > 0.0))
            return low;
        const double from = std::log10(low);
        return std::pow(10.0, from + fraction * (std::log10(high) - from));
    }
    return low + fraction * (high - low);
}

}  // namespace kemora::curve
