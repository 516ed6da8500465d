#include "mainwindow/main_window_logic.h"

#include <gtest/gtest.h>

#include <functional>

#include "main_window_fixture.h"
#include "support/scenario_steps.h"

namespace kemora::mainwindow {
namespace {

using Op = FakeSurface::Op;

TEST_F(MainWindowTest, FirstStartWithoutSettingsFileTakesTheFallbacks) {
    start();
    EXPECT_EQ(view.caption, Caption{});
    EXPECT_EQ(view.unitLabel, "mmHg");
    EXPECT_EQ(view.liquid, model::Water);
    EXPECT_EQ(view.volumeMaximum, 150);
    EXPECT_EQ(state.experiment.settings,
              (model::ExperimentSettings{30, 1, 0, 0, -50, 150, 0.0, 800.0}));
    EXPECT_EQ(state.experiment.satVolume, 512);
    EXPECT_TRUE(view.buttonLit[PictureButton::GrphSw]);
    EXPECT_FALSE(view.buttonLit[PictureButton::Sinario]);
    EXPECT_FALSE(std::filesystem::exists(configPath));
    // The frame is drawn: the grid line of volume 50 at x 165.
    EXPECT_EQ(view.graphSurface.pixel(165, 100), (Rgb{192, 192, 192}));
}

TEST_F(MainWindowTest, VolumeShowsPressureInTheUnitAndPlotsIt) {
    struct Case {
        int32_t unit;
        const char* volume;
        const char* pressure;
    };
    const Case cases[] = {
        {model::MmHg, "300", "31.4"}, {model::MmHg, "596", "31.4"}, {model::MmHg, "700", "26.7"},
        {model::Atm, "300", "0.041"}, {model::HPa, "300", "42"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.volume);
        state = MainState{};
        view.volume = "0";
        startWith27Degrees(c.unit);
        view.type(c.volume);
        EXPECT_EQ(view.pressure, c.pressure);
    }
    // The last state, 300 L in hPa, is the newest square, in red.
    const auto fills = view.graphSurface.callsOf(Op::Fill);
    EXPECT_EQ(fills[fills.size() - 2].color, (Rgb{255, 0, 0}));
}

TEST_F(MainWindowTest, SevenHundredLitresPlotsAtTheRightEdge) {
    startWith27Degrees();
    view.type("700");
    EXPECT_EQ(state.graph.lastPointX, 315);
    EXPECT_EQ(state.graph.lastPointY, 309);
}

TEST_F(MainWindowTest, TextIsRoundedHalfToEvenToWholeLitres) {
    start();  // volume axis -50..150: the lid moves 1.25 pixels a litre
    const std::pair<const char*, int32_t> cases[] = {
        {"12", 235}, {"12.5", 235}, {"13", 234}, {"13.5", 232}, {"14", 232}, {" 1.25E1 ", 235}};
    for (const auto& [text, top] : cases) {
        SCOPED_TRACE(text);
        view.type(text);
        EXPECT_EQ(view.lidTop, top);
    }
}

TEST_F(MainWindowTest, LidFollowsTheVolumeAxisWidth) {
    startWith27Degrees();
    const std::pair<const char*, int32_t> cases[] = {
        {"350", 125}, {"700", 0}, {"800", -36}, {"-20", 257}, {"0", 250}};
    for (const auto& [volume, top] : cases) {
        SCOPED_TRACE(volume);
        view.type(volume);
        EXPECT_EQ(view.lidTop, top);
        EXPECT_EQ(state.field.lidTop, top);
    }
}

TEST(LidTopFor, HalvesGoToEvenAndAnAxisWithoutWidthKeepsTheLidAtRest) {
    model::ExperimentSettings settings{30, 1, 0, 0, -50, 150, 0.0, 800.0};
    EXPECT_EQ(LidTopFor(settings, 100), 125);
    EXPECT_EQ(LidTopFor(settings, 150), 62);
    EXPECT_EQ(LidTopFor(settings, 50), 188);
    settings.grphWMax = settings.grphWMin;
    EXPECT_EQ(LidTopFor(settings, 100), 250);
    settings.grphWMin = -2147483647 - 1;
    settings.grphWMax = 2147483647;
    EXPECT_EQ(LidTopFor(settings, 2147483647), 125);
}

TEST_F(MainWindowTest, TextWithoutANumberChangesNothingAndPausesTheAnimation) {
    startWith27Degrees();
    view.type("300");
    drawNextFrame();
    for (const char* text : {"", "-", "abc", "1e10"}) {
        SCOPED_TRACE(text);
        const auto graphCalls = view.graphSurface.calls.size();
        const auto cylinderCalls = view.cylinderSurface.calls.size();
        const int16_t frameWait = state.frameWait;
        view.type(text);
        for (int tick = 0; tick < 20; ++tick) logic->Timer1_Timer();
        EXPECT_EQ(view.pressure, "31.4");
        EXPECT_EQ(view.lidTop, 143);
        EXPECT_EQ(view.graphSurface.calls.size(), graphCalls);
        EXPECT_EQ(view.cylinderSurface.calls.size(), cylinderCalls);
        EXPECT_EQ(state.frameWait, frameWait);
    }
}

TEST_F(MainWindowTest, VolumeAtOrBelowTheLiquidVolumeLaysTheMoleculesOutAgain) {
    startWith27Degrees();
    view.type("700");
    drawNextFrame();
    drawNextFrame();
    ASSERT_NE(state.field.at(15, 37).y, 307);
    view.type("-5");
    EXPECT_EQ(state.field.at(15, 37).y, 307);
    EXPECT_EQ(state.field.at(15, 37).state, StateAllLiquid);
    EXPECT_EQ(view.pressure, "31.4");
}

TEST_F(MainWindowTest, FramesSplitTheLayersAndSetThePace) {
    startWith27Degrees();
    ASSERT_EQ(state.experiment.satVolume, 596);
    struct Case {
        const char* volume;
        int vaporLayers;
        int16_t frameWait;
    };
    const Case cases[] = {
        {"0", 0, 8}, {"300", 8, 4}, {"596", 15, 1}, {"900", 15, 1}, {"-30", 0, 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.volume);
        view.type(c.volume);
        drawNextFrame();
        EXPECT_EQ(state.frameWait, c.frameWait);
        for (int layer = 1; layer <= 15; ++layer) {
            const bool vapor = layer > 15 - c.vaporLayers;
            EXPECT_EQ(layerState(layer) == StateVapor, vapor) << "layer " << layer;
        }
    }
}

TEST_F(MainWindowTest, AFrameIsOneFillAndEverySpriteWithTheBottomLayerLast) {
    startWith27Degrees();
    view.cylinderSurface.calls.clear();
    logic->Timer1_Timer();
    const auto& calls = view.cylinderSurface.calls;
    ASSERT_EQ(calls.size(), 1u + 555u + 1u);
    EXPECT_EQ(calls.front().op, Op::Fill);
    EXPECT_EQ(calls.back().op, Op::Refresh);
    EXPECT_EQ(calls[calls.size() - 2].x1, state.field.at(1, 37).x);
    EXPECT_EQ(calls[calls.size() - 2].y1, state.field.at(1, 37).y);
    EXPECT_EQ(calls[1].x1, state.field.at(15, 1).x);
}

TEST(FrameWaitFor, PaceTable) {
    model::Experiment experiment;
    experiment.satVolume = 150;  // q = 10 litres a layer
    const std::pair<double, int16_t> cases[] = {{-50, 8}, {20, 8},  {30, 7},  {40, 6},   {60, 6},
                                                {70, 5},  {80, 4},  {100, 4}, {110, 3},  {120, 2},
                                                {140, 2}, {150, 1}, {1e9, 1}, {24.9, 8}, {25.1, 7}};
    for (const auto& [volume, wait] : cases) {
        SCOPED_TRACE(volume);
        EXPECT_EQ(FrameWaitFor(experiment, volume), wait);
    }
    experiment.satVolume = 0;  // no quotient: the pace of volume 0
    EXPECT_EQ(FrameWaitFor(experiment, 500), 8);
}

TEST_F(MainWindowTest, ChoosingAnotherLiquidReachesTheModelAtTheNextFrame) {
    startWith27Degrees();
    view.type("300");
    drawNextFrame();
    EXPECT_EQ(layerState(8), StateVapor);
    view.liquid = model::Ethanol;
    drawNextFrame();
    EXPECT_EQ(state.experiment.liquid, model::Ethanol);
    EXPECT_EQ(state.experiment.satVolume, 262);
    EXPECT_EQ(layerState(1), StateVapor);  // 300 L is past ethanol's 262 L
}

TEST_F(MainWindowTest, GradualChangeStepsFiveLitresAFrameUpToTheTarget) {
    startWith27Degrees();
    struct Case {
        const char* from;
        int32_t target;
        std::vector<std::string> seen;
    };
    const Case cases[] = {{"30", 42, {"35", "40", "45"}}, {"50", 40, {"45", "40"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        view.type(c.from);
        const int32_t from = std::stoi(c.from);
        state.gradualActive = 1;
        state.gradualStep = from < c.target ? 5 : -5;
        state.gradualTarget = c.target;
        std::vector<std::string> seen;
        for (int frame = 0; frame < 6; ++frame) {
            const int sets = view.volumeSets;
            drawNextFrame();
            if (view.volumeSets > sets)
                seen.push_back(view.volume);
        }
        EXPECT_EQ(seen, c.seen);
        EXPECT_EQ(state.gradualActive, 0);
    }
}

TEST_F(MainWindowTest, EmptyFieldSuspendsTheGradualChangeUntilANumberIsTyped) {
    startWith27Degrees();
    view.type("30");
    state.gradualActive = 1;
    state.gradualStep = 5;
    state.gradualTarget = 100;
    drawNextFrame();
    EXPECT_EQ(view.volume, "35");
    view.type("");
    for (int tick = 0; tick < 30; ++tick) logic->Timer1_Timer();
    EXPECT_EQ(view.volume, "");
    view.type("60");
    drawNextFrame();
    EXPECT_EQ(view.volume, "65");
}

TEST_F(MainWindowTest, GraphSwitchHidesAndShowsTheGraph) {
    startWith27Degrees();
    view.type("300");
    logic->picGrphSw_Click();
    EXPECT_EQ(state.graph.graphVisible, 0);
    EXPECT_FALSE(view.buttonLit[PictureButton::GrphSw]);
    EXPECT_EQ(view.graphSurface.pixel(15, 100), (Rgb{255, 255, 255}));  // no grid
    const auto calls = view.graphSurface.calls.size();
    view.type("400");  // not plotted while hidden
    EXPECT_EQ(view.graphSurface.calls.size(), calls);
    logic->picGrphSw_Click();
    EXPECT_EQ(state.graph.graphVisible, 1);
    EXPECT_TRUE(view.buttonLit[PictureButton::GrphSw]);
    EXPECT_EQ(view.graphSurface.pixel(15, 100), (Rgb{192, 192, 192}));
}

TEST_F(MainWindowTest, GraphClearRedrawsTheFrameOnlyWhileShown) {
    startWith27Degrees();
    view.type("300");
    logic->picGrphCls_Click();
    EXPECT_EQ(state.graph.lastPointX, -10);
    EXPECT_FALSE(view.buttonLit[PictureButton::GrphCls]);
    logic->picGrphSw_Click();
    const auto calls = view.graphSurface.calls.size();
    const int repaints = view.repaints;
    logic->picGrphCls_Click();
    EXPECT_EQ(view.graphSurface.calls.size(), calls);  // only the button flashes
    EXPECT_EQ(view.repaints, repaints + 2);
}

TEST_F(MainWindowTest, ActivationRereadsTheFileAndRedrawsWithoutPlotting) {
    startWith27Degrees();
    view.type("300");
    model::ExperimentSettings atm;
    model::SetDefaultSettings(atm);
    atm.pressureUnit = model::Atm;
    atm.grphHMax = 1.0;
    ASSERT_TRUE(config::SaveSettings(atm, configPath));
    logic->Form_Activate();
    EXPECT_EQ(view.unitLabel, "atm");
    EXPECT_EQ(state.graph.lastPointX, -10);
    // The pressure grid now steps by 0.1 atm: 11 lines labelled 0, 0.1, ..., 1.
    const auto texts = view.graphSurface.callsOf(Op::Text);
    EXPECT_EQ(texts.back().text, "1");
    EXPECT_EQ(texts[texts.size() - 2].text, "0.9");
}

// Whatever changes the liquid or the settings, the pressure field reads the pressure of the
// volume shown, in the unit shown, at once; only a volume change plots.
TEST_F(MainWindowTest, ThePressureFieldFollowsTheLiquidAndTheSettingsAtOnce) {
    const auto activateWith = [this](const std::function<void(model::ExperimentSettings&)>& edit) {
        model::ExperimentSettings settings;
        model::SetDefaultSettings(settings);
        edit(settings);
        ASSERT_TRUE(config::SaveSettings(settings, configPath));
        logic->Form_Activate();
    };
    const auto chooseLiquid = [this](int32_t liquid) {
        view.liquid = liquid;
        logic->Timer1_Timer();
    };
    struct Case {
        const char* change;
        std::function<void()> make;
        const char* volume;
        const char* pressure;
        const char* unit;
        bool activation;  // which redraws the frame, erasing the plotted states
    };
    using Settings = model::ExperimentSettings;
    const Case cases[] = {
        {"unit to hPa", [&] { activateWith([](Settings& s) { s.pressureUnit = model::HPa; }); },
         "300", "42", "hPa", true},
        {"unit to atm", [&] { activateWith([](Settings& s) { s.pressureUnit = model::Atm; }); },
         "300", "0.041", "atm", true},
        {"temperature", [&] { activateWith([](Settings& s) { s.temperature = 60; }); }, "300",
         "69.3", "mmHg", true},
        {"amount", [&] { activateWith([](Settings& s) { s.mol = 2; }); }, "700", "31.4", "mmHg",
         true},
        {"liquid at a frame", [&] { chooseLiquid(model::DiethylEther); }, "300", "62.9", "mmHg",
         false},
        {"liquid while paused",
         [&] {
             logic->SetAnimationPaused(true);
             chooseLiquid(model::Ethanol);
         },
         "300", "62.3", "mmHg", false},
        {"liquid by a scenario step",
         [&] {
             state.currentScenario.steps[1] =
                 testing_support::StepOf(scenario::StepChangeLiquid, model::DiethylEther);
             state.currentScenario.stepCount = 1;
             logic->picSinario_Click();
             logic->Form_KeyUp(kKeyDown);
         },
         "300", "62.9", "mmHg", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        state = MainState{};
        view.volume = "0";
        view.liquid = model::Water;
        startWith27Degrees();
        view.type(c.volume);
        const std::string before = view.pressure;
        ASSERT_NE(before, c.pressure);
        const std::size_t graphCalls = view.graphSurface.calls.size();

        c.make();
        EXPECT_EQ(view.pressure, c.pressure);
        EXPECT_EQ(view.unitLabel, c.unit);
        if (c.activation) {
            EXPECT_TRUE(state.graph.plottedStates.empty());
        } else {
            EXPECT_EQ(state.graph.plottedStates.size(), 1u);
            EXPECT_EQ(view.graphSurface.calls.size(), graphCalls);  // nothing drawn
        }
        // The volume handler words the same volume alike.
        const std::string shown = view.pressure;
        view.type("");
        view.type(c.volume);
        EXPECT_EQ(view.pressure, shown);
    }
}

TEST_F(MainWindowTest, ActivationAsksAgainWhichFileToRead) {
    // Before a user's first save an installed program reads the file beside it; afterwards
    // the user's own file, which the next activation must find.
    startWith27Degrees();
    model::ExperimentSettings atm;
    model::SetDefaultSettings(atm);
    atm.pressureUnit = model::Atm;
    configPath = config::ConfigFilePathIn((folder / "user").string());
    std::filesystem::create_directory(folder / "user");
    ASSERT_TRUE(config::SaveSettings(atm, configPath));
    logic->Form_Activate();
    EXPECT_EQ(view.unitLabel, "atm");
}

TEST_F(MainWindowTest, ActivationWhileTheGraphIsHiddenDrawsTheFrameAndKeepsTheSwitch) {
    startWith27Degrees();
    logic->picGrphSw_Click();
    logic->Form_Activate();
    EXPECT_EQ(state.graph.graphVisible, 0);
    EXPECT_FALSE(view.buttonLit[PictureButton::GrphSw]);
    EXPECT_EQ(view.graphSurface.pixel(15, 100), (Rgb{192, 192, 192}));
}

}  // namespace
}  // namespace kemora::mainwindow
