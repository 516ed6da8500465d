#include "config/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace kemora::config {
namespace {

// Closes the descriptor when it goes out of scope.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    bool closeNow() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

  private:
    int m_fd;
};

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

// A file that replaces another keeps the permission bits of the one it replaces.
void CopyPermissions(const std::string& from, int toFd) {
    struct stat status {};
    if (::stat(from.c_str(), &status) == 0)
        ::fchmod(toFd, status.st_mode & 07777);
}

// A link is followed, so that the file it names is replaced, not the link.
std::string ResolvedPath(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return path;
    std::string result(resolved);
    std::free(resolved);
    return result;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return std::nullopt;
    std::string bytes;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

std::optional<std::string> ContentBeforeReplace(const std::string& path) {
    if (auto bytes = ReadFileBytes(path)) {
        if (::access(path.c_str(), W_OK) != 0)
            return std::nullopt;
        return bytes;
    }
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 && errno == ENOENT)
        return std::string();
    return std::nullopt;
}

bool WriteFileAtomically(const std::string& target, const std::string& bytes) {
    const std::string path = ResolvedPath(target);
    std::vector<char> temporary(path.begin(), path.end());
    const std::string suffix = ".tmpXXXXXX";
    temporary.insert(temporary.end(), suffix.begin(), suffix.end());
    temporary.push_back('\0');
    FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return false;
    const std::string temporaryPath(temporary.data());
    CopyPermissions(path, fd.get());
    const bool written = WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    if (!fd.closeNow() || !written || ::rename(temporaryPath.c_str(), path.c_str()) != 0) {
        ::unlink(temporaryPath.c_str());
        return false;
    }
    return true;
}

}  // namespace kemora::config
