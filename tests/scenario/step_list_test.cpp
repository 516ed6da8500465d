#include "scenario/step_list.h"
#include "support/scenario_steps.h"

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

using testing_support::StepOf;

TEST(StepListEntries, TellKindVolumeAndLiquid) {
    using K = StepListKind;
    struct Case {
        const char* name;
        ScenarioStep step;
        StepListEntry entry;
    };
    ScenarioStep settings = StepOf(StepInitialSettings);
    settings.temperature = 2.5;
    settings.mol = 3;
    settings.pressureUnit = 1;
    const Case cases[] = {
        {"initial settings", StepOf(StepInitialSettings), {K::InitialSettings}},
        {"initial settings with values", settings, {K::InitialSettings}},
        {"volume at once", StepOf(StepSetVolume, 30, 0), {K::SetVolume, 30, false}},
        {"volume gradually", StepOf(StepSetVolume, 30, 1), {K::SetVolume, 30, true}},
        {"any non-zero is gradual", StepOf(StepSetVolume, 30, -7), {K::SetVolume, 30, true}},
        {"negative volume", StepOf(StepSetVolume, -5), {K::SetVolume, -5, false}},
        {"largest volume", StepOf(StepSetVolume, 2147483647), {K::SetVolume, 2147483647, false}},
        {"smallest volume",
         StepOf(StepSetVolume, -2147483647 - 1),
         {K::SetVolume, -2147483647 - 1, false}},
        {"show", StepOf(StepShowGraph), {K::ShowGraph}},
        {"hide", StepOf(StepHideGraph), {K::HideGraph}},
        {"clear", StepOf(StepClearGraph), {K::ClearGraph}},
        {"water", StepOf(StepChangeLiquid, 0), {K::ChangeLiquid, 0, false, model::Water}},
        {"ethanol", StepOf(StepChangeLiquid, 1), {K::ChangeLiquid, 0, false, model::Ethanol}},
        {"ether", StepOf(StepChangeLiquid, 2), {K::ChangeLiquid, 0, false, model::DiethylEther}},
        {"no liquid chosen",
         StepOf(StepChangeLiquid, -1),
         {K::ChangeLiquid, 0, false, model::DiethylEther}},
        {"liquid 7", StepOf(StepChangeLiquid, 7), {K::ChangeLiquid, 0, false, model::DiethylEther}},
        {"kind 6", StepOf(6), {K::Unknown}},
        {"kind -1 with a value", StepOf(-1, 30), {K::Unknown}},
        {"kind 32767", StepOf(32767), {K::Unknown}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DescribeStep(c.step), c.entry);
    }
}

TEST(StepListEntries, ListStepsOneToCountOnly) {
    Scenario scenario;
    scenario.steps[0] = StepOf(StepShowGraph);
    scenario.steps[1] = StepOf(StepSetVolume, 30, 1);
    scenario.steps[2] = StepOf(StepChangeLiquid, -1);
    scenario.steps[3] = StepOf(StepClearGraph);
    scenario.stepCount = 2;
    EXPECT_EQ(
        StepListEntries(scenario),
        (std::vector<StepListEntry>{{StepListKind::SetVolume, 30, true},
                                    {StepListKind::ChangeLiquid, 0, false, model::DiethylEther}}));

    scenario.stepCount = 0;
    EXPECT_TRUE(StepListEntries(scenario).empty());
    scenario.stepCount = -3;
    EXPECT_TRUE(StepListEntries(scenario).empty());
    scenario.stepCount = 2'000'000'000;
    EXPECT_EQ(StepListEntries(scenario).size(), 50u);
}

model::SettingsForm Page() {
    model::SettingsForm page;
    page.pressureUnitIndex = 0;
    page.volumeMin = "0";
    page.volumeMax = "700";
    page.pressureMin = "0";
    page.pressureMax = "800";
    page.temperature = "27";
    page.mol = "1";
    return page;
}

TEST(StepBuilding, InitialSettingsTakesWholeBoundsAndTheTemperatureAsTyped) {
    model::SettingsForm page;
    page.pressureUnitIndex = 1;
    page.volumeMin = "-50";
    page.volumeMax = " 150 ";
    page.pressureMin = "12.5";
    page.pressureMax = "1.5";
    page.temperature = "2.5";
    page.mol = "2.5";
    const StepBuild built = BuildInitialSettingsStep(page);
    ASSERT_TRUE(built.step.has_value());
    EXPECT_FALSE(built.problem.has_value());

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
        model::SettingsForm page = Page();
        page.pressureMin = c.typed;
        page.pressureMax = c.typed;
        page.volumeMin = c.typed;
        page.volumeMax = c.typed;
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
        void (*spoil)(model::SettingsForm&);
        model::FieldProblem problem;
    };
    using F = model::FormField;
    constexpr auto kNoNumber = model::FieldFailure::NoNumber;
    constexpr auto kOutOfRange = model::FieldFailure::OutOfRange;
    constexpr auto kNothingChosen = model::FieldFailure::NothingChosen;
    const Case cases[] = {
        {"no unit",
         [](model::SettingsForm& p) { p.pressureUnitIndex = -1; },
         {F::PressureUnit, kNothingChosen}},
        {"unit 3",
         [](model::SettingsForm& p) { p.pressureUnitIndex = 3; },
         {F::PressureUnit, kNothingChosen}},
        {"empty volume minimum",
         [](model::SettingsForm& p) { p.volumeMin = ""; },
         {F::VolumeMin, kNoNumber}},
        {"word in volume maximum",
         [](model::SettingsForm& p) { p.volumeMax = "abc"; },
         {F::VolumeMax, kNoNumber}},
        {"blank pressure minimum",
         [](model::SettingsForm& p) { p.pressureMin = "   "; },
         {F::PressureMin, kNoNumber}},
        {"pressure maximum beyond 32 bits",
         [](model::SettingsForm& p) { p.pressureMax = "3e9"; },
         {F::PressureMax, kOutOfRange}},
        {"comma in temperature",
         [](model::SettingsForm& p) { p.temperature = "2,5"; },
         {F::Temperature, kNoNumber}},
        {"temperature beyond a double",
         [](model::SettingsForm& p) { p.temperature = "1e999"; },
         {F::Temperature, kNoNumber}},
        {"temperature beyond 32 bits is kept",
         [](model::SettingsForm& p) {
             p.temperature = "1e300";
             p.mol = "";
         },
         {F::Mol, kNoNumber}},
        {"amount beyond 32 bits",
         [](model::SettingsForm& p) { p.mol = "-3e9"; },
         {F::Mol, kOutOfRange}},
        {"full-width amount", [](model::SettingsForm& p) { p.mol = "１"; }, {F::Mol, kNoNumber}},
        {"every field empty, the unit comes first",
         [](model::SettingsForm& p) { p = model::SettingsForm{}; },
         {F::PressureUnit, kNothingChosen}},
        {"volume bounds before the temperature",
         [](model::SettingsForm& p) {
             p.temperature = "";
             p.volumeMax = "";
         },
         {F::VolumeMax, kNoNumber}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        model::SettingsForm page = Page();
        c.spoil(page);
        const StepBuild built = BuildInitialSettingsStep(page);
        EXPECT_FALSE(built.step.has_value());
        EXPECT_EQ(built.problem, c.problem);
    }
}

TEST(StepBuilding, VolumeStep) {
    const StepBuild gradual = BuildSetVolumeStep("30", true);
    ASSERT_TRUE(gradual.step.has_value());
    EXPECT_EQ(*gradual.step, StepOf(StepSetVolume, 30, 1));
    const StepBuild atOnce = BuildSetVolumeStep("30", false);
    ASSERT_TRUE(atOnce.step.has_value());
    EXPECT_EQ(*atOnce.step, StepOf(StepSetVolume, 30, 0));

    struct Case {
        const char* typed;
        model::FieldFailure failure;
    };
    const Case cases[] = {{"", model::FieldFailure::NoNumber},
                          {"x", model::FieldFailure::NoNumber},
                          {"- 3", model::FieldFailure::NoNumber},
                          {"1e10", model::FieldFailure::OutOfRange}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const StepBuild built = BuildSetVolumeStep(c.typed, true);
        EXPECT_FALSE(built.step.has_value());
        EXPECT_EQ(built.problem, (model::FieldProblem{model::FormField::Volume, c.failure}));
    }
}

TEST(StepBuilding, StepsWithoutFields) {
    EXPECT_EQ(BuildGraphStep(true), StepOf(StepShowGraph));
    EXPECT_EQ(BuildGraphStep(false), StepOf(StepHideGraph));
    EXPECT_EQ(BuildClearGraphStep(), StepOf(StepClearGraph));
    EXPECT_EQ(BuildChangeLiquidStep(1), StepOf(StepChangeLiquid, 1));
    EXPECT_EQ(BuildChangeLiquidStep(-1), StepOf(StepChangeLiquid, -1));
}

}  // namespace
}  // namespace kemora::scenario
