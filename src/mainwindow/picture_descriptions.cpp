#include "mainwindow/picture_descriptions.h"

#include "model/numbers.h"
#include "model/settings.h"

namespace kemora::mainwindow {

LayerSplit CylinderLayers(const MoleculeField& field) {
    LayerSplit split;
    for (int layer = 1; layer <= MoleculeField::kLayers; ++layer) {
        switch (field.at(layer, 1).state) {
            case StateLiquid:
            case StateAllLiquid:
                ++split.liquidLayers;
                break;
            case StateVapor:
                ++split.vaporLayers;
                break;
            default:  // a state no rule gives: neither
                break;
        }
    }
    return split;
}

GraphReading ReadGraph(const GraphState& graph) {
    GraphReading reading;
    reading.shown = graph.graphVisible != 0;
    if (reading.shown && !graph.plottedStates.empty()) {
        const PlottedState& state = graph.plottedStates.back();
        reading.newest = PointReading{
            state.volume,
            model::FixedText(state.pressure, model::PressureDecimals(state.pressureUnit)),
            std::string(model::PressureUnitText(state.pressureUnit))};
    }
    return reading;
}

}  // namespace kemora::mainwindow
