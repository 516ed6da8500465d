#include "curve/curve_figure.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "mainwindow/main_window_fixture.h"

namespace kemora::curve {
namespace {

model::Experiment MakeExperiment(int32_t liquid, int32_t temperature,
                                 int32_t pressureUnit = model::MmHg,
                                 int32_t temperatureUnit = model::Celsius) {
    model::Experiment experiment;
    model::FillVaporPressureTable(experiment.table);
    experiment.liquid = liquid;
    experiment.settings.temperature = temperature;
    experiment.settings.mol = 1;
    experiment.settings.pressureUnit = pressureUnit;
    experiment.settings.temperatureUnit = temperatureUnit;
    return experiment;
}

const Curve& CurveOf(const std::vector<Curve>& curves, int32_t liquid) {
    for (const Curve& curve : curves) {
        if (curve.liquid == liquid)
            return curve;
    }
    ADD_FAILURE() << "no curve for liquid " << liquid;
    return curves.front();
}

std::vector<double> TickValues(const AxisTicks& axis) {
    std::vector<double> values;
    for (const Tick& tick : axis.labelled) values.push_back(tick.value);
    return values;
}

TEST(BoilingPoints, WhereTheTableReaches760) {
    struct Case {
        int32_t liquid;
        int32_t celsius;
    };
    const Case cases[] = {
        {model::Water, 100}, {model::Ethanol, 78}, {model::DiethylEther, 34}, {-1, 34}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.liquid);
        // The units of the experiment play no part.
        EXPECT_EQ(BoilingCelsius(MakeExperiment(model::Water, 27), c.liquid), c.celsius);
        EXPECT_EQ(
            BoilingCelsius(MakeExperiment(model::Water, 300, model::HPa, model::Kelvin), c.liquid),
            c.celsius);
    }
    model::Experiment unfilled;
    EXPECT_EQ(BoilingCelsius(unfilled, model::Water), std::nullopt);
}

TEST(BoilingPoints, MarkedOnTheOneAtmosphereLineInTheUnits) {
    struct Case {
        const char* what;
        int32_t pressureUnit;
        int32_t temperatureUnit;
        double oneAtmosphere;
        std::vector<int32_t> temperatures;
    };
    const Case cases[] = {
        {"mmHg, °C", model::MmHg, model::Celsius, 760.0, {100, 78, 34}},
        {"atm, °C", model::Atm, model::Celsius, 1.0, {100, 78, 34}},
        // The program's own conversion: 1 atm is 1013 hPa.
        {"hPa, K", model::HPa, model::Kelvin, 1013.0, {373, 351, 307}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CurveFigure figure = BuildCurveFigure(
            MakeExperiment(model::Water, c.temperatureUnit == model::Kelvin ? 300 : 27,
                           c.pressureUnit, c.temperatureUnit),
            {});
        EXPECT_NEAR(figure.oneAtmosphere, c.oneAtmosphere, 1e-9);
        ASSERT_EQ(figure.boilingPoints.size(), 3u);
        const mainwindow::Rgb colors[] = {{0, 0, 192}, {0, 204, 0}, {0, 204, 204}};
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(figure.boilingPoints[i].liquid, static_cast<int32_t>(i));
            EXPECT_EQ(figure.boilingPoints[i].temperature, c.temperatures[i]);
            EXPECT_EQ(figure.boilingPoints[i].color, colors[i]);
        }
    }
}

TEST(TableCurves, AreTheTableItselfInTheUnitsWithTheCurrentLiquidMarked) {
    struct Case {
        const char* what;
        int32_t liquid;
        int32_t current;  // the liquid whose curve is drawn thicker
    };
    const Case cases[] = {{"water", model::Water, model::Water},
                          {"ethanol", model::Ethanol, model::Ethanol},
                          {"diethyl ether", model::DiethylEther, model::DiethylEther},
                          {"no selection reads ether", -1, model::DiethylEther}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CurveFigure figure = BuildCurveFigure(MakeExperiment(c.liquid, 30), {});
        ASSERT_EQ(figure.tableCurves.size(), 3u);
        for (const Curve& curve : figure.tableCurves)
            EXPECT_EQ(curve.current, curve.liquid == c.current) << curve.liquid;
    }

    const CurveFigure figure = BuildCurveFigure(MakeExperiment(model::Water, 30), {});
    struct Point {
        int32_t liquid;
        double celsius;
        double mmHg;  // reference rows of the table
    };
    const Point points[] = {
        {model::Water, -20, 1.52392},         {model::Water, 27, 31.37707},
        {model::Water, 100, 760.0},           {model::Water, 120, 1480.263},
        {model::Ethanol, 78, 760.0},          {model::Ethanol, 0, 14.24691},
        {model::DiethylEther, 34, 760.0},     {model::DiethylEther, -20, 25.45971},
        {model::DiethylEther, 120, 24736.93},
    };
    for (const Point& p : points) {
        SCOPED_TRACE(testing::Message() << p.liquid << " at " << p.celsius);
        const Curve& curve = CurveOf(figure.tableCurves, p.liquid);
        ASSERT_EQ(curve.points.size(), 141u);  // every whole degree from -20 to 120 °C
        EXPECT_EQ(curve.points.front().temperature, -20);
        EXPECT_EQ(curve.points.back().temperature, 120);
        EXPECT_EQ(curve.points[static_cast<std::size_t>(p.celsius + 20)],
                  (CurvePoint{p.celsius, p.mmHg}));
    }
    EXPECT_EQ(CurveOf(figure.tableCurves, model::Water).color, (mainwindow::Rgb{0, 0, 192}));
    EXPECT_EQ(CurveOf(figure.tableCurves, model::Ethanol).color, (mainwindow::Rgb{0, 204, 0}));
    EXPECT_EQ(CurveOf(figure.tableCurves, model::DiethylEther).color,
              (mainwindow::Rgb{0, 204, 204}));

    // In kelvin and atm: 300 K is the 27 °C row, from the axis's 240 K on.
    const CurveFigure kelvin =
        BuildCurveFigure(MakeExperiment(model::Water, 300, model::Atm, model::Kelvin), {});
    const Curve& water = CurveOf(kelvin.tableCurves, model::Water);
    ASSERT_EQ(water.points.size(), 161u);
    EXPECT_EQ(water.points.front().temperature, 240);
    EXPECT_EQ(water.points[60], (CurvePoint{300, 31.37707 / 760.0}));
}

TEST(Axes, DefaultRangesInEachUnitAndReachingOutToTheExperiment) {
    struct Case {
        const char* what;
        model::Experiment experiment;
        std::vector<double> temperatures;
        double pressureTop;
        std::size_t pressureTicks;
        const char* temperatureUnit;
        const char* pressureUnit;
    };
    const std::vector<double> celsius{-20, 0, 20, 40, 60, 80, 100, 120};
    const std::vector<double> kelvin{240, 260, 280, 300, 320, 340, 360, 380, 400};
    const Case cases[] = {
        {"water at 30 °C, mmHg", MakeExperiment(model::Water, 30), celsius, 800, 9, "°C", "mmHg"},
        {"atm", MakeExperiment(model::Water, 30, model::Atm), celsius, 1.1, 12, "°C", "atm"},
        {"hPa", MakeExperiment(model::Water, 30, model::HPa), celsius, 1100, 12, "°C", "hPa"},
        {"kelvin", MakeExperiment(model::Water, 303, model::MmHg, model::Kelvin), kelvin, 800, 9,
         "K", "mmHg"},
        {"ether at 30 °C stays below 1 atm", MakeExperiment(model::DiethylEther, 30), celsius, 800,
         9, "°C", "mmHg"},
        {"ether at 40 °C (1031 mmHg)", MakeExperiment(model::DiethylEther, 40), celsius, 1200, 13,
         "°C", "mmHg"},
        {"water at 150 °C",
         MakeExperiment(model::Water, 150),
         {-20, 0, 20, 40, 60, 80, 100, 120, 140, 160},
         4000,
         9,
         "°C",
         "mmHg"},
        {"water at -50 °C",
         MakeExperiment(model::Water, -50),
         {-60, -40, -20, 0, 20, 40, 60, 80, 100, 120},
         800,
         9,
         "°C",
         "mmHg"},
        {"above the table: no marker, default axis", MakeExperiment(model::Water, 250), celsius,
         800, 9, "°C", "mmHg"},
        {"below the table", MakeExperiment(model::Water, -150), celsius, 800, 9, "°C", "mmHg"},
        {"far beyond in kelvin",
         MakeExperiment(model::Water, std::numeric_limits<int32_t>::max(), model::MmHg,
                        model::Kelvin),
         kelvin, 800, 9, "K", "mmHg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CurveFigure figure = BuildCurveFigure(c.experiment, {});
        EXPECT_EQ(TickValues(figure.temperatureAxis), c.temperatures);
        EXPECT_EQ(figure.pressureAxis.low, 0);
        EXPECT_NEAR(figure.pressureAxis.high, c.pressureTop, 1e-12);
        EXPECT_EQ(figure.pressureAxis.labelled.size(), c.pressureTicks);
        EXPECT_EQ(figure.temperatureUnitText, c.temperatureUnit);
        EXPECT_EQ(figure.pressureUnitText, c.pressureUnit);
        EXPECT_FALSE(figure.logarithmic);
        if (figure.marker) {
            EXPECT_GE(figure.marker->temperature, figure.temperatureAxis.low);
            EXPECT_LE(figure.marker->temperature, figure.temperatureAxis.high);
            EXPECT_LT(figure.marker->pressure, figure.pressureAxis.high);
        }
    }
}

TEST(Axes, LogarithmicPressureShowsTheLowestCurveValue) {
    struct Case {
        const char* what;
        model::Experiment experiment;
        CurveOptions options;
        std::vector<double> decades;
    };
    const Case cases[] = {
        // Water at -20 °C is 1.52 mmHg.
        {"mmHg", MakeExperiment(model::Water, 30), {true, false}, {1, 10, 100, 1000}},
        {"with the measured curves",
         MakeExperiment(model::Water, 30),
         {true, true},
         {1, 10, 100, 1000}},
        {"atm",
         MakeExperiment(model::Water, 30, model::Atm),
         {true, false},
         {0.001, 0.01, 0.1, 1, 10}},
        // Down to -100 °C, where water's table value is 0.0002 mmHg.
        {"water at -100 °C",
         MakeExperiment(model::Water, -100),
         {true, false},
         {1e-4, 0.001, 0.01, 0.1, 1, 10, 100, 1000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CurveFigure figure = BuildCurveFigure(c.experiment, c.options);
        EXPECT_TRUE(figure.logarithmic);
        EXPECT_EQ(TickValues(figure.pressureAxis), c.decades);
        EXPECT_FALSE(figure.pressureAxis.minor.empty());
    }
}

TEST(Marker, SitsOnTheCurrentCurveAtTheExperimentsTemperature) {
    struct Case {
        const char* what;
        model::Experiment experiment;
        int32_t temperature;
        double pressure;
        const char* text;
    };
    const Case cases[] = {
        {"water at 30 °C", MakeExperiment(model::Water, 30), 30, 36.86656, "36.9"},
        {"ethanol at 30 °C", MakeExperiment(model::Ethanol, 30), 30, 83.78484, "83.8"},
        {"ether at 30 °C", MakeExperiment(model::DiethylEther, 30), 30, 615.9954, "616.0"},
        {"ether at 30 °C in atm", MakeExperiment(model::DiethylEther, 30, model::Atm), 30,
         615.9954 / 760.0, "0.811"},
        {"300 K", MakeExperiment(model::Water, 300, model::MmHg, model::Kelvin), 300, 31.37707,
         "31.4"},
        {"the table's first row", MakeExperiment(model::Water, -100), -100, 0.0002027342, "0.0"},
        {"the table's last row", MakeExperiment(model::Water, 200), 200, 12124.83, "12124.8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CurveFigure figure = BuildCurveFigure(c.experiment, {});
        ASSERT_TRUE(figure.marker.has_value());
        EXPECT_EQ(figure.marker->temperature, c.temperature);
        EXPECT_EQ(figure.marker->pressure, c.pressure);
        EXPECT_EQ(figure.marker->pressureText, c.text);
    }
    for (int32_t outside : {-101, 201, std::numeric_limits<int32_t>::min()}) {
        SCOPED_TRACE(outside);
        EXPECT_FALSE(BuildCurveFigure(MakeExperiment(model::Water, outside), {}).marker);
    }
}

// The dot's text is the main window's pressure text for a volume in the two-phase range.
class MarkerAndPressureField : public mainwindow::MainWindowTest {};

TEST_F(MarkerAndPressureField, ShowTheSameText) {
    struct Case {
        int32_t unit;
        const char* text;  // water at 27 °C
    };
    const Case cases[] = {{model::MmHg, "31.4"}, {model::Atm, "0.041"}, {model::HPa, "42"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        startWith27Degrees(c.unit);
        view.type("1");
        view.type("300");  // below the saturation volume of 596 L
        EXPECT_EQ(view.pressure, c.text);
        const CurveFigure figure = BuildCurveFigure(state.experiment, {});
        ASSERT_TRUE(figure.marker.has_value());
        EXPECT_EQ(figure.marker->pressureText, view.pressure);
    }
}

TEST(MeasuredCurves, DrawnOnlyWhenAskedAndOnlyOverTheirRanges) {
    EXPECT_TRUE(BuildCurveFigure(MakeExperiment(model::Water, 30), {}).measuredCurves.empty());

    struct Case {
        const char* what;
        model::Experiment experiment;
        int32_t liquid;
        double first;  // in the axis's unit
        double last;
    };
    const Case cases[] = {
        {"water, 1..100 °C", MakeExperiment(model::Water, 30), model::Water, 1, 100},
        {"ethanol, from the axis's -20 °C to 80 °C", MakeExperiment(model::Water, 30),
         model::Ethanol, -20, 80},
        {"diethyl ether, -20..35 °C", MakeExperiment(model::Water, 30), model::DiethylEther, -20,
         35},
        {"ethanol from -57 °C on a wider axis", MakeExperiment(model::Water, -80), model::Ethanol,
         -57, 80},
        {"water in kelvin and hPa", MakeExperiment(model::Water, 300, model::HPa, model::Kelvin),
         model::Water, 274, 373},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CurveFigure figure = BuildCurveFigure(c.experiment, {false, true});
        ASSERT_EQ(figure.measuredCurves.size(), 3u);
        const Curve& curve = CurveOf(figure.measuredCurves, c.liquid);
        ASSERT_GE(curve.points.size(), 2u);
        EXPECT_NEAR(curve.points.front().temperature, c.first, 1e-9);
        EXPECT_NEAR(curve.points.back().temperature, c.last, 1e-9);
        for (std::size_t i = 1; i < curve.points.size(); ++i) {
            EXPECT_GT(curve.points[i].temperature, curve.points[i - 1].temperature);
            EXPECT_GT(curve.points[i].pressure, curve.points[i - 1].pressure);
        }
        EXPECT_EQ(curve.color, CurveOf(figure.tableCurves, c.liquid).color);
    }
    // Water's measured curve ends at 1 atm, where the table's boils too.
    const CurveFigure hPa = BuildCurveFigure(
        MakeExperiment(model::Water, 300, model::HPa, model::Kelvin), {false, true});
    EXPECT_NEAR(CurveOf(hPa.measuredCurves, model::Water).points.back().pressure, 1013.0, 0.7);
}

}  // namespace
}  // namespace kemora::curve
