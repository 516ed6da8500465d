#include "mainwindow/scenario_playback.h"
#include "support/scenario_steps.h"

#include <gtest/gtest.h>

#include <functional>

#include "main_window_fixture.h"

namespace kemora::mainwindow {
namespace {

using testing_support::StepOf;

class PlaybackTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        startWith27Degrees();
    }
    void load(std::initializer_list<scenario::ScenarioStep> steps) {
        int32_t n = 0;
        for (const scenario::ScenarioStep& step : steps) state.currentScenario.steps[++n] = step;
        state.currentScenario.stepCount = n;
    }
    void key(int code = kKeyDown) { logic->Form_KeyUp(code); }
};

TEST_F(PlaybackTest, KeysRunTheStepsInTurnWithTheNumberInTheCaption) {
    scenario::AssignTitle(state.currentScenario, "実験");
    load({StepOf(scenario::StepSetVolume, 100), StepOf(scenario::StepSetVolume, 200),
          StepOf(scenario::StepSetVolume, 300)});
    key();  // mode off: nothing
    EXPECT_EQ(view.volume, "0");
    logic->picSinario_Click();
    EXPECT_TRUE(view.buttonLit[PictureButton::Sinario]);
    const std::string title = "実験" + std::string(28, ' ');
    const int keys[] = {kKeyDown, kKeyEnter, kKeySpace};
    const char* volumes[] = {"100", "200", "300"};
    for (int i = 0; i < 3; ++i) {
        key(keys[i]);
        EXPECT_EQ(view.caption, (Caption{title, i + 1}));
        EXPECT_EQ(view.volume, volumes[i]);
    }
    for (int i = 0; i < 2; ++i) {
        key();
        EXPECT_EQ(view.caption, (Caption{title, 4}));
        EXPECT_EQ(view.volume, "300");
        EXPECT_EQ(state.nextStep, 4);
    }
    key('A');
    EXPECT_EQ(view.caption, (Caption{title, 4}));
}

TEST_F(PlaybackTest, PresenterKeysRunTheNextStepAndOtherKeysDoNot) {
    load({StepOf(scenario::StepSetVolume, 100), StepOf(scenario::StepSetVolume, 200),
          StepOf(scenario::StepSetVolume, 300)});
    logic->picSinario_Click();
    // Page Down and Right-arrow, as a wireless presenter sends them.
    key(34);
    EXPECT_EQ(view.volume, "100");
    key(39);
    EXPECT_EQ(view.volume, "200");
    for (int other : {33, 37, 38, 9, 27}) {  // Page Up, Left, Up, Tab, Esc
        SCOPED_TRACE(other);
        key(other);
        EXPECT_EQ(state.nextStep, 3);
    }
}

TEST_F(PlaybackTest, EmptyScenarioOnlyShowsStepOne) {
    logic->picSinario_Click();
    key();
    EXPECT_EQ(view.caption, (Caption{"", 1}));
    EXPECT_EQ(state.nextStep, 1);
}

TEST_F(PlaybackTest, SwitchingTheModeOffAndOnRestartsAtStepOne) {
    load({StepOf(scenario::StepSetVolume, 100), StepOf(scenario::StepSetVolume, 200)});
    logic->picSinario_Click();
    key();
    key();
    logic->picSinario_Click();
    EXPECT_EQ(state.scenarioMode, 0);
    EXPECT_FALSE(view.buttonLit[PictureButton::Sinario]);
    EXPECT_EQ(state.nextStep, 3);
    logic->picSinario_Click();
    key();
    EXPECT_EQ(view.volume, "100");
}

TEST_F(PlaybackTest, GradualStepsRunOnTheTimer) {
    struct Case {
        const char* from;
        int32_t target;
        const char* end;
    };
    const Case cases[] = {{"30", 42, "45"}, {"30", 30, "25"}, {"50", 40, "40"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " to " << c.target);
        load({StepOf(scenario::StepSetVolume, c.target, 1)});
        view.type(c.from);
        state.scenarioMode = 0;
        logic->picSinario_Click();
        key();
        EXPECT_EQ(view.volume, c.from);  // the step itself does not touch the field
        for (int frame = 0; frame < 8; ++frame) drawNextFrame();
        EXPECT_EQ(view.volume, c.end);
        EXPECT_EQ(state.gradualActive, 0);
    }
}

TEST_F(PlaybackTest, AKeyDuringAGradualChangeStopsItAndRunsTheNextStep) {
    load({StepOf(scenario::StepSetVolume, 100, 1), StepOf(scenario::StepClearGraph)});
    view.type("30");
    logic->picSinario_Click();
    key();
    drawNextFrame();
    drawNextFrame();
    ASSERT_EQ(view.volume, "40");
    key();
    EXPECT_EQ(state.gradualActive, 0);
    EXPECT_EQ(state.graph.lastPointX, -10);
    for (int frame = 0; frame < 3; ++frame) drawNextFrame();
    EXPECT_EQ(view.volume, "40");
}

TEST_F(PlaybackTest, GraphSteps) {
    load({StepOf(scenario::StepClearGraph), StepOf(scenario::StepHideGraph),
          StepOf(scenario::StepShowGraph)});
    view.type("300");
    logic->picSinario_Click();

    key();  // clear: blank box, no grid, still plotting
    EXPECT_EQ(view.graphSurface.pixel(15, 100), (Rgb{255, 255, 255}));
    EXPECT_EQ(state.graph.graphVisible, 1);
    view.type("100");
    EXPECT_EQ(view.graphSurface.pixel(state.graph.lastPointX, state.graph.lastPointY),
              (Rgb{255, 0, 0}));

    key();  // hide
    EXPECT_EQ(state.graph.graphVisible, 0);
    EXPECT_FALSE(view.buttonLit[PictureButton::GrphSw]);

    key();  // show: the frame again
    EXPECT_EQ(state.graph.graphVisible, 1);
    EXPECT_TRUE(view.buttonLit[PictureButton::GrphSw]);
    EXPECT_EQ(view.graphSurface.pixel(15, 100), (Rgb{192, 192, 192}));
}

TEST_F(PlaybackTest, InitialSettingsStepChangesTheSettingsInMemoryOnly) {
    scenario::ScenarioStep step = StepOf(scenario::StepInitialSettings);
    step.mol = 2;
    step.temperatureUnit = model::Kelvin;
    step.pressureUnit = model::Atm;
    step.grphWMin = 10;
    step.grphWMax = 500;
    step.grphHMin = 0;
    step.grphHMax = 800;
    const std::pair<double, int32_t> temperatures[] = {{2.5, 2}, {3.5, 4}, {24.5, 24}, {25.5, 26}};
    for (const auto& [typed, stored] : temperatures) {
        SCOPED_TRACE(typed);
        step.temperature = typed;
        load({step});
        state.scenarioMode = 0;
        logic->picSinario_Click();
        key();
        EXPECT_EQ(
            state.experiment.settings,
            (model::ExperimentSettings{stored, 2, model::Kelvin, model::Atm, 10, 500, 0.0, 800.0}));
    }
    logic->Form_Activate();  // the file's values come back
    EXPECT_EQ(state.experiment.settings.temperature, 27);
    EXPECT_EQ(view.unitLabel, "mmHg");
}

// What the class reads after a step that changes the temperature, the amount or the unit: the
// pressure of the volume shown, worked out for the new values, beside the new unit.
TEST_F(PlaybackTest, InitialSettingsStepShowsTheTruePressureAtOnce) {
    struct Case {
        const char* name;
        double temperature;
        int32_t mol;
        int32_t pressureUnit;
        const char* pressure;
        const char* unit;
    };
    // Water at 100 °C boils at 1 atm: 2 mol is all vapour above 61 L, so 300 L holds
    // 1 atm × 61 / 300; 1 mol at 27 °C still saturates 300 L: 31.4 mmHg, 41.9 hPa.
    const Case cases[] = {
        {"hot, twice the amount, atm", 100, 2, model::Atm, "0.203", "atm"},
        {"the same state in hPa", 27, 1, model::HPa, "42", "hPa"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        scenario::ScenarioStep step = StepOf(scenario::StepInitialSettings);
        step.temperature = c.temperature;
        step.mol = c.mol;
        step.pressureUnit = c.pressureUnit;
        step.grphWMax = 700;
        step.grphHMax = 800;
        load({step});
        logic->Form_Activate();
        view.type("300");
        state.scenarioMode = 0;
        logic->picSinario_Click();
        const std::size_t plotted = state.graph.plottedStates.size();
        key();
        EXPECT_EQ(view.pressure, c.pressure);
        EXPECT_EQ(view.unitLabel, c.unit);
        EXPECT_EQ(state.graph.plottedStates.size(), plotted);  // a reading, not a new state
    }
}

TEST_F(PlaybackTest, LiquidStepsChangeTheModelAndTheSelector) {
    load({StepOf(scenario::StepChangeLiquid, model::Ethanol),
          StepOf(scenario::StepChangeLiquid, -1), StepOf(scenario::StepChangeLiquid, 7), StepOf(99),
          StepOf(scenario::StepSetVolume, 50)});
    logic->picSinario_Click();
    key();
    EXPECT_EQ(state.experiment.liquid, model::Ethanol);
    EXPECT_EQ(view.liquid, model::Ethanol);
    EXPECT_EQ(state.experiment.satVolume, 262);
    key();
    EXPECT_EQ(state.experiment.liquid, -1);
    EXPECT_EQ(view.liquid, -1);
    EXPECT_EQ(state.experiment.satVolume, 36);  // read as diethyl ether
    drawNextFrame();
    EXPECT_EQ(state.experiment.liquid, -1);  // the timer sees no difference
    key();                                   // a value outside -1..2: skipped
    EXPECT_EQ(state.experiment.liquid, -1);
    key();  // a kind outside 0..5: nothing
    EXPECT_EQ(state.nextStep, 5);
    key();
    EXPECT_EQ(view.volume, "50");
}

// A view only shows the texts the logic sets (a browser field set by a program fires no
// event), so the logic itself runs the volume handler, once, wherever it sets the volume.
TEST_F(PlaybackTest, EveryVolumeTheLogicSetsRunsTheHandlerOnce) {
    struct Case {
        const char* name;
        std::function<void()> act;
        const char* volume;
        const char* pressure;  // mmHg, water at 27 °C, 1 mol, saturated up to 596 litres
        int32_t lidTop;        // 250 - 250 / 700 × volume, halves to even
    };
    load({StepOf(scenario::StepSetVolume, 650), StepOf(scenario::StepSetVolume, 700, 1)});
    logic->picSinario_Click();
    const Case cases[] = {
        // 31.37707 × 596 / 650 = 28.7702...
        {"a set-volume step", [&] { key(); }, "650", "28.8", 18},
        // The gradual step aims at 700 and moves 5 litres a frame: 31.37707 × 596 / 655.
        {"a frame of a gradual change",
         [&] {
             key();
             drawNextFrame();
         },
         "655", "28.6", 16},
        {"the reset", [&] { logic->menu_reset_Click(); }, "0", "31.4", 250},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int pressures = view.pressureSets;
        c.act();
        EXPECT_EQ(view.volume, c.volume);
        EXPECT_EQ(view.pressureSets, pressures + 1);
        EXPECT_EQ(view.pressure, c.pressure);
        EXPECT_EQ(view.lidTop, c.lidTop);
    }
}

TEST_F(PlaybackTest, GradualStepWithoutANumberInTheFieldIsSkipped) {
    load({StepOf(scenario::StepSetVolume, 100, 1)});
    view.type("abc");
    logic->picSinario_Click();
    key();
    EXPECT_EQ(state.gradualActive, 0);
    EXPECT_EQ(state.nextStep, 2);
}

TEST_F(PlaybackTest, ActivationShowsTheTitleWithoutTheStepNumber) {
    scenario::AssignTitle(state.currentScenario, "T");
    logic->picSinario_Click();
    key();
    logic->Form_Activate();
    EXPECT_EQ(view.caption, (Caption{"T" + std::string(29, ' '), std::nullopt}));
    EXPECT_TRUE(view.buttonLit[PictureButton::Sinario]);
}

}  // namespace
}  // namespace kemora::mainwindow
