#include "config/view_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "config/file_io.h"
#include "config/settings_file.h"
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

TEST_F(ViewSettingsTest, FileThatCannotBeReplacedIsLeftAlone) {
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
