#pragma once
// The scale of one axis of the vapor-pressure figure: its ticks at round values and the
// mapping between values and pixels, linear or logarithmic.

#include <string>
#include <vector>

namespace kemora::curve {

// A labelled tick: its value and the text written beside it.
struct Tick {
    double value = 0.0;
    std::string text;

    friend bool operator==(const Tick&, const Tick&) = default;
};

// The extent of an axis and its grid. The extent reaches from the first labelled tick to
// the last, so that it covers the range asked for and ends on round values.
struct AxisTicks {
    double low = 0.0;
    double high = 1.0;
    std::vector<Tick> labelled;  // ascending, ends included
    std::vector<double> minor;   // grid lines without a label, ascending
};

// Ticks every 1, 2 or 5 × 10^n, the finest step that needs at most `maxIntervals` (2 to
// 1000) intervals to cover low..high. Each tick is the double nearest to its round decimal
// value. A range without extent is widened by one either side (more for large values); bounds that
// are not finite or beyond ±1e300 give 0..1.
[[nodiscard]] AxisTicks LinearTicks(double low, double high, int maxIntervals);

// Labelled ticks at the powers of ten that cover low..high, minor lines at 2..9 times each
// power inside the extent. Bounds at or below zero have no logarithm: the range then ends
// at six decades below its upper bound, and 1 stands in for an upper bound at or below
// zero.
[[nodiscard]] AxisTicks LogTicks(double low, double high);

// Maps values of an axis to pixels and back: `low` lies at `lowPixel`, `high` at
// `highPixel`, linearly in the value or in its logarithm.
struct AxisScale {
    double low = 0.0;
    double high = 1.0;
    double lowPixel = 0.0;
    double highPixel = 1.0;
    bool logarithmic = false;

    // On a logarithmic scale a value at or below zero lies at the low end. An axis without
    // extent maps every value to its low end.
    [[nodiscard]] double toPixel(double value) const;
    // The value at a pixel; the low end's value on an axis without extent.
    [[nodiscard]] double toValue(double pixel) const;
};

}  // namespace kemora::curve
