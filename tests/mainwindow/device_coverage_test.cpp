#include "mainwindow/device_coverage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace kemora::mainwindow {
namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(DeviceCoverage, FillsMapPlaceAndSizeOnTheirOwnAndAreClipped) {
    struct Case {
        const char* name;
        double factor;
        int32_t x1, y1, x2, y2;
        std::optional<DeviceRect> rect;  // on an image of 100 × 100 device pixels
    };
    const Case cases[] = {
        {"scale 1", 1.0, 2, 3, 4, 5, DeviceRect{2, 3, 3, 3}},
        {"corners in any order", 1.0, 4, 5, 2, 3, DeviceRect{2, 3, 3, 3}},
        // 1 × 1.25 = 1.25 -> 1; 2 × 1.25 = 2.5 -> 3, halves upward.
        {"scale 1.25", 1.25, 1, 1, 2, 2, DeviceRect{1, 1, 3, 3}},
        {"one pixel at 1.25 stays one wide", 1.25, 3, 3, 3, 3, DeviceRect{4, 4, 1, 1}},
        {"scale 2", 2.0, 10, 20, 19, 20, DeviceRect{20, 40, 20, 2}},
        {"partly outside", 1.0, -5, -5, 1, 1, DeviceRect{0, 0, 2, 2}},
        {"cut at the far edges", 2.0, 45, 45, 60, 60, DeviceRect{90, 90, 10, 10}},
        {"wholly outside", 1.0, 100, 0, 120, 10, std::nullopt},
        {"the whole plane", 3.0, kMin, kMin, kMax, kMax, DeviceRect{0, 0, 100, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FillCoverage(PixelScale(c.factor), c.x1, c.y1, c.x2, c.y2, 100, 100), c.rect);
    }
}

TEST(DeviceCoverage, LinesTakeTheNearestPixelHalvesUpwardTheSameBothWays) {
    struct Case {
        const char* name;
        double factor;
        int32_t x1, y1, x2, y2;
        std::vector<DeviceRect> rects;  // on an image of 10 × 10 device pixels
    };
    const Case cases[] = {
        {"horizontal: a fill one pixel high", 1.0, 2, 4, 6, 4, {{2, 4, 5, 1}}},
        {"vertical at 2", 2.0, 1, 1, 1, 2, {{2, 2, 2, 4}}},
        // Along x: y = x / 2 is 0, 0.5 -> 1 (the half upward), 1.
        {"a half goes up", 1.0, 0, 0, 2, 1, {{0, 0, 1, 1}, {1, 1, 1, 1}, {2, 1, 1, 1}}},
        {"and so when drawn back", 1.0, 2, 1, 0, 0, {{0, 0, 1, 1}, {1, 1, 1, 1}, {2, 1, 1, 1}}},
        // Along y, x = y / 3: 0, 0.33 -> 0, 0.67 -> 1, 1.
        {"steep", 1.0, 0, 0, 1, 3, {{0, 0, 1, 1}, {0, 1, 1, 1}, {1, 2, 1, 1}, {1, 3, 1, 1}}},
        // x = 0..3, y = x / 3 rounded: 0, 0, 1, 1; each pixel a 2 × 2 square.
        {"at 2", 2.0, 0, 0, 3, 1, {{0, 0, 2, 2}, {2, 0, 2, 2}, {4, 2, 2, 2}, {6, 2, 2, 2}}},
        {"squares cut at the edge", 2.0, 3, 3, 6, 6, {{6, 6, 2, 2}, {8, 8, 2, 2}}},
        {"wholly outside", 1.0, 20, 0, 30, 5, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LineCoverage(PixelScale(c.factor), c.x1, c.y1, c.x2, c.y2, 10, 10), c.rects);
    }
}

TEST(DeviceCoverage, AHugeLineWalksOnlyWhereItCanShow) {
    // The diagonal across the whole 32-bit plane passes through (k, k) for every k.
    std::vector<DeviceRect> diagonal;
    for (int64_t k = 0; k < 10; ++k) diagonal.push_back({k, k, 1, 1});
    EXPECT_EQ(LineCoverage(PixelScale(1.0), kMin, kMin, kMax, kMax, 10, 10), diagonal);
}

TEST(DeviceCoverage, SpritesTakeTheirScaledSideAsFarAsTheSourceReaches) {
    struct Case {
        const char* name;
        double factor;
        int32_t x, y;
        int64_t sourceSide;
        std::optional<SpriteCoverage> sprite;  // on an image of 100 × 100 device pixels
    };
    const Case cases[] = {
        {"scale 1", 1.0, 3, 4, 10, SpriteCoverage{{3, 4, 10, 10}, 0, 0}},
        // 3 × 1.5 = 4.5 -> 5, 4 × 1.5 = 6, 10 × 1.5 = 15.
        {"scale 1.5", 1.5, 3, 4, 15, SpriteCoverage{{5, 6, 15, 15}, 0, 0}},
        {"a source smaller than the side", 2.0, 0, 0, 12, SpriteCoverage{{0, 0, 12, 12}, 0, 0}},
        {"cut at the top left", 1.0, -2, -3, 10, SpriteCoverage{{0, 0, 8, 7}, 2, 3}},
        {"cut at the bottom right", 1.0, 95, 98, 10, SpriteCoverage{{95, 98, 5, 2}, 0, 0}},
        {"outside", 1.0, 100, 5, 10, std::nullopt},
        {"no source", 1.0, 5, 5, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(
            SpriteCoverageAt(PixelScale(c.factor), c.x, c.y, c.sourceSide, c.sourceSide, 100, 100),
            c.sprite);
    }
}

TEST(DeviceCoverage, UncoveredPartsAreExactlyThePixelsOutsideTheTakenRectangle) {
    const DeviceRect rect{10, 20, 6, 5};
    struct Case {
        const char* name;
        DeviceRect taken;
        std::size_t parts;
    };
    const Case cases[] = {
        {"the same", rect, 0},
        {"a larger one", {0, 0, 100, 100}, 0},
        {"none", {}, 1},
        {"apart", {30, 20, 6, 5}, 1},
        {"touching at the right edge", {16, 20, 6, 5}, 1},
        {"moved right and down", {12, 21, 6, 5}, 2},
        {"moved left and up", {7, 18, 6, 5}, 2},
        {"moved down only", {10, 23, 6, 5}, 1},
        {"inside", {12, 22, 2, 1}, 4},
        {"across the middle", {0, 22, 100, 1}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<DeviceRect> parts;
        ForEachUncovered(rect, c.taken, [&](const DeviceRect& part) { parts.push_back(part); });
        EXPECT_EQ(parts.size(), c.parts);
        // Each pixel of the rectangle lies in exactly one part unless taken, and no part
        // reaches outside the rectangle.
        const auto inside = [](const DeviceRect& r, int64_t x, int64_t y) {
            return x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;
        };
        for (int64_t y = 0; y < 40; ++y) {
            for (int64_t x = 0; x < 40; ++x) {
                const auto holding =
                    std::count_if(parts.begin(), parts.end(),
                                  [&](const DeviceRect& r) { return inside(r, x, y); });
                const bool bare = inside(rect, x, y) && !inside(c.taken, x, y);
                ASSERT_EQ(holding, bare ? 1 : 0) << "at " << x << ", " << y;
            }
        }
    }
}

}  // namespace
}  // namespace kemora::mainwindow
