#pragma once
// The core's records that hold optionals or vectors as plain JavaScript objects with the same
// field names (std::optional: the value or null), and bytes as Uint8Array. Records of plain
// fields are embind value objects (bindings.cpp).

#include <emscripten/val.h>

#include <cstdint>
#include <string_view>

#include "curve/curve_figure.h"
#include "mainwindow/plotted_table.h"
#include "model/settings.h"
#include "model/settings_form.h"
#include "scenario/step_list.h"

namespace kemora::web {

// A number from the page as a whole number of pixels: truncated, held within ±2^40 (far past
// anything drawn), not-a-number as 0, so that no page value makes the conversion undefined.
[[nodiscard]] int64_t PixelsOf(double value);

// A fresh Uint8Array holding a copy of the bytes.
[[nodiscard]] emscripten::val Bytes(std::string_view bytes);

[[nodiscard]] emscripten::val ToJs(const std::optional<model::FieldProblem>& problem);
[[nodiscard]] emscripten::val ToJs(const scenario::StepBuild& build);
[[nodiscard]] emscripten::val ToJs(const scenario::StepListEntry& entry);
[[nodiscard]] emscripten::val ToJs(const curve::CurveFigure& figure);

// The words of the table's cells: {liquids: [3], phases: [3], columns: [6]}.
[[nodiscard]] mainwindow::TableWords TableWordsOf(const emscripten::val& words);

}  // namespace kemora::web
