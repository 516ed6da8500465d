#include "mainwindow/zoom.h"

#include <algorithm>

#include "mainwindow/pixel_scale.h"

namespace kemora::mainwindow {

int32_t ZoomIn(int32_t percent) {
    const auto* next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next != kZoomSteps.end() ? *next : percent;
}

int32_t ZoomOut(int32_t percent) {
    const auto* next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next != kZoomSteps.begin() ? *(next - 1) : percent;
}

int32_t ZoomOrNormal(int64_t percent) {
    return percent >= kSmallestZoom && percent <= kLargestZoom ? static_cast<int32_t>(percent)
                                                               : kNormalZoom;
}

int32_t FitZoom(PixelSize designed, PixelSize available) {
    for (int32_t percent = kLargestZoom; percent > kSmallestZoom; --percent) {
        const PixelScale scale(ZoomFactor(percent));
        if (scale.length(designed.width) <= available.width &&
            scale.length(designed.height) <= available.height)
            return percent;
    }
    return kSmallestZoom;
}

}  // namespace kemora::mainwindow
