#include "mainwindow/main_window_logic.h"

#include <optional>
#include <string_view>
#include <utility>

#include "config/settings_ini.h"
#include "mainwindow/graph_visibility.h"
#include "mainwindow/picture_descriptions.h"
#include "mainwindow/scenario_playback.h"
#include "model/numbers.h"

namespace kemora::mainwindow {
namespace {

// The volume a reset starts the experiment from, as the field shows it.
constexpr std::string_view kResetVolumeText = "0";

// The volume field's number as whole litres; nullopt while it holds no number (empty, a
// lone "-" on the way to a negative number, or beyond the 32-bit range).
std::optional<int32_t> VolumeOf(const MainView& view) {
    return model::ParseWholeNumber(view.volumeText());
}

void RefreshModelValues(model::Experiment& experiment) {
    experiment.satVolume = model::SaturationVolume(experiment);
    experiment.liqVolume = model::LiquidVolume();
}

}  // namespace

std::string PressureText(const model::Experiment& experiment, int32_t volume) {
    return model::FixedText(model::PressureAtVolume(experiment, volume),
                            model::PressureDecimals(experiment.settings.pressureUnit));
}

int32_t LidTopFor(const model::ExperimentSettings& settings, int32_t volume) {
    const double width = static_cast<double>(settings.grphWMax) - settings.grphWMin;
    if (width == 0.0)
        return kLidAtZero;
    return model::RoundHalfEven(kLidAtZero - (kLidAtZero / width) * volume);
}

int16_t FrameWaitFor(const model::Experiment& experiment, double volume) {
    const double q = (static_cast<double>(experiment.satVolume) - experiment.liqVolume) / 15.0;
    const int32_t k = q == 0.0 ? 0 : model::RoundHalfEven(volume / q);
    const int32_t h = k < 0 ? 15 : (k > 15 ? 0 : 15 - k);
    return static_cast<int16_t>(model::RoundHalfEven(h / 2.0 + 1));
}

MainWindowLogic::MainWindowLogic(MainState& state, MainView& view, SettingsSource settings,
                                 std::function<float()> timeOfDay)
    : m_state(state),
      m_view(view),
      m_settings(std::move(settings)),
      m_timeOfDay(std::move(timeOfDay)) {}

void MainWindowLogic::Form_Load() {
    InitMolecules(m_state.field, m_timeOfDay);
    model::FillVaporPressureTable(m_state.experiment.table);
    m_state.scenarioMode = 0;
    m_view.setButtonLit(PictureButton::GrphSw, true);
    m_state.graph.graphVisible = 1;
    m_state.experiment.liquid = model::Water;
    m_state.experiment.satVolume = 100;
    m_state.experiment.liqVolume = 0;
    m_state.frameWait = 0;
    describePictures();
}

void MainWindowLogic::Form_Activate() {
    model::Experiment& experiment = m_state.experiment;
    m_view.setCaption(MainCaption(m_state.currentScenario));
    config::SettingsFromIni(m_settings(), experiment.settings);
    DrawGraphFrame(m_view.graphBox(), experiment.settings, m_state.graph);
    m_view.setUnitLabel(model::PressureUnitText(experiment.settings.pressureUnit));
    m_view.setLiquidIndex(experiment.liquid);
    RefreshModelValues(experiment);
    showPressure();
    m_view.setButtonLit(PictureButton::Sinario, m_state.scenarioMode != 0);
    m_view.setVolumeMaximum(experiment.settings.grphWMax);
    m_view.repaintWindow();
    describePictures();
}

void MainWindowLogic::txtValue_Change() {
    // A field without a number (empty, or typed on the way to one) leaves everything shown.
    const std::optional<int32_t> volume = VolumeOf(m_view);
    if (!volume)
        return;
    const model::Experiment& experiment = m_state.experiment;

    m_state.field.lidTop = LidTopFor(experiment.settings, *volume);
    m_view.setLidTop(m_state.field.lidTop);

    m_view.setPressureText(PressureText(experiment, *volume));
    m_pressureWorded = true;

    if (m_state.graph.graphVisible != 0) {
        PlotPoint(m_view.graphBox(), experiment, m_state.graph, *volume,
                  model::PressureAtVolume(experiment, *volume));
    }
    if (*volume <= experiment.liqVolume)
        InitMolecules(m_state.field, m_timeOfDay);
    describePictures();
}

void MainWindowLogic::Timer1_Timer() {
    // An empty field, or one without a number, pauses the animation and the gradual change.
    std::optional<int32_t> volume = VolumeOf(m_view);
    if (!volume)
        return;
    if (m_state.animationPaused) {
        // Read even now, so that a volume typed meanwhile is computed for the liquid shown.
        pollLiquid();
        return;
    }
    if (m_state.frameWait > 0) {
        --m_state.frameWait;
        return;
    }

    if (m_state.gradualActive != 0) {
        showVolume(model::IntegerText(int64_t{*volume} + m_state.gradualStep));
        volume = VolumeOf(m_view);
        if (!volume) {  // stepped beyond the 32-bit range: nothing more to change
            m_state.gradualActive = 0;
            return;
        }
        if ((m_state.gradualStep > 0 && m_state.gradualTarget <= *volume) ||
            (m_state.gradualStep <= 0 && m_state.gradualTarget >= *volume)) {
            m_state.gradualActive = 0;
        }
    }

    pollLiquid();
    const model::Experiment& experiment = m_state.experiment;

    // The pace reads the number as typed, before rounding to whole litres.
    const double typedVolume = model::ParseNumber(m_view.volumeText()).value_or(*volume);
    m_state.frameWait = FrameWaitFor(experiment, typedVolume);

    Surface& cylinder = m_view.cylinder();
    DrawMoleculeFrame(m_state.field, experiment, *volume, cylinder);
    cylinder.refresh();
    describePictures();
}

void MainWindowLogic::picGrphSw_Click() {
    SetGraphVisible(m_state, m_view, m_state.graph.graphVisible == 0);
    describePictures();
}

void MainWindowLogic::picGrphCls_Click() {
    // The button stays lit for as long as the graph takes to redraw.
    m_view.setButtonLit(PictureButton::GrphCls, true);
    m_view.repaintWindow();
    if (m_state.graph.graphVisible == 1) {
        DrawGraphFrame(m_view.graphBox(), m_state.experiment.settings, m_state.graph);
    }
    m_view.setButtonLit(PictureButton::GrphCls, false);
    m_view.repaintWindow();
    describePictures();
}

void MainWindowLogic::picSinario_Click() {
    ToggleScenarioMode(m_state, m_view);
}

KeyRoute MainWindowLogic::routeKey(int keyCode, bool volumeFieldFocused) const {
    return RouteKey(keyCode, m_state.scenarioMode, volumeFieldFocused);
}

void MainWindowLogic::Form_KeyUp(int keyCode) {
    if (m_state.scenarioMode != 1 || !IsPlaybackKey(keyCode))
        return;
    model::Experiment& experiment = m_state.experiment;
    const int32_t liquidBefore = experiment.liquid;
    const model::ExperimentSettings settingsBefore = experiment.settings;
    RunNextScenarioStep(m_state, m_view, [this](std::string_view text) { showVolume(text); });
    if (experiment.settings != settingsBefore) {
        // A step's temperature, amount and units hold until the next activation; meanwhile
        // the saturation, the unit and the pressure shown follow them, or every reading
        // would be worked out for the old values.
        RefreshModelValues(experiment);
        m_view.setUnitLabel(model::PressureUnitText(experiment.settings.pressureUnit));
    }
    if (experiment.liquid != liquidBefore || experiment.settings != settingsBefore)
        showPressure();
    describePictures();
}

void MainWindowLogic::SetAnimationPaused(bool paused) {
    m_state.animationPaused = paused;
}

void MainWindowLogic::menu_reset_Click() {
    // A gradual change left running would carry the volume away from 0 at the next frame.
    m_state.gradualActive = 0;
    if (m_state.graph.graphVisible != 0) {
        DrawGraphFrame(m_view.graphBox(), m_state.experiment.settings, m_state.graph);
    }
    // A field that reads "0" already is computed afresh all the same.
    if (m_view.volumeText() == kResetVolumeText)
        txtValue_Change();
    else
        showVolume(kResetVolumeText);
}

void MainWindowLogic::showVolume(std::string_view text) {
    if (m_view.volumeText() == text)
        return;
    m_view.setVolumeText(text);
    txtValue_Change();
}

void MainWindowLogic::pollLiquid() {
    model::Experiment& experiment = m_state.experiment;
    const int32_t selected = m_view.liquidIndex();
    if (selected != experiment.liquid) {
        experiment.liquid = selected;
        RefreshModelValues(experiment);
        showPressure();
    }
}

void MainWindowLogic::showPressure() {
    if (!m_pressureWorded)
        return;
    if (const std::optional<int32_t> volume = VolumeOf(m_view))
        m_view.setPressureText(PressureText(m_state.experiment, *volume));
}

void MainWindowLogic::describePictures() {
    m_view.describeCylinder(CylinderLayers(m_state.field));
    m_view.describeGraph(ReadGraph(m_state.graph));
}

}  // namespace kemora::mainwindow
