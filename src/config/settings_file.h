#pragma once
// The settings file "CONFIG2.INI" beside the program: section "DATA" with one key per field
// of ExperimentSettings, each value padded with blanks to 50 characters.

#include <string>
#include <string_view>

#include "model/settings.h"

namespace kemora::config {

// The settings file in `folder`, joined with "/" unless the folder already ends in one.
// An empty folder gives the bare file name, that is the current folder.
[[nodiscard]] std::string ConfigFilePathIn(std::string_view folder);

// The settings file in the folder of the running program (its real file, links resolved).
[[nodiscard]] std::string ConfigFilePath();

// Replaces all eight fields by the file's values. A missing file, section or key gives that
// key's fallback text; so does a value that is empty, holds no number, or (integer fields)
// does not fit in 32 bits once rounded. A file that is no regular file (a FIFO, a device) or
// larger than kMaxReadBytes counts as missing. Never creates or changes the file.
void LoadSettings(model::ExperimentSettings& settings, const std::string& path);

// Writes all eight fields into the file, keeping every other line of it, in one step through
// a temporary file and a rename (WriteFileAtomically). False when the file could not be read
// whole or must not be replaced (read-only, no regular file); the file is then as it was.
[[nodiscard]] bool SaveSettings(const model::ExperimentSettings& settings, const std::string& path);

}  // namespace kemora::config
