#include "config/settings_import.h"

#include <gtest/gtest.h>

#include <string>

#include "config/settings_ini.h"

namespace kemora::config {
namespace {

// A file padded with a comment line to exactly `size` bytes.
std::string PaddedTo(std::string content, std::size_t size) {
    content += ";";
    content.append(size - content.size() - 2, 'x');
    content += "\r\n";
    return content;
}

TEST(CheckSettingsFile, TellsASettingsFileFromOtherBytes) {
    const std::string desktop = SettingsIntoIni("", {25, 2, 0, 1, 0, 300, 0, 2});
    struct Case {
        const char* name;
        std::string bytes;
        SettingsFileCheck expected;
    };
    const Case cases[] = {
        {"as the desktop writes it", desktop, SettingsFileCheck::Usable},
        {"with its language too", ViewSettingsIntoIni(desktop, {Language::English}),
         SettingsFileCheck::Usable},
        {"one key of eight", "[DATA]\nmol=3\n", SettingsFileCheck::Usable},
        {"names in other letter case", "[data]\r\nMOL=3\r\n", SettingsFileCheck::Usable},
        {"a value that falls back", "[DATA]\r\nmol=abc\r\n", SettingsFileCheck::Usable},
        {"a key with no value", "[DATA]\r\ngrphHMax=\r\n", SettingsFileCheck::Usable},
        {"after a byte order mark", "\xEF\xBB\xBF[DATA]\nmol=3\n", SettingsFileCheck::Usable},
        {"empty", "", SettingsFileCheck::NotSettings},
        {"only the view", "[VIEW]\r\nlanguage=en\r\n", SettingsFileCheck::NotSettings},
        {"a section DATA without our keys", "[DATA]\r\nname=x\r\n", SettingsFileCheck::NotSettings},
        {"our key in another section", "[OTHER]\r\nmol=3\r\n", SettingsFileCheck::NotSettings},
        {"a key commented out", "[DATA]\r\n;mol=3\r\n", SettingsFileCheck::NotSettings},
        {"plain text", "temperature 30, mol 1\n", SettingsFileCheck::NotSettings},
        {"binary with a NUL", std::string("[DATA]\nmol=3\n\0\x01\x02", 16),
         SettingsFileCheck::NotSettings},
        {"just at the largest size", PaddedTo(desktop, kMaxSettingsFileBytes),
         SettingsFileCheck::Usable},
        {"one byte larger", PaddedTo(desktop, kMaxSettingsFileBytes + 1),
         SettingsFileCheck::TooLarge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CheckSettingsFile(c.bytes), c.expected);
    }
}

}  // namespace
}  // namespace kemora::config
