#pragma once
// An open file descriptor of the file helpers; closes it when it goes.

#include <unistd.h>

#include <utility>

namespace kemora::config {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(FileDescriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor& operator=(FileDescriptor&&) = delete;

    [[nodiscard]] int get() const { return m_fd; }
    [[nodiscard]] bool isOpen() const { return m_fd >= 0; }
    // Closes now; false when the close reports an error (a write that did not reach the file).
    [[nodiscard]] bool closeNow() { return ::close(std::exchange(m_fd, -1)) == 0; }

  private:
    int m_fd;
};

}  // namespace kemora::config
