#include "scenario/step_list.h"

#include <algorithm>
#include <cstddef>

#include "model/equilibrium.h"
#include "model/numbers.h"

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

StepBuild Unusable(StepField field) {
    return StepBuild{std::nullopt, field};
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

std::string StepListLine(const ScenarioStep& step) {
    switch (step.kind) {
        case StepInitialSettings:
            return "初期値設定";
        // The line says 温度 although the step sets a volume; users know the list this way.
        case StepSetVolume:
            return "温度を " + model::IntegerText(step.value) + " に設定します。";
        case StepShowGraph:
            return "グラフを表示します。";
        case StepHideGraph:
            return "グラフを非表示にします。";
        case StepClearGraph:
            return "描画されたグラフを消します。";
        case StepChangeLiquid:
            if (step.value == model::Water)
                return "データを水に設定します。";
            if (step.value == model::Ethanol)
                return "データをエタノールに設定します。";
            return "データをジエチルエーテルに設定します。";
        default:
            return "不明なステップです。";
    }
}

std::vector<std::string> StepListLines(const Scenario& currentScenario) {
    const int count = UsableCount(currentScenario);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) lines.push_back(StepListLine(currentScenario.steps[i]));
    return lines;
}

StepBuild BuildInitialSettingsStep(const InitialSettingsPage& page) {
    ScenarioStep step;
    step.kind = StepInitialSettings;
    if (page.pressureUnitIndex < model::MmHg || page.pressureUnitIndex > model::HPa)
        return Unusable(StepField::PressureUnit);
    step.pressureUnit = page.pressureUnitIndex;

    struct WholeField {
        const std::string& text;
        int32_t& target;
        StepField field;
    };
    const WholeField axisBounds[] = {
        {page.grphWMin, step.grphWMin, StepField::GrphWMin},
        {page.grphWMax, step.grphWMax, StepField::GrphWMax},
        {page.grphHMin, step.grphHMin, StepField::GrphHMin},
        {page.grphHMax, step.grphHMax, StepField::GrphHMax},
    };
    for (const WholeField& bound : axisBounds) {
        const std::optional<int32_t> value = model::ParseWholeNumber(bound.text);
        if (!value)
            return Unusable(bound.field);
        bound.target = *value;
    }

    // Kept with its fraction; playback rounds it when it applies the step.
    const std::optional<double> temperature = model::ParseNumber(page.temperature);
    if (!temperature)
        return Unusable(StepField::Temperature);
    step.temperature = *temperature;
    step.temperatureUnit = model::Celsius;

    const std::optional<int32_t> mol = model::ParseWholeNumber(page.mol);
    if (!mol)
        return Unusable(StepField::Mol);
    step.mol = *mol;
    return StepBuild{step, StepField::None};
}

StepBuild BuildSetVolumeStep(std::string_view volumeText, bool gradual) {
    const std::optional<int32_t> volume = model::ParseWholeNumber(volumeText);
    if (!volume)
        return Unusable(StepField::Volume);
    ScenarioStep step;
    step.kind = StepSetVolume;
    step.value = *volume;
    step.gradual = gradual ? 1 : 0;
    return StepBuild{step, StepField::None};
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
