#include "mainwindow/pixel_scale.h"

#include <algorithm>
#include <cmath>

namespace kemora::mainwindow {
namespace {

// Far beyond any screen.
constexpr double kLargestFactor = 64.0;

int64_t Thousandths(double factor) {
    if (!std::isfinite(factor) || factor <= 0)
        return 1000;
    return std::max<int64_t>(1, std::llround(std::min(factor, kLargestFactor) * 1000.0));
}

}  // namespace

PixelScale::PixelScale(double factor) : m_thousandths(Thousandths(factor)) {}

DeviceRect PixelScale::rect(int64_t x, int64_t y, int64_t width, int64_t height) const {
    return {position(x), position(y), length(width), length(height)};
}

int64_t PixelScale::logicalFloor(int64_t device) const {
    return FloorDiv(Held(device) * 1000, m_thousandths);
}

int64_t PixelScale::logicalCeil(int64_t device) const {
    return -FloorDiv(-Held(device) * 1000, m_thousandths);
}

}  // namespace kemora::mainwindow
