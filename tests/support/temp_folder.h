#pragma once
// A folder of the running test's own for files the test writes.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace kemora::testing_support {

// A fresh, empty folder in the temporary directory, named after `prefix`, the process and the
// running test, so that tests running side by side never share one. It is removed with all it
// holds when the object goes, also after a test took its write permission away. Owned by the
// test's fixture; make it while a test runs (a fixture member or SetUp).
class TempFolder {
  public:
    explicit TempFolder(const std::string& prefix) {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        m_path = std::filesystem::temp_directory_path() /
                 (prefix + "-" + std::to_string(::getpid()) +
                  (test != nullptr ? "-" + std::string(test->name()) : std::string()));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }

  private:
    std::filesystem::path m_path;
};

}  // namespace kemora::testing_support
