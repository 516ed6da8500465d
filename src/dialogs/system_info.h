#pragma once
// Finding and starting the system-information tool from the version dialog. No Qt here: the
// registry, the file test and the start of a program are reached through small interfaces.

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kemora::dialogs {

inline constexpr uint32_t kHkeyLocalMachine = 0x80000002;
// Access mask used when opening a key; kept as the tool's registration expects it.
inline constexpr uint32_t kKeyAccessMask = 0x2003F;
inline constexpr uint32_t kRegTypeText = 1;
inline constexpr uint32_t kRegTypeNumber32 = 4;
// Bytes a queried value may occupy; a longer value counts as not read.
inline constexpr std::size_t kValueBufferSize = 1024;

// Where the system-information tool is registered: first the program itself, then the folder
// that holds kSysInfoFileName.
inline constexpr std::string_view kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kSysInfoValue = "PATH";
inline constexpr std::string_view kSharedToolsKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view kSharedToolsValue = "MSINFO";
inline constexpr std::string_view kSysInfoFileName = "MSINFO32.EXE";
// Joins the shared-tools folder and kSysInfoFileName: this platform's path separator.
inline constexpr char kPathSeparator = '/';

// The three registry calls the lookup relies on. Implemented by the platform binding and by
// test fakes; the caller owns it. A handle returned by openKey stays valid until closeKey.
class Registry {
  public:
    using KeyHandle = uint32_t;

    virtual ~Registry() = default;
    // Opens `keyName` under the root key `keyRoot`; nothing when it cannot be opened.
    [[nodiscard]] virtual std::optional<KeyHandle> openKey(uint32_t keyRoot,
                                                           std::string_view keyName,
                                                           uint32_t options,
                                                           uint32_t accessMask) = 0;
    // Reads the value `valueName` of an open key into `buffer`, with its type and its length
    // in bytes. A value that does not fit the buffer is a failure, as is a missing one.
    [[nodiscard]] virtual bool queryValue(KeyHandle key, std::string_view valueName, uint32_t& type,
                                          std::span<char> buffer, std::size_t& size) = 0;
    virtual void closeKey(KeyHandle key) = 0;
};

// Starts another program with a normal window that takes the focus, and does not watch it.
// Owned by the caller of the version dialog.
class Launcher {
  public:
    virtual ~Launcher() = default;
    // False when the program could not be started.
    [[nodiscard]] virtual bool start(const std::string& program) = 0;
};

// Reads the value `subKeyRef` of the key `keyName` under `keyRoot` into `keyVal`. A text value
// (type 1) gives its bytes without one trailing NUL; a 32-bit number (type 4) gives "&h" and
// its value in upper-case hexadecimal without leading zeros (its bytes taken as one
// little-endian number, "&h0" for zero); any other type leaves `keyVal` as it was. False, with
// `keyVal` empty, when the key or the value cannot be read. An opened key is always closed.
[[nodiscard]] bool GetKeyValue(Registry& registry, uint32_t keyRoot, std::string_view keyName,
                               std::string_view subKeyRef, std::string& keyVal);

// Whether `path` names an existing regular file (a link to one included).
[[nodiscard]] bool FileExists(const std::string& path);

// What the system-information button came to.
enum class SysInfoStart { Started, Unavailable };

// Looks the tool up (its own key first, then the shared-tools folder when that holds the
// tool's file) and starts it. Unavailable when neither names a program or it cannot be
// started: the caller then tells the user.
[[nodiscard]] SysInfoStart StartSysInfo(Registry& registry, Launcher& launcher);

// System-information and system-monitor programs of Linux desktops, in the order they are
// tried. Tools that describe the machine itself (the nearest match to a system-information
// tool) come first; the desktops' own system monitors follow, so that most desktops offer
// something.
inline constexpr std::array<std::string_view, 9> kSystemInfoTools{
    "kinfocenter",           // KDE's information centre: hardware and software summary
    "hardinfo2",             // system profiler (current name)
    "hardinfo",              // system profiler (older name)
    "cpu-x",                 // processor, memory and system summary
    "gnome-system-monitor",  // GNOME
    "plasma-systemmonitor",  // KDE Plasma
    "mate-system-monitor",   // MATE
    "xfce4-taskmanager",     // Xfce
    "lxtask",                // LXDE
};

// The first of kSystemInfoTools, in that order, that is an executable file in one of the
// folders of `searchPath` (folders separated by ':', as in PATH). Empty and relative entries
// are skipped, so nothing is started from the working folder.
[[nodiscard]] std::optional<std::string> FindSystemInfoTool(std::string_view searchPath);

// The registry of a platform that has none. Its only key is kSysInfoKey under
// HKEY_LOCAL_MACHINE, present while a system-information tool is found on the search path,
// with the text value kSysInfoValue naming that tool. Key and value names compare without
// regard to ASCII case, like registry names. Owned by whoever opens the version dialog.
class PathRegistry final : public Registry {
  public:
    // Searches the folders of the PATH environment variable.
    PathRegistry();
    explicit PathRegistry(std::string searchPath);

    [[nodiscard]] std::optional<KeyHandle> openKey(uint32_t keyRoot, std::string_view keyName,
                                                   uint32_t options, uint32_t accessMask) override;
    [[nodiscard]] bool queryValue(KeyHandle key, std::string_view valueName, uint32_t& type,
                                  std::span<char> buffer, std::size_t& size) override;
    void closeKey(KeyHandle key) override;

  private:
    std::string m_searchPath;
    // Open keys and the tool each one names.
    std::map<KeyHandle, std::string> m_openKeys;
    KeyHandle m_nextHandle = 1;
};

}  // namespace kemora::dialogs
