#pragma once
// The main window's zoom in percent of its designed size: the steps offered, the steps of
// zooming in and out, and the largest zoom that fits a screen.

#include <array>
#include <cstdint>

namespace kemora::mainwindow {

inline constexpr std::array<int32_t, 5> kZoomSteps{100, 125, 150, 200, 250};
inline constexpr int32_t kNormalZoom = 100;
// The range of every zoom, also one that fits a screen or is read back: below the designed
// size the texts would be too small to read, and beyond 400 % no projector needs it.
inline constexpr int32_t kSmallestZoom = 100;
inline constexpr int32_t kLargestZoom = 400;

// A width and a height in pixels.
struct PixelSize {
    int64_t width = 0;
    int64_t height = 0;
};

// The next step above, or below, `percent`; at the end of the steps the zoom stays.
[[nodiscard]] int32_t ZoomIn(int32_t percent);
[[nodiscard]] int32_t ZoomOut(int32_t percent);

// `percent` itself when it lies in the range, otherwise the normal zoom.
[[nodiscard]] int32_t ZoomOrNormal(int64_t percent);

// The largest whole percent in the range at which `designed`, mapped by PixelScale, fits into
// `available`; the smallest zoom when even that does not fit.
[[nodiscard]] int32_t FitZoom(PixelSize designed, PixelSize available);

// Device pixels per logical pixel at `percent`.
[[nodiscard]] constexpr double ZoomFactor(int32_t percent) {
    return percent / 100.0;
}

}  // namespace kemora::mainwindow
