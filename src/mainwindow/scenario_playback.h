#pragma once
// Scenario playback in the main window: the mode switch and one step per key.

#include <functional>
#include <string_view>

#include "mainwindow/graph.h"
#include "mainwindow/main_state.h"
#include "mainwindow/main_view.h"

namespace kemora::mainwindow {

// Switches scenario mode on (restarting at step 1) or off.
void ToggleScenarioMode(MainState& state, MainView& view);

// Shows "[n]" in the caption and runs step n of the current scenario, if there is one.
// A gradual set-volume step while the volume field holds no number, and a liquid step
// whose value is outside -1..2, are skipped; the step counter still advances. A set-volume
// step puts its volume through `showVolume`, which shows it and runs the volume handler.
void RunNextScenarioStep(MainState& state, MainView& view,
                         const std::function<void(std::string_view)>& showVolume);

}  // namespace kemora::mainwindow
