#pragma once
// The settings file's section "VIEW" on disk: how the program shows itself, beside the
// experiment's "DATA", which it never touches. The format is settings_ini.h's.

#include <cstdint>
#include <optional>
#include <string>

#include "config/settings_ini.h"

namespace kemora::config {

// The file's view settings, as ViewSettingsFromIni reads them; a missing file gives the
// default. Never creates or changes the file.
[[nodiscard]] ViewSettings LoadViewSettings(const std::string& path);

// Writes the language key into the file, keeping every other line of it, in one step through a
// temporary file and a rename. False when the file could not be read or replaced; the file is
// then as it was.
[[nodiscard]] bool SaveViewSettings(const ViewSettings& settings, const std::string& path);

// The file's zoom, as ZoomFromIni reads it; nullopt for a missing file. Never creates or
// changes the file.
[[nodiscard]] std::optional<int32_t> LoadZoom(const std::string& path);

// Writes the zoom key alone, as SaveViewSettings writes the language, with the same result.
[[nodiscard]] bool SaveZoom(int32_t percent, const std::string& path);

}  // namespace kemora::config
