#pragma once
// Pixel arithmetic that cannot overflow: results beyond the 32-bit range stop at its ends.

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kemora::mainwindow {

[[nodiscard]] constexpr int32_t ClampToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

[[nodiscard]] constexpr int32_t SaturatingAdd(int32_t a, int32_t b) {
    return ClampToInt32(int64_t{a} + b);
}

[[nodiscard]] constexpr int32_t SaturatingNegate(int32_t value) {
    return ClampToInt32(-int64_t{value});
}

}  // namespace kemora::mainwindow
