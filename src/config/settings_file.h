#pragma once
// The settings file "CONFIG2.INI" on disk: where it is beside the program, and its sections
// loaded and saved through the format of settings_ini.h.

#include <functional>
#include <string>
#include <string_view>

#include "model/settings.h"

namespace kemora::config {

// The settings file in `folder`, joined with "/" unless the folder already ends in one.
// An empty folder gives the bare file name, that is the current folder.
[[nodiscard]] std::string ConfigFilePathIn(std::string_view folder);

// The settings file in the folder of the running program (its real file, links resolved).
[[nodiscard]] std::string ConfigFilePath();

// Replaces all eight fields by the file's values, as SettingsFromIni reads them. A file that is
// missing, no regular file (a FIFO, a device) or larger than kMaxReadBytes counts as empty.
// Never creates or changes the file.
void LoadSettings(model::ExperimentSettings& settings, const std::string& path);

// Writes all eight fields into the file, keeping every other line of it, in one step through
// a temporary file and a rename (WriteFileAtomically). False when the file could not be read
// whole or must not be replaced (read-only, no regular file); the file is then as it was.
[[nodiscard]] bool SaveSettings(const model::ExperimentSettings& settings, const std::string& path);

// A change of the settings file's bytes: the whole new content from the present one (empty
// for a file not there yet), such as ZoomIntoIni with its percent.
using SettingsEdit = std::function<std::string(std::string_view content)>;

// Replaces the file with `edit` of its bytes, with the guarantees and result of SaveSettings.
[[nodiscard]] bool ReplaceSettingsFile(const std::string& path, const SettingsEdit& edit);

}  // namespace kemora::config
