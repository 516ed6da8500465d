#pragma once
// Showing and hiding the graph, for the graph button and the scenario steps alike.

#include "mainwindow/main_state.h"
#include "mainwindow/main_view.h"

namespace kemora::mainwindow {

// Shows the graph (lit button, a fresh frame, states plotted from now on) or hides it
// (resting button, a blank box, nothing plotted).
void SetGraphVisible(MainState& state, MainView& view, bool visible);

}  // namespace kemora::mainwindow
