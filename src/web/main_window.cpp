#include "web/main_window.h"

#include <optional>
#include <string>
#include <utility>

#include "mainwindow/keyboard.h"
#include "mainwindow/panel_sizes.h"
#include "mainwindow/up_down_value.h"
#include "scenario/step_list.h"

namespace kemora::web {
namespace {

using emscripten::val;

}  // namespace

MainWindow::MainWindow(val view)
    : m_view(std::move(view)),
      m_cylinder(m_view["cylinder"], mainwindow::kCylinderWidth, mainwindow::kCylinderHeight),
      m_graph(m_view["graphBox"], mainwindow::kGraphBoxWidth, mainwindow::kGraphBoxHeight),
      m_volumeMaximum(mainwindow::kVolumeStartMaximum),
      // The page keeps no settings file yet: every activation reads the settings' defaults.
      m_logic(
          m_state, *this, [] { return std::string(); },
          [view = m_view] { return view.call<float>("timeOfDay"); }) {}

void MainWindow::UpDownOndo_Click(int32_t clicks) {
    // A change the user makes: the handler runs as for a typed text.
    const std::string text =
        std::to_string(mainwindow::UpDownValue(volumeText(), clicks, mainwindow::kVolumeStep,
                                               mainwindow::kVolumeMinimum, m_volumeMaximum));
    if (text == volumeText())
        return;
    setVolumeText(text);
    m_logic.txtValue_Change();
}

void MainWindow::VolumeArrowKey(int keyCode) {
    if (const int clicks = mainwindow::VolumeArrowClicks(keyCode); clicks != 0)
        UpDownOndo_Click(clicks);
}

void MainWindow::setSurfaceScale(int panel, double factor, double imageWidth, double imageHeight,
                                 double spriteWidth, double spriteHeight) {
    ScaledSurface& surface = panel == 0 ? m_cylinder : m_graph;
    surface.setScale(factor, int64_t(imageWidth), int64_t(imageHeight), int64_t(spriteWidth),
                     int64_t(spriteHeight));
}

bool MainWindow::AddStep(const scenario::ScenarioStep& step, int selectedLine) {
    return scenario::AddStep(m_state.currentScenario, step,
                             selectedLine < 0 ? std::nullopt : std::optional<int>(selectedLine));
}

void MainWindow::AssignTitle(const std::string& utf8) {
    scenario::AssignTitle(m_state.currentScenario, utf8);
}

std::string MainWindow::volumeText() const {
    return m_view.call<std::string>("volumeText");
}

void MainWindow::setVolumeText(std::string_view text) {
    m_view.call<void>("setVolumeText", std::string(text));
}

void MainWindow::setPressureText(std::string_view text) {
    m_view.call<void>("setPressureText", std::string(text));
}

void MainWindow::setLidTop(int32_t top) {
    m_view.call<void>("setLidTop", top);
}

void MainWindow::setUnitLabel(std::string_view text) {
    m_view.call<void>("setUnitLabel", std::string(text));
}

void MainWindow::setVolumeMaximum(int32_t maximum) {
    m_volumeMaximum = maximum;
    m_view.call<void>("setVolumeMaximum", maximum);
}

int32_t MainWindow::liquidIndex() const {
    return m_view.call<int32_t>("liquidIndex");
}

void MainWindow::setLiquidIndex(int32_t index) {
    m_view.call<void>("setLiquidIndex", index);
}

void MainWindow::setCaption(const mainwindow::Caption& caption) {
    val shown = val::object();
    shown.set("title", caption.title);
    shown.set("step", caption.step ? val(*caption.step) : val::null());
    m_view.call<void>("setCaption", shown);
}

void MainWindow::setButtonLit(mainwindow::PictureButton button, bool lit) {
    m_view.call<void>("setButtonLit", static_cast<int>(button), lit);
}

void MainWindow::repaintWindow() {
    m_view.call<void>("repaintWindow");
}

void MainWindow::describeCylinder(const mainwindow::LayerSplit& layers) {
    val shown = val::object();
    shown.set("liquidLayers", layers.liquidLayers);
    shown.set("vaporLayers", layers.vaporLayers);
    m_view.call<void>("describeCylinder", shown);
}

void MainWindow::describeGraph(const mainwindow::GraphReading& reading) {
    val shown = val::object();
    shown.set("shown", reading.shown);
    val newest = val::null();
    if (reading.newest) {
        newest = val::object();
        newest.set("volume", reading.newest->volume);
        newest.set("pressureText", reading.newest->pressureText);
        newest.set("unitText", reading.newest->unitText);
    }
    shown.set("newest", newest);
    m_view.call<void>("describeGraph", shown);
}

}  // namespace kemora::web
