#include "config/settings_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <ostream>
#include <string>

#include "config/file_io.h"
#include "support/child_process.h"
#include "support/posix_system.h"
#include "support/temp_folder.h"
#include "support/unprivileged.h"

namespace kemora::model {

void PrintTo(const ExperimentSettings& s, std::ostream* out) {
    *out << "{" << s.temperature << ", " << s.mol << ", " << s.temperatureUnit << ", "
         << s.pressureUnit << ", " << s.grphWMin << ", " << s.grphWMax << ", " << s.grphHMin << ", "
         << s.grphHMax << "}";
}

}  // namespace kemora::model

namespace kemora::config {
namespace {

namespace fs = std::filesystem;
using model::ExperimentSettings;

const ExperimentSettings kFallbacks{30, 1, 0, 0, -50, 150, 0.0, 800.0};
// What a load must overwrite in every field.
const ExperimentSettings kStale{-9, -9, -9, -9, -9, -9, -9.5, -9.5};

std::string Line(const std::string& key, const std::string& value) {
    return key + "=" + value + std::string(50 - value.size(), ' ') + "\r\n";
}

class SettingsFileTest : public testing::Test {
  protected:
    void SetUp() override { path = ConfigFilePathIn(folder.string()); }
    void writeFile(const std::string& bytes) const {
        ASSERT_TRUE(WriteFileAtomically(path, bytes));
    }
    std::string fileContent() const { return ReadFileBytes(path).value_or("<no file>"); }
    std::ptrdiff_t filesInFolder() const {
        return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
    }
    ExperimentSettings loaded() const {
        ExperimentSettings settings = kStale;
        LoadSettings(settings, path);
        return settings;
    }

    testing_support::TempFolder tempFolder{"kemora-settings"};
    const fs::path folder = tempFolder.path();
    std::string path;
};

TEST(ConfigFilePathIn, AddsTheSeparatorOnlyWhenMissing) {
    EXPECT_EQ(ConfigFilePathIn("/opt/kemora"), "/opt/kemora/CONFIG2.INI");
    EXPECT_EQ(ConfigFilePathIn("/opt/kemora/"), "/opt/kemora/CONFIG2.INI");
    EXPECT_EQ(ConfigFilePathIn("/"), "/CONFIG2.INI");
    EXPECT_EQ(ConfigFilePathIn(""), "CONFIG2.INI");
}

TEST(ConfigFilePath, LiesBesideTheRunningProgram) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoProgramFile);
    const fs::path file = ConfigFilePath();
    EXPECT_TRUE(file.is_absolute());
    EXPECT_EQ(file.filename(), "CONFIG2.INI");
    EXPECT_TRUE(fs::equivalent(file.parent_path() / "config_tests", "/proc/self/exe"));
}

TEST_F(SettingsFileTest, MissingFileGivesTheFallbacksAndStaysMissing) {
    EXPECT_EQ(loaded(), kFallbacks);
    EXPECT_EQ(filesInFolder(), 0);
}

TEST_F(SettingsFileTest, LoadsWhatTheFileHolds) {
    struct Case {
        const char* what;
        std::string content;
        ExperimentSettings expected;
    };
    const Case cases[] = {
        {"section with mol only", "[DATA]\r\nmol=3\r\n", {30, 3, 0, 0, -50, 150, 0.0, 800.0}},
        {"no section DATA", "[OTHER]\r\nmol=3\r\n", kFallbacks},
        {"all eight, padded as written",
         "[DATA]\r\n" + Line("temperature", "27") + Line("mol", "2") +
             Line("temperatureUnit", "1") + Line("pressureUnit", "2") + Line("grphWMin", "-10") +
             Line("grphWMax", "700") + Line("grphHMin", "-0.5") + Line("grphHMax", "1E+20"),
         {27, 2, 1, 2, -10, 700, -0.5, 1e20}},
        {"halves go to the even neighbour",
         "[DATA]\r\ntemperature=27.5\r\nmol=2.5\r\ntemperatureUnit=-0.5\r\n"
         "pressureUnit=1.5\r\ngrphWMin=-2.5\r\ngrphWMax=2.75e1\r\ngrphHMax=0.25\r\n",
         {28, 2, 0, 2, -2, 28, 0.0, 0.25}},
        {"26.5 goes down", "[DATA]\r\ntemperature=26.5\r\n", {26, 1, 0, 0, -50, 150, 0.0, 800.0}},
        {"letter case of names",
         "[data]\r\nTEMPERATURE=12\r\nGrphHMin=5\r\n",
         {12, 1, 0, 0, -50, 150, 5.0, 800.0}},
        {"LF line ends",
         "[DATA]\ntemperature=40\nmol=4\ngrphHMax=760\n",
         {40, 4, 0, 0, -50, 150, 0.0, 760.0}},
        {"value cut to 49 bytes before conversion",
         "[DATA]\r\nmol=" + std::string(55, '0') + "12345\r\ngrphHMax=1" + std::string(59, '0') +
             "\r\n",
         {30, 0, 0, 0, -50, 150, 0.0, 1e48}},
        {"32-bit limits",
         "[DATA]\r\ngrphWMin=-2147483648.5\r\ngrphWMax=2147483647\r\n",
         {30, 1, 0, 0, INT32_MIN, INT32_MAX, 0.0, 800.0}},
        {"signs, exponents and blanks",
         "[DATA]\r\ntemperature= +3E1 \r\nmol=\t-2\t\r\n",
         {30, -2, 0, 0, -50, 150, 0.0, 800.0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(c.content);
        EXPECT_EQ(loaded(), c.expected);
        EXPECT_EQ(fileContent(), c.content);
    }
}

TEST_F(SettingsFileTest, ValueThatIsNoSettingTakesTheFallback) {
    struct Case {
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"temperature", ""},     {"temperature", "abc"},
        {"temperature", "27 C"}, {"temperature", "1,5"},
        {"temperature", "3e9"},  {"mol", "2147483647.5"},
        {"mol", "0x10"},         {"temperatureUnit", "."},
        {"pressureUnit", "1e"},  {"grphWMin", "-2147483649"},
        {"grphWMax", "--1"},     {"grphHMin", "1e400"},
        {"grphHMax", "inf"},     {"grphHMax", "nan"},
        {"grphHMax", "   "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        writeFile("[DATA]\r\n" + std::string(c.key) + "=" + c.value + "\r\n");
        EXPECT_EQ(loaded(), kFallbacks);
    }
}

TEST_F(SettingsFileTest, DefaultsIntoAFolderWithoutTheFileWriteExactlyTheSection) {
    ExperimentSettings settings;
    model::SetDefaultSettings(settings);
    ASSERT_TRUE(SaveSettings(settings, path));
    EXPECT_EQ(fileContent(), "[DATA]\r\n" + Line("temperature", "27") + Line("mol", "1") +
                                 Line("temperatureUnit", "0") + Line("pressureUnit", "0") +
                                 Line("grphWMin", "0") + Line("grphWMax", "700") +
                                 Line("grphHMin", "0") + Line("grphHMax", "800"));
    EXPECT_EQ(filesInFolder(), 1);
}

TEST_F(SettingsFileTest, SaveKeepsEveryOtherLineInPlace) {
    writeFile(
        "; written by hand\r\n[VIEW]\r\nzoom=2\r\n\r\n"
        "[Data]\r\nMol = 3\r\n; the rest follows\r\n\r\n"
        "[NOTES]\r\ntext = \x82\xA0 \r\n; end");
    const ExperimentSettings settings{25, 2, 0, 1, 0, 500, 0.5, 2.0};
    ASSERT_TRUE(SaveSettings(settings, path));
    EXPECT_EQ(fileContent(),
              "; written by hand\r\n[VIEW]\r\nzoom=2\r\n\r\n"
              "[Data]\r\nMol =2                                                 \r\n"
              "; the rest follows\r\n" +
                  Line("temperature", "25") + Line("temperatureUnit", "0") +
                  Line("pressureUnit", "1") + Line("grphWMin", "0") + Line("grphWMax", "500") +
                  Line("grphHMin", "0.5") + Line("grphHMax", "2") +
                  "\r\n[NOTES]\r\ntext = \x82\xA0 \r\n; end");
    EXPECT_EQ(loaded(), settings);
}

TEST_F(SettingsFileTest, SaveKeepsLfLineEnds) {
    writeFile("[OTHER]\nx=1\n[DATA]\nmol=3\n");
    ASSERT_TRUE(SaveSettings(kFallbacks, path));
    const std::string content = fileContent();
    EXPECT_EQ(content.find('\r'), std::string::npos) << content;
    EXPECT_TRUE(content.starts_with("[OTHER]\nx=1\n[DATA]\nmol=1")) << content;
    EXPECT_EQ(loaded(), kFallbacks);
}

TEST_F(SettingsFileTest, EveryFieldReadsBackAsSaved) {
    const ExperimentSettings cases[] = {
        {27, 1, 0, 0, 0, 700, 0.0, 800.0},
        {INT32_MIN, INT32_MAX, -1, 5, INT32_MIN, INT32_MAX, -0.001, 123456789012345.0},
        {-273, 0, 1, 2, -50, 150, 1e20, -1.5e-7},
        {0, 0, 0, 0, 0, 0, 1.23456789012345e-300, -9.87654321098765e+300},
        {0, 0, 0, 0, 0, 0, DBL_TRUE_MIN, 1e-5},
        {0, 0, 0, 0, 0, 0, 0.5, 999999999999999.0},
        {0, 0, 0, 0, 0, 0, -DBL_MAX, DBL_MAX},
        {0, 0, 0, 0, 0, 0, std::nextafter(DBL_MAX, 0.0), 1.79769313486231e308},
    };
    for (const auto& settings : cases) {
        SCOPED_TRACE(testing::PrintToString(settings));
        ASSERT_TRUE(SaveSettings(settings, path));
        EXPECT_EQ(loaded(), settings);
    }
    // Saving over a file that holds the keys replaces them: still one section of eight keys.
    const std::string content = fileContent();
    EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 9);
}

TEST_F(SettingsFileTest, DoublesReadBackRoundedToFifteenDigits) {
    ExperimentSettings settings = kFallbacks;
    settings.grphHMin = 0.1 + 0.2;             // 0.30000000000000004
    settings.grphHMax = 1234567890.123456789;  // 1234567890.12346
    ASSERT_TRUE(SaveSettings(settings, path));
    const ExperimentSettings read = loaded();
    EXPECT_EQ(read.grphHMin, 0.3);
    EXPECT_EQ(read.grphHMax, 1234567890.12346);
}

TEST_F(SettingsFileTest, ReadOnlyFolderRefusesTheSaveAndKeepsTheFile) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoUsers);
    const fs::perms readOnlyFolder = fs::perms::owner_read | fs::perms::owner_exec |
                                     fs::perms::group_read | fs::perms::group_exec |
                                     fs::perms::others_read | fs::perms::others_exec;
    const std::string file = path;
    for (const bool filePresent : {true, false}) {
        SCOPED_TRACE(filePresent ? "file present" : "no file");
        fs::permissions(folder, fs::perms::owner_all);
        fs::remove(path);
        if (filePresent) {
            writeFile("[DATA]\r\nmol=3\r\n");
            fs::permissions(path, fs::perms::all);
        }
        fs::permissions(folder, readOnlyFolder);
        EXPECT_TRUE(
            testing_support::RunUnprivileged([&] { return !SaveSettings(kFallbacks, file); }));
        EXPECT_EQ(fileContent(), filePresent ? "[DATA]\r\nmol=3\r\n" : "<no file>");
        EXPECT_EQ(filesInFolder(), filePresent ? 1 : 0);
    }
}

TEST_F(SettingsFileTest, FileThatCannotBeReadOrWrittenIsLeftAlone) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoUsers);
    fs::permissions(folder, fs::perms::all);
    const std::string file = path;
    struct Case {
        const char* what;
        fs::perms perms;
    };
    const Case cases[] = {
        {"read-only file", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read},
        {"unreadable file", fs::perms::none},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile("[KEEP]\r\nx=1\r\n");
        fs::permissions(path, c.perms);
        EXPECT_TRUE(
            testing_support::RunUnprivileged([&] { return !SaveSettings(kFallbacks, file); }));
        // Readable again for the check, also when the test does not run as root.
        fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(fileContent(), "[KEEP]\r\nx=1\r\n");
        EXPECT_EQ(filesInFolder(), 1);
    }
}

TEST_F(SettingsFileTest, FifoOrDeviceInPlaceOfTheFileGivesTheFallbacksAndIsNeverWritten) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoSpecialFiles);
    ASSERT_TRUE(fs::is_character_file("/dev/zero"));
    struct Case {
        const char* what;
        std::function<void()> make;
        std::function<bool()> unchanged;
    };
    const Case cases[] = {
        {"FIFO", [&] { ::mkfifo(path.c_str(), 0666); },
         [&] { return fs::is_fifo(fs::symlink_status(path)); }},
        {"link to /dev/zero", [&] { fs::create_symlink("/dev/zero", path); },
         [&] { return fs::read_symlink(path) == "/dev/zero" && fs::is_character_file(path); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(path);
        c.make();
        // A read that waited for a writer, or for the end of /dev/zero, would never return.
        EXPECT_TRUE(testing_support::RunInChild([&] { return loaded() == kFallbacks; }, 5));
        EXPECT_TRUE(
            testing_support::RunInChild([&] { return !SaveSettings(kFallbacks, path); }, 5));
        EXPECT_TRUE(c.unchanged());
        EXPECT_EQ(filesInFolder(), 1);
    }
}

TEST_F(SettingsFileTest, FileTooLargeToHoldIsNeitherReadNorSavedOver) {
    writeFile("[DATA]\r\nmol=3\r\n");
    const std::uintmax_t size = kMaxReadBytes + 1;
    fs::resize_file(path, size);  // sparse on disk
    EXPECT_EQ(loaded(), kFallbacks);
    EXPECT_FALSE(SaveSettings(kFallbacks, path));
    EXPECT_EQ(fs::file_size(path), size);
    EXPECT_EQ(filesInFolder(), 1);

    fs::resize_file(path, kMaxReadBytes);
    EXPECT_EQ(loaded().mol, 3);
}

TEST_F(SettingsFileTest, FolderInPlaceOfTheFileIsLeftAlone) {
    fs::create_directories(fs::path(path) / "inside");
    EXPECT_FALSE(SaveSettings(kFallbacks, path));
    EXPECT_TRUE(fs::is_directory(fs::path(path) / "inside"));
    EXPECT_EQ(loaded(), kFallbacks);
}

}  // namespace
}  // namespace kemora::config
