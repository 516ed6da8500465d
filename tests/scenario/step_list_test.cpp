#include "scenario/step_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kemora::scenario {
namespace {

// Steps told apart by their volume, so that an order reads as a list of numbers.
ScenarioStep Volume(int32_t litres) {
    ScenarioStep step;
    step.kind = StepSetVolume;
    step.value = litres;
    return step;
}

Scenario WithVolumes(const std::vector<int32_t>& litres) {
    Scenario scenario;
    for (int32_t value : litres) EXPECT_TRUE(AddStep(scenario, Volume(value), std::nullopt));
    return scenario;
}

// The volumes of steps 1..stepCount.
std::vector<int32_t> Volumes(const Scenario& scenario) {
    std::vector<int32_t> values;
    for (int32_t i = 1; i <= scenario.stepCount; ++i) values.push_back(scenario.steps[i].value);
    return values;
}

// On the heap, so that the address sanitizer sees a move past the last slot.
std::unique_ptr<Scenario> HeapScenario() {
    return std::make_unique<Scenario>();
}

constexpr int32_t A = 1, B = 2, C = 3, D = 4, E = 5;

TEST(StepInsertion, GoesBeforeTheSelectedStepThenAppendsOnceTheListHasNoSelection) {
    Scenario scenario = WithVolumes({A, B, C});
    EXPECT_TRUE(AddStep(scenario, Volume(D), 1));
    EXPECT_EQ(Volumes(scenario), (std::vector<int32_t>{A, D, B, C}));
    EXPECT_TRUE(AddStep(scenario, Volume(E), std::nullopt));
    EXPECT_EQ(Volumes(scenario), (std::vector<int32_t>{A, D, B, C, E}));
    EXPECT_EQ(scenario.stepCount, 5);
    EXPECT_EQ(scenario.steps[0], ScenarioStep{}) << "slot 0 is never used";
}

TEST(StepInsertion, PositionByCountAndSelection) {
    struct Case {
        const char* name;
        std::vector<int32_t> before;
        std::optional<int> selectedLine;
        std::vector<int32_t> after;
    };
    const Case cases[] = {
        {"empty, nothing selected", {}, std::nullopt, {D}},
        {"empty, a line selected", {}, 3, {D}},
        {"empty, line 0 selected", {}, 0, {D}},
        {"first line", {A, B, C}, 0, {D, A, B, C}},
        {"last line", {A, B, C}, 2, {A, B, D, C}},
        {"nothing selected appends", {A, B, C}, std::nullopt, {A, B, C, D}},
        {"a line past the steps appends", {A, B, C}, 3, {A, B, C, D}},
        {"a negative line appends", {A, B, C}, -1, {A, B, C, D}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Scenario scenario = WithVolumes(c.before);
        EXPECT_TRUE(AddStep(scenario, Volume(D), c.selectedLine));
        EXPECT_EQ(Volumes(scenario), c.after);
    }
}

TEST(StepInsertion, StopsAtFiftyStepsWithoutTouchingTheScenario) {
    const auto scenario = HeapScenario();
    // Inserting at the front each time moves every step, up to the last slot.
    for (int32_t i = 1; i <= kMaxStepCount; ++i) {
        ASSERT_TRUE(AddStep(*scenario, Volume(i), 0)) << i;
    }
    EXPECT_EQ(scenario->stepCount, 50);
    EXPECT_EQ(scenario->steps[1].value, 50);
    EXPECT_EQ(scenario->steps[50].value, 1);

    const Scenario full = *scenario;
    for (std::optional<int> line : {std::optional<int>{}, std::optional<int>{0},
                                    std::optional<int>{49}, std::optional<int>{50}}) {
        EXPECT_FALSE(AddStep(*scenario, Volume(99), line));
        EXPECT_EQ(*scenario, full);
    }
}

TEST(StepInsertion, DamagedCountsStayWithinTheSlots) {
    const auto scenario = HeapScenario();
    scenario->stepCount = -7;
    EXPECT_TRUE(AddStep(*scenario, Volume(A), 0));
    EXPECT_EQ(scenario->stepCount, 1);
    EXPECT_EQ(scenario->steps[1], Volume(A));

    scenario->stepCount = 51;
    const Scenario over = *scenario;
    EXPECT_FALSE(AddStep(*scenario, Volume(B), std::nullopt));
    EXPECT_EQ(*scenario, over);
}

TEST(StepDeletion, RemovesTheSelectedStepAndMovesTheLaterOnesDown) {
    struct Case {
        const char* name;
        std::optional<int> selectedLine;
        bool deleted;
        std::vector<int32_t> after;
    };
    const Case cases[] = {
        {"line 0", 0, true, {B, C}},
        {"middle line", 1, true, {A, C}},
        {"last line", 2, true, {A, B}},
        {"nothing selected", std::nullopt, false, {A, B, C}},
        {"a line past the steps", 3, false, {A, B, C}},
        {"a negative line", -1, false, {A, B, C}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Scenario scenario = WithVolumes({A, B, C});
        const Scenario before = scenario;
        EXPECT_EQ(DeleteStep(scenario, c.selectedLine), c.deleted);
        EXPECT_EQ(Volumes(scenario), c.after);
        if (!c.deleted) {
            EXPECT_EQ(scenario, before);
        }
    }
}

TEST(StepDeletion, TheSlotLeftBehindKeepsItsOldStep) {
    Scenario scenario = WithVolumes({A, B, C});
    ASSERT_TRUE(DeleteStep(scenario, 0));
    EXPECT_EQ(scenario.stepCount, 2);
    EXPECT_EQ(scenario.steps[3], Volume(C)) << "slots above the count keep leftovers";
}

TEST(StepDeletion, EmptyingAndRefillingAFullScenario) {
    const auto scenario = HeapScenario();
    for (int32_t i = 1; i <= kMaxStepCount; ++i) ASSERT_TRUE(AddStep(*scenario, Volume(i), {}));
    ASSERT_TRUE(DeleteStep(*scenario, 49));
    EXPECT_EQ(scenario->stepCount, 49);
    EXPECT_EQ(scenario->steps[49].value, 49);
    for (int32_t left = 49; left > 0; --left) ASSERT_TRUE(DeleteStep(*scenario, 0)) << left;
    EXPECT_EQ(scenario->stepCount, 0);
    EXPECT_FALSE(DeleteStep(*scenario, 0));

    // A count beyond the slots (only a damaged record holds one) deletes within them.
    scenario->stepCount = 1000;
    EXPECT_FALSE(DeleteStep(*scenario, 50));
    EXPECT_TRUE(DeleteStep(*scenario, 49));
    EXPECT_EQ(scenario->stepCount, 49);
}

ScenarioStep Step(int16_t kind, int32_t value = 0, int32_t gradual = 0) {
    ScenarioStep step;
    step.kind = kind;
    step.value = value;
    step.gradual = gradual;
    return step;
}

TEST(StepListText, OneLinePerKind) {
    struct Case {
        ScenarioStep step;
        std::string line;
    };
    ScenarioStep settings = Step(StepInitialSettings);
    settings.temperature = 2.5;
    settings.mol = 3;
    settings.pressureUnit = 1;
    const Case cases[] = {
        {Step(StepInitialSettings), "初期値設定"},
        {settings, "初期値設定"},
        {Step(StepSetVolume, 30, 0), "温度を 30 に設定します。"},
        {Step(StepSetVolume, 30, 1), "温度を 30 に設定します。"},
        {Step(StepSetVolume, -5), "温度を -5 に設定します。"},
        {Step(StepSetVolume, 2147483647), "温度を 2147483647 に設定します。"},
        {Step(StepSetVolume, -2147483647 - 1), "温度を -2147483648 に設定します。"},
        {Step(StepShowGraph), "グラフを表示します。"},
        {Step(StepHideGraph), "グラフを非表示にします。"},
        {Step(StepClearGraph), "描画されたグラフを消します。"},
        {Step(StepChangeLiquid, 0), "データを水に設定します。"},
        {Step(StepChangeLiquid, 1), "データをエタノールに設定します。"},
        {Step(StepChangeLiquid, 2), "データをジエチルエーテルに設定します。"},
        {Step(StepChangeLiquid, -1), "データをジエチルエーテルに設定します。"},
        {Step(StepChangeLiquid, 7), "データをジエチルエーテルに設定します。"},
        {Step(6), "不明なステップです。"},
        {Step(-1, 30), "不明なステップです。"},
        {Step(32767), "不明なステップです。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(StepListLine(c.step), c.line);
    }
}

TEST(StepListText, ListsStepsOneToCountOnly) {
    Scenario scenario;
    scenario.steps[0] = Step(StepShowGraph);
    scenario.steps[1] = Step(StepSetVolume, 30, 1);
    scenario.steps[2] = Step(StepChangeLiquid, -1);
    scenario.steps[3] = Step(StepClearGraph);
    scenario.stepCount = 2;
    EXPECT_EQ(StepListLines(scenario),
              (std::vector<std::string>{"温度を 30 に設定します。",
                                        "データをジエチルエーテルに設定します。"}));

    scenario.stepCount = 0;
    EXPECT_TRUE(StepListLines(scenario).empty());
    scenario.stepCount = -3;
    EXPECT_TRUE(StepListLines(scenario).empty());
    scenario.stepCount = 2'000'000'000;
    EXPECT_EQ(StepListLines(scenario).size(), 50u);
}

InitialSettingsPage Page() {
    InitialSettingsPage page;
    page.pressureUnitIndex = 0;
    page.grphWMin = "0";
    page.grphWMax = "700";
    page.grphHMin = "0";
    page.grphHMax = "800";
    page.temperature = "27";
    page.mol = "1";
    return page;
}

TEST(StepBuilding, InitialSettingsTakesWholeBoundsAndTheTemperatureAsTyped) {
    InitialSettingsPage page;
    page.pressureUnitIndex = 1;
    page.grphWMin = "-50";
    page.grphWMax = " 150 ";
    page.grphHMin = "12.5";
    page.grphHMax = "1.5";
    page.temperature = "2.5";
    page.mol = "2.5";
    const StepBuild built = BuildInitialSettingsStep(page);
    ASSERT_TRUE(built.step.has_value());
    EXPECT_EQ(built.unusableField, StepField::None);

    ScenarioStep expected;
    expected.kind = StepInitialSettings;
    expected.pressureUnit = 1;
    expected.grphWMin = -50;
    expected.grphWMax = 150;
    expected.grphHMin = 12;
    expected.grphHMax = 2;
    expected.temperature = 2.5;
    expected.temperatureUnit = 0;
    expected.mol = 2;
    EXPECT_EQ(*built.step, expected);
}

TEST(StepBuilding, WholeNumbersRoundHalvesToEven) {
    struct Case {
        const char* typed;
        int32_t stored;
    };
    const Case cases[] = {{"12.5", 12}, {"13.5", 14},  {"1.5", 2},   {"-2.5", -2},
                          {"0.5", 0},   {"1e3", 1000}, {"12.49", 12}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        InitialSettingsPage page = Page();
        page.grphHMin = c.typed;
        page.grphHMax = c.typed;
        page.grphWMin = c.typed;
        page.grphWMax = c.typed;
        page.mol = c.typed;
        const StepBuild built = BuildInitialSettingsStep(page);
        ASSERT_TRUE(built.step.has_value());
        EXPECT_EQ(built.step->grphHMin, c.stored);
        EXPECT_EQ(built.step->grphHMax, c.stored);
        EXPECT_EQ(built.step->grphWMin, c.stored);
        EXPECT_EQ(built.step->grphWMax, c.stored);
        EXPECT_EQ(built.step->mol, c.stored);

        const StepBuild volume = BuildSetVolumeStep(c.typed, false);
        ASSERT_TRUE(volume.step.has_value());
        EXPECT_EQ(volume.step->value, c.stored);
    }
}

TEST(StepBuilding, TheFirstUnusableFieldRefusesTheStep) {
    struct Case {
        const char* name;
        void (*spoil)(InitialSettingsPage&);
        StepField field;
    };
    const Case cases[] = {
        {"no unit", [](InitialSettingsPage& p) { p.pressureUnitIndex = -1; },
         StepField::PressureUnit},
        {"unit 3", [](InitialSettingsPage& p) { p.pressureUnitIndex = 3; },
         StepField::PressureUnit},
        {"empty volume minimum", [](InitialSettingsPage& p) { p.grphWMin = ""; },
         StepField::GrphWMin},
        {"word in volume maximum", [](InitialSettingsPage& p) { p.grphWMax = "abc"; },
         StepField::GrphWMax},
        {"blank pressure minimum", [](InitialSettingsPage& p) { p.grphHMin = "   "; },
         StepField::GrphHMin},
        {"pressure maximum beyond 32 bits", [](InitialSettingsPage& p) { p.grphHMax = "3e9"; },
         StepField::GrphHMax},
        {"comma in temperature", [](InitialSettingsPage& p) { p.temperature = "2,5"; },
         StepField::Temperature},
        {"temperature beyond a double", [](InitialSettingsPage& p) { p.temperature = "1e999"; },
         StepField::Temperature},
        {"full-width amount", [](InitialSettingsPage& p) { p.mol = "１"; }, StepField::Mol},
        {"every field empty, the unit comes first",
         [](InitialSettingsPage& p) { p = InitialSettingsPage{}; }, StepField::PressureUnit},
        {"volume bounds before the temperature",
         [](InitialSettingsPage& p) {
             p.temperature = "";
             p.grphWMax = "";
         },
         StepField::GrphWMax},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InitialSettingsPage page = Page();
        c.spoil(page);
        const StepBuild built = BuildInitialSettingsStep(page);
        EXPECT_FALSE(built.step.has_value());
        EXPECT_EQ(built.unusableField, c.field);
    }
}

TEST(StepBuilding, VolumeStep) {
    const StepBuild gradual = BuildSetVolumeStep("30", true);
    ASSERT_TRUE(gradual.step.has_value());
    EXPECT_EQ(*gradual.step, Step(StepSetVolume, 30, 1));
    const StepBuild atOnce = BuildSetVolumeStep("30", false);
    ASSERT_TRUE(atOnce.step.has_value());
    EXPECT_EQ(*atOnce.step, Step(StepSetVolume, 30, 0));
    EXPECT_EQ(StepListLine(*gradual.step), StepListLine(*atOnce.step));

    for (const char* typed : {"", "x", "1e10", "- 3"}) {
        SCOPED_TRACE(typed);
        const StepBuild built = BuildSetVolumeStep(typed, true);
        EXPECT_FALSE(built.step.has_value());
        EXPECT_EQ(built.unusableField, StepField::Volume);
    }
}

TEST(StepBuilding, StepsWithoutFields) {
    EXPECT_EQ(BuildGraphStep(true), Step(StepShowGraph));
    EXPECT_EQ(BuildGraphStep(false), Step(StepHideGraph));
    EXPECT_EQ(BuildClearGraphStep(), Step(StepClearGraph));
    EXPECT_EQ(BuildChangeLiquidStep(1), Step(StepChangeLiquid, 1));
    EXPECT_EQ(BuildChangeLiquidStep(-1), Step(StepChangeLiquid, -1));
    EXPECT_EQ(StepListLine(BuildChangeLiquidStep(-1)), "データをジエチルエーテルに設定します。");
}

}  // namespace
}  // namespace kemora::scenario
