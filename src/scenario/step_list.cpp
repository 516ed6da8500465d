#include "scenario/step_list.h"

#include <algorithm>
#include <cstddef>

namespace kemora::scenario {
namespace {

// The number of steps that can be addressed: a count from a damaged file never reaches
// outside the 51 slots.
int UsableCount(const Scenario& scenario) {
    return std::clamp(scenario.stepCount, 0, kMaxStepCount);
}

// The step a selected line shows (line k shows step k + 1), or nullopt.
std::optional<int> SelectedStep(std::optional<int> selectedLine, int count) {
    if (!selectedLine || *selectedLine < 0 || *selectedLine >= count)
        return std::nullopt;
    return *selectedLine + 1;
}

}  // namespace

bool AddStep(Scenario& currentScenario, const ScenarioStep& step, std::optional<int> selectedLine) {
    const int count = UsableCount(currentScenario);
    if (currentScenario.stepCount >= kMaxStepCount)
        return false;
    const int position = SelectedStep(selectedLine, count).value_or(count + 1);
    auto& steps = currentScenario.steps;
    // The last one first, so that no step is overwritten before it has moved.
    for (int i = count; i >= position; --i) steps[i + 1] = steps[i];
    steps[position] = step;
    currentScenario.stepCount = count + 1;
    return true;
}

bool DeleteStep(Scenario& currentScenario, std::optional<int> selectedLine) {
    const int count = UsableCount(currentScenario);
    const std::optional<int> removed = SelectedStep(selectedLine, count);
    if (!removed)
        return false;
    auto& steps = currentScenario.steps;
    for (int i = *removed; i < count; ++i) steps[i] = steps[i + 1];
    currentScenario.stepCount = count - 1;
    return true;
}

StepListEntry DescribeStep(const ScenarioStep& step) {
    StepListEntry entry;
    switch (step.kind) {
        case StepInitialSettings:
            entry.kind = StepListKind::InitialSettings;
            break;
        case StepSetVolume:
            entry.kind = StepListKind::SetVolume;
            entry.litres = step.value;
            entry.gradual = step.gradual != 0;
            break;
        case StepShowGraph:
            entry.kind = StepListKind::ShowGraph;
            break;
        case StepHideGraph:
            entry.kind = StepListKind::HideGraph;
            break;
        case StepClearGraph:
            entry.kind = StepListKind::ClearGraph;
            break;
        case StepChangeLiquid:
            entry.kind = StepListKind::ChangeLiquid;
            entry.liquid = model::LiquidOf(step.value);
            break;
        default:
            entry.kind = StepListKind::Unknown;
            break;
    }
    return entry;
}

std::vector<StepListEntry> StepListEntries(const Scenario& currentScenario) {
    const int count = UsableCount(currentScenario);
    std::vector<StepListEntry> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) entries.push_back(DescribeStep(currentScenario.steps[i]));
    return entries;
}

StepBuild BuildInitialSettingsStep(const model::SettingsForm& page) {
    ScenarioStep step;
    step.kind = StepInitialSettings;
    std::optional<model::FieldProblem> problem =
        model::ReadPressureUnitField(page.pressureUnitIndex, step.pressureUnit);
    if (!problem)
        problem = model::ReadWholeField(page.volumeMin, model::FormField::VolumeMin, step.grphWMin);
    if (!problem)
        problem = model::ReadWholeField(page.volumeMax, model::FormField::VolumeMax, step.grphWMax);
    if (!problem) {
        problem =
            model::ReadWholeField(page.pressureMin, model::FormField::PressureMin, step.grphHMin);
    }
    if (!problem) {
        problem =
            model::ReadWholeField(page.pressureMax, model::FormField::PressureMax, step.grphHMax);
    }
    // Kept with its fraction; playback rounds it when it applies the step.
    if (!problem) {
        problem = model::ReadNumberField(page.temperature, model::FormField::Temperature,
                                         step.temperature);
    }
    if (!problem)
        problem = model::ReadWholeField(page.mol, model::FormField::Mol, step.mol);
    if (problem)
        return {std::nullopt, problem};
    step.temperatureUnit = model::Celsius;
    return {step, std::nullopt};
}

StepBuild BuildSetVolumeStep(std::string_view volumeText, bool gradual) {
    ScenarioStep step;
    step.kind = StepSetVolume;
    if (auto problem = model::ReadWholeField(volumeText, model::FormField::Volume, step.value))
        return {std::nullopt, problem};
    step.gradual = gradual ? 1 : 0;
    return {step, std::nullopt};
}

ScenarioStep BuildGraphStep(bool showGraph) {
    ScenarioStep step;
    step.kind = showGraph ? StepShowGraph : StepHideGraph;
    return step;
}

ScenarioStep BuildClearGraphStep() {
    ScenarioStep step;
    step.kind = StepClearGraph;
    return step;
}

ScenarioStep BuildChangeLiquidStep(int liquidIndex) {
    ScenarioStep step;
    step.kind = StepChangeLiquid;
    step.value = liquidIndex;
    return step;
}

}  // namespace kemora::scenario
