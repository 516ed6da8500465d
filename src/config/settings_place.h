#pragma once
// Where the settings file is read and saved. A program in a folder its user may write to (a
// copied program, a class set on a shared drive) keeps CONFIG2.INI beside itself. An installed
// program keeps each user's own file in the user's configuration folder, and reads a
// CONFIG2.INI beside the program as an administrator's defaults until the user has saved.

#include <optional>
#include <string>
#include <string_view>

#include "config/settings_file.h"

namespace kemora::config {

// What the choice depends on, gathered from the file system and the environment.
struct SettingsFacts {
    std::string programFolder;                 // the folder of the program's real file
    std::string installedFolder;               // where installing puts the program
    bool programFolderWritable = false;        // the user may create files in the program folder
    bool besideFileExists = false;             // CONFIG2.INI in the program folder
    bool userFileExists = false;               // the file UserSettingsPath names
    std::optional<std::string> xdgConfigHome;  // XDG_CONFIG_HOME; nullopt when unset
    std::optional<std::string> home;           // HOME; nullopt when unset
};

// The two paths of the settings file; both are the same file beside a copied program.
struct SettingsPlace {
    std::string readPath;        // loaded at each activation; a missing file gives the fallbacks
    std::string savePath;        // written by the settings dialog; its folder may still be missing
    bool besideProgram = false;  // the user's files belong in the program folder
};

// The user's own settings file: "kemora/CONFIG2.INI" in XDG_CONFIG_HOME, or in HOME's
// ".config" when XDG_CONFIG_HOME is unset, empty or relative (such a value is invalid); empty
// when neither gives an absolute folder.
[[nodiscard]] std::string UserSettingsPath(const std::optional<std::string>& xdgConfigHome,
                                           const std::optional<std::string>& home);

// Beside the program when its folder is writable and is not the installed program's folder
// (root may write to any folder, yet must not leave files among the installed ones). Otherwise
// the user's file is saved, and read when it exists; before that, the file beside the program.
[[nodiscard]] SettingsPlace ChooseSettingsPlace(const SettingsFacts& facts);

// The choice for the running program, from the facts as they are now: the read path changes
// with the user's first save, so ask again before every load.
[[nodiscard]] SettingsPlace FindSettingsPlace(std::string_view installedFolder);

// Readies a save into `savePath`: makes its missing folders, open to their owner only as the
// user's configuration folders should be, and starts a missing file as a copy of `seedPath`, the
// file read so far (the administrator's beside the program), so that saving one section keeps
// what the others held. Whatever fails here shows as the failure of the save after it.
void PrepareSave(const std::string& savePath, const std::string& seedPath);

// PrepareSave with the settings file beside the running program as the seed, for a caller that
// knows only where to save.
void PrepareSave(const std::string& savePath);

// One choice saved, as every menu and dialog saves it: PrepareSave, then `edit` of the save
// file's bytes written by ReplaceSettingsFile, whose result it gives.
[[nodiscard]] bool SaveSettingsChoice(const SettingsPlace& place, const SettingsEdit& edit);

// The same with the settings file beside the running program as the seed.
[[nodiscard]] bool SaveSettingsChoice(const std::string& savePath, const SettingsEdit& edit);

}  // namespace kemora::config
