// Drawing costs on the real Qt picture box: the graph frame and one animation frame, at the
// zoom in percent given as the benchmark's argument (a device pixel ratio of 1).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "mainwindow/graph.h"
#include "mainwindow/molecule_field.h"
#include "model/equilibrium.h"
#include "model/vapor_table.h"
#include "ui/artwork.h"
#include "ui/surface_widget.h"

namespace {

using namespace kemora;

double Zoom(const benchmark::State& state) {
    return static_cast<double>(state.range(0)) / 100.0;
}

void DrawFrame(benchmark::State& state, int32_t pressureUnit, int32_t wMin, int32_t wMax,
               double hMin, double hMax) {
    ui::SurfaceWidget box(QSize(mainwindow::kGraphBoxWidth, mainwindow::kGraphBoxHeight),
                          Qt::white);
    box.setScale(Zoom(state), 1.0);
    box.setTextFont(ui::GraphLabelFont());
    model::ExperimentSettings settings;
    settings.pressureUnit = pressureUnit;
    settings.grphWMin = wMin;
    settings.grphWMax = wMax;
    settings.grphHMin = hMin;
    settings.grphHMax = hMax;
    mainwindow::GraphState graph;
    for (auto _ : state) {
        mainwindow::DrawGraphFrame(box, settings, graph);
        benchmark::DoNotOptimize(box.image().constBits());
    }
}

// About 8000 pressure lines and labels.
void BM_DrawGraphFrameAtm0To800(benchmark::State& state) {
    DrawFrame(state, model::Atm, 0, 700, 0, 800);
}
BENCHMARK(BM_DrawGraphFrameAtm0To800)
    ->Arg(100)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

void BM_DrawGraphFrameMmHgDefault(benchmark::State& state) {
    DrawFrame(state, model::MmHg, 0, 700, 0, 800);
}
BENCHMARK(BM_DrawGraphFrameMmHgDefault)
    ->Arg(100)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// One drawn frame of the cylinder panel without its refresh: the layer states, 555 moves,
// the black fill and 555 sprite copies into the off-screen image. Half of the layers fly.
void BM_MoleculeFrame(benchmark::State& state) {
    ui::SurfaceWidget panel(QSize(mainwindow::kCylinderWidth, mainwindow::kCylinderHeight),
                            Qt::black);
    panel.setSpriteSource(ui::MoleculeSprite(Zoom(state)));
    panel.setScale(Zoom(state), 1.0);
    model::Experiment experiment;
    experiment.satVolume = 596;
    experiment.liqVolume = 0;
    mainwindow::MoleculeField field;
    mainwindow::InitMolecules(field, mainwindow::SystemTimeOfDay);
    field.lidTop = 150;
    for (auto _ : state) {
        mainwindow::DrawMoleculeFrame(field, experiment, 300, panel);
        benchmark::DoNotOptimize(panel.image().constBits());
    }
}
BENCHMARK(BM_MoleculeFrame)
    ->Arg(100)
    ->Arg(200)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
