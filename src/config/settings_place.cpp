#include "config/settings_place.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "config/file_io.h"
#include "config/settings_file.h"

namespace kemora::config {
namespace {

namespace fs = std::filesystem;

bool IsAbsoluteFolder(const std::optional<std::string>& folder) {
    return folder && !folder->empty() && folder->front() == '/';
}

// The folder without "." and ".." steps and without a closing separator.
fs::path NormalFolder(std::string_view folder) {
    fs::path path = fs::path(folder).lexically_normal();
    if (!path.has_filename() && path.has_relative_path())
        path = path.parent_path();
    return path;
}

bool IsInstalledFolder(const SettingsFacts& facts) {
    return !facts.installedFolder.empty() &&
           NormalFolder(facts.programFolder) == NormalFolder(facts.installedFolder);
}

std::optional<std::string> Environment(const char* name) {
    if (const char* value = std::getenv(name))
        return std::string(value);
    return std::nullopt;
}

bool FileExists(const std::string& path) {
    return !path.empty() && ::access(path.c_str(), F_OK) == 0;
}

void MakeFoldersFor(const std::string& path) {
    fs::path folder;
    for (const fs::path& part : fs::path(path).parent_path()) {
        folder /= part;
        // An existing folder keeps its permissions; mkdir refuses it with EEXIST.
        ::mkdir(folder.c_str(), S_IRWXU);
    }
}

}  // namespace

std::string UserSettingsPath(const std::optional<std::string>& xdgConfigHome,
                             const std::optional<std::string>& home) {
    if (IsAbsoluteFolder(xdgConfigHome))
        return ConfigFilePathIn((fs::path(*xdgConfigHome) / "kemora").string());
    if (IsAbsoluteFolder(home))
        return ConfigFilePathIn((fs::path(*home) / ".config" / "kemora").string());
    return {};
}

SettingsPlace ChooseSettingsPlace(const SettingsFacts& facts) {
    const std::string beside = ConfigFilePathIn(facts.programFolder);
    if (facts.programFolderWritable && !IsInstalledFolder(facts))
        return {beside, beside, true};
    const std::string user = UserSettingsPath(facts.xdgConfigHome, facts.home);
    // Without a folder of the user's own there is nowhere else to try; the save then tells
    // the user that the file beside the program cannot be written.
    if (user.empty())
        return {beside, beside, false};
    const bool readBeside = facts.besideFileExists && !facts.userFileExists;
    return {readBeside ? beside : user, user, false};
}

SettingsPlace FindSettingsPlace(std::string_view installedFolder) {
    SettingsFacts facts;
    facts.programFolder = fs::path(ConfigFilePath()).parent_path().string();
    facts.installedFolder = installedFolder;
    const std::string folder = facts.programFolder.empty() ? "." : facts.programFolder;
    facts.programFolderWritable = ::access(folder.c_str(), W_OK | X_OK) == 0;
    facts.besideFileExists = FileExists(ConfigFilePathIn(facts.programFolder));
    facts.xdgConfigHome = Environment("XDG_CONFIG_HOME");
    facts.home = Environment("HOME");
    facts.userFileExists = FileExists(UserSettingsPath(facts.xdgConfigHome, facts.home));
    return ChooseSettingsPlace(facts);
}

void PrepareSave(const std::string& savePath, const std::string& seedPath) {
    MakeFoldersFor(savePath);
    if (savePath == seedPath || FileExists(savePath))
        return;
    if (const auto seed = ReadFileBytes(seedPath))
        static_cast<void>(WriteFileAtomically(savePath, *seed));
}

void PrepareSave(const std::string& savePath) {
    PrepareSave(savePath, ConfigFilePath());
}

bool SaveSettingsChoice(const SettingsPlace& place, const SettingsEdit& edit) {
    PrepareSave(place.savePath, place.readPath);
    return ReplaceSettingsFile(place.savePath, edit);
}

bool SaveSettingsChoice(const std::string& savePath, const SettingsEdit& edit) {
    PrepareSave(savePath);
    return ReplaceSettingsFile(savePath, edit);
}

}  // namespace kemora::config
