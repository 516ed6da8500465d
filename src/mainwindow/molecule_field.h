#pragma once
// The 555 molecules of the cylinder panel: their layout in the liquid block, their motion
// frame by frame and the liquid or vapor state of each layer.

#include <array>
#include <cstdint>
#include <functional>

#include "mainwindow/panel_sizes.h"
#include "mainwindow/surface.h"
#include "model/equilibrium.h"

namespace kemora::mainwindow {

// How a molecule moves. Stored in a 16-bit field that may hold other values: a molecule
// with any other state is drawn but not moved.
enum MoleculeState : int16_t { StateVapor = 1, StateLiquid = 2, StateAllLiquid = 3 };

// One drawn molecule, in pixels of the cylinder panel (y downward).
struct Molecule {
    int16_t state = 0;  // a MoleculeState
    int32_t x = 0;      // left edge of its sprite
    int32_t y = 0;      // top edge of its sprite
    int32_t dx = 0;     // pixels to the right per frame while vapor
    int32_t dy = 0;     // pixels downward per frame while vapor
    int32_t tick = 0;   // frames since its last wobble step (0 to 4)
    int32_t homeX = 0;  // x of its place in the liquid block
    int32_t homeY = 0;  // y of its place in the liquid block
    int32_t phase = 0;  // index 0 to 5 into the wobble offsets
};

// The process-wide molecules, 15 layers (1 at the bottom) of 37 columns (1 at the left
// wall), and the lid that bounds the vapor. Owned by the main window's state.
struct MoleculeField {
    static constexpr int kLayers = 15;
    static constexpr int kColumns = 37;

    // Layer 1..15 and column 1..37; other values are a caller's fault.
    [[nodiscard]] Molecule& at(int layer, int column);
    [[nodiscard]] const Molecule& at(int layer, int column) const;

    std::array<std::array<Molecule, kColumns>, kLayers> molecules{};  // [layer - 1][column - 1]
    // y of the lid bar's top edge in the window's client area, read unchanged as the panel's
    // ceiling for vapor molecules. 0 until the volume handler first moves the lid.
    int32_t lidTop = 0;
};

// Wobble offsets in pixels, indexed by Molecule::phase.
inline constexpr std::array<int32_t, 6> wobbleDX{0, 0, 0, 2, 0, -2};
inline constexpr std::array<int32_t, 6> wobbleDY{0, 0, -2, 0, 2, 0};

// Seconds since midnight with their fraction, in single precision, from the system clock.
[[nodiscard]] float SystemTimeOfDay();

// Puts every molecule at its place in the liquid block, all liquid, with a velocity and a
// wobble phase drawn from `timeOfDay`, which is read anew for each molecule.
void InitMolecules(MoleculeField& field, const std::function<float()>& timeOfDay);

// Advances the molecule at (column, layer) by one frame: a vapor molecule flies and bounces
// off the walls, the bottom and the lid; a liquid one wobbles at its place. Positions
// outside the grid are ignored.
void MoveMolecule(MoleculeField& field, int column, int layer);

// Gives each layer the state for `volume` litres: all liquid at or below liqVolume, all
// vapor at or above satVolume, otherwise the top VaporRowCount layers vapor.
void SetLayerStates(MoleculeField& field, const model::Experiment& experiment, int32_t volume);

// One animation frame of the cylinder panel for `volume` litres, without showing it: the
// layer states, a black panel, then every molecule moved by one frame and copied in.
void DrawMoleculeFrame(MoleculeField& field, const model::Experiment& experiment, int32_t volume,
                       Surface& cylinder);

}  // namespace kemora::mainwindow
