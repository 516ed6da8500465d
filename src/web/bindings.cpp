// The JavaScript face of the core: `const core = await createKemoraCore();` then the names
// below, which are the core's own.
#include <emscripten/bind.h>

#include <optional>
#include <string>

#include "config/settings_ini.h"
#include "mainwindow/keyboard.h"
#include "mainwindow/main_window_logic.h"
#include "mainwindow/pixel_scale.h"
#include "mainwindow/up_down_value.h"
#include "model/settings_form.h"
#include "scenario/step_list.h"
#include "web/js_values.h"
#include "web/main_window.h"

namespace kemora::web {
namespace {

using emscripten::val;

val ReadSettingsForm(const model::SettingsForm& form, const model::ExperimentSettings& current) {
    const model::SettingsFormReading reading = model::ReadSettingsForm(form, current);
    val object = val::object();
    object.set("settings", reading.settings ? val(*reading.settings) : val::null());
    object.set("problem", ToJs(reading.problem));
    return object;
}

val BuildInitialSettingsStep(const model::SettingsForm& form) {
    return ToJs(scenario::BuildInitialSettingsStep(form));
}

val BuildSetVolumeStep(const std::string& volumeText, bool gradual) {
    return ToJs(scenario::BuildSetVolumeStep(volumeText, gradual));
}

// Settings file bytes: the settings of [DATA] from them, and the file's new bytes with the
// settings written in (every other byte kept).
model::ExperimentSettings SettingsFromIni(const std::string& bytes) {
    model::ExperimentSettings settings;
    config::SettingsFromIni(bytes, settings);
    return settings;
}

val SettingsIntoIni(const std::string& bytes, const model::ExperimentSettings& settings) {
    return Bytes(config::SettingsIntoIni(bytes, settings));
}

// Section [VIEW] of the same bytes: the language (0 Japanese, 1 English) and the zoom in
// percent (null when none is kept).
int ViewLanguageFromIni(const std::string& bytes) {
    return static_cast<int>(config::ViewSettingsFromIni(bytes).language);
}

val ViewLanguageIntoIni(const std::string& bytes, int language) {
    const config::ViewSettings settings{language == static_cast<int>(config::Language::English)
                                            ? config::Language::English
                                            : config::Language::Japanese};
    return Bytes(config::ViewSettingsIntoIni(bytes, settings));
}

val ZoomFromIni(const std::string& bytes) {
    const std::optional<int32_t> zoom = config::ZoomFromIni(bytes);
    return zoom ? val(*zoom) : val::null();
}

val ZoomIntoIni(const std::string& bytes, int32_t percent) {
    return Bytes(config::ZoomIntoIni(bytes, percent));
}

// The device-pixel rule for placing controls and artwork.
class JsPixelScale {
  public:
    explicit JsPixelScale(double factor) : m_scale(factor) {}
    double position(double logical) const {
        return static_cast<double>(m_scale.position(PixelsOf(logical)));
    }
    double length(double logical) const {
        return static_cast<double>(m_scale.length(PixelsOf(logical)));
    }

  private:
    mainwindow::PixelScale m_scale;
};

}  // namespace
}  // namespace kemora::web

EMSCRIPTEN_BINDINGS(kemora_core) {
    using namespace emscripten;
    using namespace kemora;

    value_object<model::ExperimentSettings>("ExperimentSettings")
        .field("temperature", &model::ExperimentSettings::temperature)
        .field("mol", &model::ExperimentSettings::mol)
        .field("temperatureUnit", &model::ExperimentSettings::temperatureUnit)
        .field("pressureUnit", &model::ExperimentSettings::pressureUnit)
        .field("grphWMin", &model::ExperimentSettings::grphWMin)
        .field("grphWMax", &model::ExperimentSettings::grphWMax)
        .field("grphHMin", &model::ExperimentSettings::grphHMin)
        .field("grphHMax", &model::ExperimentSettings::grphHMax);
    value_object<model::SettingsForm>("SettingsForm")
        .field("mol", &model::SettingsForm::mol)
        .field("temperature", &model::SettingsForm::temperature)
        .field("pressureUnitIndex", &model::SettingsForm::pressureUnitIndex)
        .field("volumeMin", &model::SettingsForm::volumeMin)
        .field("volumeMax", &model::SettingsForm::volumeMax)
        .field("pressureMin", &model::SettingsForm::pressureMin)
        .field("pressureMax", &model::SettingsForm::pressureMax);
    value_object<scenario::ScenarioStep>("ScenarioStep")
        .field("kind", &scenario::ScenarioStep::kind)
        .field("value", &scenario::ScenarioStep::value)
        .field("gradual", &scenario::ScenarioStep::gradual)
        .field("mol", &scenario::ScenarioStep::mol)
        .field("temperature", &scenario::ScenarioStep::temperature)
        .field("temperatureUnit", &scenario::ScenarioStep::temperatureUnit)
        .field("pressureUnit", &scenario::ScenarioStep::pressureUnit)
        .field("grphWMin", &scenario::ScenarioStep::grphWMin)
        .field("grphWMax", &scenario::ScenarioStep::grphWMax)
        .field("grphHMin", &scenario::ScenarioStep::grphHMin)
        .field("grphHMax", &scenario::ScenarioStep::grphHMax);

    class_<web::MainWindow>("MainWindow")
        .constructor<val>()
        .function("Form_Load", &web::MainWindow::Form_Load)
        .function("Form_Activate", &web::MainWindow::Form_Activate)
        .function("txtValue_Change", &web::MainWindow::txtValue_Change)
        .function("Timer1_Timer", &web::MainWindow::Timer1_Timer)
        .function("picGrphSw_Click", &web::MainWindow::picGrphSw_Click)
        .function("picGrphCls_Click", &web::MainWindow::picGrphCls_Click)
        .function("picSinario_Click", &web::MainWindow::picSinario_Click)
        .function("routeKey", &web::MainWindow::routeKey)
        .function("Form_KeyUp", &web::MainWindow::Form_KeyUp)
        .function("SetAnimationPaused", &web::MainWindow::SetAnimationPaused)
        .function("menu_reset_Click", &web::MainWindow::menu_reset_Click)
        .function("UpDownOndo_Click", &web::MainWindow::UpDownOndo_Click)
        .function("VolumeArrowKey", &web::MainWindow::VolumeArrowKey)
        .function("setSurfaceScale", &web::MainWindow::setSurfaceScale)
        .function("setSettingsBytes", &web::MainWindow::setSettingsBytes)
        .function("settings", &web::MainWindow::settings)
        .function("EncodeScenario", &web::MainWindow::EncodeScenario)
        .function("DecodeScenario", &web::MainWindow::DecodeScenario)
        .function("AssignTitle", &web::MainWindow::AssignTitle)
        .function("AddStep", &web::MainWindow::AddStep)
        .function("DeleteStep", &web::MainWindow::DeleteStep)
        .function("StepListEntries", &web::MainWindow::StepListEntries)
        .function("TableRows", &web::MainWindow::TableRows)
        .function("CsvBytes", &web::MainWindow::CsvBytes)
        .function("BuildCurveFigure", &web::MainWindow::BuildCurveFigure);

    class_<web::JsPixelScale>("PixelScale")
        .constructor<double>()
        .function("position", &web::JsPixelScale::position)
        .function("length", &web::JsPixelScale::length);

    function("ReadSettingsForm", &web::ReadSettingsForm);
    function("BuildInitialSettingsStep", &web::BuildInitialSettingsStep);
    function("BuildSetVolumeStep", &web::BuildSetVolumeStep);
    function("BuildGraphStep", &scenario::BuildGraphStep);
    function("BuildClearGraphStep", &scenario::BuildClearGraphStep);
    function("BuildChangeLiquidStep", &scenario::BuildChangeLiquidStep);
    function("SettingsFromIni", &web::SettingsFromIni);
    function("SettingsIntoIni", &web::SettingsIntoIni);
    function("ViewLanguageFromIni", &web::ViewLanguageFromIni);
    function("ViewLanguageIntoIni", &web::ViewLanguageIntoIni);
    function("ZoomFromIni", &web::ZoomFromIni);
    function("ZoomIntoIni", &web::ZoomIntoIni);

    constant("kVolumeStep", mainwindow::kVolumeStep);
    constant("kVolumeMinimum", mainwindow::kVolumeMinimum);
    constant("kVolumeStartMaximum", mainwindow::kVolumeStartMaximum);
    constant("kClicksPerPage", mainwindow::kClicksPerPage);
    constant("kTimerInterval", mainwindow::kTimerInterval);
}
