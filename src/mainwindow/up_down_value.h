#pragma once
// The number an up-down control writes into the field it is bound to.

#include <cstdint>
#include <string_view>

namespace kemora::mainwindow {

// The volume field's arrows (UpDownOndo): litres a click adds or takes away, the smallest
// volume they set, and the largest until the first activation makes it the volume axis's end.
inline constexpr int32_t kVolumeStep = 5;            // litres
inline constexpr int32_t kVolumeMinimum = 0;         // litres
inline constexpr int32_t kVolumeStartMaximum = 200;  // litres

// The field's number after `clicks` clicks (positive on the upper arrow, negative on the lower
// one): the text read as whole units, the minimum when it holds none, moved by clicks ×
// increment and kept within minimum..maximum, taken whichever way round they are given.
[[nodiscard]] int32_t UpDownValue(std::string_view text, int32_t clicks, int32_t increment,
                                  int32_t minimum, int32_t maximum);

}  // namespace kemora::mainwindow
