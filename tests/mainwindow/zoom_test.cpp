#include "mainwindow/zoom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "mainwindow/pixel_scale.h"

namespace kemora::mainwindow {
namespace {

constexpr int64_t kInt64Max = std::numeric_limits<int64_t>::max();
constexpr int64_t kInt64Min = std::numeric_limits<int64_t>::min();

TEST(PixelScale, MapsPlacesAndSizesEachToTheNearestPixelHalvesUpward) {
    struct Case {
        double factor;
        int64_t logical;
        int64_t position;
        int64_t length;
    };
    const Case cases[] = {
        {1.0, 0, 0, 0},
        {1.0, 457, 457, 457},
        {1.0, -36, -36, -36},
        {1.5, 1, 2, 2},  // a grid line
        {1.5, 3, 5, 5},  // a plotted square
        {1.5, 10, 15, 15},
        {1.5, -1, -1, -1},
        {1.5, -3, -4, -4},
        {1.25, 1, 1, 1},
        {1.25, 2, 3, 3},
        {1.25, 3, 4, 4},
        {1.25, 10, 13, 13},
        {2.0, 1, 2, 2},
        {2.0, 250, 500, 500},
        {2.0, -36, -72, -72},
        {2.5, 1, 3, 3},
        {2.5, 3, 8, 8},
        {3.0, 14, 42, 42},
        // 1.15 and 1.005 have no exact binary form; their halves are still met.
        {1.15, 10, 12, 12},
        {1.005, 100, 101, 101},
        {1.005, -100, -100, -100},
        // Below one device pixel a line keeps one pixel; a place may fall on zero.
        {0.4, 1, 0, 1},
        {0.4, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.factor << " x " << c.logical);
        const PixelScale scale(c.factor);
        EXPECT_EQ(scale.position(c.logical), c.position);
        EXPECT_EQ(scale.length(c.logical), c.length);
    }
    EXPECT_EQ(PixelScale(1.5).rect(446, 64, 315, 334), (DeviceRect{669, 96, 473, 501}));
}

TEST(PixelScale, UnusableFactorsCountAsOneAndFarCoordinatesStayInRange) {
    for (double factor : {0.0, -2.0, std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        SCOPED_TRACE(factor);
        const PixelScale scale(factor);
        EXPECT_EQ(scale.factor(), 1.0);
        EXPECT_EQ(scale.position(7), 7);
    }
    EXPECT_EQ(PixelScale(1000.0).factor(), 64.0);
    EXPECT_EQ(PixelScale(1e-9).length(1), 1);

    const int64_t reach = int64_t{1} << 40;
    const PixelScale large(64.0);
    EXPECT_EQ(large.position(std::numeric_limits<int32_t>::min()), -(int64_t{1} << 37));
    EXPECT_EQ(large.position(kInt64Max), 64 * reach);
    EXPECT_EQ(large.length(kInt64Min), -64 * reach);
    EXPECT_EQ(large.logicalFloor(kInt64Max), reach / 64);
    EXPECT_EQ(large.logicalCeil(kInt64Min), -reach / 64);
}

TEST(PixelScale, DeviceExtentsWidenToWholeLogicalPixels) {
    struct Case {
        double factor;
        int64_t device;
        int64_t floor;
        int64_t ceil;
    };
    const Case cases[] = {
        {1.0, 9, 9, 9},    {1.5, 4, 2, 3}, {1.5, 3, 2, 2},    {1.5, -1, -1, 0},
        {1.5, -3, -2, -2}, {2.0, 5, 2, 3}, {2.0, -5, -3, -2}, {1.25, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.factor << " x " << c.device);
        const PixelScale scale(c.factor);
        EXPECT_EQ(scale.logicalFloor(c.device), c.floor);
        EXPECT_EQ(scale.logicalCeil(c.device), c.ceil);
    }
}

TEST(Zoom, StepsInAndOutThroughTheOfferedSteps) {
    struct Case {
        int32_t from;
        int32_t in;
        int32_t out;
    };
    const Case cases[] = {
        {100, 125, 100}, {125, 150, 100}, {150, 200, 125}, {200, 250, 150},
        {250, 250, 200}, {188, 200, 150}, {382, 382, 250}, {110, 125, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        EXPECT_EQ(ZoomIn(c.from), c.in);
        EXPECT_EQ(ZoomOut(c.from), c.out);
    }
}

TEST(Zoom, ValuesOutsideTheRangeMeanTheNormalZoom) {
    const std::pair<int64_t, int32_t> cases[] = {
        {100, 100}, {250, 250}, {400, 400},  {137, 137},       {99, 100},
        {401, 100}, {0, 100},   {-150, 100}, {kInt64Max, 100}, {kInt64Min, 100},
    };
    for (const auto& [read, zoom] : cases) {
        SCOPED_TRACE(read);
        EXPECT_EQ(ZoomOrNormal(read), zoom);
    }
}

TEST(Zoom, FitIsTheLargestWholePercentThatFits) {
    struct Case {
        const char* what;
        PixelSize available;
        int32_t zoom;
    };
    // The main window's 800 × 559 client; the available heights leave room for a menu bar.
    const Case cases[] = {
        {"full HD, height decides", {1920, 1055}, 188},
        {"XGA, width decides", {1024, 743}, 128},
        {"exactly the designed size", {800, 559}, 100},
        {"a screen smaller than the window", {640, 455}, 100},
        {"4K", {3840, 2135}, 382},
        {"8K stops at the largest zoom", {7680, 4295}, 400},
        {"nothing available", {0, 0}, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FitZoom({800, 559}, c.available), c.zoom);
    }
}

}  // namespace
}  // namespace kemora::mainwindow
