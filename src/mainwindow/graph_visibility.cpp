#include "mainwindow/graph_visibility.h"

#include "mainwindow/graph.h"

namespace kemora::mainwindow {

void SetGraphVisible(MainState& state, MainView& view, bool visible) {
    view.setButtonLit(PictureButton::GrphSw, visible);
    if (visible)
        DrawGraphFrame(view.graphBox(), state.experiment.settings, state.graph);
    else
        EraseGraph(view.graphBox(), state.graph);
    state.graph.graphVisible = visible ? 1 : 0;
}

}  // namespace kemora::mainwindow
