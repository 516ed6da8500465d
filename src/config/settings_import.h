#pragma once
// Whether bytes brought in from elsewhere (a file a teacher picks, the class's settings from a
// desktop) can take the place of the settings file.

#include <cstddef>
#include <string_view>

namespace kemora::config {

// Far more than the settings file ever holds (a few hundred bytes, a few sections of the
// user's own), little enough for any browser's storage.
inline constexpr std::size_t kMaxSettingsFileBytes = 64 * 1024;  // bytes

// What CheckSettingsFile finds.
enum class SettingsFileCheck {
    Usable,
    TooLarge,     // more than kMaxSettingsFileBytes
    NotSettings,  // no section DATA with any of the settings' keys, or not text at all (a NUL)
};

// Usable when the bytes are a settings file: its values then load as SettingsFromIni reads
// them, a damaged value falling back as it would from the file on disk.
[[nodiscard]] SettingsFileCheck CheckSettingsFile(std::string_view bytes);

}  // namespace kemora::config
