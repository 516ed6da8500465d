#include "config/settings_import.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "config/ini_file.h"
#include "model/settings.h"

namespace kemora::config {
namespace {

// No value read from the file can hold a line end, so this marks a key that is missing.
constexpr std::string_view kMissing = "\n";

}  // namespace

SettingsFileCheck CheckSettingsFile(std::string_view bytes) {
    if (bytes.size() > kMaxSettingsFileBytes)
        return SettingsFileCheck::TooLarge;
    if (bytes.find('\0') != std::string_view::npos)
        return SettingsFileCheck::NotSettings;
    std::array<ProfileKey, model::kSettingKeys.size()> keys;
    for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = {model::kSettingKeys[i].name, kMissing};
    const std::vector<std::string> values = ReadProfileStrings(bytes, "DATA", keys);
    const bool anyKey = std::any_of(values.begin(), values.end(),
                                    [](const std::string& v) { return v != kMissing; });
    return anyKey ? SettingsFileCheck::Usable : SettingsFileCheck::NotSettings;
}

}  // namespace kemora::config
