#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "config/file_descriptor.h"
#include "config/file_io.h"

namespace kemora::config {

std::optional<std::string> ReadFilePrefix(const std::string& path, std::size_t maxBytes) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer; the file type is known only once
    // it is open.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (!fd.isOpen() || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    std::string bytes;
    // The size is a hint only (a file may grow or shrink while it is read).
    bytes.reserve(std::min(
        {maxBytes, kMaxReadBytes, static_cast<std::size_t>(std::max<off_t>(status.st_size, 0))}));
    char buffer[65536];
    while (bytes.size() < maxBytes) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes - bytes.size());
        const ssize_t n = ::read(fd.get(), buffer, wanted);
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

std::optional<std::string> ReadFileBytes(const std::string& path) {
    auto bytes = ReadFilePrefix(path, kMaxReadBytes + 1);
    if (bytes && bytes->size() > kMaxReadBytes)
        return std::nullopt;
    return bytes;
}

std::optional<std::string> ContentBeforeReplace(const std::string& path) {
    if (auto bytes = ReadFileBytes(path))
        return bytes;
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 && errno == ENOENT)
        return std::string();
    return std::nullopt;
}

}  // namespace kemora::config
