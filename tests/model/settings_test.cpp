#include "model/settings.h"

#include <gtest/gtest.h>

namespace kemora::model {
namespace {

TEST(ExperimentSettings, StartsAtZero) {
    const ExperimentSettings settings;
    EXPECT_EQ(settings, (ExperimentSettings{0, 0, 0, 0, 0, 0, 0.0, 0.0}));
}

TEST(SetDefaultSettings, StoresTheDefaultButtonValues) {
    ExperimentSettings settings{-5, 9, Kelvin, HPa, 3, 4, 5.5, 6.5};
    SetDefaultSettings(settings);
    EXPECT_EQ(settings, (ExperimentSettings{27, 1, Celsius, MmHg, 0, 700, 0.0, 800.0}));
}

TEST(SettingKeys, FieldOrderWithFallbackTexts) {
    const char* names[] = {"temperature", "mol",      "temperatureUnit", "pressureUnit",
                           "grphWMin",    "grphWMax", "grphHMin",        "grphHMax"};
    const char* fallbacks[] = {"30", "1", "0", "0", "-50", "150", "0", "800"};
    for (std::size_t i = 0; i < kSettingKeys.size(); ++i) {
        EXPECT_EQ(kSettingKeys[i].name, names[i]);
        EXPECT_EQ(kSettingKeys[i].fallbackText, fallbacks[i]);
    }
}

TEST(PressureUnitText, OtherValuesReadAsHectopascal) {
    EXPECT_EQ(PressureUnitText(0), "mmHg");
    EXPECT_EQ(PressureUnitText(1), "atm");
    EXPECT_EQ(PressureUnitText(2), "hPa");
    EXPECT_EQ(PressureUnitText(5), "hPa");
    EXPECT_EQ(PressureUnitText(-1), "hPa");
}

TEST(TemperatureUnitText, OnlyKelvinReadsAsKelvin) {
    EXPECT_EQ(TemperatureUnitText(0), "°C");
    EXPECT_EQ(TemperatureUnitText(1), "K");
    EXPECT_EQ(TemperatureUnitText(2), "°C");
    EXPECT_EQ(TemperatureUnitText(-1), "°C");
}

}  // namespace
}  // namespace kemora::model
