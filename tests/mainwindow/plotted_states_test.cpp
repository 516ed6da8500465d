// The graph's list of plotted states: what each way of changing the volume adds, and that
// the list empties exactly when the squares vanish from the box.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "mainwindow/scenario_playback.h"
#include "support/scenario_steps.h"

namespace kemora::mainwindow {
namespace {

constexpr double kWaterAt27 = 31.37707;    // mmHg, the table's value
constexpr double kEthanolAt27 = 71.30869;  // mmHg
constexpr int32_t kWaterSaturation = 596;  // litres for 1 mol of water at 27 °C

using testing_support::StepOf;

class PlottedStatesTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        startWith27Degrees();
    }
    const std::vector<PlottedState>& plotted() const { return state.graph.plottedStates; }
    std::vector<int32_t> volumes() const {
        std::vector<int32_t> result;
        for (const PlottedState& s : plotted()) result.push_back(s.volume);
        return result;
    }
    // True when any pixel of the box has the colour of a plotted square.
    bool boxShowsSquares() const {
        const Rgb squareColors[] = {kNewestPointColor, kWaterPointColor, kEthanolPointColor,
                                    kEtherPointColor};
        for (int32_t y = 0; y < kGraphBoxHeight; ++y) {
            for (int32_t x = 0; x < kGraphBoxWidth; ++x) {
                for (const Rgb& color : squareColors) {
                    if (view.graphSurface.pixel(x, y) == color)
                        return true;
                }
            }
        }
        return false;
    }
    void runScenario(std::initializer_list<scenario::ScenarioStep> steps) {
        int32_t n = 0;
        for (const scenario::ScenarioStep& step : steps) state.currentScenario.steps[++n] = step;
        state.currentScenario.stepCount = n;
        state.scenarioMode = 0;
        logic->picSinario_Click();
        for (int32_t i = 0; i < n; ++i) logic->Form_KeyUp(kKeyDown);
    }
};

TEST_F(PlottedStatesTest, TypedVolumesAreKeptInOrderWithTheirSettingsAndPhase) {
    view.type("300");
    view.type("");  // no number: nothing plotted
    view.type("700");
    view.type("0.4");  // rounds to 0
    view.type("-5");
    ASSERT_EQ(plotted().size(), 4u);

    const PlottedState water{300, kWaterAt27,     model::MmHg, model::Water,
                             27,  model::Celsius, 1,           model::Phase::LiquidAndVapor};
    EXPECT_EQ(plotted()[0], water);

    struct Expected {
        int32_t volume;
        double pressure;  // mmHg
        model::Phase phase;
    };
    const Expected expected[] = {
        {300, kWaterAt27, model::Phase::LiquidAndVapor},
        {700, kWaterAt27 * kWaterSaturation / 700, model::Phase::AllVapor},
        {0, kWaterAt27, model::Phase::AllLiquid},
        {-5, kWaterAt27, model::Phase::AllLiquid},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].volume);
        EXPECT_EQ(plotted()[i].volume, expected[i].volume);
        EXPECT_NEAR(plotted()[i].pressure, expected[i].pressure, 1e-12);
        EXPECT_EQ(plotted()[i].phase, expected[i].phase);
    }
}

TEST_F(PlottedStatesTest, StatesCarryTheLiquidAndUnitsOfTheirMoment) {
    view.type("300");
    view.liquid = model::Ethanol;  // reaches the model at the next frame
    drawNextFrame();
    view.type("200");  // ethanol saturates at 262 litres
    // An initial-settings step changes the units in memory without redrawing the frame.
    scenario::ScenarioStep settings = StepOf(scenario::StepInitialSettings);
    settings.temperature = 300;
    settings.temperatureUnit = model::Kelvin;
    settings.pressureUnit = model::Atm;
    settings.mol = 2;
    settings.grphWMax = 700;
    settings.grphHMax = 1;
    runScenario({settings});
    view.type("100");

    ASSERT_EQ(plotted().size(), 3u);
    EXPECT_EQ(plotted()[0].liquid, model::Water);
    EXPECT_EQ(plotted()[1].liquid, model::Ethanol);
    EXPECT_DOUBLE_EQ(plotted()[1].pressure, kEthanolAt27);
    const PlottedState& last = plotted()[2];
    EXPECT_EQ(last.liquid, model::Ethanol);
    EXPECT_EQ(last.pressureUnit, model::Atm);
    EXPECT_EQ(last.temperature, 300);
    EXPECT_EQ(last.temperatureUnit, model::Kelvin);
    EXPECT_EQ(last.mol, 2);
    EXPECT_DOUBLE_EQ(last.pressure, kEthanolAt27 / 760);
}

TEST_F(PlottedStatesTest, AGradualStepAddsAStateAtEveryFive) {
    view.type("30");
    runScenario({StepOf(scenario::StepSetVolume, 50, 1)});
    for (int frame = 0; frame < 6; ++frame) drawNextFrame();
    EXPECT_EQ(volumes(), (std::vector<int32_t>{30, 35, 40, 45, 50}));
}

TEST_F(PlottedStatesTest, TheListEmptiesExactlyWhenTheSquaresVanish) {
    struct Case {
        const char* action;
        std::function<void()> run;
        bool squaresVanish;
    };
    const Case cases[] = {
        {"graph switch, hiding", [&] { logic->picGrphSw_Click(); }, true},
        {"graph switch, hiding and showing",
         [&] {
             logic->picGrphSw_Click();
             logic->picGrphSw_Click();
         },
         true},
        {"clear button", [&] { logic->picGrphCls_Click(); }, true},
        {"activation", [&] { logic->Form_Activate(); }, true},
        {"show step", [&] { runScenario({StepOf(scenario::StepShowGraph)}); }, true},
        {"hide step", [&] { runScenario({StepOf(scenario::StepHideGraph)}); }, true},
        {"clear step", [&] { runScenario({StepOf(scenario::StepClearGraph)}); }, true},
        {"liquid step", [&] { runScenario({StepOf(scenario::StepChangeLiquid, 1)}); }, false},
        {"settings step", [&] { runScenario({StepOf(scenario::StepInitialSettings)}); }, false},
        {"frames", [&] { drawNextFrame(); }, false},
        {"a text without a number", [&] { view.type("x"); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        logic->Form_Activate();
        if (state.graph.graphVisible == 0)
            logic->picGrphSw_Click();
        view.type("100");
        view.type("200");
        ASSERT_EQ(plotted().size(), 2u);
        ASSERT_TRUE(boxShowsSquares());

        c.run();
        EXPECT_EQ(boxShowsSquares(), !c.squaresVanish);
        EXPECT_EQ(plotted().empty(), c.squaresVanish);
    }
}

TEST_F(PlottedStatesTest, NothingIsKeptWhileTheGraphIsHiddenAndPlottingResumesAfterAClear) {
    logic->picGrphSw_Click();
    view.type("100");
    logic->picGrphCls_Click();  // only flashes while hidden
    EXPECT_TRUE(plotted().empty());
    EXPECT_FALSE(boxShowsSquares());

    logic->picGrphSw_Click();
    view.type("200");
    runScenario({StepOf(scenario::StepClearGraph)});  // a blank box that still plots
    view.type("300");
    EXPECT_EQ(volumes(), (std::vector<int32_t>{300}));
}

}  // namespace
}  // namespace kemora::mainwindow
