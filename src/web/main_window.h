#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "mainwindow/main_state.h"
#include "mainwindow/main_view.h"
#include "mainwindow/main_window_logic.h"
#include "scenario/scenario.h"
#include "web/scaled_surface.h"

namespace kemora::web {

// The main window for the page: the shared state, the logic, and a MainView that hands each
// call to the page's view object (a JavaScript object with the MainView's methods, `timeOfDay()`
// in seconds since the local midnight, and the painters `cylinder` and `graphBox`).
class MainWindow : private mainwindow::MainView {
  public:
    explicit MainWindow(emscripten::val view);

    mainwindow::MainWindowLogic& logic() { return m_logic; }

    // Clicks of the volume's arrows (UpDownOndo): positive on the upper one.
    void UpDownOndo_Click(int32_t clicks);
    // An arrow key of the volume field, as the arrows' clicks it stands for.
    void VolumeArrowKey(int keyCode);
    // 0: the cylinder picBack, 1: the graph picGrph; see ScaledSurface::setScale.
    void setSurfaceScale(int panel, double factor, double imageWidth, double imageHeight,
                         double spriteWidth, double spriteHeight);

    // The scenario, as the editor builds it: `step` goes before the step of the selected line
    // (-1: none, appended).
    [[nodiscard]] bool AddStep(const scenario::ScenarioStep& step, int selectedLine);
    void AssignTitle(const std::string& utf8);

  private:
    // MainView
    [[nodiscard]] std::string volumeText() const override;
    void setVolumeText(std::string_view text) override;
    void setPressureText(std::string_view text) override;
    void setLidTop(int32_t top) override;
    void setUnitLabel(std::string_view text) override;
    void setVolumeMaximum(int32_t maximum) override;
    [[nodiscard]] int32_t liquidIndex() const override;
    void setLiquidIndex(int32_t index) override;
    void setCaption(const mainwindow::Caption& caption) override;
    void setButtonLit(mainwindow::PictureButton button, bool lit) override;
    void repaintWindow() override;
    [[nodiscard]] mainwindow::Surface& cylinder() override { return m_cylinder; }
    [[nodiscard]] mainwindow::Surface& graphBox() override { return m_graph; }
    void describeCylinder(const mainwindow::LayerSplit& layers) override;
    void describeGraph(const mainwindow::GraphReading& reading) override;

    emscripten::val m_view;
    ScaledSurface m_cylinder;
    ScaledSurface m_graph;
    int32_t m_volumeMaximum;  // litres, the upper end of the volume's arrows
    mainwindow::MainState m_state;
    mainwindow::MainWindowLogic m_logic;
};

}  // namespace kemora::web
