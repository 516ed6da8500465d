#pragma once
// The main window of the page: its state, its logic and the page's view behind one object
// that the page creates (`new core.MainWindow(view)`) and frees with `.delete()`.

#include <emscripten/val.h>

#include <string>

#include "mainwindow/main_state.h"
#include "mainwindow/main_window_logic.h"
#include "web/js_view.h"

namespace kemora::web {

class MainWindow {
  public:
    explicit MainWindow(emscripten::val view);

    void Form_Load() { m_logic.Form_Load(); }
    void Form_Activate() { m_logic.Form_Activate(); }
    void txtValue_Change() { m_logic.txtValue_Change(); }
    void Timer1_Timer() { m_logic.Timer1_Timer(); }
    void picGrphSw_Click() { m_logic.picGrphSw_Click(); }
    void picGrphCls_Click() { m_logic.picGrphCls_Click(); }
    void picSinario_Click() { m_logic.picSinario_Click(); }
    [[nodiscard]] int routeKey(int keyCode, bool volumeFieldFocused) const;
    void Form_KeyUp(int keyCode) { m_logic.Form_KeyUp(keyCode); }
    void SetAnimationPaused(bool paused) { m_logic.SetAnimationPaused(paused); }
    void menu_reset_Click() { m_logic.menu_reset_Click(); }

    // The volume arrows: `clicks` steps up (positive) or down, within the arrows' range; the
    // field's handler runs as for a typed change.
    void UpDownOndo_Click(int clicks);
    // An arrow key routed to the volume arrows.
    void VolumeArrowKey(int keyCode);

    // Panel 0 (the cylinder) or 1 (the graph) at a new scale; see ScaledSurface::setScale.
    void setSurfaceScale(int panel, double factor, double imageWidth, double imageHeight,
                         double spriteWidth, double spriteHeight);

    // The settings file's bytes that the next Form_Activate reads (none: the fallbacks).
    void setSettingsBytes(const std::string& bytes) { m_settingsBytes = bytes; }
    // The settings in use, as a plain object.
    [[nodiscard]] emscripten::val settings() const;

    // The scenario: the file's bytes in and out, the editor's step list.
    [[nodiscard]] emscripten::val EncodeScenario() const;
    [[nodiscard]] int DecodeScenario(const std::string& bytes);
    void AssignTitle(const std::string& utf8);
    [[nodiscard]] bool AddStep(const scenario::ScenarioStep& step, int selectedLine);
    [[nodiscard]] bool DeleteStep(int selectedLine);
    [[nodiscard]] emscripten::val StepListEntries() const;

    // What the graph has plotted: the printed table's rows and the CSV file's bytes, the
    // cells worded by `words` ({liquids: [3], phases: [3]}).
    [[nodiscard]] emscripten::val TableRows(emscripten::val words) const;
    [[nodiscard]] emscripten::val CsvBytes(emscripten::val words) const;

    // The vapor-pressure window's figure for the running experiment.
    [[nodiscard]] emscripten::val BuildCurveFigure(bool logarithmic, bool measured) const;

    // The state behind the window, for the bindings of the other windows and the exports.
    [[nodiscard]] const mainwindow::MainState& state() const { return m_state; }

  private:
    mainwindow::MainState m_state;
    JsView m_view;
    std::string m_settingsBytes;
    mainwindow::MainWindowLogic m_logic;
};

}  // namespace kemora::web
