#include "model/form_of_settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace kemora::model {
namespace {

ExperimentSettings Settings(int32_t mol, int32_t temperature, int32_t unit, int32_t wMin,
                            int32_t wMax, double hMin, double hMax) {
    ExperimentSettings settings;
    settings.mol = mol;
    settings.temperature = temperature;
    settings.pressureUnit = unit;
    settings.grphWMin = wMin;
    settings.grphWMax = wMax;
    settings.grphHMin = hMin;
    settings.grphHMax = hMax;
    return settings;
}

TEST(FormOfSettings, WritesEachFieldAsTheFormShowsIt) {
    struct Case {
        const char* name;
        ExperimentSettings settings;
        SettingsForm expected;
    };
    const Case cases[] = {
        {"the defaults",
         Settings(1, 27, 0, 0, 700, 0.0, 800.0),
         {"1", "27", 0, "0", "700", "0", "800"}},
        {"negatives and fractions of the pressure axis",
         Settings(-3, -20, 1, -50, 10, -0.5, 1.25),
         {"-3", "-20", 1, "-50", "10", "-0.5", "1.25"}},
        {"hPa and a long fraction cut to 15 digits",
         Settings(2, 100, 2, 0, 5, 0.0, 0.1 + 0.2),
         {"2", "100", 2, "0", "5", "0", "0.3"}},
        {"a unit outside the list selects none",
         Settings(1, 27, 3, 0, 700, 0.0, 800.0),
         {"1", "27", -1, "0", "700", "0", "800"}},
        {"a negative unit selects none",
         Settings(1, 27, -1, 0, 700, 0.0, 800.0),
         {"1", "27", -1, "0", "700", "0", "800"}},
        {"the ends of 32 bits",
         Settings(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), 0, 0, 0,
                  0.0, 0.0),
         {"-2147483648", "2147483647", 0, "0", "0", "0", "0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SettingsForm form = FormOfSettings(c.settings);
        EXPECT_EQ(form.mol, c.expected.mol);
        EXPECT_EQ(form.temperature, c.expected.temperature);
        EXPECT_EQ(form.pressureUnitIndex, c.expected.pressureUnitIndex);
        EXPECT_EQ(form.volumeMin, c.expected.volumeMin);
        EXPECT_EQ(form.volumeMax, c.expected.volumeMax);
        EXPECT_EQ(form.pressureMin, c.expected.pressureMin);
        EXPECT_EQ(form.pressureMax, c.expected.pressureMax);
    }
}

TEST(FormOfSettings, ReadsBackAsTheSameSettings) {
    ExperimentSettings settings = Settings(4, 35, 1, 10, 300, 0.25, 2.0);
    settings.temperatureUnit = Kelvin;
    const SettingsFormReading reading = ReadSettingsForm(FormOfSettings(settings), settings);
    ASSERT_TRUE(reading.settings.has_value());
    EXPECT_EQ(*reading.settings, settings);
}

}  // namespace
}  // namespace kemora::model
