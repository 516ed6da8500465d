#include "config/settings_file.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "config/file_io.h"
#include "config/settings_ini.h"

namespace kemora::config {
namespace {

constexpr std::string_view kFileName = "CONFIG2.INI";

}  // namespace

std::string ConfigFilePathIn(std::string_view folder) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += kFileName;
    return path;
}

std::string ConfigFilePath() {
    std::error_code error;
    // The kernel resolves this link to the program's real file, whatever link started it.
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return ConfigFilePathIn("");
    return ConfigFilePathIn(program.parent_path().string());
}

void LoadSettings(model::ExperimentSettings& settings, const std::string& path) {
    SettingsFromIni(ReadFileBytes(path).value_or(std::string()), settings);
}

bool SaveSettings(const model::ExperimentSettings& settings, const std::string& path) {
    return ReplaceSettingsFile(
        path, [&settings](std::string_view content) { return SettingsIntoIni(content, settings); });
}

bool ReplaceSettingsFile(const std::string& path, const SettingsEdit& edit) {
    const std::optional<std::string> content = ContentBeforeReplace(path);
    return content && WriteFileAtomically(path, edit(*content));
}

}  // namespace kemora::config
