#include "config/view_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "config/file_io.h"
#include "config/settings_file.h"
#include "support/posix_system.h"
#include "support/temp_folder.h"
#include "support/unprivileged.h"

namespace kemora::config {
namespace {

namespace fs = std::filesystem;

class ViewSettingsTest : public testing::Test {
  protected:
    void SetUp() override { path = ConfigFilePathIn(tempFolder.path().string()); }
    void writeFile(const std::string& bytes) const {
        ASSERT_TRUE(WriteFileAtomically(path, bytes));
    }
    std::string fileContent() const { return ReadFileBytes(path).value_or("<no file>"); }

    testing_support::TempFolder tempFolder{"kemora-view"};
    std::string path;
};

TEST_F(ViewSettingsTest, MissingFileOrSectionGivesJapaneseAndCreatesNothing) {
    EXPECT_EQ(LoadViewSettings(path).language, Language::Japanese);
    EXPECT_FALSE(fs::exists(path));
    writeFile("[DATA]\r\nmol=2\r\nlanguage=en\r\n");
    EXPECT_EQ(LoadViewSettings(path).language, Language::Japanese);
    EXPECT_EQ(fileContent(), "[DATA]\r\nmol=2\r\nlanguage=en\r\n");
}

TEST_F(ViewSettingsTest, ReadsTheLanguageAndFallsBackOnAnythingElse) {
    struct Case {
        const char* line;
        Language language;
    };
    const Case cases[] = {
        {"language=en", Language::English},        {"LANGUAGE = EN ", Language::English},
        {"language=ja", Language::Japanese},       {"language=", Language::Japanese},
        {"language=english", Language::Japanese},  {"language=fr", Language::Japanese},
        {"language=\x93\xfa", Language::Japanese}, {"zoom=2", Language::Japanese},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        writeFile(std::string("[VIEW]\r\n") + c.line + "\r\n");
        EXPECT_EQ(LoadViewSettings(path).language, c.language);
    }
}

TEST_F(ViewSettingsTest, SaveIntoAFolderWithoutTheFileWritesOnlyTheSection) {
    ASSERT_TRUE(SaveViewSettings({Language::English}, path));
    EXPECT_EQ(fileContent(), "[VIEW]\r\nlanguage=en\r\n");
    ASSERT_TRUE(SaveViewSettings({Language::Japanese}, path));
    EXPECT_EQ(fileContent(), "[VIEW]\r\nlanguage=ja\r\n");
}

// The settings dialog and the language menu write the same file: neither may lose the other's
// section, nor the lines a user added.
TEST_F(ViewSettingsTest, ViewAndExperimentSectionsLeaveEachOtherAlone) {
    writeFile("; kept\r\n[VIEW]\r\nzoom=2\r\n\r\n[NOTES]\r\nx=1\r\n");
    model::ExperimentSettings experiment{25, 2, 0, 1, 0, 500, 0.5, 2.0};
    ASSERT_TRUE(SaveViewSettings({Language::English}, path));
    ASSERT_TRUE(SaveSettings(experiment, path));
    ASSERT_TRUE(SaveViewSettings({Language::English}, path));

    EXPECT_EQ(LoadViewSettings(path).language, Language::English);
    model::ExperimentSettings loaded;
    LoadSettings(loaded, path);
    EXPECT_EQ(loaded, experiment);
    const std::string content = fileContent();
    EXPECT_TRUE(
        content.starts_with("; kept\r\n[VIEW]\r\nzoom=2\r\nlanguage=en\r\n\r\n[NOTES]\r\nx=1\r\n"
                            "[DATA]\r\n"))
        << content;

    ASSERT_TRUE(SaveViewSettings({Language::Japanese}, path));
    EXPECT_EQ(fileContent().size(), content.size()) << "the key is replaced, not added again";
    LoadSettings(loaded, path);
    EXPECT_EQ(loaded, experiment);
}

TEST_F(ViewSettingsTest, ReadsTheZoomAsAWholeNumberAndNothingElse) {
    EXPECT_EQ(LoadZoom(path), std::nullopt);  // no file
    EXPECT_FALSE(fs::exists(path));
    struct Case {
        const char* file;
        std::optional<int32_t> zoom;
    };
    const Case cases[] = {
        {"[VIEW]\r\nzoom=150\r\n", 150},
        {"[view]\r\nZOOM = 250 \r\n", 250},
        {"[VIEW]\r\nlanguage=en\r\nzoom=188\r\n", 188},
        {"[VIEW]\r\nzoom=1000\r\n", 1000},  // a number; the window judges the range
        {"[VIEW]\r\nzoom=-5\r\n", -5},
        {"[VIEW]\r\nzoom=\r\n", std::nullopt},
        {"[VIEW]\r\nzoom=200%\r\n", std::nullopt},
        {"[VIEW]\r\nzoom=big\r\n", std::nullopt},
        {"[VIEW]\r\nzoom=99999999999\r\n", std::nullopt},
        {"[DATA]\r\nzoom=150\r\n", std::nullopt},
        {"[VIEW]\r\nlanguage=en\r\n", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        writeFile(c.file);
        EXPECT_EQ(LoadZoom(path), c.zoom);
        EXPECT_EQ(fileContent(), c.file);
    }
}

TEST_F(ViewSettingsTest, ZoomAndLanguageAreSavedEachAloneBesideEverythingElse) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoUsers);
    ASSERT_TRUE(SaveZoom(200, path));
    EXPECT_EQ(fileContent(), "[VIEW]\r\nzoom=200\r\n");

    writeFile("; kept\r\n[VIEW]\r\nlanguage=en\r\n[DATA]\r\nmol=2\r\n");
    ASSERT_TRUE(SaveZoom(125, path));
    ASSERT_TRUE(SaveZoom(150, path));
    EXPECT_EQ(fileContent(), "; kept\r\n[VIEW]\r\nlanguage=en\r\nzoom=150\r\n[DATA]\r\nmol=2\r\n");
    ASSERT_TRUE(SaveViewSettings({Language::Japanese}, path));
    EXPECT_EQ(LoadZoom(path), 150);
    EXPECT_EQ(LoadViewSettings(path).language, Language::Japanese);
    model::ExperimentSettings experiment;
    LoadSettings(experiment, path);
    EXPECT_EQ(experiment.mol, 2);

    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string file = path;
    EXPECT_TRUE(testing_support::RunUnprivileged([&] { return !SaveZoom(250, file); }));
    EXPECT_EQ(LoadZoom(path), 150);
}

TEST_F(ViewSettingsTest, FileThatCannotBeReplacedIsLeftAlone) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoUsers);
    writeFile("[VIEW]\r\nlanguage=ja\r\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string file = path;
    EXPECT_TRUE(testing_support::RunUnprivileged(
        [&] { return !SaveViewSettings({Language::English}, file); }));
    EXPECT_EQ(fileContent(), "[VIEW]\r\nlanguage=ja\r\n");

    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    fs::remove(path);
    fs::create_directories(fs::path(path) / "inside");
    EXPECT_FALSE(SaveViewSettings({Language::English}, path));
    EXPECT_TRUE(fs::is_directory(fs::path(path) / "inside"));
}

}  // namespace
}  // namespace kemora::config
