#include "curve/readout.h"

#include <gtest/gtest.h>

#include <limits>

namespace kemora::curve {
namespace {

model::Experiment MakeExperiment(int32_t pressureUnit, int32_t temperatureUnit) {
    model::Experiment experiment;
    model::FillVaporPressureTable(experiment.table);
    experiment.liquid = model::Water;
    experiment.settings.temperature = 27;
    experiment.settings.pressureUnit = pressureUnit;
    experiment.settings.temperatureUnit = temperatureUnit;
    return experiment;
}

TEST(Readout, WholeDegreeUnderThePointerAndTheThreePressures) {
    struct Case {
        const char* what;
        int32_t pressureUnit;
        int32_t temperatureUnit;
        double pointer;
        int32_t temperature;
        std::array<const char*, 3> texts;  // water, ethanol, diethyl ether
    };
    const Case cases[] = {
        {"30 °C", model::MmHg, model::Celsius, 30.2, 30, {"36.9", "83.8", "616.0"}},
        {"a half up to the even degree",
         model::MmHg,
         model::Celsius,
         29.5,
         30,
         {"36.9", "83.8", "616.0"}},
        {"a half down to the even degree",
         model::MmHg,
         model::Celsius,
         30.5,
         30,
         {"36.9", "83.8", "616.0"}},
        {"27 °C", model::MmHg, model::Celsius, 27.4, 27, {"31.4", "71.3", "524.3"}},
        {"atm", model::Atm, model::Celsius, 30, 30, {"0.049", "0.110", "0.811"}},
        {"hPa", model::HPa, model::Celsius, 30, 30, {"49", "112", "821"}},
        {"300 K", model::MmHg, model::Kelvin, 299.8, 300, {"31.4", "71.3", "524.3"}},
        {"the boiling points",
         model::MmHg,
         model::Celsius,
         100,
         100,
         {"760.0", "1727.4", "12700.2"}},
        {"the table's first row", model::MmHg, model::Celsius, -100.4, -100, {"0.0", "0.0", "0.0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<Readout> readout =
            ReadoutAt(MakeExperiment(c.pressureUnit, c.temperatureUnit), c.pointer);
        ASSERT_TRUE(readout.has_value());
        EXPECT_EQ(readout->temperature, c.temperature);
        for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(readout->pressureTexts[i], c.texts[i]) << i;
    }
}

TEST(Readout, NoneOutsideTheTable) {
    const model::Experiment celsius = MakeExperiment(model::MmHg, model::Celsius);
    const model::Experiment kelvin = MakeExperiment(model::MmHg, model::Kelvin);
    const double outside[] = {200.6,
                              -100.6,
                              1e12,
                              -1e12,
                              std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity()};
    for (double pointer : outside) {
        SCOPED_TRACE(pointer);
        EXPECT_FALSE(ReadoutAt(celsius, pointer).has_value());
    }
    EXPECT_FALSE(ReadoutAt(kelvin, 172).has_value());
    EXPECT_FALSE(ReadoutAt(kelvin, 474).has_value());
    EXPECT_TRUE(ReadoutAt(kelvin, 473).has_value());
}

}  // namespace
}  // namespace kemora::curve
