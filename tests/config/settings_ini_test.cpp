#include "config/settings_ini.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kemora::config {
namespace {

using model::ExperimentSettings;

// A DATA line as the format writes it: the value padded with blanks to 50 characters.
std::string Line(const std::string& key, const std::string& value) {
    return key + "=" + value + std::string(50 - value.size(), ' ') + "\r\n";
}

// The bytes a browser keeps are the bytes a desktop file holds: each section is written into
// the others' bytes and read back from them, with no file in between.
TEST(SettingsIni, EachSectionWrittenIntoTheBytesKeepsTheOthers) {
    const ExperimentSettings settings{25, 2, 1, 2, -10, 500, 0.5, 1013.25};
    std::string content = SettingsIntoIni("", settings);
    EXPECT_EQ(content, "[DATA]\r\n" + Line("temperature", "25") + Line("mol", "2") +
                           Line("temperatureUnit", "1") + Line("pressureUnit", "2") +
                           Line("grphWMin", "-10") + Line("grphWMax", "500") +
                           Line("grphHMin", "0.5") + Line("grphHMax", "1013.25"));
    const std::string data = content;
    content = ViewSettingsIntoIni(content, {Language::English});
    content = ZoomIntoIni(content, 175);
    EXPECT_EQ(content, data + "[VIEW]\r\nlanguage=en\r\nzoom=175\r\n");

    ExperimentSettings loaded;
    SettingsFromIni(content, loaded);
    EXPECT_EQ(loaded, settings);
    EXPECT_EQ(ViewSettingsFromIni(content).language, Language::English);
    EXPECT_EQ(ZoomFromIni(content), 175);

    // Saving the settings again changes only their values.
    content = SettingsIntoIni(content, {30, 1, 0, 0, 0, 700, 0, 800});
    EXPECT_EQ(ViewSettingsFromIni(content).language, Language::English);
    EXPECT_EQ(ZoomFromIni(content), 175);
}

TEST(SettingsIni, NoBytesGiveTheFallbacks) {
    struct Case {
        const char* name;
        std::string content;
    };
    const Case cases[] = {
        {"empty", ""},
        {"other sections only", "[OTHER]\r\nmol=5\r\nzoom=200\r\nlanguage=en\r\n"},
        {"values that are no numbers or codes",
         "[DATA]\r\nmol=x\r\n[VIEW]\r\nzoom=1e\r\nlanguage=de\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExperimentSettings loaded{1, 2, 3, 4, 5, 6, 7, 8};
        SettingsFromIni(c.content, loaded);
        // The file's fallback texts: 30 °C, 1 mol, Celsius, mmHg, -50..150 L, 0..800.
        EXPECT_EQ(loaded, (ExperimentSettings{30, 1, 0, 0, -50, 150, 0.0, 800.0}));
        EXPECT_EQ(ViewSettingsFromIni(c.content).language, Language::Japanese);
        EXPECT_EQ(ZoomFromIni(c.content), std::nullopt);
    }
}

}  // namespace
}  // namespace kemora::config
