#pragma once
// The settings file's format, on its bytes: section "DATA" holds one key per field of
// ExperimentSettings, each value padded with blanks to 50 characters; section "VIEW" holds how
// the program shows itself. Where the bytes are kept is the caller's business.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/language.h"
#include "model/settings.h"

namespace kemora::config {

// The user's view settings; each key that is missing or holds no valid value gives the
// field's default. Owned by whoever reads it; the program reads it once at start.
struct ViewSettings {
    Language language = Language::Japanese;  // key "language": "ja" or "en"

    friend bool operator==(const ViewSettings&, const ViewSettings&) = default;
};

// Replaces all eight fields by the values in `content`'s section DATA. A missing section or
// key gives that key's fallback text; so does a value that is empty, holds no number, or
// (integer fields) does not fit in 32 bits once rounded. Empty content is a missing file.
void SettingsFromIni(std::string_view content, model::ExperimentSettings& settings);

// `content` with all eight fields written into section DATA, every other byte kept.
[[nodiscard]] std::string SettingsIntoIni(std::string_view content,
                                          const model::ExperimentSettings& settings);

// The view settings of `content`'s section VIEW: a missing section or key, or a value that is
// no known code, gives the default.
[[nodiscard]] ViewSettings ViewSettingsFromIni(std::string_view content);

// `content` with the language key written into section VIEW, every other byte kept.
[[nodiscard]] std::string ViewSettingsIntoIni(std::string_view content,
                                              const ViewSettings& settings);

// The main window's zoom the user chose last, in percent: the key "zoom" of section VIEW read
// as a whole number; nullopt for a missing section or key, or a value that is no whole number.
// Whether it is a zoom the window offers is the window's to judge.
[[nodiscard]] std::optional<int32_t> ZoomFromIni(std::string_view content);

// `content` with the zoom key alone written into section VIEW, every other byte kept.
[[nodiscard]] std::string ZoomIntoIni(std::string_view content, int32_t percent);

}  // namespace kemora::config
