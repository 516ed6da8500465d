// Whether a save reaches the disk before it reports success: this test program's own fsync
// watches every flush the code under test asks for, then hands it on to the kernel.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "config/file_io.h"
#include "support/temp_folder.h"

namespace {

// Called with each descriptor flushed, while a test watches.
std::function<void(int)> g_watchFlush;

}  // namespace

#ifdef SYS_fsync
constexpr bool kFlushesWatched = true;

extern "C" int fsync(int fd) {
    if (g_watchFlush)
        g_watchFlush(fd);
    return static_cast<int>(::syscall(SYS_fsync, fd));
}
#else
constexpr bool kFlushesWatched = false;
#endif

namespace kemora::config {
namespace {

namespace fs = std::filesystem;

bool IsSameFile(int fd, const fs::path& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

TEST(FileFlush, FolderIsFlushedOnceTheNewNameIsInPlace) {
    if (!kFlushesWatched)
        GTEST_SKIP() << "no system call to hand a flush on to: this C library's fsync cannot "
                        "be watched";
    const testing_support::TempFolder tempFolder("kemora-file-flush");
    const fs::path folder = tempFolder.path();
    const std::string path = (folder / "f.so2").string();
    for (const bool replacing : {false, true}) {
        SCOPED_TRACE(replacing ? "replacing a file" : "new file");
        bool fileFlushed = false;
        std::optional<std::string> heldWhenFolderFlushed;
        g_watchFlush = [&](int fd) {
            struct stat status {};
            if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
                fileFlushed = true;
            if (IsSameFile(fd, folder))
                heldWhenFolderFlushed = ReadFileBytes(path);
        };
        const bool written = WriteFileAtomically(path, replacing ? "second" : "first");
        g_watchFlush = nullptr;
        ASSERT_TRUE(written);
        EXPECT_TRUE(fileFlushed);
        EXPECT_EQ(heldWhenFolderFlushed, replacing ? "second" : "first");
    }
}

}  // namespace
}  // namespace kemora::config
