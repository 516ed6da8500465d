#include "model/settings_form.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace kemora::model {
namespace {

SettingsForm Form() {
    SettingsForm form;
    form.mol = "1";
    form.temperature = "27";
    form.pressureUnitIndex = 0;
    form.volumeMin = "0";
    form.volumeMax = "700";
    form.pressureMin = "0";
    form.pressureMax = "800";
    return form;
}

TEST(ReadSettingsForm, TakesWholeNumbersRoundedAndThePressureAxisAsTyped) {
    ExperimentSettings current;
    current.temperatureUnit = Kelvin;  // no field shows it: it stays
    current.grphHMax = 5;
    SettingsForm form;
    form.mol = " 2.5 ";
    form.temperature = "27.5";
    form.pressureUnitIndex = 2;
    form.volumeMin = "-50";
    form.volumeMax = "1e3";
    form.pressureMin = "0.5";
    form.pressureMax = "1013.25";
    const SettingsFormReading reading = ReadSettingsForm(form, current);
    ASSERT_TRUE(reading.settings.has_value());
    EXPECT_FALSE(reading.problem.has_value());

    ExperimentSettings expected;
    expected.mol = 2;
    expected.temperature = 28;
    expected.temperatureUnit = Kelvin;
    expected.pressureUnit = HPa;
    expected.grphWMin = -50;
    expected.grphWMax = 1000;
    expected.grphHMin = 0.5;
    expected.grphHMax = 1013.25;
    EXPECT_EQ(*reading.settings, expected);
}

TEST(ReadSettingsForm, NamesTheTopmostUnusableFieldAndWhy) {
    using F = FormField;
    constexpr auto kNoNumber = FieldFailure::NoNumber;
    constexpr auto kOutOfRange = FieldFailure::OutOfRange;
    struct Case {
        const char* name;
        void (*spoil)(SettingsForm&);
        FieldProblem problem;
    };
    const Case cases[] = {
        {"empty amount", [](SettingsForm& f) { f.mol = ""; }, {F::Mol, kNoNumber}},
        {"amount beyond 32 bits", [](SettingsForm& f) { f.mol = "3e9"; }, {F::Mol, kOutOfRange}},
        {"word in temperature",
         [](SettingsForm& f) { f.temperature = "abc"; },
         {F::Temperature, kNoNumber}},
        {"temperature beyond 32 bits",
         [](SettingsForm& f) { f.temperature = "-1e10"; },
         {F::Temperature, kOutOfRange}},
        {"no unit",
         [](SettingsForm& f) { f.pressureUnitIndex = -1; },
         {F::PressureUnit, FieldFailure::NothingChosen}},
        {"unit 3",
         [](SettingsForm& f) { f.pressureUnitIndex = 3; },
         {F::PressureUnit, FieldFailure::NothingChosen}},
        {"full-width volume minimum",
         [](SettingsForm& f) { f.volumeMin = "１"; },
         {F::VolumeMin, kNoNumber}},
        {"volume maximum beyond 32 bits",
         [](SettingsForm& f) { f.volumeMax = "2147483648"; },
         {F::VolumeMax, kOutOfRange}},
        {"blank pressure minimum",
         [](SettingsForm& f) { f.pressureMin = "  "; },
         {F::PressureMin, kNoNumber}},
        {"pressure maximum beyond a double",
         [](SettingsForm& f) { f.pressureMax = "1e999"; },
         {F::PressureMax, kNoNumber}},
        {"every field empty: the amount comes first",
         [](SettingsForm& f) { f = SettingsForm{}; },
         {F::Mol, kNoNumber}},
        {"the unit before the volume axis",
         [](SettingsForm& f) {
             f.volumeMin = "";
             f.pressureUnitIndex = -1;
         },
         {F::PressureUnit, FieldFailure::NothingChosen}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsForm form = Form();
        c.spoil(form);
        const SettingsFormReading reading = ReadSettingsForm(form, ExperimentSettings{});
        EXPECT_FALSE(reading.settings.has_value());
        EXPECT_EQ(reading.problem, c.problem);
    }
}

TEST(ReadSettingsForm, PressureBoundsBeyond32BitsAreNumbersAllTheSame) {
    SettingsForm form = Form();
    form.pressureMin = "-3e9";
    form.pressureMax = "1e300";
    const SettingsFormReading reading = ReadSettingsForm(form, ExperimentSettings{});
    ASSERT_TRUE(reading.settings.has_value());
    EXPECT_EQ(reading.settings->grphHMin, -3e9);
    EXPECT_EQ(reading.settings->grphHMax, 1e300);
}

}  // namespace
}  // namespace kemora::model

namespace kemora::model {
namespace {

// The limits stop typing, never the program: every text the program itself puts in a field
// (the "初期値" button's values, a new settings file's fallbacks) must fit in it, and the user
// must be able to type the widest values a class uses.
TEST(FieldByteLimit, HoldsTheProgramsOwnValuesAndTheWidestTypicalEntries) {
    struct Case {
        FormField field;
        std::vector<std::string_view> texts;
    };
    const Case cases[] = {
        {FormField::Mol, {"1", "100", "999"}},
        {FormField::Temperature, {"27", "-50", "200", "473"}},
        {FormField::VolumeMin, {"0", "-50"}},
        {FormField::VolumeMax, {"150", "700", "999"}},
        {FormField::PressureMin, {"0", "0.5", "-100"}},
        {FormField::PressureMax, {"800", "1013", "1.25"}},
        {FormField::Volume, {"0", "596", "1000"}},
    };
    for (const Case& c : cases) {
        for (std::string_view text : c.texts) {
            SCOPED_TRACE(text);
            EXPECT_LE(static_cast<int32_t>(text.size()), FieldByteLimit(c.field));
        }
    }
    EXPECT_EQ(FieldByteLimit(FormField::PressureUnit), 0);  // a list: nothing typed
}

// What a form shows must read back as the same settings, whatever the dialog is given.
TEST(SettingsFormOf, ShowsTextsThatReadBackAsTheSameSettings) {
    struct Case {
        const char* name;
        ExperimentSettings settings;
        SettingsForm shown;
    };
    const Case cases[] = {
        {"the defaults", {27, 1, 0, 0, 0, 700, 0, 800}, {"1", "27", 0, "0", "700", "0", "800"}},
        {"negatives, hPa, a fraction",
         {-5, 2, 0, 2, -50, 150, -0.5, 1013.25},
         {"2", "-5", 2, "-50", "150", "-0.5", "1013.25"}},
        {"fifteen digits at most",
         {30, 1, 0, 1, 0, 10, 0, 0.1 + 0.2},
         {"1", "30", 1, "0", "10", "0", "0.3"}},
        {"a unit past the list", {30, 1, 0, 3, 0, 10, 0, 1}, {"1", "30", -1, "0", "10", "0", "1"}},
        {"a negative unit", {30, 1, 0, -1, 0, 10, 0, 1}, {"1", "30", -1, "0", "10", "0", "1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SettingsForm form = SettingsFormOf(c.settings);
        EXPECT_EQ(form.mol, c.shown.mol);
        EXPECT_EQ(form.temperature, c.shown.temperature);
        EXPECT_EQ(form.pressureUnitIndex, c.shown.pressureUnitIndex);
        EXPECT_EQ(form.volumeMin, c.shown.volumeMin);
        EXPECT_EQ(form.volumeMax, c.shown.volumeMax);
        EXPECT_EQ(form.pressureMin, c.shown.pressureMin);
        EXPECT_EQ(form.pressureMax, c.shown.pressureMax);
        // A unit outside the list shows no entry, which the form refuses to read back.
        if (form.pressureUnitIndex >= 0 && c.settings.grphHMax != 0.1 + 0.2) {
            const SettingsFormReading reading = ReadSettingsForm(form, c.settings);
            ASSERT_TRUE(reading.settings.has_value());
            EXPECT_EQ(*reading.settings, c.settings);
        }
    }
}

}  // namespace
}  // namespace kemora::model
