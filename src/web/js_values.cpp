#include "web/js_values.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <string>

namespace kemora::web {

using emscripten::val;

namespace {

template <typename T, typename Convert>
val ArrayOf(const std::vector<T>& items, Convert convert) {
    val array = val::array();
    for (const T& item : items) array.call<void>("push", convert(item));
    return array;
}

val Color(mainwindow::Rgb color) {
    return val(int32_t{color.r} << 16 | int32_t{color.g} << 8 | color.b);
}

val Axis(const curve::AxisTicks& axis) {
    val object = val::object();
    object.set("low", axis.low);
    object.set("high", axis.high);
    object.set("labelled", ArrayOf(axis.labelled, [](const curve::Tick& tick) {
                   val t = val::object();
                   t.set("value", tick.value);
                   t.set("text", tick.text);
                   return t;
               }));
    object.set("minor", ArrayOf(axis.minor, [](double value) { return val(value); }));
    return object;
}

val Curves(const std::vector<curve::Curve>& curves) {
    return ArrayOf(curves, [](const curve::Curve& curve) {
        val object = val::object();
        object.set("liquid", curve.liquid);
        object.set("color", Color(curve.color));
        object.set("current", curve.current);
        object.set("points", ArrayOf(curve.points, [](const curve::CurvePoint& point) {
                       val p = val::object();
                       p.set("temperature", point.temperature);
                       p.set("pressure", point.pressure);
                       return p;
                   }));
        return object;
    });
}

template <std::size_t N>
void FillWords(std::array<std::string, N>& target, const val& source) {
    if (source.isUndefined() || source.isNull())
        return;
    for (std::size_t i = 0; i < N; ++i) {
        const val word = source[i];
        target[i] = word.isString() ? word.as<std::string>() : std::string();
    }
}

}  // namespace

int64_t PixelsOf(double value) {
    constexpr double kLimit = 1099511627776.0;  // 2^40
    if (!(value > -kLimit))
        return value < 0 ? -static_cast<int64_t>(kLimit) : 0;
    return static_cast<int64_t>(std::min(value, kLimit));
}

val Bytes(std::string_view bytes) {
    const val view(emscripten::typed_memory_view(
        bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())));
    return val::global("Uint8Array").new_(view);
}

val ToJs(const std::optional<model::FieldProblem>& problem) {
    if (!problem)
        return val::null();
    val object = val::object();
    object.set("field", static_cast<int>(problem->field));
    object.set("failure", static_cast<int>(problem->failure));
    return object;
}

val ToJs(const scenario::StepBuild& build) {
    val object = val::object();
    object.set("step", build.step ? val(*build.step) : val::null());
    object.set("problem", ToJs(build.problem));
    return object;
}

val ToJs(const scenario::StepListEntry& entry) {
    val object = val::object();
    object.set("kind", static_cast<int>(entry.kind));
    object.set("litres", entry.litres);
    object.set("gradual", entry.gradual);
    object.set("liquid", static_cast<int>(entry.liquid));
    return object;
}

val ToJs(const curve::CurveFigure& figure) {
    val object = val::object();
    object.set("temperatureUnitText", figure.temperatureUnitText);
    object.set("pressureUnitText", figure.pressureUnitText);
    object.set("temperatureAxis", Axis(figure.temperatureAxis));
    object.set("pressureAxis", Axis(figure.pressureAxis));
    object.set("logarithmic", figure.logarithmic);
    object.set("tableCurves", Curves(figure.tableCurves));
    object.set("measuredCurves", Curves(figure.measuredCurves));
    object.set("oneAtmosphere", figure.oneAtmosphere);
    object.set("boilingPoints", ArrayOf(figure.boilingPoints, [](const curve::BoilingPoint& b) {
                   val point = val::object();
                   point.set("liquid", b.liquid);
                   point.set("color", Color(b.color));
                   point.set("temperature", b.temperature);
                   return point;
               }));
    val marker = val::null();
    if (figure.marker) {
        marker = val::object();
        marker.set("temperature", figure.marker->temperature);
        marker.set("pressure", figure.marker->pressure);
        marker.set("pressureText", figure.marker->pressureText);
    }
    object.set("marker", marker);
    return object;
}

mainwindow::TableWords TableWordsOf(const val& words) {
    mainwindow::TableWords result;
    FillWords(result.liquids, words["liquids"]);
    FillWords(result.phases, words["phases"]);
    FillWords(result.columns, words["columns"]);
    return result;
}

}  // namespace kemora::web
