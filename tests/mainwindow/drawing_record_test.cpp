#include "mainwindow/drawing_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "mainwindow/fake_surface.h"

namespace kemora::mainwindow {
namespace {

using Op = FakeSurface::Op;
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 192};
constexpr Rgb kGrey{192, 192, 192};
constexpr Rgb kWhite{255, 255, 255};

// The recorded calls in a form that compares whole.
std::vector<std::tuple<Op, int32_t, int32_t, int32_t, int32_t, std::string>> Calls(
    const FakeSurface& surface) {
    std::vector<std::tuple<Op, int32_t, int32_t, int32_t, int32_t, std::string>> calls;
    for (const FakeSurface::Call& call : surface.calls)
        calls.emplace_back(call.op, call.x1, call.y1, call.x2, call.y2, call.text);
    return calls;
}

TEST(DrawingRecord, ReplaysEveryKindOfStrokeInOrder) {
    DrawingRecord record(315, 334);
    record.fill(4, 5, 2, 3, kRed);
    record.line(15, 320, 15, 0, kGrey);
    record.text(10, 325, "0");
    record.sprite(-3, 447);
    record.text(0, 310, "ジエチルエーテル");
    record.line(1, 1, 9, 4, kGrey);

    FakeSurface replayed(315, 334);
    record.replay(replayed);
    FakeSurface expected(315, 334);
    expected.fillRect(4, 5, 2, 3, kRed);
    expected.drawLine(15, 320, 15, 0, kGrey);
    expected.setTextPosition(10, 325);
    expected.printText("0");
    expected.copySprite(-3, 447);
    expected.setTextPosition(0, 310);
    expected.printText("ジエチルエーテル");
    expected.drawLine(1, 1, 9, 4, kGrey);
    EXPECT_EQ(Calls(replayed), Calls(expected));
    EXPECT_EQ(replayed.pixel(3, 4), kRed);
}

TEST(DrawingRecord, AFillOfTheWholeSurfaceForgetsWhatLiesBeneath) {
    struct Case {
        const char* what;
        int32_t x1, y1, x2, y2;
        std::size_t kept;
    };
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    const Case cases[] = {
        {"the graph's erase, past the lower edge", 0, 0, 315, 340, 1},
        {"exactly the surface, corners reversed", 314, 333, 0, 0, 1},
        {"the whole plane", kMin, kMin, kMax, kMax, 1},
        {"one row short", 0, 0, 314, 332, 4},
        {"one column short", 1, 0, 314, 333, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DrawingRecord record(315, 334);
        record.line(15, 320, 15, 0, kGrey);
        record.text(10, 325, "0");
        record.fill(100, 100, 102, 102, kRed);
        record.fill(c.x1, c.y1, c.x2, c.y2, kWhite);
        EXPECT_EQ(record.size(), c.kept);
        FakeSurface replayed(315, 334);
        record.replay(replayed);
        EXPECT_EQ(replayed.calls.back().op, Op::Fill);
        EXPECT_EQ(replayed.calls.back().x1, c.x1);
    }
}

TEST(DrawingRecord, PlottingTheSameStatesOverAndOverKeepsItSmallAndTheSamePicture) {
    // The graph's pattern: a red square at the newest state, then the previous one settles.
    DrawingRecord record(315, 334);
    FakeSurface direct(315, 334, kWhite);
    const auto fill = [&](int32_t x, int32_t y, Rgb color) {
        record.fill(x, y, x + 2, y + 2, color);
        direct.fillRect(x, y, x + 2, y + 2, color);
    };
    record.line(15, 320, 315, 320, kGrey);
    direct.drawLine(15, 320, 315, 320, kGrey);
    int32_t lastX = -10;
    int32_t lastY = -10;
    for (int i = 0; i < 100'000; ++i) {
        // Sweeps back and forth over the same 301 states.
        const int32_t x = 15 + (i * 7) % 301;
        const int32_t y = 20 + (x * 13) % 290;
        fill(x, y, kRed);
        fill(lastX, lastY, i % 3 == 0 ? kBlue : kGrey);
        lastX = x;
        lastY = y;
    }
    // The 302 squares (one of them outside the box) and at most as many retired ones as live,
    // or fewer than the sweep's threshold of 1024.
    EXPECT_LE(record.size(), 1 + 302 + 1024u);

    FakeSurface replayed(315, 334, kWhite);
    record.replay(replayed);
    for (int32_t y = 0; y < 334; ++y) {
        for (int32_t x = 0; x < 315; ++x) {
            ASSERT_EQ(replayed.pixel(x, y), direct.pixel(x, y)) << x << ", " << y;
        }
    }
}

}  // namespace
}  // namespace kemora::mainwindow
