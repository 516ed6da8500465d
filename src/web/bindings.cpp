// The core's face for the browser edition (embind): the main window's handlers, the pixel
// rule, and the scenario's steps as the editor builds them.
#include <emscripten/bind.h>

#include <optional>
#include <string>

#include "mainwindow/keyboard.h"
#include "mainwindow/pixel_scale.h"
#include "mainwindow/up_down_value.h"
#include "scenario/step_list.h"
#include "web/main_window.h"

namespace kemora::web {
namespace {

using emscripten::val;
using Logic = mainwindow::MainWindowLogic;

// The pixel rule on numbers, which JavaScript counts in.
struct Scale {
    explicit Scale(double factor) : scale(factor) {}
    [[nodiscard]] double position(double logical) const {
        return double(scale.position(int64_t(logical)));
    }
    [[nodiscard]] double length(double logical) const {
        return double(scale.length(int64_t(logical)));
    }
    mainwindow::PixelScale scale;
};

template <void (Logic::*handler)()>
void Run(MainWindow& window) {
    (window.logic().*handler)();
}

int RouteKey(MainWindow& window, int keyCode, bool volumeFieldFocused) {
    return static_cast<int>(window.logic().routeKey(keyCode, volumeFieldFocused));
}

void FormKeyUp(MainWindow& window, int keyCode) {
    window.logic().Form_KeyUp(keyCode);
}

void SetAnimationPaused(MainWindow& window, bool paused) {
    window.logic().SetAnimationPaused(paused);
}

// {step, problem}: the step, or null with the reason when the text holds no usable volume.
val SetVolumeStep(const std::string& volumeText, bool gradual) {
    const scenario::StepBuild built = scenario::BuildSetVolumeStep(volumeText, gradual);
    val result = val::object();
    result.set("step", built.step ? val(*built.step) : val::null());
    val problem = val::null();
    if (built.problem) {
        problem = val::object();
        problem.set("field", static_cast<int>(built.problem->field));
        problem.set("failure", static_cast<int>(built.problem->failure));
    }
    result.set("problem", problem);
    return result;
}

}  // namespace

EMSCRIPTEN_BINDINGS(kemora_core) {
    using namespace emscripten;
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

    class_<MainWindow>("MainWindow")
        .constructor<val>()
        .function("Form_Load", &Run<&Logic::Form_Load>)
        .function("Form_Activate", &Run<&Logic::Form_Activate>)
        .function("txtValue_Change", &Run<&Logic::txtValue_Change>)
        .function("Timer1_Timer", &Run<&Logic::Timer1_Timer>)
        .function("picGrphSw_Click", &Run<&Logic::picGrphSw_Click>)
        .function("picGrphCls_Click", &Run<&Logic::picGrphCls_Click>)
        .function("picSinario_Click", &Run<&Logic::picSinario_Click>)
        .function("menu_reset_Click", &Run<&Logic::menu_reset_Click>)
        .function("routeKey", &RouteKey)
        .function("Form_KeyUp", &FormKeyUp)
        .function("SetAnimationPaused", &SetAnimationPaused)
        .function("UpDownOndo_Click", &MainWindow::UpDownOndo_Click)
        .function("VolumeArrowKey", &MainWindow::VolumeArrowKey)
        .function("setSurfaceScale", &MainWindow::setSurfaceScale)
        .function("AddStep", &MainWindow::AddStep)
        .function("AssignTitle", &MainWindow::AssignTitle);

    class_<Scale>("PixelScale")
        .constructor<double>()
        .function("position", &Scale::position)
        .function("length", &Scale::length);

    function("BuildSetVolumeStep", &SetVolumeStep);
    function("BuildGraphStep", &scenario::BuildGraphStep);
    function("BuildClearGraphStep", &scenario::BuildClearGraphStep);
    function("BuildChangeLiquidStep", &scenario::BuildChangeLiquidStep);

    constant("kTimerInterval", mainwindow::kTimerInterval);
    constant("kVolumeStep", mainwindow::kVolumeStep);
    constant("kVolumeMinimum", mainwindow::kVolumeMinimum);
    constant("kVolumeStartMaximum", mainwindow::kVolumeStartMaximum);
    constant("kClicksPerPage", mainwindow::kClicksPerPage);
}

}  // namespace kemora::web
