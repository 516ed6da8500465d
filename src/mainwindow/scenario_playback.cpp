#include "mainwindow/scenario_playback.h"

#include <optional>

#include "mainwindow/caption.h"
#include "mainwindow/graph_visibility.h"
#include "model/numbers.h"

namespace kemora::mainwindow {
namespace {

constexpr int32_t kGradualStepLitres = 5;

void ApplyInitialSettings(const scenario::ScenarioStep& step, model::ExperimentSettings& settings) {
    settings.temperatureUnit = step.temperatureUnit;
    settings.pressureUnit = step.pressureUnit;
    settings.grphWMin = step.grphWMin;
    settings.grphWMax = step.grphWMax;
    settings.grphHMin = step.grphHMin;
    settings.grphHMax = step.grphHMax;
    settings.temperature = model::RoundHalfEven(step.temperature);
    settings.mol = step.mol;
}

using ShowVolume = std::function<void(std::string_view)>;

void SetVolume(const scenario::ScenarioStep& step, MainState& state, const MainView& view,
               const ShowVolume& showVolume) {
    if (step.gradual == 0) {
        showVolume(model::IntegerText(step.value));
        return;
    }
    const std::optional<int32_t> volume = model::ParseWholeNumber(view.volumeText());
    if (!volume)
        return;
    state.gradualActive = 1;
    state.gradualStep = *volume < step.value ? kGradualStepLitres : -kGradualStepLitres;
    state.gradualTarget = step.value;
}

void ChangeLiquid(const scenario::ScenarioStep& step, MainState& state, MainView& view) {
    // Only a damaged file holds another value; the selector has no entry for it.
    if (step.value < -1 || step.value > model::DiethylEther)
        return;
    state.experiment.liquid = step.value;
    view.setLiquidIndex(step.value);
    state.experiment.satVolume = model::SaturationVolume(state.experiment);
}

void RunStep(const scenario::ScenarioStep& step, MainState& state, MainView& view,
             const ShowVolume& showVolume) {
    switch (step.kind) {
        case scenario::StepInitialSettings:
            ApplyInitialSettings(step, state.experiment.settings);
            break;
        case scenario::StepSetVolume:
            SetVolume(step, state, view, showVolume);
            break;
        case scenario::StepShowGraph:
            SetGraphVisible(state, view, true);
            break;
        case scenario::StepHideGraph:
            SetGraphVisible(state, view, false);
            break;
        case scenario::StepClearGraph:
            EraseGraph(view.graphBox(), state.graph);
            break;
        case scenario::StepChangeLiquid:
            ChangeLiquid(step, state, view);
            break;
        default:  // a kind no editor makes: nothing
            break;
    }
}

}  // namespace

void ToggleScenarioMode(MainState& state, MainView& view) {
    if (state.scenarioMode == 0) {
        view.setButtonLit(PictureButton::Sinario, true);
        state.scenarioMode = 1;
        state.nextStep = 1;
    } else {
        view.setButtonLit(PictureButton::Sinario, false);
        state.scenarioMode = 0;
    }
}

void RunNextScenarioStep(MainState& state, MainView& view, const ShowVolume& showVolume) {
    const scenario::Scenario& scenario = state.currentScenario;
    view.setCaption(MainCaption(scenario, state.nextStep));
    if (scenario.stepCount < state.nextStep || state.nextStep < 1 ||
        state.nextStep > scenario::kMaxStepCount) {
        return;
    }
    state.gradualActive = 0;
    RunStep(scenario.steps[static_cast<std::size_t>(state.nextStep)], state, view, showVolume);
    ++state.nextStep;
}

}  // namespace kemora::mainwindow
