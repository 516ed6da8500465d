#include "mainwindow/pixel_scale.h"

#include <algorithm>
#include <cmath>

namespace kemora::mainwindow {
namespace {

// Far beyond any screen. Coordinates are held within ±2^40, far beyond any drawing, so that
// every product below stays inside 64 bits.
constexpr double kLargestFactor = 64.0;
constexpr int64_t kReach = int64_t{1} << 40;

int64_t Held(int64_t value) {
    return std::clamp(value, -kReach, kReach);
}

int64_t FloorDiv(int64_t numerator, int64_t denominator) {
    const int64_t quotient = numerator / denominator;
    return (numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient;
}

int64_t Thousandths(double factor) {
    if (!std::isfinite(factor) || factor <= 0)
        return 1000;
    return std::max<int64_t>(1, std::llround(std::min(factor, kLargestFactor) * 1000.0));
}

}  // namespace

PixelScale::PixelScale(double factor) : m_thousandths(Thousandths(factor)) {}

int64_t PixelScale::position(int64_t logical) const {
    // floor(logical × factor + 1/2), in thousandths.
    return FloorDiv(2 * Held(logical) * m_thousandths + 1000, 2000);
}

int64_t PixelScale::length(int64_t logical) const {
    const int64_t device = position(logical);
    return logical > 0 ? std::max<int64_t>(device, 1) : device;
}

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
