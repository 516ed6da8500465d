// Writes the CSV file of a small lesson to the path it is given, through the program's own
// CSV save, for a reader that is not the program's to check (csv_read_back.py).

#include <QCoreApplication>

#include "config/file_io.h"
#include "mainwindow/main_state.h"
#include "ui/export_commands.h"

int main(int argc, char* argv[]) {
    using namespace kemora;
    QCoreApplication application(argc, argv);
    if (argc != 2)
        return 2;

    // Water at 27 °C, 1 mol, in mmHg; then ethanol.
    mainwindow::MainState state;
    model::Experiment& experiment = state.experiment;
    model::FillVaporPressureTable(experiment.table);
    model::SetDefaultSettings(experiment.settings);
    const auto plot = [&](int32_t volume) {
        experiment.satVolume = model::SaturationVolume(experiment);
        state.graph.plottedStates.push_back(
            mainwindow::StateOf(experiment, volume, model::PressureAtVolume(experiment, volume)));
    };
    plot(0);
    plot(300);
    plot(700);
    experiment.liquid = model::Ethanol;
    plot(100);
    return config::WriteFileAtomically(argv[1], ui::ExportCommands::csvBytes(state)) ? 0 : 1;
}
