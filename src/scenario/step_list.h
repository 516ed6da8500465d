#pragma once
// The scenario editor's rules, apart from its widgets: inserting and deleting steps at the
// selected line, the text of each line of the step list, and building a step from the values
// of an editor page.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// The line the step list shows for one step. A kind that no editor makes (only a damaged file
// holds one) reads "不明なステップです。".
[[nodiscard]] std::string StepListLine(const ScenarioStep& step);

// One line per step, step 1 first. A count outside 0..50 lists only the slots that exist.
[[nodiscard]] std::vector<std::string> StepListLines(const Scenario& currentScenario);

// A field of an editor page that a step is built from.
enum class StepField {
    None,
    PressureUnit,  // 初期設定: cmbPressUnit
    GrphWMin,      // 初期設定: txtGrphWMin
    GrphWMax,      // 初期設定: txtGrphWMax
    GrphHMin,      // 初期設定: txtPressWMin
    GrphHMax,      // 初期設定: txtPressWMax
    Temperature,   // 初期設定: txtContainer
    Mol,           // 初期設定: txtMol
    Volume,        // 容量設定: txtTemp
};

// A step built from a page, or the first field (in the order the fields are taken) that holds
// no usable value; then `step` is empty.
struct StepBuild {
    std::optional<ScenarioStep> step;
    StepField unusableField = StepField::None;
};

// The values of the page 初期設定 as the user left them, texts in UTF-8.
struct InitialSettingsPage {
    int pressureUnitIndex = -1;  // entry of cmbPressUnit, -1 when none is selected
    std::string grphWMin;        // litres
    std::string grphWMax;        // litres
    std::string grphHMin;        // in the chosen pressure unit
    std::string grphHMax;        // in the chosen pressure unit
    std::string temperature;     // °C
    std::string mol;             // mol
};

// A StepInitialSettings step: the axis bounds and the amount as whole numbers (halves to the
// even neighbour), the temperature as typed, fraction included, and always in Celsius.
// A pressure unit outside 0..2 (no entry selected) is unusable, as is a text that holds no
// number or a whole number beyond 32 bits.
[[nodiscard]] StepBuild BuildInitialSettingsStep(const InitialSettingsPage& page);

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
