#include "mainwindow/picture_descriptions.h"

#include <gtest/gtest.h>

#include <vector>

#include "main_window_fixture.h"

namespace kemora::mainwindow {
namespace {

TEST(CylinderLayers, CountsEachLayerByItsState) {
    struct Case {
        const char* what;
        int16_t bottomStates;  // state of the bottom `bottom` layers
        int bottom;
        int16_t topStates;  // state of the rest
        LayerSplit split;
    };
    const Case cases[] = {
        {"all liquid after a layout", StateAllLiquid, 15, StateAllLiquid, {15, 0}},
        {"liquid below vapor", StateLiquid, 7, StateVapor, {7, 8}},
        {"all vapor", StateVapor, 15, StateVapor, {0, 15}},
        {"a state no rule gives counts as neither", StateLiquid, 3, 0, {3, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MoleculeField field;
        for (int layer = 1; layer <= MoleculeField::kLayers; ++layer) {
            for (int column = 1; column <= MoleculeField::kColumns; ++column)
                field.at(layer, column).state = layer <= c.bottom ? c.bottomStates : c.topStates;
        }
        EXPECT_EQ(CylinderLayers(field), c.split);
    }
}

TEST(ReadGraph, TellsTheNewestStateInThePatternAndUnitItWasPlottedIn) {
    const auto plotted = [](int32_t volume, double pressure, model::PressureUnit unit) {
        PlottedState state;
        state.volume = volume;
        state.pressure = pressure;
        state.pressureUnit = unit;
        return state;
    };
    struct Case {
        int32_t graphVisible;
        std::vector<PlottedState> states;  // oldest first
        GraphReading reading;
    };
    const Case cases[] = {
        {1, {plotted(300, 31.37707, model::MmHg)}, {true, PointReading{300, "31.4", "mmHg"}}},
        {1, {plotted(300, 0.0412856, model::Atm)}, {true, PointReading{300, "0.041", "atm"}}},
        {1, {plotted(300, 41.8223, model::HPa)}, {true, PointReading{300, "42", "hPa"}}},
        {1,
         {plotted(700, 26.7153, model::MmHg), plotted(-20, 0.0412856, model::Atm)},
         {true, PointReading{-20, "0.041", "atm"}}},
        {1, {}, {true, std::nullopt}},
        {0, {}, {false, std::nullopt}},
        {0, {plotted(300, 31.37707, model::MmHg)}, {false, std::nullopt}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "visible " << c.graphVisible << ", " << c.states.size() << " states");
        GraphState graph;
        graph.graphVisible = c.graphVisible;
        graph.plottedStates = c.states;
        EXPECT_EQ(ReadGraph(graph), c.reading);
    }
}

TEST_F(MainWindowTest, ThePicturesAreDescribedWheneverTheyChange) {
    startWith27Degrees();
    EXPECT_EQ(view.cylinderLayers, (LayerSplit{15, 0}));
    EXPECT_EQ(view.graphReading, (GraphReading{true, std::nullopt}));

    view.type("300");
    EXPECT_EQ(view.graphReading, (GraphReading{true, PointReading{300, "31.4", "mmHg"}}));
    EXPECT_EQ(view.cylinderLayers, (LayerSplit{15, 0}));  // the layers follow at the next frame
    drawNextFrame();
    EXPECT_EQ(view.cylinderLayers, (LayerSplit{7, 8}));

    view.type("700");
    drawNextFrame();
    EXPECT_EQ(view.cylinderLayers, (LayerSplit{0, 15}));
    EXPECT_EQ(view.graphReading, (GraphReading{true, PointReading{700, "26.7", "mmHg"}}));

    logic->picGrphCls_Click();
    EXPECT_EQ(view.graphReading, (GraphReading{true, std::nullopt}));
    logic->picGrphSw_Click();
    EXPECT_EQ(view.graphReading, (GraphReading{false, std::nullopt}));
    view.type("400");
    EXPECT_EQ(view.graphReading, (GraphReading{false, std::nullopt}));
    logic->picGrphSw_Click();
    EXPECT_EQ(view.graphReading, (GraphReading{true, std::nullopt}));

    view.type("-5");  // back in the liquid block at once
    EXPECT_EQ(view.cylinderLayers, (LayerSplit{15, 0}));
    EXPECT_EQ(view.graphReading, (GraphReading{true, PointReading{-5, "31.4", "mmHg"}}));
    logic->Form_Activate();
    EXPECT_EQ(view.graphReading, (GraphReading{true, std::nullopt}));
}

TEST_F(MainWindowTest, AScenarioStepIsDescribedToo) {
    startWith27Degrees();
    view.type("300");
    state.currentScenario.steps[1].kind = scenario::StepHideGraph;
    state.currentScenario.stepCount = 1;
    logic->picSinario_Click();
    logic->Form_KeyUp(kKeyDown);
    EXPECT_EQ(view.graphReading, (GraphReading{false, std::nullopt}));
}

}  // namespace
}  // namespace kemora::mainwindow
