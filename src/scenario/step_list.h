#pragma once
// The scenario editor's rules, apart from its widgets: inserting and deleting steps at the
// selected line, what each line of the step list tells, and building a step from the values
// of an editor page.

#include <optional>
#include <string_view>
#include <vector>

#include "model/equilibrium.h"
#include "model/settings_form.h"
#include "scenario/scenario.h"

namespace kemora::scenario {

// Inserts `step` before the step of the selected line (line k shows step k + 1), or appends
// it when no line is selected; an empty scenario always gets it as step 1. A selected line
// that shows no step counts as no selection. Refuses the step, changing nothing, when the
// scenario already holds 50 steps; returns whether the step was added.
[[nodiscard]] bool AddStep(Scenario& currentScenario, const ScenarioStep& step,
                           std::optional<int> selectedLine);

// Removes the step of the selected line and moves the later steps down one place; the slot
// the last step leaves keeps its old content, as every slot above the count may. Returns
// false and changes nothing when no line, or a line that shows no step, is selected.
[[nodiscard]] bool DeleteStep(Scenario& currentScenario, std::optional<int> selectedLine);

// What a line of the step list tells of a step; the editor words it.
enum class StepListKind {
    InitialSettings,
    SetVolume,
    ShowGraph,
    HideGraph,
    ClearGraph,
    ChangeLiquid,
    Unknown,  // a kind no editor makes; only a damaged file holds one
};

struct StepListEntry {
    StepListKind kind = StepListKind::Unknown;
    int32_t litres = 0;                   // SetVolume: the target volume
    bool gradual = false;                 // SetVolume: in 5-litre steps rather than at once
    model::Liquid liquid = model::Water;  // ChangeLiquid

    friend bool operator==(const StepListEntry&, const StepListEntry&) = default;
};

// The list entry of one step. A liquid other than water or ethanol (-1 included, which an
// editor stores when no entry is selected) lists as diethyl ether, as playback treats it.
[[nodiscard]] StepListEntry DescribeStep(const ScenarioStep& step);

// One entry per step, step 1 first. A count outside 0..50 lists only the slots that exist.
[[nodiscard]] std::vector<StepListEntry> StepListEntries(const Scenario& currentScenario);

// A step built from a page, or the first field (in the order the fields are taken) that holds
// no usable value; then `step` is empty.
struct StepBuild {
    std::optional<ScenarioStep> step;
    std::optional<model::FieldProblem> problem;
};

// A StepInitialSettings step from the page 初期設定, taken in the order unit, volume axis,
// pressure axis, temperature, amount: the axis bounds and the amount as whole numbers
// (halves to the even neighbour), the temperature as typed, fraction included, and always in
// Celsius.
[[nodiscard]] StepBuild BuildInitialSettingsStep(const model::SettingsForm& page);

// A StepSetVolume step to the volume in `volumeText` (litres, as a whole number); `gradual`
// stores 1, otherwise 0.
[[nodiscard]] StepBuild BuildSetVolumeStep(std::string_view volumeText, bool gradual);

// StepShowGraph when `showGraph`, otherwise StepHideGraph.
[[nodiscard]] ScenarioStep BuildGraphStep(bool showGraph);

[[nodiscard]] ScenarioStep BuildClearGraphStep();

// A StepChangeLiquid step to the liquid at `liquidIndex` of the liquid list, kept as given
// (-1 when no entry is selected, which playback and the list treat as diethyl ether).
[[nodiscard]] ScenarioStep BuildChangeLiquidStep(int liquidIndex);

}  // namespace kemora::scenario
