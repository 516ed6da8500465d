// Plays one lesson through the core and prints a digest of everything it produced: the
// window's fields, both pictures' drawing, the graph's table and CSV, the curve figures,
// and the saved settings and scenario bytes. The native and the browser build must print
// the same digest.
// Usage: lesson SETTINGS_FILE SCENARIO_FILE [--trace]

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "config/settings_ini.h"
#include "curve/curve_figure.h"
#include "lesson/digest.h"
#include "lesson/recording_view.h"
#include "mainwindow/csv_text.h"
#include "mainwindow/keyboard.h"
#include "mainwindow/main_state.h"
#include "mainwindow/main_window_logic.h"
#include "mainwindow/plotted_table.h"
#include "model/numbers.h"
#include "scenario/scenario_file.h"
#include "scenario/step_list.h"

namespace kemora::lesson {
namespace {

std::string FileBytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// The seconds since midnight that seed the molecules: a fixed time, a little later each read.
class Clock {
  public:
    float operator()() { return m_seconds += 0.37f; }

  private:
    float m_seconds = 36000.0f;
};

void DigestAxis(Digest& digest, const curve::AxisTicks& axis) {
    digest << axis.low << axis.high;
    for (const curve::Tick& tick : axis.labelled) digest << tick.value << tick.text;
    for (const double minor : axis.minor) digest << minor;
}

void DigestCurves(Digest& digest, const std::vector<curve::Curve>& curves) {
    for (const curve::Curve& curve : curves) {
        digest << int64_t{curve.liquid} << curve.current;
        for (const curve::CurvePoint& point : curve.points)
            digest << point.temperature << point.pressure;
    }
}

// The measured curves come from std::pow, whose last bit differs between C libraries (glibc
// on a CPU with FMA, emscripten's musl): their points count to 15 significant digits, far
// finer than the figure draws them.
void DigestMeasuredCurves(Digest& digest, const std::vector<curve::Curve>& curves) {
    for (const curve::Curve& curve : curves) {
        digest << int64_t{curve.liquid} << curve.current;
        for (const curve::CurvePoint& point : curve.points)
            digest << point.temperature << model::DoubleText(point.pressure);
    }
}

void DigestCurveFigures(Digest& digest, const model::Experiment& experiment) {
    for (const bool logarithmic : {false, true}) {
        for (const bool measured : {false, true}) {
            const curve::CurveFigure figure =
                curve::BuildCurveFigure(experiment, {logarithmic, measured});
            digest << figure.temperatureUnitText << figure.pressureUnitText << figure.logarithmic
                   << figure.oneAtmosphere;
            DigestAxis(digest, figure.temperatureAxis);
            DigestAxis(digest, figure.pressureAxis);
            DigestCurves(digest, figure.tableCurves);
            DigestMeasuredCurves(digest, figure.measuredCurves);
            for (const curve::BoilingPoint& point : figure.boilingPoints)
                digest << int64_t{point.liquid} << int64_t{point.temperature};
            if (figure.marker) {
                digest << int64_t{figure.marker->temperature} << figure.marker->pressure
                       << figure.marker->pressureText;
            }
        }
    }
}

void DigestTable(Digest& digest, const mainwindow::MainState& state) {
    const auto& states = state.graph.plottedStates;
    const mainwindow::TableSummary summary = mainwindow::SummarizeStates(states, state.experiment);
    const mainwindow::TableWords words{
        {"water", "ethanol", "ether"},
        {"liquid", "both", "vapor"},
        {"volume", "pressure", "liquid", "temperature", "amount", "state"}};
    const std::vector<mainwindow::TableColumn> columns = mainwindow::PrintedColumns(summary);
    for (const mainwindow::TableColumn column : columns)
        digest << mainwindow::TableHeader(column, summary, words);
    for (const auto digits :
         {mainwindow::PressureDigits::AsComputed, mainwindow::PressureDigits::AsShown}) {
        digest << mainwindow::CsvText(
            mainwindow::TableRows(states, columns, summary, digits, words));
    }
    digest << mainwindow::PlottedStatesCsv(states, state.experiment, words);
}

// Types volumes from 0 to past the volume axis, across the saturation point, with a few
// animation frames after each.
void TypeVolumes(RecordingView& view, mainwindow::MainWindowLogic& logic,
                 const mainwindow::MainState& state) {
    const int32_t last = state.experiment.settings.grphWMax + 20;
    for (int32_t volume = 0; volume <= last; volume += 13) {
        view.type(std::to_string(volume));
        for (int tick = 0; tick < 3; ++tick) logic.Timer1_Timer();
    }
}

}  // namespace

int Run(const char* settingsPath, const char* scenarioPath, bool trace) {
    Digest digest(trace);
    const std::string settingsBytes = FileBytes(settingsPath);
    mainwindow::MainState state;
    RecordingView view(digest);
    Clock clock;
    mainwindow::MainWindowLogic logic(
        state, view, [&] { return settingsBytes; }, std::ref(clock));
    view.setVolumeHandler([&] { logic.txtValue_Change(); });

    digest.section("scenario file");
    const std::string scenarioBytes = FileBytes(scenarioPath);
    digest << static_cast<int64_t>(scenario::DecodeScenario(scenarioBytes, state.currentScenario));
    for (const scenario::StepListEntry& entry : scenario::StepListEntries(state.currentScenario))
        digest << static_cast<int64_t>(entry.kind) << int64_t{entry.litres} << entry.gradual
               << static_cast<int64_t>(entry.liquid);

    digest.section("start");
    logic.Form_Load();
    logic.Form_Activate();
    TypeVolumes(view, logic, state);

    logic.picSinario_Click();
    for (int32_t step = 1; step <= state.currentScenario.stepCount; ++step) {
        digest.section("step " + std::to_string(step));
        logic.Form_KeyUp(mainwindow::kKeyEnter);
        // A gradual change runs to its end, within a bound.
        for (int tick = 0; tick < 400 && state.gradualActive != 0; ++tick) logic.Timer1_Timer();
        view.pickLiquid(view.liquidIndex());
        TypeVolumes(view, logic, state);
        DigestTable(digest, state);
        DigestCurveFigures(digest, state.experiment);
    }
    logic.picSinario_Click();
    logic.menu_reset_Click();

    digest.section("saved files");
    digest << config::SettingsIntoIni(settingsBytes, state.experiment.settings);
    digest << scenario::EncodeScenario(state.currentScenario);

    std::fputs(digest.report().c_str(), stdout);
    return 0;
}

}  // namespace kemora::lesson

int main(int argc, char** argv) {
    const bool trace = argc == 4 && std::string_view(argv[3]) == "--trace";
    if (argc != 3 && !trace) {
        std::fputs("usage: lesson SETTINGS_FILE SCENARIO_FILE [--trace]\n", stderr);
        return 2;
    }
    return kemora::lesson::Run(argv[1], argv[2], trace);
}
