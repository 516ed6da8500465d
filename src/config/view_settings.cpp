#include "config/view_settings.h"

#include "config/file_io.h"
#include "config/settings_file.h"

namespace kemora::config {

ViewSettings LoadViewSettings(const std::string& path) {
    return ViewSettingsFromIni(ReadFileBytes(path).value_or(std::string()));
}

bool SaveViewSettings(const ViewSettings& settings, const std::string& path) {
    return ReplaceSettingsFile(path, [&settings](std::string_view content) {
        return ViewSettingsIntoIni(content, settings);
    });
}

std::optional<int32_t> LoadZoom(const std::string& path) {
    return ZoomFromIni(ReadFileBytes(path).value_or(std::string()));
}

bool SaveZoom(int32_t percent, const std::string& path) {
    return ReplaceSettingsFile(
        path, [percent](std::string_view content) { return ZoomIntoIni(content, percent); });
}

}  // namespace kemora::config
