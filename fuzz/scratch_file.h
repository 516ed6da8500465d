#pragma once
// A file of the fuzz run's own, for targets that go through the file functions.

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace kemora::fuzzing {

// The path of a file in a fresh folder of the process's own under TMPDIR (or /tmp). The folder
// and all in it go when the process exits.
inline const std::string& ScratchFilePath() {
    static const std::string folder = [] {
        const char* base = std::getenv("TMPDIR");
        std::string pattern =
            std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/kemora-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        static const std::string made = pattern;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(made, ignored);
        });
        return pattern;
    }();
    static const std::string path = folder + "/input";
    return path;
}

// Puts `bytes` into the file as they are, without the atomic save's flushes.
inline void PutBytes(const std::string& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) {
        std::perror(path.c_str());
        std::abort();
    }
}

}  // namespace kemora::fuzzing
