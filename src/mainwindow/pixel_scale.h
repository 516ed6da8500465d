#pragma once
// How the main window's logical pixels become device pixels when it is drawn larger.

#include <algorithm>
#include <cstdint>

namespace kemora::mainwindow {

// A rectangle in device pixels: left, top, width and height.
struct DeviceRect {
    int64_t x = 0;
    int64_t y = 0;
    int64_t width = 0;
    int64_t height = 0;

    friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

// Device pixels per logical pixel (the zoom times the screen's device pixel ratio), and the one
// rule by which every logical place and size is mapped: a position becomes x × factor and a
// size w × factor, each rounded on its own to the nearest whole pixel, halves upward. So every
// line one logical pixel wide is equally wide everywhere and every square stays square, at the
// price of a device pixel of overlap or gap between neighbours at factors such as 1.25.
// The factor is kept in thousandths, so that halves are met exactly in whole-number arithmetic;
// one that is not a positive finite number counts as 1. Coordinates beyond ±2^40, far past
// anything drawn, are held there.
class PixelScale {
  public:
    explicit PixelScale(double factor);

    [[nodiscard]] double factor() const { return static_cast<double>(m_thousandths) / 1000.0; }

    [[nodiscard]] int64_t position(int64_t logical) const;
    // Never less than one device pixel for a size of at least one logical pixel.
    [[nodiscard]] int64_t length(int64_t logical) const;
    [[nodiscard]] DeviceRect rect(int64_t x, int64_t y, int64_t width, int64_t height) const;

    // The logical pixels that surely hold a device extent: its start rounded down and its end
    // rounded up.
    [[nodiscard]] int64_t logicalFloor(int64_t device) const;
    [[nodiscard]] int64_t logicalCeil(int64_t device) const;

  private:
    // Coordinates are held within ±2^40, far beyond any drawing, so that every product
    // stays inside 64 bits.
    static constexpr int64_t kReach = int64_t{1} << 40;
    [[nodiscard]] static int64_t Held(int64_t value) { return std::clamp(value, -kReach, kReach); }
    [[nodiscard]] static int64_t FloorDiv(int64_t numerator, int64_t denominator) {
        const int64_t quotient = numerator / denominator;
        return (numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient;
    }

    int64_t m_thousandths;
};

// Inline: a frame of the animation places hundreds of sprites.
inline int64_t PixelScale::position(int64_t logical) const {
    // floor(logical × factor + 1/2), in thousandths.
    return FloorDiv(2 * Held(logical) * m_thousandths + 1000, 2000);
}

inline int64_t PixelScale::length(int64_t logical) const {
    const int64_t device = position(logical);
    return logical > 0 ? std::max<int64_t>(device, 1) : device;
}

}  // namespace kemora::mainwindow
