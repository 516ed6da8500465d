#pragma once
// How the program shows itself to its user, kept in the settings file's section "VIEW" beside
// the experiment's "DATA", which it never touches.

#include <cstdint>
#include <optional>
#include <string>

#include "config/language.h"

namespace kemora::config {

// The user's view settings; each key that is missing or holds no valid value gives the
// field's default. Owned by whoever reads it; the program reads it once at start.
struct ViewSettings {
    Language language = Language::Japanese;  // key "language": "ja" or "en"

    friend bool operator==(const ViewSettings&, const ViewSettings&) = default;
};

// The file's view settings. A missing file, section or key, or a value that is no known
// code, gives the default. Never creates or changes the file.
[[nodiscard]] ViewSettings LoadViewSettings(const std::string& path);

// Writes the language key into the file, keeping every other line of it, in one step through a
// temporary file and a rename. False when the file could not be read or replaced; the file is
// then as it was.
[[nodiscard]] bool SaveViewSettings(const ViewSettings& settings, const std::string& path);

// The main window's zoom the user chose last, in percent: the key "zoom" read as a whole
// number; nullopt for a missing file, section or key, or a value that is no whole number.
// Whether it is a zoom the window offers is the window's to judge. Never creates or changes
// the file.
[[nodiscard]] std::optional<int32_t> LoadZoom(const std::string& path);

// Writes the zoom key alone, as SaveViewSettings writes the language, with the same result.
[[nodiscard]] bool SaveZoom(int32_t percent, const std::string& path);

}  // namespace kemora::config
