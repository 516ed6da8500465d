#include "web/main_window.h"

#include <optional>

#include "mainwindow/csv_text.h"
#include "mainwindow/keyboard.h"
#include "mainwindow/up_down_value.h"
#include "model/numbers.h"
#include "scenario/scenario_file.h"
#include "scenario/step_list.h"
#include "web/js_values.h"

namespace kemora::web {

using emscripten::val;

namespace {

// A line of the step list, -1 for none.
std::optional<int> Line(int selectedLine) {
    return selectedLine < 0 ? std::nullopt : std::optional<int>(selectedLine);
}

}  // namespace

MainWindow::MainWindow(val view)
    : m_view(view),
      m_logic(
          m_state, m_view, [this] { return m_settingsBytes; },
          [this] { return m_view.timeOfDay(); }) {}

int MainWindow::routeKey(int keyCode, bool volumeFieldFocused) const {
    return static_cast<int>(m_logic.routeKey(keyCode, volumeFieldFocused));
}

void MainWindow::UpDownOndo_Click(int clicks) {
    const int32_t volume =
        mainwindow::UpDownValue(m_view.volumeText(), clicks, mainwindow::kVolumeStep,
                                mainwindow::kVolumeMinimum, m_view.volumeMaximum());
    m_view.setVolumeText(model::IntegerText(volume));
    m_logic.txtValue_Change();
}

void MainWindow::VolumeArrowKey(int keyCode) {
    if (const int clicks = mainwindow::VolumeArrowClicks(keyCode))
        UpDownOndo_Click(clicks);
}

void MainWindow::setSurfaceScale(int panel, double factor, double imageWidth, double imageHeight,
                                 double spriteWidth, double spriteHeight) {
    m_view.surface(panel).setScale(factor, imageWidth, imageHeight, spriteWidth, spriteHeight);
}

val MainWindow::settings() const {
    return val(m_state.experiment.settings);
}

val MainWindow::EncodeScenario() const {
    return Bytes(scenario::EncodeScenario(m_state.currentScenario));
}

int MainWindow::DecodeScenario(const std::string& bytes) {
    return static_cast<int>(scenario::DecodeScenario(bytes, m_state.currentScenario));
}

void MainWindow::AssignTitle(const std::string& utf8) {
    scenario::AssignTitle(m_state.currentScenario, utf8);
}

bool MainWindow::AddStep(const scenario::ScenarioStep& step, int selectedLine) {
    return scenario::AddStep(m_state.currentScenario, step, Line(selectedLine));
}

bool MainWindow::DeleteStep(int selectedLine) {
    return scenario::DeleteStep(m_state.currentScenario, Line(selectedLine));
}

val MainWindow::StepListEntries() const {
    val entries = val::array();
    for (const scenario::StepListEntry& entry : scenario::StepListEntries(m_state.currentScenario))
        entries.call<void>("push", ToJs(entry));
    return entries;
}

val MainWindow::TableRows(val words) const {
    const auto& states = m_state.graph.plottedStates;
    const mainwindow::TableSummary summary =
        mainwindow::SummarizeStates(states, m_state.experiment);
    const auto rows =
        mainwindow::TableRows(states, mainwindow::PrintedColumns(summary), summary,
                              mainwindow::PressureDigits::AsShown, TableWordsOf(words));
    val result = val::array();
    for (const auto& row : rows) {
        val cells = val::array();
        for (const std::string& cell : row) cells.call<void>("push", cell);
        result.call<void>("push", cells);
    }
    return result;
}

val MainWindow::CsvBytes(val words) const {
    return Bytes(mainwindow::PlottedStatesCsv(m_state.graph.plottedStates, m_state.experiment,
                                              TableWordsOf(words)));
}

val MainWindow::BuildCurveFigure(bool logarithmic, bool measured) const {
    return ToJs(curve::BuildCurveFigure(m_state.experiment, {logarithmic, measured}));
}

}  // namespace kemora::web
