#include "mainwindow/device_coverage.h"

#include <algorithm>
#include <utility>

#include "mainwindow/surface.h"

namespace kemora::mainwindow {
namespace {

// Exact arithmetic for lines whose ends lie anywhere in the 32-bit plane: differences take
// 33 bits and their products 66.
__extension__ typedef __int128 Int128;

Int128 FloorDiv(Int128 numerator, Int128 denominator) {
    Int128 quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0))) {
        --quotient;
    }
    return quotient;
}

std::optional<DeviceRect> Clipped(const DeviceRect& rect, int64_t imageWidth, int64_t imageHeight) {
    const int64_t left = std::max<int64_t>(rect.x, 0);
    const int64_t top = std::max<int64_t>(rect.y, 0);
    const int64_t right = std::min<int64_t>(rect.x + rect.width, imageWidth);
    const int64_t bottom = std::min<int64_t>(rect.y + rect.height, imageHeight);
    if (left >= right || top >= bottom)
        return std::nullopt;
    return DeviceRect{left, top, right - left, bottom - top};
}

}  // namespace

std::optional<DeviceRect> FillCoverage(const PixelScale& scale, int32_t x1, int32_t y1, int32_t x2,
                                       int32_t y2, int64_t imageWidth, int64_t imageHeight) {
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    return Clipped(scale.rect(x1, y1, int64_t{x2} - x1 + 1, int64_t{y2} - y1 + 1), imageWidth,
                   imageHeight);
}

std::vector<DeviceRect> LineCoverage(const PixelScale& scale, int32_t x1, int32_t y1, int32_t x2,
                                     int32_t y2, int64_t imageWidth, int64_t imageHeight) {
    std::vector<DeviceRect> covered;
    if (x1 == x2 || y1 == y2) {
        if (const auto rect = FillCoverage(scale, x1, y1, x2, y2, imageWidth, imageHeight))
            covered.push_back(*rect);
        return covered;
    }
    const int64_t dx = int64_t{x2} - x1;
    const int64_t dy = int64_t{y2} - y1;
    const bool alongX = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    int64_t a1 = alongX ? x1 : y1;
    int64_t b1 = alongX ? y1 : x1;
    int64_t a2 = alongX ? x2 : y2;
    int64_t b2 = alongX ? y2 : x2;
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    // Only the logical pixels that can reach the image are walked.
    const int64_t extent = alongX ? imageWidth : imageHeight;
    const int64_t first = std::max<int64_t>(a1, scale.logicalFloor(0) - 1);
    const int64_t last = std::min<int64_t>(a2, scale.logicalCeil(extent));
    const int64_t side = scale.length(1);
    const Int128 da = Int128{a2} - a1;
    const Int128 db = Int128{b2} - b1;
    for (int64_t a = first; a <= last; ++a) {
        const int64_t b =
            b1 + static_cast<int64_t>(FloorDiv(2 * (Int128{a} - a1) * db + da, 2 * da));
        const int64_t x = alongX ? a : b;
        const int64_t y = alongX ? b : a;
        const DeviceRect square{scale.position(x), scale.position(y), side, side};
        if (const auto rect = Clipped(square, imageWidth, imageHeight))
            covered.push_back(*rect);
    }
    return covered;
}

std::optional<SpriteCoverage> SpriteCoverageAt(const PixelScale& scale, int32_t x, int32_t y,
                                               int64_t spriteWidth, int64_t spriteHeight,
                                               int64_t imageWidth, int64_t imageHeight) {
    const int64_t side = scale.length(kSpriteSize);
    const DeviceRect whole{scale.position(x), scale.position(y),
                           std::min<int64_t>(side, spriteWidth),
                           std::min<int64_t>(side, spriteHeight)};
    const auto target = Clipped(whole, imageWidth, imageHeight);
    if (!target)
        return std::nullopt;
    return SpriteCoverage{*target, target->x - whole.x, target->y - whole.y};
}

}  // namespace kemora::mainwindow
