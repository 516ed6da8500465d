#pragma once
// What the main window tells a screen reader about its two pictures, as values: the window
// words them.

#include <cstdint>
#include <optional>
#include <string>

#include "mainwindow/graph.h"
#include "mainwindow/molecule_field.h"

namespace kemora::mainwindow {

// The cylinder panel's layers by the state the molecules are drawn in.
struct LayerSplit {
    int liquidLayers = 0;  // counted from the bottom
    int vaporLayers = 0;

    friend bool operator==(const LayerSplit&, const LayerSplit&) = default;
};

// The newest plotted state as the pressure field showed it.
struct PointReading {
    int32_t volume = 0;        // litres
    std::string pressureText;  // in the pressure field's pattern, e.g. "31.4"
    std::string unitText;      // "mmHg", "atm" or "hPa"

    friend bool operator==(const PointReading&, const PointReading&) = default;
};

// What the graph box shows: hidden, or shown with or without a newest point.
struct GraphReading {
    bool shown = false;
    std::optional<PointReading> newest;

    friend bool operator==(const GraphReading&, const GraphReading&) = default;
};

// Each layer counts by its first molecule, as a whole layer takes one state.
[[nodiscard]] LayerSplit CylinderLayers(const MoleculeField& field);

[[nodiscard]] GraphReading ReadGraph(const GraphState& graph);

}  // namespace kemora::mainwindow
