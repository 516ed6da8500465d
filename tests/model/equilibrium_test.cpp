#include "model/equilibrium.h"

#include <gtest/gtest.h>

#include <limits>

namespace kemora::model {
namespace {

Experiment MakeExperiment(int32_t liquid, int32_t temperature, int32_t mol = 1,
                          int32_t pressureUnit = MmHg, int32_t temperatureUnit = Celsius) {
    Experiment experiment;
    FillVaporPressureTable(experiment.table);
    experiment.liquid = liquid;
    experiment.settings.temperature = temperature;
    experiment.settings.mol = mol;
    experiment.settings.pressureUnit = pressureUnit;
    experiment.settings.temperatureUnit = temperatureUnit;
    experiment.satVolume = SaturationVolume(experiment);
    experiment.liqVolume = LiquidVolume();
    return experiment;
}

TEST(EquilibriumModel, WorkedExamples) {
    struct Case {
        int32_t liquid;
        int32_t celsius;
        double mmHg;
        double atm;  // to the digits given, ± half a unit in the last
        double hPa;
        int32_t satVolume;
    };
    const Case cases[] = {
        {Water, 27, 31.37707, 0.041286, 41.822, 596},
        {Ethanol, 27, 71.30869, 0.093827, 95.047, 262},
        {DiethylEther, 27, 524.2694, 0.689828, 698.796, 36},
        {Water, 30, 36.86656, 0.048509, 49.139, 512},
        {Ethanol, 30, 83.78484, 0.110243, 111.676, 225},
        {DiethylEther, 30, 615.9954, 0.810520, 821.057, 31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "liquid " << c.liquid << " at " << c.celsius);
        for (int32_t unit : {MmHg, Atm, HPa}) {
            const Experiment experiment = MakeExperiment(c.liquid, c.celsius, 1, unit);
            EXPECT_EQ(experiment.satVolume, c.satVolume);
            const double pressure = VaporPressureAt(experiment, c.celsius);
            if (unit == MmHg) {
                EXPECT_EQ(pressure, c.mmHg);
            } else if (unit == Atm) {
                EXPECT_NEAR(pressure, c.atm, 0.5e-6);
            } else {
                EXPECT_NEAR(pressure, c.hPa, 0.5e-3);
            }
        }
    }
}

TEST(EquilibriumModel, UnitConversionsKeepTheirEvaluationOrder) {
    const Experiment atm = MakeExperiment(Water, 27, 1, Atm);
    // 31.37707 / 760 = 0.0412856184210526315…
    EXPECT_EQ(VaporPressureAt(atm, 27), 0.04128561842105263);
    const Experiment hPa = MakeExperiment(Water, 27, 1, HPa);
    // 1013 / 760 × 31.37707 = 41.8223314605263157…: the factor 1013 / 760 taken first gives
    // the double written here; multiplying by 1013 before dividing would give the one below
    // it, 41.822331460526314.
    EXPECT_EQ(VaporPressureAt(hPa, 27), 41.82233146052632);
    EXPECT_NEAR(VaporPressureAt(atm, 27), 0.0412856, 0.5e-7);
    EXPECT_NEAR(VaporPressureAt(hPa, 27), 41.8223, 0.5e-4);
}

TEST(EquilibriumModel, UnitsOfTemperatureAndPressure) {
    struct Case {
        int32_t temperatureUnit;
        int32_t temperature;
        int64_t celsius;
        double inUnit;  // 30 °C in the unit
    };
    const Case cases[] = {
        {Celsius, 27, 27, 30},
        {Kelvin, 300, 27, 303},
        {2, 300, 300, 30},
        {Kelvin, std::numeric_limits<int32_t>::min(),
         int64_t{std::numeric_limits<int32_t>::min()} - 273, 303},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.temperature);
        ExperimentSettings settings;
        settings.temperatureUnit = c.temperatureUnit;
        EXPECT_EQ(CelsiusOf(settings, c.temperature), c.celsius);
        EXPECT_EQ(TemperatureInUnit(settings, 30.0), c.inUnit);
    }

    // The vapor pressure's conversion, in its order of evaluation: 1 atm is 760 mmHg and
    // 1013 hPa.
    struct Unit {
        int32_t pressureUnit;
        double oneAtmosphere;
        double water27;  // 31.37707 mmHg
    };
    const Unit units[] = {{MmHg, 760.0, 31.37707},
                          {Atm, 1.0, 0.04128561842105263},
                          {HPa, 1013.0, 41.82233146052632},
                          {7, 1013.0, 41.82233146052632}};
    for (const Unit& u : units) {
        SCOPED_TRACE(u.pressureUnit);
        ExperimentSettings settings;
        settings.pressureUnit = u.pressureUnit;
        EXPECT_NEAR(PressureInUnit(settings, 760.0), u.oneAtmosphere, 1e-12);
        EXPECT_EQ(PressureInUnit(settings, 31.37707), u.water27);
    }
}

TEST(EquilibriumModel, PressureAtVolume) {
    struct Case {
        int32_t liquid;
        int32_t volume;
        double pressure;  // mmHg at 27 °C, 1 mol
    };
    const Case cases[] = {
        {Water, 300, 31.37707},       {Water, 595, 31.37707},  {Water, 596, 31.37707},
        {Water, 700, 26.7153},        {Ethanol, 524, 35.6543}, {DiethylEther, 72, 262.1347},
        {DiethylEther, 700, 26.9624}, {Water, 0, 31.37707},    {Water, -20, 31.37707},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "liquid " << c.liquid << " at " << c.volume << " L");
        const Experiment experiment = MakeExperiment(c.liquid, 27);
        EXPECT_NEAR(PressureAtVolume(experiment, c.volume), c.pressure, 0.5e-4);
    }
    const Experiment water = MakeExperiment(Water, 27);
    EXPECT_EQ(PressureAtVolume(water, 700), (31.37707 * 596) / 700);
}

TEST(EquilibriumModel, SaturationVolumeEdgeCases) {
    struct Case {
        const char* what;
        Experiment experiment;
        int32_t satVolume;
    };
    const Case cases[] = {
        {"2 mol of water at 27 °C", MakeExperiment(Water, 27, 2), 1192},
        {"300 K reads the 27 °C row", MakeExperiment(Water, 300, 1, MmHg, Kelvin), 596},
        {"temperature unit 2 is Celsius", MakeExperiment(Water, 27, 1, MmHg, 2), 596},
        {"-150 °C reads the -100 °C row", MakeExperiment(Water, -150), 37809901},
        {"0 mol", MakeExperiment(Water, 27, 0), 0},
        {"above 200 °C", MakeExperiment(Water, 201), 0},
        {"beyond the 32-bit range",
         MakeExperiment(Water, -150, std::numeric_limits<int32_t>::max()),
         std::numeric_limits<int32_t>::max()},
        {"the lowest temperature in kelvin",
         MakeExperiment(Water, std::numeric_limits<int32_t>::min(), 1, MmHg, Kelvin),
         std::numeric_limits<int32_t>::min()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.experiment.satVolume, c.satVolume);
    }
}

TEST(EquilibriumModel, TemperaturesAboveTheTableGiveNoPressure) {
    for (int32_t liquid : {Water, Ethanol, DiethylEther}) {
        for (int32_t unit : {MmHg, Atm, HPa}) {
            const Experiment experiment = MakeExperiment(liquid, 201, 1, unit);
            EXPECT_EQ(VaporPressureAt(experiment, 201), 0.0);
            EXPECT_EQ(PressureAtVolume(experiment, 100), 0.0);
            EXPECT_EQ(PressureAtVolume(experiment, 0), 0.0);
        }
    }
}

TEST(EquilibriumModel, OtherLiquidValuesReadDiethylEther) {
    for (int32_t liquid : {2, 3, -1, std::numeric_limits<int32_t>::min()}) {
        SCOPED_TRACE(liquid);
        const Experiment experiment = MakeExperiment(liquid, 27);
        EXPECT_EQ(VaporPressureAt(experiment, 27), 524.2694);
    }
}

TEST(EquilibriumModel, OtherPressureUnitsReadHectopascal) {
    for (int32_t unit : {5, -1}) {
        const Experiment experiment = MakeExperiment(Water, 27, 1, unit);
        EXPECT_EQ(VaporPressureAt(experiment, 27), (1013.0 / 760.0) * 31.37707);
    }
}

TEST(EquilibriumModel, NoSubstanceIsAllVaporAtZeroPressure) {
    const Experiment experiment = MakeExperiment(Water, 27, 0);
    EXPECT_EQ(experiment.satVolume, 0);
    EXPECT_EQ(PressureAtVolume(experiment, 10), 0.0);
    // Volume 0 against a saturation volume of 0 is all liquid: the vapor pressure.
    EXPECT_EQ(PressureAtVolume(experiment, 0), 31.37707);
}

TEST(EquilibriumModel, VaporRowCount) {
    Experiment experiment = MakeExperiment(Water, 27);
    ASSERT_EQ(experiment.satVolume, 596);
    const std::pair<int32_t, int32_t> cases[] = {{19, 0}, {20, 1}, {300, 8}, {590, 15}};
    for (const auto& [volume, rows] : cases) {
        SCOPED_TRACE(volume);
        EXPECT_EQ(VaporRowCount(experiment, volume), rows);
    }
    experiment.satVolume = 0;  // a quotient of 0 is replaced by 1
    EXPECT_EQ(VaporRowCount(experiment, 7), 7);
}

TEST(EquilibriumModel, PhaseAt) {
    struct Case {
        int32_t mol;
        int32_t volume;  // litres
        Phase phase;
    };
    // Water at 27 °C: 1 mol saturates at 596 litres, no substance at 0.
    const Case cases[] = {
        {1, -5, Phase::AllLiquid},     {1, 0, Phase::AllLiquid},
        {1, 1, Phase::LiquidAndVapor}, {1, 595, Phase::LiquidAndVapor},
        {1, 596, Phase::AllVapor},     {1, 700, Phase::AllVapor},
        {0, 0, Phase::AllLiquid},      {0, 1, Phase::AllVapor},
        {-1, -300, Phase::AllLiquid},  // the two limits cross: the liquid side wins
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mol << " mol, " << c.volume << " L");
        EXPECT_EQ(PhaseAt(MakeExperiment(Water, 27, c.mol), c.volume), c.phase);
    }
}

TEST(EquilibriumModel, ConvertsPressuresAndTemperaturesBetweenUnits) {
    struct PressureCase {
        double pressure;
        int32_t from;
        int32_t to;
        double converted;
    };
    // 1 atm = 760 mmHg = 1013 hPa; any unit but mmHg and atm is hPa.
    const PressureCase pressures[] = {
        {760, MmHg, Atm, 1},
        {1, Atm, MmHg, 760},
        {760, MmHg, HPa, 1013},
        {1013, HPa, MmHg, 760},
        {2, Atm, HPa, 2026},
        {2026, HPa, Atm, 2},
        {31.37707, MmHg, MmHg, 31.37707},
        {5, 2, 7, 5},
        {1013, 9, Atm, 1},
    };
    for (const PressureCase& c : pressures) {
        SCOPED_TRACE(testing::Message() << c.pressure << " from " << c.from << " to " << c.to);
        EXPECT_NEAR(ConvertPressure(c.pressure, c.from, c.to), c.converted, 1e-12);
    }
    struct TemperatureCase {
        int32_t temperature;
        int32_t from;
        int32_t to;
        int64_t converted;
    };
    const TemperatureCase temperatures[] = {
        {27, Celsius, Kelvin, 300},
        {300, Kelvin, Celsius, 27},
        {27, Celsius, Celsius, 27},
        {27, 5, Celsius, 27},
        {std::numeric_limits<int32_t>::max(), Celsius, Kelvin, int64_t{2147483647} + 273},
        {std::numeric_limits<int32_t>::min(), Kelvin, Celsius, int64_t{-2147483648} - 273},
    };
    for (const TemperatureCase& c : temperatures) {
        SCOPED_TRACE(testing::Message() << c.temperature << " from " << c.from);
        EXPECT_EQ(ConvertTemperature(c.temperature, c.from, c.to), c.converted);
    }
}

TEST(EquilibriumModel, LiquidVolumeIsAlwaysZero) {
    EXPECT_EQ(LiquidVolume(), 0);
}

}  // namespace
}  // namespace kemora::model
