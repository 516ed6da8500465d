#include "mainwindow/up_down_value.h"

#include <algorithm>
#include <optional>

#include "model/numbers.h"

namespace kemora::mainwindow {

int32_t UpDownValue(std::string_view text, int32_t clicks, int32_t increment, int32_t minimum,
                    int32_t maximum) {
    // A range given upside down still bounds the arrows instead of sending them astray.
    const int64_t low = std::min(minimum, maximum);
    const int64_t high = std::max(minimum, maximum);
    const std::optional<int32_t> current = model::ParseWholeNumber(text);
    const int64_t next = int64_t{current.value_or(minimum)} + int64_t{clicks} * increment;
    return static_cast<int32_t>(std::clamp(next, low, high));
}

}  // namespace kemora::mainwindow
