#pragma once
// Which device pixels of a surface's image a drawing covers, at a pixel scale: the one rule
// that every surface (the desktop's widget, the page's canvas, the tests' fake) fills by, so
// that all of them show the same pixels. Texts are each surface's own to draw.
//
// Every rectangle is clipped to the image of `imageWidth` × `imageHeight` device pixels and
// is never empty; a drawing wholly outside the image covers nothing.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "mainwindow/pixel_scale.h"

namespace kemora::mainwindow {

// A fill between two logical corners, both included, in any order: the rectangle's place and
// size mapped on their own by the scale's rule.
[[nodiscard]] std::optional<DeviceRect> FillCoverage(const PixelScale& scale, int32_t x1,
                                                     int32_t y1, int32_t x2, int32_t y2,
                                                     int64_t imageWidth, int64_t imageHeight);

// A one-pixel line with both end points: a horizontal or vertical line is the fill of its two
// ends. Any other line takes, for each logical pixel along its longer axis (walked from the
// lower end), the nearest pixel on the other axis, halves upward, so that a line and its
// reverse cover the same pixels; each such pixel is a square of device pixels.
[[nodiscard]] std::vector<DeviceRect> LineCoverage(const PixelScale& scale, int32_t x1, int32_t y1,
                                                   int32_t x2, int32_t y2, int64_t imageWidth,
                                                   int64_t imageHeight);

// A sprite copied with its top left at logical (x, y): the device pixels `target` take the
// source image's pixels from (sourceX, sourceY) on, as many as the target's size.
struct SpriteCoverage {
    DeviceRect target;
    int64_t sourceX = 0;
    int64_t sourceY = 0;

    friend bool operator==(const SpriteCoverage&, const SpriteCoverage&) = default;
};

// The sprite takes kSpriteSize logical pixels a side, scaled, but no more than the source
// image of `spriteWidth` × `spriteHeight` device pixels holds.
[[nodiscard]] std::optional<SpriteCoverage> SpriteCoverageAt(const PixelScale& scale, int32_t x,
                                                             int32_t y, int64_t spriteWidth,
                                                             int64_t spriteHeight,
                                                             int64_t imageWidth,
                                                             int64_t imageHeight);

// Calls `part(DeviceRect)` for each part of `rect` that `taken` does not cover: none, or up to
// four rectangles (the rows above and below `taken`, then the pieces left and right of it),
// which do not overlap. Inline, as a picture box calls it for every sprite of a frame.
template <typename Part>
void ForEachUncovered(const DeviceRect& rect, const DeviceRect& taken, Part part) {
    if (rect == taken)
        return;
    const int64_t right = rect.x + rect.width;
    const int64_t bottom = rect.y + rect.height;
    const int64_t takenLeft = std::max(rect.x, taken.x);
    const int64_t takenTop = std::max(rect.y, taken.y);
    const int64_t takenRight = std::min(right, taken.x + taken.width);
    const int64_t takenBottom = std::min(bottom, taken.y + taken.height);
    if (takenLeft >= takenRight || takenTop >= takenBottom) {
        if (rect.width > 0 && rect.height > 0)
            part(rect);
        return;
    }
    if (rect.y < takenTop)
        part(DeviceRect{rect.x, rect.y, rect.width, takenTop - rect.y});
    if (takenBottom < bottom)
        part(DeviceRect{rect.x, takenBottom, rect.width, bottom - takenBottom});
    if (rect.x < takenLeft)
        part(DeviceRect{rect.x, takenTop, takenLeft - rect.x, takenBottom - takenTop});
    if (takenRight < right)
        part(DeviceRect{takenRight, takenTop, right - takenRight, takenBottom - takenTop});
}

}  // namespace kemora::mainwindow
