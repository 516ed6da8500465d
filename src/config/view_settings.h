#pragma once
// How the program shows itself to its user, kept in the settings file's section "VIEW" beside
// the experiment's "DATA", which it never touches.

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

// Writes every key of the section into the file, keeping every other line of it, in one
// step through a temporary file and a rename. False when the file could not be read or
// replaced; the file is then as it was.
[[nodiscard]] bool SaveViewSettings(const ViewSettings& settings, const std::string& path);

}  // namespace kemora::config
