#pragma once
// Whole-file reading and writing for the settings file and the scenario files.

#include <optional>
#include <string>

namespace kemora::config {

// The file's bytes; nullopt when it cannot be opened or read.
[[nodiscard]] std::optional<std::string> ReadFileBytes(const std::string& path);

// The content of a file about to be changed and replaced, empty when there is none yet;
// nullopt when it must not be replaced: a file that is there but cannot be read (the new
// content would drop what could not be seen), or one the user made read-only (the rename
// would replace it all the same).
[[nodiscard]] std::optional<std::string> ContentBeforeReplace(const std::string& path);

// Replaces the file with `bytes` in one step: writes a temporary file in the same folder,
// flushes it to disk and renames it over the target. On any failure the target is left as
// it was, the temporary file is removed, and the result is false. A link is followed.
[[nodiscard]] bool WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace kemora::config
