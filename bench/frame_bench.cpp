// The logic of one molecule frame (DrawMoleculeFrame into a surface that records the calls),
// timed the same way in the native and the browser build: prints microseconds per frame.
// Run natively, and under Node: node build/wasm/bench/frame_bench.js

#include <chrono>
#include <cstdio>
#include <vector>

#include "mainwindow/molecule_field.h"
#include "mainwindow/surface.h"
#include "model/equilibrium.h"
#include "model/settings.h"
#include "model/vapor_table.h"

namespace {

using namespace kemora;

// Keeps every call as a few numbers, as a surface that records drawing would.
class RecordingSurface : public mainwindow::Surface {
  public:
    struct Call {
        int32_t kind, x1, y1, x2, y2;
    };

    void fillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb) override {
        calls.push_back({1, x1, y1, x2, y2});
    }
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb) override {
        calls.push_back({2, x1, y1, x2, y2});
    }
    void setTextPosition(int32_t, int32_t) override {}
    void printText(std::string_view) override {}
    std::optional<mainwindow::TextInk> textInk(std::string_view) override { return std::nullopt; }
    void copySprite(int32_t x, int32_t y) override { calls.push_back({3, x, y, 0, 0}); }
    void refresh() override { calls.clear(); }

    std::vector<Call> calls;
};

}  // namespace

int main() {
    model::Experiment experiment;
    model::SetDefaultSettings(experiment.settings);
    model::FillVaporPressureTable(experiment.table);
    experiment.satVolume = model::SaturationVolume(experiment);
    experiment.liqVolume = model::LiquidVolume();
    mainwindow::MoleculeField field;
    float time = 36000.0f;
    mainwindow::InitMolecules(field, [&] { return time += 0.37f; });
    field.lidTop = 100;
    RecordingSurface surface;

    const auto frames = [&](int count) {
        for (int frame = 0; frame < count; ++frame) {
            // Half the liquid gone, so that vapor molecules fly and liquid ones wobble.
            mainwindow::DrawMoleculeFrame(field, experiment, experiment.satVolume / 2 + frame % 50,
                                          surface);
            surface.refresh();
        }
    };
    // Node first runs wasm from its quick baseline compiler and swaps in the optimized code
    // while it runs: the frames before that are not counted, in either build.
    frames(20000);
    constexpr int kFrames = 50000;
    const auto start = std::chrono::steady_clock::now();
    frames(kFrames);
    const std::chrono::duration<double, std::micro> elapsed =
        std::chrono::steady_clock::now() - start;
    std::printf("molecule frame: %.2f us (%d frames)\n", elapsed.count() / kFrames, kFrames);
}
