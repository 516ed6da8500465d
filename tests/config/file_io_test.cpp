#include "config/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/temp_folder.h"
#include "support/unprivileged.h"

namespace kemora::config {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public testing::Test {
  protected:
    std::string pathOf(const char* name) const { return (folder / name).string(); }
    testing_support::TempFolder tempFolder{"kemora-file-io"};
    const fs::path folder = tempFolder.path();
};

TEST_F(FileIoTest, WritesAndReadsBackEveryByte) {
    const std::string bytes("a\0b\r\n\xFF", 6);
    ASSERT_TRUE(WriteFileAtomically(pathOf("f"), bytes));
    EXPECT_EQ(ReadFileBytes(pathOf("f")), bytes);
}

TEST_F(FileIoTest, ReplacesALongerFileWhole) {
    ASSERT_TRUE(WriteFileAtomically(pathOf("f"), std::string(5000, 'x')));
    ASSERT_TRUE(WriteFileAtomically(pathOf("f"), "short"));
    EXPECT_EQ(ReadFileBytes(pathOf("f")), "short");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(FileIoTest, ALinkKeepsPointingAtTheReplacedFile) {
    ASSERT_TRUE(WriteFileAtomically(pathOf("real"), "old"));
    fs::create_symlink(folder / "real", folder / "link");
    ASSERT_TRUE(WriteFileAtomically(pathOf("link"), "new"));
    EXPECT_TRUE(fs::is_symlink(folder / "link"));
    EXPECT_EQ(ReadFileBytes(pathOf("real")), "new");
}

TEST_F(FileIoTest, MissingFileReadsAsNothing) {
    EXPECT_FALSE(ReadFileBytes(pathOf("missing")).has_value());
}

TEST_F(FileIoTest, ReadOnlyFolderRefusesTheWriteAndKeepsTheOldFile) {
    ASSERT_TRUE(WriteFileAtomically(pathOf("f"), "old"));
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    fs::permissions(pathOf("f"), fs::perms::all);
    const std::string path = pathOf("f");
    EXPECT_TRUE(
        testing_support::RunUnprivileged([&] { return !WriteFileAtomically(path, "new"); }));
    EXPECT_EQ(ReadFileBytes(path), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(FileIoTest, FailedRenameRemovesTheTemporaryFile) {
    fs::create_directories(folder / "target" / "inside");
    EXPECT_FALSE(WriteFileAtomically(pathOf("target"), "x"));
    EXPECT_TRUE(fs::is_directory(folder / "target" / "inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(FileIoTest, WritingIntoAMissingFolderFails) {
    EXPECT_FALSE(WriteFileAtomically(pathOf("no/such/folder"), "x"));
}

}  // namespace
}  // namespace kemora::config
