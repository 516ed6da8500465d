#pragma once
// Whole-file reading and writing for the settings file and the scenario files.

#include <optional>
#include <string>

namespace kemora::config {

// The file's bytes; nullopt when it cannot be opened or read.
[[nodiscard]] std::optional<std::string> ReadFileBytes(const std::string& path);

// Replaces the file with `bytes` in one step: writes a temporary file in the same folder,
// flushes it to disk and renames it over the target. On any failure the target is left as
// it was, the temporary file is removed, and the result is false. A link is followed.
[[nodiscard]] bool WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace kemora::config
