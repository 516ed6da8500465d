#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string_view>

#include "config/file_descriptor.h"
#include "config/file_io.h"

namespace kemora::config {
namespace {

constexpr std::string_view kTemporaryMark = ".kemora-";
constexpr std::size_t kRandomLength = 6;
constexpr std::size_t kMaxNameLength = 255;  // bytes of one name in a folder
constexpr std::string_view kLettersAndDigits =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// The file a save replaces or creates, links followed.
struct SaveTarget {
    std::string folder;  // "" for the current folder, else ending in '/'
    std::string name;
    std::optional<struct stat> existing;  // the file replaced, if there is one
};

std::optional<SaveTarget> SplitTarget(const std::string& path,
                                      const std::optional<struct stat>& existing) {
    const std::size_t slash = path.rfind('/');
    const std::size_t nameBegin = slash == std::string::npos ? 0 : slash + 1;
    if (nameBegin == path.size())
        return std::nullopt;
    return SaveTarget{path.substr(0, nameBegin), path.substr(nameBegin), existing};
}

// Nullopt when the save must not go on: the name is taken by something that is no regular
// file, by a file the user may not write, or by a link that leads nowhere or to itself (the
// rename would put a plain file in the link's place).
std::optional<SaveTarget> FindSaveTarget(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0)
        return errno == ENOENT ? SplitTarget(path, std::nullopt) : std::nullopt;
    std::string resolved = path;
    if (S_ISLNK(status.st_mode)) {
        const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                               &std::free);
        if (real == nullptr)
            return std::nullopt;
        resolved = real.get();
    }
    if (::stat(resolved.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
        ::access(resolved.c_str(), W_OK) != 0)
        return std::nullopt;
    return SplitTarget(resolved, status);
}

// ".NAME.kemora-" with NAME cut so that the whole temporary name fits in a folder.
std::string TemporaryPrefix(const std::string& name) {
    const std::size_t kept = kMaxNameLength - 1 - kTemporaryMark.size() - kRandomLength;
    return "." + name.substr(0, kept) + std::string(kTemporaryMark);
}

bool IsTemporaryName(std::string_view entry, std::string_view prefix) {
    return entry.size() == prefix.size() + kRandomLength && entry.starts_with(prefix) &&
           std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix.size()), entry.end(),
                       [](char c) { return kLettersAndDigits.find(c) != std::string_view::npos; });
}

// Files a killed save left behind: regular files of the user's own with the names this
// program gives the target's temporary files. A save of the same target running at this very
// moment in another process may lose its temporary file; it then reports its failure.
void RemoveStaleTemporaryFiles(const std::string& folder, const std::string& prefix) {
    struct CloseDir {
        void operator()(DIR* dir) const { ::closedir(dir); }
    };
    const std::unique_ptr<DIR, CloseDir> dir(::opendir(folder.empty() ? "." : folder.c_str()));
    if (dir == nullptr)
        return;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (!IsTemporaryName(entry->d_name, prefix))
            continue;
        struct stat status {};
        if (::fstatat(::dirfd(dir.get()), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_uid == ::geteuid())
            ::unlinkat(::dirfd(dir.get()), entry->d_name, 0);
    }
}

std::string RandomLettersAndDigits() {
    std::array<unsigned char, kRandomLength> random{};
    if (::getrandom(random.data(), random.size(), GRND_NONBLOCK) !=
        static_cast<ssize_t>(random.size())) {
        // Early in a boot the kernel may have no randomness to give yet: the clock and the
        // process tell saves apart well enough, and the exclusive create catches a clash.
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        uint64_t mixed = static_cast<uint64_t>(now.tv_nsec) ^
                         (static_cast<uint64_t>(now.tv_sec) << 30) ^
                         (static_cast<uint64_t>(::getpid()) << 50);
        for (unsigned char& byte : random) {
            mixed = mixed * 6364136223846793005u + 1442695040888963407u;
            byte = static_cast<unsigned char>(mixed >> 56);
        }
    }
    std::string text;
    for (const unsigned char byte : random)
        text += kLettersAndDigits[byte % kLettersAndDigits.size()];
    return text;
}

struct TemporaryFile {
    FileDescriptor fd;
    std::string path;
};

// A new file of a name nobody has, created with `mode` less the umask.
std::optional<TemporaryFile> CreateTemporaryFile(const std::string& pathPrefix, mode_t mode) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::string path = pathPrefix + RandomLettersAndDigits();
        FileDescriptor fd(
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (fd.isOpen())
            return TemporaryFile{std::move(fd), std::move(path)};
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

// The new file takes the replaced file's owner and group where the process may give them
// (else at least the group), then its mode, last because a change of owner clears the
// set-user-ID bits.
bool TakeOwnerAndMode(int fd, const struct stat& replaced) {
    if (::fchown(fd, replaced.st_uid, replaced.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid) != 0) {
        // A file of another user's or of a foreign group becomes the saving user's own.
    }
    return ::fchmod(fd, replaced.st_mode & 07777) == 0;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Puts the renamed entry on disk. A folder the user may only write into cannot be opened to
// be flushed, and some file systems cannot flush folders: the rename stands then, as it would
// without the flush.
bool FlushFolder(const std::string& folder) {
    const FileDescriptor fd(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.isOpen())
        return true;
    return ::fsync(fd.get()) == 0 || errno == EINVAL;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const std::optional<SaveTarget> target = FindSaveTarget(path);
    if (!target)
        return false;
    const std::string prefix = TemporaryPrefix(target->name);
    RemoveStaleTemporaryFiles(target->folder, prefix);
    // A file that replaces another stays private until it has the other's owner and mode.
    std::optional<TemporaryFile> temporary =
        CreateTemporaryFile(target->folder + prefix, target->existing ? 0600 : 0666);
    if (!temporary)
        return false;
    const bool written =
        (!target->existing || TakeOwnerAndMode(temporary->fd.get(), *target->existing)) &&
        WriteAll(temporary->fd.get(), bytes) && ::fsync(temporary->fd.get()) == 0;
    const bool closed = temporary->fd.closeNow();
    if (!written || !closed ||
        ::rename(temporary->path.c_str(), (target->folder + target->name).c_str()) != 0) {
        ::unlink(temporary->path.c_str());
        return false;
    }
    return FlushFolder(target->folder);
}

}  // namespace kemora::config
