#pragma once
// The values the main window's handlers, its timer and scenario playback share.

#include <cstdint>

#include "mainwindow/graph.h"
#include "mainwindow/molecule_field.h"
#include "model/equilibrium.h"
#include "scenario/scenario.h"

namespace kemora::mainwindow {

// Everything that lives from the main window's load to the end of the program: the
// experiment, the one scenario, the molecules, the graph and the playback state. Owned by
// the program's main window; the dialogs get references to the settings and the scenario.
struct MainState {
    model::Experiment experiment;
    scenario::Scenario currentScenario;
    MoleculeField field;  // the molecules and lidTop
    GraphState graph;     // graphVisible, lastPointX, lastPointY, plotColor

    int32_t scenarioMode = 0;      // 1 while scenario mode is on
    int32_t nextStep = 0;          // step that the next playback key runs, from 1
    int16_t frameWait = 0;         // timer ticks still to skip before the next frame
    bool animationPaused = false;  // the molecules stand still; the experiment goes on

    int32_t gradualActive = 0;  // 1 while a gradual volume change runs
    int32_t gradualStep = 0;    // litres added per drawn frame, +5 or -5
    int32_t gradualTarget = 0;  // litres at or past which the change stops
};

}  // namespace kemora::mainwindow
