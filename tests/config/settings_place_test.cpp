#include "config/settings_place.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "config/file_io.h"
#include "config/settings_file.h"
#include "config/settings_ini.h"
#include "config/view_settings.h"
#include "model/settings.h"
#include "support/posix_system.h"
#include "support/temp_folder.h"

namespace kemora::config {
namespace {

namespace fs = std::filesystem;

struct PlaceCase {
    const char* name;
    SettingsFacts facts;
    std::string readPath;
    std::string savePath;
    bool besideProgram;
};

constexpr const char* kBeside = "/srv/class/kemora/CONFIG2.INI";
constexpr const char* kUserFile = "/home/ann/.config/kemora/CONFIG2.INI";

// A program copied to a shared folder, run by the user ann; XDG_CONFIG_HOME unset.
SettingsFacts Copied(bool writable, bool beside, bool user) {
    SettingsFacts facts;
    facts.programFolder = "/srv/class/kemora";
    facts.installedFolder = "/usr/bin";
    facts.programFolderWritable = writable;
    facts.besideFileExists = beside;
    facts.userFileExists = user;
    facts.home = "/home/ann";
    return facts;
}

SettingsFacts With(SettingsFacts facts, std::optional<std::string> xdgConfigHome,
                   std::optional<std::string> home) {
    facts.xdgConfigHome = std::move(xdgConfigHome);
    facts.home = std::move(home);
    return facts;
}

SettingsFacts InstalledAt(std::string programFolder, std::string installedFolder) {
    SettingsFacts facts = Copied(true, false, false);
    facts.programFolder = std::move(programFolder);
    facts.installedFolder = std::move(installedFolder);
    return facts;
}

TEST(ChooseSettingsPlace, FollowsTheFolderTheFilesAndTheEnvironment) {
    const PlaceCase cases[] = {
        {"writable folder: beside, whatever else exists", Copied(true, false, false), kBeside,
         kBeside, true},
        {"writable folder with both files", Copied(true, true, true), kBeside, kBeside, true},
        {"read-only folder, file beside, no user file: the administrator's defaults",
         Copied(false, true, false), kBeside, kUserFile, false},
        {"read-only folder with both: the user file wins", Copied(false, true, true), kUserFile,
         kUserFile, false},
        {"read-only folder, user file only", Copied(false, false, true), kUserFile, kUserFile,
         false},
        {"read-only folder, neither: the fallbacks, saved to the user file",
         Copied(false, false, false), kUserFile, kUserFile, false},
        {"XDG_CONFIG_HOME set", With(Copied(false, true, true), "/var/cfg/ann", "/home/ann"),
         "/var/cfg/ann/kemora/CONFIG2.INI", "/var/cfg/ann/kemora/CONFIG2.INI", false},
        {"XDG_CONFIG_HOME with a closing slash, HOME unset",
         With(Copied(false, false, false), "/var/cfg/ann/", std::nullopt),
         "/var/cfg/ann/kemora/CONFIG2.INI", "/var/cfg/ann/kemora/CONFIG2.INI", false},
        {"XDG_CONFIG_HOME empty counts as unset", With(Copied(false, false, true), "", "/home/ann"),
         kUserFile, kUserFile, false},
        {"XDG_CONFIG_HOME relative is invalid",
         With(Copied(false, false, true), "cfg", "/home/ann"), kUserFile, kUserFile, false},
        {"no folder of the user's own: beside, where the save will say it failed",
         With(Copied(false, true, false), std::nullopt, std::nullopt), kBeside, kBeside, false},
        {"relative HOME gives no folder either",
         With(Copied(false, false, false), std::nullopt, "ann"), kBeside, kBeside, false},
        {"root runs the installed program: its folder is writable, yet the user file",
         InstalledAt("/usr/bin", "/usr/bin"), kUserFile, kUserFile, false},
        {"installed folder written differently", InstalledAt("/usr/bin", "/usr/./bin/"), kUserFile,
         kUserFile, false},
        {"a folder that only starts like the installed one", InstalledAt("/usr/bin2", "/usr/bin"),
         "/usr/bin2/CONFIG2.INI", "/usr/bin2/CONFIG2.INI", true},
        {"no installed folder known", InstalledAt("/usr/bin", ""), "/usr/bin/CONFIG2.INI",
         "/usr/bin/CONFIG2.INI", true},
    };
    for (const PlaceCase& row : cases) {
        SCOPED_TRACE(row.name);
        const SettingsPlace place = ChooseSettingsPlace(row.facts);
        EXPECT_EQ(place.readPath, row.readPath);
        EXPECT_EQ(place.savePath, row.savePath);
        EXPECT_EQ(place.besideProgram, row.besideProgram);
    }
}

// Sets an environment variable for one test and puts the old value back afterwards.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const std::optional<std::string>& value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        Set(value);
    }
    ~ScopedVariable() { Set(m_old); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    void Set(const std::optional<std::string>& value) {
        if (value)
            ::setenv(m_name, value->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    const char* m_name;
    std::optional<std::string> m_old;
};

class FindSettingsPlaceTest : public testing::Test {
  protected:
    testing_support::TempFolder tempFolder{"kemora-place"};
    const fs::path folder = tempFolder.path();
    // The folder of this test program.
    const std::string programFolder = fs::path(ConfigFilePath()).parent_path().string();
};

TEST_F(FindSettingsPlaceTest, AProgramOutsideItsInstalledFolderUsesItsFolderWhenItMayWriteThere) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoProgramFile);
    const ScopedVariable xdg("XDG_CONFIG_HOME", folder.string());
    // The builder of the tests may write there; another user running them may not.
    const bool writable = ::access(programFolder.c_str(), W_OK | X_OK) == 0;
    const std::string expected =
        writable ? ConfigFilePath() : (folder / "kemora" / "CONFIG2.INI").string();
    const SettingsPlace place = FindSettingsPlace("/usr/bin");
    EXPECT_EQ(place.readPath, expected);
    EXPECT_EQ(place.savePath, expected);
    EXPECT_EQ(place.besideProgram, writable);
}

TEST_F(FindSettingsPlaceTest, TheInstalledProgramUsesXdgConfigHome) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoProgramFile);
    const ScopedVariable xdg("XDG_CONFIG_HOME", folder.string());
    const SettingsPlace place = FindSettingsPlace(programFolder);
    EXPECT_EQ(place.savePath, (folder / "kemora" / "CONFIG2.INI").string());
    EXPECT_EQ(place.readPath, place.savePath);
    EXPECT_FALSE(place.besideProgram);
}

TEST_F(FindSettingsPlaceTest, TheInstalledProgramFallsBackToHomeWithoutXdgConfigHome) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoProgramFile);
    const ScopedVariable xdg("XDG_CONFIG_HOME", std::nullopt);
    const ScopedVariable home("HOME", folder.string());
    const SettingsPlace place = FindSettingsPlace(programFolder + "/");
    EXPECT_EQ(place.savePath, (folder / ".config" / "kemora" / "CONFIG2.INI").string());
}

class PrepareSaveTest : public testing::Test {
  protected:
    testing_support::TempFolder tempFolder{"kemora-prepare"};
    const fs::path base = tempFolder.path();
    const std::string beside = (base / "program" / "CONFIG2.INI").string();
    const std::string user = (base / "config" / "kemora" / "CONFIG2.INI").string();
};

TEST_F(PrepareSaveTest, MakesTheMissingFoldersForTheOwnerOnly) {
    fs::permissions(base, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);

    PrepareSave(user, beside);

    for (const fs::path& made : {base / "config", base / "config" / "kemora"}) {
        SCOPED_TRACE(made.string());
        EXPECT_TRUE(fs::is_directory(made));
        EXPECT_EQ(fs::status(made).permissions(), fs::perms::owner_all);
    }
    EXPECT_EQ(fs::status(base).permissions(),
              fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    EXPECT_FALSE(fs::exists(user)) << "nothing beside the program to start from";
}

TEST_F(PrepareSaveTest, TheFirstSaveKeepsWhatTheAdministratorSetInOtherSections) {
    fs::create_directory(base / "program");
    const std::string defaults = "[DATA]\r\nmol=3\r\ntemperature=25\r\n[VIEW]\r\nlanguage=en\r\n";
    ASSERT_TRUE(WriteFileAtomically(beside, defaults));

    PrepareSave(user, beside);
    EXPECT_EQ(ReadFileBytes(user), defaults);

    model::ExperimentSettings settings;
    model::SetDefaultSettings(settings);
    settings.mol = 4;
    ASSERT_TRUE(SaveSettings(settings, user));
    EXPECT_EQ(LoadViewSettings(user).language, Language::English);
    EXPECT_EQ(ReadFileBytes(beside), defaults) << "the administrator's file stays as it was";
}

TEST_F(PrepareSaveTest, LaterSavesAndAFileBesideACopiedProgramAreLeftAlone) {
    fs::create_directories(base / "program");
    fs::create_directories(base / "config" / "kemora");
    ASSERT_TRUE(WriteFileAtomically(beside, "[DATA]\r\nmol=3\r\n"));
    ASSERT_TRUE(WriteFileAtomically(user, "[DATA]\r\nmol=5\r\n"));

    PrepareSave(user, beside);
    PrepareSave(beside, beside);

    EXPECT_EQ(ReadFileBytes(user), "[DATA]\r\nmol=5\r\n");
    EXPECT_EQ(ReadFileBytes(beside), "[DATA]\r\nmol=3\r\n");
}

TEST_F(PrepareSaveTest, AFileInTheWayOfAFolderIsLeftAsItIs) {
    const fs::path blocker = base / "config";
    ASSERT_TRUE(WriteFileAtomically(blocker.string(), "x"));

    PrepareSave(user, beside);

    EXPECT_EQ(ReadFileBytes(blocker.string()), "x");
}

// The menus' and the dialog's one way to save a choice: into the user's own file, started from
// the administrator's on the first save, the other sections kept.
TEST_F(PrepareSaveTest, ASavedChoiceStartsFromTheFileReadSoFarAndChangesOnlyItsKey) {
    fs::create_directory(base / "program");
    ASSERT_TRUE(WriteFileAtomically(beside, "[DATA]\r\nmol=3\r\n[VIEW]\r\nlanguage=en\r\n"));
    const SettingsPlace place{beside, user, false};

    ASSERT_TRUE(SaveSettingsChoice(
        place, [](std::string_view content) { return ZoomIntoIni(content, 150); }));
    EXPECT_EQ(ReadFileBytes(user), "[DATA]\r\nmol=3\r\n[VIEW]\r\nlanguage=en\r\nzoom=150\r\n");
    EXPECT_EQ(ReadFileBytes(beside), "[DATA]\r\nmol=3\r\n[VIEW]\r\nlanguage=en\r\n");

    // A save that cannot be made says so: the user's file is in the way of a folder.
    const SettingsPlace blocked{beside, (base / "config" / "kemora" / "CONFIG2.INI" / "x").string(),
                                false};
    EXPECT_FALSE(SaveSettingsChoice(
        blocked, [](std::string_view content) { return ZoomIntoIni(content, 200); }));
}

}  // namespace
}  // namespace kemora::config
