#pragma once
// The pressure-volume graph in the graph box: its scale, grid, labels and plotted states.

#include <cstdint>
#include <vector>

#include "mainwindow/panel_sizes.h"
#include "mainwindow/plotted_state.h"
#include "mainwindow/surface.h"
#include "model/equilibrium.h"
#include "model/settings.h"

namespace kemora::mainwindow {

inline constexpr Rgb kGraphBackgroundColor{255, 255, 255};
inline constexpr Rgb kGridLineColor{192, 192, 192};
inline constexpr Rgb kLabelColor{0, 0, 0};
inline constexpr Rgb kNewestPointColor{255, 0, 0};
inline constexpr Rgb kWaterPointColor{0, 0, 192};
inline constexpr Rgb kEthanolPointColor{0, 204, 0};
inline constexpr Rgb kEtherPointColor{0, 204, 204};

// The graph's shared values, owned by the main window's state.
struct GraphState {
    int32_t graphVisible = 1;  // 1 while the graph is shown and states are plotted
    int32_t lastPointX = 0;    // graph-box pixel of the newest square; -10 after an erase
    int32_t lastPointY = 0;
    Rgb plotColor{};  // colour of a settled square for the current liquid
    // The states behind the squares in the box, oldest first: every PlotPoint adds one and
    // every erase of the box empties the list, so it holds exactly what the box shows.
    std::vector<PlottedState> plottedStates;
};

// A pixel position or offset.
struct PixelPoint {
    int32_t x = 0;
    int32_t y = 0;

    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Whole-pixel offsets of a state from the plot origin: 300 pixels across the volume range
// (litres), 320 up the pressure range (current unit). An axis with equal bounds has no
// scale: every state lies on its lower edge.
[[nodiscard]] PixelPoint GraphPoint(const model::ExperimentSettings& settings, int32_t volume,
                                    double pressure);

// Graph-box pixel of an offset from the plot origin (15, 320).
[[nodiscard]] PixelPoint GraphToBox(PixelPoint offset);

// The colour a plotted square settles into for `liquid` (a model::Liquid).
[[nodiscard]] Rgb SettledPointColor(int32_t liquid);

// Blanks the whole box and forgets the newest square and every plotted state.
void EraseGraph(Surface& box, GraphState& state);

// Blanks the box and draws the grid and labels for the settings, then refreshes the box.
void DrawGraphFrame(Surface& box, const model::ExperimentSettings& settings, GraphState& state);

// Marks the state (volume in litres, pressure in the current unit) with a red square and
// settles the previous square into the current liquid's colour, and keeps the state in the
// list. Does not refresh the box.
void PlotPoint(Surface& box, const model::Experiment& experiment, GraphState& state, int32_t volume,
               double pressure);

// Draws the frame for `settings` and the squares of `states` onto another surface (a
// printed page) as the graph box shows them: each earlier square settled into the colour of
// the liquid of the state after it, the newest one red.
void DrawGraphCopy(Surface& target, const model::ExperimentSettings& settings,
                   const std::vector<PlottedState>& states);

}  // namespace kemora::mainwindow
