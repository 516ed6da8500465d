#include "mainwindow/graph.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "mainwindow/fake_surface.h"
#include "model/equilibrium.h"
#include "model/vapor_table.h"

namespace kemora::mainwindow {
namespace {

using Op = FakeSurface::Op;
constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kIntMin = std::numeric_limits<int32_t>::min();

model::ExperimentSettings Axes(int32_t wMin, int32_t wMax, double hMin, double hMax,
                               int32_t pressureUnit = model::MmHg) {
    model::ExperimentSettings settings;
    settings.grphWMin = wMin;
    settings.grphWMax = wMax;
    settings.grphHMin = hMin;
    settings.grphHMax = hMax;
    settings.pressureUnit = pressureUnit;
    return settings;
}

TEST(GraphScale, MapsStatesToPixels) {
    struct Case {
        const char* what;
        model::ExperimentSettings axes;
        int32_t volume;
        double pressure;
        PixelPoint offset;
        PixelPoint box;
    };
    const Case cases[] = {
        {"water at 700 litres", Axes(0, 700, 0, 800), 700, 26.7153, {300, 11}, {315, 309}},
        {"lower corner", Axes(0, 700, 0, 800), 0, 0.0, {0, 0}, {15, 320}},
        {"lower pressure bound", Axes(0, 700, 100, 800), 0, 100.0, {0, 0}, {15, 320}},
        {"upper pressure bound", Axes(0, 700, 100, 800), 0, 800.0, {0, 320}, {15, 0}},
        {"volume axis from -50", Axes(-50, 150, 0, 800), 50, 0.0, {150, 0}, {165, 320}},
        // 0.5 and 1.5 pixels: halves go to the even neighbour.
        {"half pixel down", Axes(0, 600, 0, 640), 1, 1.0, {0, 0}, {15, 320}},
        {"half pixel up", Axes(0, 600, 0, 640), 3, 3.0, {2, 2}, {17, 318}},
        {"outside the ranges", Axes(0, 700, 0, 800), -700, 1600.0, {-300, 640}, {-285, -320}},
        {"reversed volume bounds mirror", Axes(700, 0, 0, 800), 100, 0.0, {257, 0}, {272, 320}},
        {"equal volume bounds", Axes(100, 100, 0, 800), 500, 400.0, {0, 160}, {15, 160}},
        {"equal pressure bounds", Axes(0, 700, 5, 5), 700, 1.0e300, {300, 0}, {315, 320}},
        {"states beyond the pixel range",
         Axes(0, 1, 0, 800),
         kIntMax,
         1.0e300,
         {kIntMax, kIntMax},
         {kIntMax, 320 - kIntMax}},
        {"negative states beyond the pixel range",
         Axes(0, 1, 0, 800),
         kIntMin,
         -1.0e300,
         {kIntMin, kIntMin},
         {kIntMin + 15, kIntMax}},
        {"no pressure", Axes(0, 700, 0, 800), 0, std::nan(""), {0, 0}, {15, 320}},
        {"widest volume axis", Axes(kIntMin, kIntMax, 0, 800), kIntMax, 0.0, {300, 0}, {315, 320}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PixelPoint offset = GraphPoint(c.axes, c.volume, c.pressure);
        EXPECT_EQ(offset, c.offset);
        EXPECT_EQ(GraphToBox(offset), c.box);
    }
}

// The grid drawn by DrawGraphFrame, read back from the recorded calls.
struct Grid {
    std::vector<int32_t> verticalX;
    std::vector<std::string> volumeLabels;
    std::vector<int32_t> horizontalY;
    std::vector<std::string> pressureLabels;
};

Grid DrawnGrid(const model::ExperimentSettings& axes) {
    FakeSurface box(kGraphBoxWidth, kGraphBoxHeight);
    GraphState state;
    DrawGraphFrame(box, axes, state);
    Grid grid;
    const auto& calls = box.calls;
    // Each line is followed by its label's position and text.
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].op != Op::Line)
            continue;
        const auto& line = calls[i];
        EXPECT_EQ(line.color, kGridLineColor);
        EXPECT_LT(i + 2, calls.size());
        if (i + 2 >= calls.size())
            break;
        const auto& position = calls[i + 1];
        const auto& text = calls[i + 2];
        EXPECT_EQ(position.op, Op::TextPosition);
        EXPECT_EQ(text.op, Op::Text);
        if (line.x1 == line.x2) {
            EXPECT_TRUE(grid.horizontalY.empty()) << "vertical lines come first";
            EXPECT_EQ(line.y1, 320);
            EXPECT_EQ(line.y2, 0);
            EXPECT_EQ(position.x1, line.x1 - 5);
            EXPECT_EQ(position.y1, 325);
            grid.verticalX.push_back(line.x1);
            grid.volumeLabels.push_back(text.text);
        } else {
            EXPECT_EQ(line.y1, line.y2);
            EXPECT_EQ(line.x1, 15);
            EXPECT_EQ(line.x2, 315);
            EXPECT_EQ(position.x1, 0);
            EXPECT_EQ(position.y1, line.y1 - 10);
            grid.horizontalY.push_back(line.y1);
            grid.pressureLabels.push_back(text.text);
        }
    }
    return grid;
}

TEST(DrawGraphFrame, DrawsTheGridAndLabelsForTheAxes) {
    struct Case {
        const char* what;
        model::ExperimentSettings axes;
        Grid grid;
    };
    const Case cases[] = {
        {"0..700 L, 0..800 mmHg",
         Axes(0, 700, 0, 800),
         {{15, 58, 101, 144, 186, 229, 272, 315},
          {"0", "100", "200", "300", "400", "500", "600", "700"},
          {320, 280, 240, 200, 160, 120, 80, 40, 0},
          {"0", "100", "200", "300", "400", "500", "600", "700", "800"}}},
        {"-50..150 L",
         Axes(-50, 150, 0, 100),
         {{15, 165, 315}, {"-50", "50", "150"}, {320, 0}, {"0", "100"}}},
        {"0..1 atm",
         Axes(0, 100, 0, 1, model::Atm),
         {{15, 315},
          {"0", "100"},
          {320, 288, 256, 224, 192, 160, 128, 96, 64, 32, 0},
          {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}}},
        {"100..800 mmHg",
         Axes(0, 100, 100, 800),
         {{15, 315},
          {"0", "100"},
          {320, 274, 229, 183, 137, 91, 46, 0},
          {"100", "200", "300", "400", "500", "600", "700", "800"}}},
        {"hPa steps by 100",
         Axes(0, 100, 0, 200, model::HPa),
         {{15, 315}, {"0", "100"}, {320, 160, 0}, {"0", "100", "200"}}},
        {"an unknown unit steps by 100",
         Axes(0, 100, 0, 200, 7),
         {{15, 315}, {"0", "100"}, {320, 160, 0}, {"0", "100", "200"}}},
        {"bounds not on a step",
         Axes(-30, 250, 0.5, 250.5),
         {{15, 122, 229}, {"-30", "70", "170"}, {320, 192, 64}, {"0.5", "100.5", "200.5"}}},
        {"lower bounds above the upper ones", Axes(700, 0, 800, 0), {}},
        {"equal volume bounds: no volume grid",
         Axes(50, 50, 0, 100),
         {{}, {}, {320, 0}, {"0", "100"}}},
        {"equal pressure bounds: no pressure grid",
         Axes(0, 100, 3, 3),
         {{15, 315}, {"0", "100"}, {}, {}}},
        {"volume steps that leave the 32-bit range",
         Axes(kIntMax - 150, kIntMax, 0, 0),
         {{15, 215}, {"2147483497", "2147483597"}, {}, {}}},
        {"a pressure the step cannot grow", Axes(0, 0, 1.0e20, 1.0e21), {{}, {}, {320}, {"1E+20"}}},
        {"a lower bound of minus infinity", Axes(0, 0, -HUGE_VAL, 800), {}},
        {"no number as bound", Axes(0, 0, std::nan(""), 800), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Grid grid = DrawnGrid(c.axes);
        EXPECT_EQ(grid.verticalX, c.grid.verticalX);
        EXPECT_EQ(grid.volumeLabels, c.grid.volumeLabels);
        EXPECT_EQ(grid.horizontalY, c.grid.horizontalY);
        EXPECT_EQ(grid.pressureLabels, c.grid.pressureLabels);
    }
}

// A label as placed: its text and the text position set for it.
struct PlacedLabel {
    std::string text;
    int32_t x = 0;
    int32_t y = 0;

    friend bool operator==(const PlacedLabel&, const PlacedLabel&) = default;
};

void PrintTo(const PlacedLabel& label, std::ostream* out) {
    *out << '"' << label.text << "\" at " << label.x << ", " << label.y;
}

TEST(DrawGraphFrame, LabelsTheBoxWouldCutMoveInsideItAndNoOtherLabelMoves) {
    // Ink 5 pixels a character from the left of the text, from 2 pixels below its top.
    const auto ink = [](std::string_view text) -> std::optional<TextInk> {
        return TextInk{0, 2, static_cast<int32_t>(5 * text.size()), 9};
    };
    struct Case {
        const char* what;
        model::ExperimentSettings axes;
        std::vector<PlacedLabel> labels;
    };
    const Case cases[] = {
        {"0..700 L, 0..800 mmHg: 700 moves left, 800 down",
         Axes(0, 700, 0, 800),
         {{"0", 10, 325},
          {"100", 53, 325},
          {"200", 96, 325},
          {"300", 139, 325},
          {"400", 181, 325},
          {"500", 224, 325},
          {"600", 267, 325},
          {"700", 300, 325},
          {"0", 0, 310},
          {"100", 0, 270},
          {"200", 0, 230},
          {"300", 0, 190},
          {"400", 0, 150},
          {"500", 0, 110},
          {"600", 0, 70},
          {"700", 0, 30},
          {"800", 0, -2}}},
        {"0..1 atm: the top tenth moves down",
         Axes(-50, 150, 0, 0.2, model::Atm),
         {{"-50", 10, 325},
          {"50", 160, 325},
          {"150", 300, 325},
          {"0", 0, 310},
          {"0.1", 0, 150},
          {"0.2", 0, -2}}},
        {"a last label that ends at the edge stays",
         Axes(-93, 7, 5, 105),
         {{"-93", 10, 325}, {"7", 310, 325}, {"5", 0, 310}, {"105", 0, -2}}},
        {"a top line low enough for its label stays",
         Axes(0, 100, 0, 150),
         {{"0", 10, 325}, {"100", 300, 325}, {"0", 0, 310}, {"100", 0, 97}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSurface box(kGraphBoxWidth, kGraphBoxHeight);
        box.ink = ink;
        GraphState state;
        DrawGraphFrame(box, c.axes, state);
        std::vector<PlacedLabel> labels;
        for (std::size_t i = 0; i + 1 < box.calls.size(); ++i) {
            if (box.calls[i].op == Op::TextPosition && box.calls[i + 1].op == Op::Text)
                labels.push_back({box.calls[i + 1].text, box.calls[i].x1, box.calls[i].y1});
        }
        EXPECT_EQ(labels, c.labels);
    }
}

TEST(DrawGraphFrame, ErasesFirstAndRefreshesLast) {
    FakeSurface box(kGraphBoxWidth, kGraphBoxHeight, kNewestPointColor);
    GraphState state{1, 100, 100, kWaterPointColor, {}};
    DrawGraphFrame(box, Axes(0, 700, 0, 800), state);
    ASSERT_GE(box.calls.size(), 2u);
    const auto& erase = box.calls.front();
    EXPECT_EQ(erase.op, Op::Fill);
    EXPECT_EQ(erase.x1, 0);
    EXPECT_EQ(erase.y1, 0);
    EXPECT_EQ(erase.x2, 315);
    EXPECT_EQ(erase.y2, 340);
    EXPECT_EQ(erase.color, kGraphBackgroundColor);
    EXPECT_EQ(box.calls.back().op, Op::Refresh);
    EXPECT_EQ(box.callsOf(Op::Refresh).size(), 1u);
    EXPECT_EQ(state.lastPointX, -10);
    EXPECT_EQ(state.lastPointY, -10);
    EXPECT_EQ(state.graphVisible, 1);
    // The whole box is blanked: no pixel keeps the old colour.
    for (int32_t y = 0; y < box.height(); ++y) {
        for (int32_t x = 0; x < box.width(); ++x) {
            ASSERT_NE(box.pixel(x, y), kNewestPointColor) << x << ", " << y;
        }
    }
}

TEST(DrawGraphFrame, AtmGridAddsATenthAtATime) {
    FakeSurface box(kGraphBoxWidth, kGraphBoxHeight);
    GraphState state;
    DrawGraphFrame(box, Axes(0, 700, 0, 800, model::Atm), state);
    const auto texts = box.callsOf(Op::Text);
    const auto lines = box.callsOf(Op::Line);
    ASSERT_EQ(texts.size(), lines.size());
    // 8 volume lines, then one pressure line for every tenth from 0 to 800.
    ASSERT_EQ(lines.size(), 8u + 8001u);
    for (int tenths = 0; tenths <= 8000; ++tenths) {
        std::string expected = std::to_string(tenths / 10);
        if (tenths % 10 != 0)
            expected += "." + std::to_string(tenths % 10);
        ASSERT_EQ(texts[8 + static_cast<std::size_t>(tenths)].text, expected);
    }
    EXPECT_EQ(lines.back().y1, 0);
}

TEST(DrawGraphFrame, BoundsTooWideToDrawStopAtACapInsteadOfFreezing) {
    struct Case {
        const char* what;
        model::ExperimentSettings axes;
        std::size_t volumeLines;
        std::size_t pressureLines;
    };
    const Case cases[] = {
        {"every typed range is drawn whole", Axes(-99, 999, -999, 9999, model::Atm), 11, 109981},
        {"a volume axis across the 32-bit range", Axes(kIntMin, kIntMax, 0, 800), 200000, 9},
        {"a pressure bound typed with an exponent", Axes(0, 700, 0, 9e99), 8, 200000},
        {"a pressure too large to grow by a step", Axes(0, 700, 1e300, 2e300), 8, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSurface box(kGraphBoxWidth, kGraphBoxHeight);
        GraphState state;
        DrawGraphFrame(box, c.axes, state);
        std::size_t vertical = 0;
        std::size_t horizontal = 0;
        for (const auto& line : box.callsOf(Op::Line)) {
            ++(line.x1 == line.x2 && line.y1 != line.y2 ? vertical : horizontal);
        }
        EXPECT_EQ(vertical, c.volumeLines);
        EXPECT_EQ(horizontal, c.pressureLines);
    }
}

TEST(EraseGraph, BlanksTheBoxAndForgetsTheNewestPoint) {
    FakeSurface box(kGraphBoxWidth, kGraphBoxHeight, kGridLineColor);
    GraphState state{0, 40, 50, kEthanolPointColor, {PlottedState{}, PlottedState{}}};
    EraseGraph(box, state);
    ASSERT_EQ(box.calls.size(), 1u);
    EXPECT_EQ(box.calls[0].op, Op::Fill);
    EXPECT_EQ(box.pixel(0, 0), kGraphBackgroundColor);
    EXPECT_EQ(box.pixel(314, 333), kGraphBackgroundColor);
    EXPECT_EQ(state.lastPointX, -10);
    EXPECT_EQ(state.lastPointY, -10);
    EXPECT_TRUE(state.plottedStates.empty());
    EXPECT_EQ(state.graphVisible, 0);  // the flag belongs to the callers
}

class PlotPointTest : public testing::Test {
  protected:
    void SetUp() override {
        model::FillVaporPressureTable(experiment.table);
        experiment.settings = Axes(0, 700, 0, 800);
        experiment.settings.temperature = 27;
        experiment.settings.mol = 1;
        experiment.liquid = model::Water;
        experiment.satVolume = model::SaturationVolume(experiment);
        DrawGraphFrame(box, experiment.settings, state);
        box.calls.clear();
    }

    void Plot(int32_t volume) {
        PlotPoint(box, experiment, state, volume, model::PressureAtVolume(experiment, volume));
    }

    // True when the 3 × 3 square with its top left at (x, y) is all `color`.
    bool SquareIs(int32_t x, int32_t y, Rgb color) const {
        for (int32_t dy = 0; dy < 3; ++dy) {
            for (int32_t dx = 0; dx < 3; ++dx) {
                if (box.pixel(x + dx, y + dy) != color)
                    return false;
            }
        }
        return true;
    }

    model::Experiment experiment;
    FakeSurface box{kGraphBoxWidth, kGraphBoxHeight};
    GraphState state;
};

TEST_F(PlotPointTest, FirstSquareAfterAnEraseIsRedAndSettlesOnlyOutsideTheBox) {
    Plot(300);  // 31.37707 mmHg: (128.6, 12.6) from the origin
    ASSERT_EQ(box.calls.size(), 2u);
    EXPECT_EQ(box.calls[0].op, Op::Fill);
    EXPECT_EQ(box.calls[0].x1, 144);
    EXPECT_EQ(box.calls[0].y1, 307);
    EXPECT_EQ(box.calls[0].x2, 146);
    EXPECT_EQ(box.calls[0].y2, 309);
    EXPECT_EQ(box.calls[0].color, kNewestPointColor);
    EXPECT_EQ(box.calls[1].x1, -10);
    EXPECT_EQ(box.calls[1].y1, -10);
    EXPECT_EQ(box.calls[1].x2, -8);
    EXPECT_EQ(box.calls[1].y2, -8);
    EXPECT_EQ(box.calls[1].color, kWaterPointColor);
    EXPECT_TRUE(SquareIs(144, 307, kNewestPointColor));
    EXPECT_EQ(box.pixel(143, 307), kGraphBackgroundColor);
    EXPECT_EQ(box.pixel(147, 309), kGraphBackgroundColor);
    EXPECT_EQ(box.pixel(145, 310), kGraphBackgroundColor);
    EXPECT_EQ(state.lastPointX, 144);
    EXPECT_EQ(state.lastPointY, 307);
    EXPECT_EQ(state.plotColor, kWaterPointColor);
    EXPECT_TRUE(box.callsOf(Op::Refresh).empty());
}

TEST_F(PlotPointTest, ThePreviousSquareSettlesIntoTheLiquidsColour) {
    Plot(300);
    Plot(596);  // (255.4, 12.6): x 270
    EXPECT_TRUE(SquareIs(144, 307, kWaterPointColor));
    EXPECT_TRUE(SquareIs(270, 307, kNewestPointColor));
    Plot(650);
    EXPECT_TRUE(SquareIs(144, 307, kWaterPointColor));
    EXPECT_TRUE(SquareIs(270, 307, kWaterPointColor));
    EXPECT_EQ(state.lastPointX, 15 + 279);
}

TEST_F(PlotPointTest, ASquareOnTheNewestOneIsPaintedOverInTheLiquidsColour) {
    Plot(300);
    Plot(300);
    EXPECT_TRUE(SquareIs(144, 307, kWaterPointColor));
    EXPECT_EQ(state.lastPointX, 144);
}

TEST_F(PlotPointTest, TheLiquidAtTheTimeOfThePlotColoursThePreviousSquare) {
    Plot(300);
    experiment.liquid = model::Ethanol;
    Plot(500);
    EXPECT_TRUE(SquareIs(144, 307, kEthanolPointColor));
    EXPECT_EQ(state.plotColor, kEthanolPointColor);
}

TEST_F(PlotPointTest, SquaresBeyondThePixelRangeStopAtItsEnds) {
    experiment.settings = Axes(0, 1, 0, 1);
    PlotPoint(box, experiment, state, kIntMax, 1.0e300);
    EXPECT_EQ(state.lastPointX, kIntMax);
    EXPECT_EQ(state.lastPointY, 320 - kIntMax);
    PlotPoint(box, experiment, state, kIntMin, -1.0e300);
    const auto fills = box.callsOf(Op::Fill);
    ASSERT_EQ(fills.size(), 4u);
    EXPECT_EQ(fills[2].x1, kIntMin + 15);
    EXPECT_EQ(fills[2].x2, kIntMin + 17);
    EXPECT_EQ(fills[2].y1, kIntMax);
    EXPECT_EQ(fills[2].y2, kIntMax);
    EXPECT_EQ(fills[3].x1, kIntMax);
    EXPECT_EQ(fills[3].x2, kIntMax);
    EXPECT_EQ(fills[3].y2, 322 - kIntMax);
    EXPECT_EQ(state.lastPointX, kIntMin + 15);
    EXPECT_EQ(state.lastPointY, kIntMax);
}

TEST_F(PlotPointTest, ACopyOfTheGraphShowsTheSamePixels) {
    Plot(300);
    Plot(650);
    experiment.liquid = model::Ethanol;
    Plot(100);
    Plot(-20);  // outside the box
    experiment.liquid = model::DiethylEther;
    Plot(500);
    ASSERT_EQ(state.plottedStates.size(), 5u);

    FakeSurface copy(kGraphBoxWidth, kGraphBoxHeight, kNewestPointColor);
    DrawGraphCopy(copy, experiment.settings, state.plottedStates);
    for (int32_t y = 0; y < kGraphBoxHeight; ++y) {
        for (int32_t x = 0; x < kGraphBoxWidth; ++x) {
            ASSERT_EQ(copy.pixel(x, y), box.pixel(x, y)) << x << ", " << y;
        }
    }
    EXPECT_EQ(copy.callsOf(Op::Text).size(), 8u + 9u);  // the frame's labels
    EXPECT_EQ(state.plottedStates.size(), 5u);
}

TEST(SettledPointColor, FollowsTheLiquid) {
    EXPECT_EQ(SettledPointColor(model::Water), (Rgb{0, 0, 192}));
    EXPECT_EQ(SettledPointColor(model::Ethanol), (Rgb{0, 204, 0}));
    EXPECT_EQ(SettledPointColor(model::DiethylEther), (Rgb{0, 204, 204}));
    EXPECT_EQ(SettledPointColor(3), (Rgb{0, 204, 204}));
    EXPECT_EQ(SettledPointColor(-1), (Rgb{0, 204, 204}));
    EXPECT_EQ(kNewestPointColor, (Rgb{255, 0, 0}));
    EXPECT_EQ(kGridLineColor, (Rgb{192, 192, 192}));
    EXPECT_EQ(kGraphBackgroundColor, (Rgb{255, 255, 255}));
}

}  // namespace
}  // namespace kemora::mainwindow
