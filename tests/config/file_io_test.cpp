#include "config/file_io.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "support/child_process.h"
#include "support/posix_system.h"
#include "support/temp_folder.h"
#include "support/unprivileged.h"

namespace kemora::config {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public testing::Test {
  protected:
    std::string pathOf(const char* name) const { return (folder / name).string(); }
    std::ptrdiff_t entriesInFolder() const {
        return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
    }
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
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoUsers);
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

TEST_F(FileIoTest, RefusesWhatIsNoFileTheUserMayReplace) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoUsers);
    // The saving user (nobody when the tests run as root) makes each target itself, in a
    // folder it may write into, so that only the target's own nature can refuse the save.
    fs::permissions(folder, fs::perms::all);
    const fs::path target = folder / "target.so2";
    struct Case {
        const char* what;
        std::function<void()> make;
        std::function<bool()> unchanged;
    };
    const Case cases[] = {
        {"read-only file of the user's own",
         [&] {
             std::ofstream(target) << "old";
             fs::permissions(target, fs::perms::owner_read);
         },
         [&] {
             return ReadFileBytes(target.string()) == "old" &&
                    fs::status(target).permissions() == fs::perms::owner_read;
         }},
        {"dangling link", [&] { fs::create_symlink("missing.so2", target); },
         [&] {
             return fs::read_symlink(target) == "missing.so2" &&
                    !fs::exists(fs::symlink_status(folder / "missing.so2"));
         }},
        {"link to itself", [&] { fs::create_symlink("target.so2", target); },
         [&] { return fs::read_symlink(target) == "target.so2"; }},
        {"FIFO", [&] { ::mkfifo(target.c_str(), 0666); },
         [&] { return fs::is_fifo(fs::symlink_status(target)); }},
        {"link to a FIFO",
         [&] {
             ::mkfifo((folder / "pipe").c_str(), 0666);
             fs::create_symlink("pipe", target);
         },
         [&] { return fs::read_symlink(target) == "pipe" && fs::is_fifo(folder / "pipe"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
        EXPECT_TRUE(testing_support::RunUnprivileged([&] {
            c.make();
            const std::ptrdiff_t entries = entriesInFolder();
            return !WriteFileAtomically(target.string(), "new") && c.unchanged() &&
                   entriesInFolder() == entries;
        }));
    }
}

TEST_F(FileIoTest, NewFileIsOpenToOthersAsTheUmaskAllows) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoUsers);
    struct Case {
        mode_t umask;
        fs::perms expected;
    };
    const Case cases[] = {
        {022, static_cast<fs::perms>(0644)},
        {002, static_cast<fs::perms>(0664)},
        {077, static_cast<fs::perms>(0600)},
        {0, static_cast<fs::perms>(0666)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.umask);
        const std::string path = pathOf(("new-" + std::to_string(c.umask)).c_str());
        const mode_t previous = ::umask(c.umask);
        const bool written = WriteFileAtomically(path, "x");
        ::umask(previous);
        ASSERT_TRUE(written);
        EXPECT_EQ(fs::status(path).permissions(), c.expected);
    }
}

TEST_F(FileIoTest, ReplacedFileKeepsItsModeWhateverTheUmask) {
    const std::string path = pathOf("f");
    for (const int mode : {0600, 0640, 0664, 0755}) {
        SCOPED_TRACE(mode);
        ASSERT_TRUE(WriteFileAtomically(path, "old"));
        fs::permissions(path, static_cast<fs::perms>(mode));
        const mode_t previous = ::umask(077);
        const bool written = WriteFileAtomically(path, "new");
        ::umask(previous);
        ASSERT_TRUE(written);
        EXPECT_EQ(fs::status(path).permissions(), static_cast<fs::perms>(mode));
        EXPECT_EQ(ReadFileBytes(path), "new");
    }
}

TEST_F(FileIoTest, ReplacedFileKeepsItsOwnerAndGroupWhereTheProcessMay) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoUsers);
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    const std::string path = pathOf("f");
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    ASSERT_EQ(::chown(path.c_str(), testing_support::kUnprivilegedUser,
                      testing_support::kUnprivilegedGroup),
              0);
    fs::permissions(path, static_cast<fs::perms>(0640));
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, testing_support::kUnprivilegedUser);
    EXPECT_EQ(status.st_gid, testing_support::kUnprivilegedGroup);
    EXPECT_EQ(status.st_mode & 07777, 0640u);

    // A user who may not give the file back to root still saves it, as the file's new owner.
    fs::permissions(folder, fs::perms::all);
    ASSERT_EQ(::chown(path.c_str(), 0, 0), 0);
    fs::permissions(path, static_cast<fs::perms>(0666));
    EXPECT_TRUE(
        testing_support::RunUnprivileged([&] { return WriteFileAtomically(path, "mine"); }));
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, testing_support::kUnprivilegedUser);
    EXPECT_EQ(status.st_mode & 07777, 0666u);
    EXPECT_EQ(ReadFileBytes(path), "mine");
}

TEST_F(FileIoTest, SaveClearsItsOwnStaleTemporaryFilesOfThatTargetOnly) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoUsers);
    // An interrupted save leaves ".NAME.kemora-XXXXXX" behind, X a letter or digit.
    struct Entry {
        const char* name;
        bool removed;
    };
    const Entry files[] = {
        {".f.so2.kemora-AbC123", true},   {".f.so2.kemora-000000", true},
        {".f.so2.kemora-zzzzzz", true},   {".f.so2.kemora-AbC12", false},
        {".f.so2.kemora-AbC1234", false}, {".f.so2.kemora-AbC12!", false},
        {".g.so2.kemora-AbC123", false},  {"f.so2.kemora-AbC123", false},
        {".f.so2.kemora-AbC123~", false}, {"f.so2.tmpAbC123", false},
    };
    for (const Entry& file : files) std::ofstream(folder / file.name) << "x";
    fs::create_directory(folder / ".f.so2.kemora-Dir123");
    fs::create_symlink("g.so2", folder / ".f.so2.kemora-Lnk123");
    std::ofstream(folder / "g.so2") << "kept";
    const bool root = ::geteuid() == 0;
    if (root) {
        // A colleague's file of that name is theirs to clear.
        std::ofstream(folder / ".f.so2.kemora-Other1") << "x";
        ASSERT_EQ(::chown((folder / ".f.so2.kemora-Other1").c_str(),
                          testing_support::kUnprivilegedUser, testing_support::kUnprivilegedGroup),
                  0);
    }

    ASSERT_TRUE(WriteFileAtomically(pathOf("f.so2"), "new"));
    for (const Entry& file : files) {
        SCOPED_TRACE(file.name);
        EXPECT_EQ(fs::exists(folder / file.name), !file.removed);
    }
    EXPECT_TRUE(fs::is_directory(folder / ".f.so2.kemora-Dir123"));
    EXPECT_TRUE(fs::is_symlink(folder / ".f.so2.kemora-Lnk123"));
    EXPECT_EQ(ReadFileBytes(pathOf("g.so2")), "kept");
    EXPECT_EQ(fs::exists(folder / ".f.so2.kemora-Other1"), root);
    EXPECT_EQ(ReadFileBytes(pathOf("f.so2")), "new");
}

TEST_F(FileIoTest, FailedWriteLeavesNoTemporaryFileBehind) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoProcesses);
    const std::string path = pathOf("f");
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    // A file size limit makes the write itself fail, as a full disk would.
    EXPECT_TRUE(testing_support::RunInChild([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16, 16};
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 &&
               !WriteFileAtomically(path, std::string(1000, 'n'));
    }));
    EXPECT_EQ(ReadFileBytes(path), "old");
    EXPECT_EQ(entriesInFolder(), 1);
}

TEST_F(FileIoTest, ReadingRefusesWhatIsNoRegularFileAtOnce) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoSpecialFiles);
    ASSERT_TRUE(fs::is_character_file("/dev/zero"));
    ASSERT_EQ(::mkfifo(pathOf("pipe").c_str(), 0600), 0);
    fs::create_symlink("pipe", folder / "link to pipe");
    fs::create_symlink("/dev/zero", folder / "zero");
    fs::create_directory(folder / "folder");
    for (const char* name : {"pipe", "link to pipe", "zero", "folder"}) {
        SCOPED_TRACE(name);
        const std::string path = pathOf(name);
        // A FIFO without a writer would block the read, /dev/zero never end it.
        EXPECT_TRUE(testing_support::RunInChild([&] { return !ReadFileBytes(path); }, 5));
    }
}

TEST_F(FileIoTest, ReadingStopsAtTheLimit) {
    const std::string path = pathOf("f");
    ASSERT_TRUE(WriteFileAtomically(path, "0123456789"));
    struct Case {
        std::size_t limit;
        const char* expected;
    };
    const Case cases[] = {{0, ""}, {4, "0123"}, {10, "0123456789"}, {11, "0123456789"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.limit);
        EXPECT_EQ(ReadFilePrefix(path, c.limit), c.expected);
    }
}

}  // namespace
}  // namespace kemora::config
