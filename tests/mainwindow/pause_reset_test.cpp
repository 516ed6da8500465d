// The pause of the animation and the reset of the experiment.
#include <gtest/gtest.h>

#include <vector>

#include "main_window_fixture.h"

namespace kemora::mainwindow {
namespace {

using Op = FakeSurface::Op;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kGrid{192, 192, 192};

// Where every molecule is.
std::vector<PixelPoint> Positions(const MoleculeField& field) {
    std::vector<PixelPoint> positions;
    for (const auto& layer : field.molecules) {
        for (const Molecule& molecule : layer) positions.push_back({molecule.x, molecule.y});
    }
    return positions;
}

int RedPixels(const FakeSurface& box) {
    int red = 0;
    for (int32_t y = 0; y < box.height(); ++y) {
        for (int32_t x = 0; x < box.width(); ++x) red += box.pixel(x, y) == kRed;
    }
    return red;
}

TEST_F(MainWindowTest, PauseHoldsTheMoleculesWhileTheExperimentGoesOn) {
    startWith27Degrees();
    view.type("300");
    drawNextFrame();
    drawNextFrame();

    logic->SetAnimationPaused(true);
    const std::vector<PixelPoint> held = Positions(state.field);
    const std::size_t cylinderCalls = view.cylinderSurface.calls.size();
    for (int tick = 0; tick < 30; ++tick) logic->Timer1_Timer();
    EXPECT_EQ(Positions(state.field), held);
    EXPECT_EQ(view.cylinderSurface.calls.size(), cylinderCalls);

    // The selector still reaches the model, so that a volume typed now is computed for the
    // liquid the class sees; a gradual change waits for the molecules.
    view.liquid = model::Ethanol;
    logic->Timer1_Timer();
    EXPECT_EQ(state.experiment.liquid, model::Ethanol);
    EXPECT_EQ(state.experiment.satVolume, 262);
    state.gradualActive = 1;
    state.gradualStep = 5;
    state.gradualTarget = 400;
    for (int tick = 0; tick < 30; ++tick) logic->Timer1_Timer();
    EXPECT_EQ(view.volume, "300");

    logic->SetAnimationPaused(false);
    drawNextFrame();
    EXPECT_NE(Positions(state.field), held);
    EXPECT_EQ(view.volume, "305");
}

TEST_F(MainWindowTest, ResetDrawsAFreshFrameHoldingOnlyThePointOfVolumeZero) {
    // Water at 27 °C: volume 0 lies below the saturation volume, so the pressure is the vapor
    // pressure, 31.37707 mmHg, plotted at x 15 + 0, y 320 - round(31.37707 × 320 / 800) = 307.
    const char* starts[] = {"300", "0", "", "abc", "-40"};
    for (const char* start : starts) {
        SCOPED_TRACE(start);
        state = MainState{};
        view.volume = "0";
        startWith27Degrees();
        view.type("350");
        view.type("500");
        view.type(start);
        for (int tick = 0; tick < 10; ++tick) logic->Timer1_Timer();

        logic->menu_reset_Click();
        EXPECT_EQ(view.volume, "0");
        EXPECT_EQ(view.pressure, "31.4");
        EXPECT_EQ(view.lidTop, 250);
        EXPECT_EQ(view.graphSurface.pixel(15, 307), kRed);
        EXPECT_EQ(RedPixels(view.graphSurface), 9);            // that one square alone
        EXPECT_EQ(view.graphSurface.pixel(165, 307), kWhite);  // 350 litres is gone
        EXPECT_EQ(view.graphSurface.pixel(58, 100), kGrid);
        EXPECT_EQ(state.field.at(15, 37).state, StateAllLiquid);
        EXPECT_EQ(view.graphReading, (GraphReading{true, PointReading{0, "31.4", "mmHg"}}));
    }
}

TEST_F(MainWindowTest, ResetStopsAGradualChange) {
    startWith27Degrees();
    view.type("30");
    state.gradualActive = 1;
    state.gradualStep = 5;
    state.gradualTarget = 100;
    drawNextFrame();
    ASSERT_EQ(view.volume, "35");
    logic->menu_reset_Click();
    for (int frame = 0; frame < 3; ++frame) drawNextFrame();
    EXPECT_EQ(view.volume, "0");
    EXPECT_EQ(state.gradualActive, 0);
}

TEST_F(MainWindowTest, ResetLeavesAHiddenGraphBlank) {
    startWith27Degrees();
    view.type("300");
    logic->picGrphSw_Click();
    const std::size_t graphCalls = view.graphSurface.calls.size();
    logic->menu_reset_Click();
    EXPECT_EQ(view.volume, "0");
    EXPECT_EQ(view.pressure, "31.4");
    EXPECT_EQ(state.graph.graphVisible, 0);
    EXPECT_EQ(view.graphSurface.calls.size(), graphCalls);
    EXPECT_EQ(view.graphSurface.pixel(58, 100), kWhite);
}

}  // namespace
}  // namespace kemora::mainwindow
