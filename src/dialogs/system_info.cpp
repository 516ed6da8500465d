#include "dialogs/system_info.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

namespace kemora::dialogs {
namespace {

namespace fs = std::filesystem;

// The bytes as one little-endian unsigned number, in upper-case hexadecimal without leading
// zeros; "0" when every byte is zero.
std::string HexNumberText(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        const auto value = static_cast<unsigned char>(*byte);
        text += kDigits[value >> 4];
        text += kDigits[value & 0x0F];
    }
    const std::size_t firstDigit = text.find_first_not_of('0');
    return firstDigit == std::string::npos ? std::string("0") : text.substr(firstDigit);
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

bool IsExecutableFile(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::is_regular_file(status))
        return false;
    constexpr fs::perms kAnyExecute =
        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    return (status.permissions() & kAnyExecute) != fs::perms::none;
}

// A text that can name a file: not empty and without a NUL, which would cut the name.
bool CanNameFile(const std::string& path) {
    return !path.empty() && path.find('\0') == std::string::npos;
}

}  // namespace

bool GetKeyValue(Registry& registry, uint32_t keyRoot, std::string_view keyName,
                 std::string_view subKeyRef, std::string& keyVal) {
    const std::optional<Registry::KeyHandle> key =
        registry.openKey(keyRoot, keyName, 0, kKeyAccessMask);
    if (!key) {
        keyVal.clear();
        return false;
    }
    std::array<char, kValueBufferSize> buffer{};
    uint32_t type = 0;
    std::size_t size = buffer.size();
    if (!registry.queryValue(*key, subKeyRef, type, buffer, size)) {
        registry.closeKey(*key);
        keyVal.clear();
        return false;
    }
    // A length beyond the buffer cannot be true; read no further than the buffer.
    std::string_view text(buffer.data(), std::min(size, buffer.size()));
    if (!text.empty() && text.back() == '\0')
        text.remove_suffix(1);
    if (type == kRegTypeText) {
        keyVal.assign(text);
    } else if (type == kRegTypeNumber32) {
        // The stripped NUL was the number's highest byte, so the value is the same.
        keyVal = "&h" + HexNumberText(text);
    }
    registry.closeKey(*key);
    return true;
}

bool FileExists(const std::string& path) {
    if (!CanNameFile(path))
        return false;
    std::error_code error;
    return fs::is_regular_file(path, error);
}

SysInfoStart StartSysInfo(Registry& registry, Launcher& launcher) {
    std::string sysInfoPath;
    if (!GetKeyValue(registry, kHkeyLocalMachine, kSysInfoKey, kSysInfoValue, sysInfoPath)) {
        if (!GetKeyValue(registry, kHkeyLocalMachine, kSharedToolsKey, kSharedToolsValue,
                         sysInfoPath)) {
            return SysInfoStart::Unavailable;
        }
        sysInfoPath += kPathSeparator;
        sysInfoPath += kSysInfoFileName;
        if (!FileExists(sysInfoPath))
            return SysInfoStart::Unavailable;
    }
    if (!CanNameFile(sysInfoPath) || !launcher.start(sysInfoPath)) {
        return SysInfoStart::Unavailable;
    }
    return SysInfoStart::Started;
}

std::optional<std::string> FindSystemInfoTool(std::string_view searchPath) {
    for (const std::string_view tool : kSystemInfoTools) {
        std::string_view rest = searchPath;
        while (true) {
            const std::size_t colon = rest.find(':');
            const std::string_view folder = rest.substr(0, colon);
            if (!folder.empty() && folder.front() == '/' &&
                folder.find('\0') == std::string_view::npos) {
                const fs::path candidate = fs::path(folder) / tool;
                if (IsExecutableFile(candidate))
                    return candidate.string();
            }
            if (colon == std::string_view::npos)
                break;
            rest.remove_prefix(colon + 1);
        }
    }
    return std::nullopt;
}

PathRegistry::PathRegistry() {
    const char* path = std::getenv("PATH");
    if (path != nullptr)
        m_searchPath = path;
}

PathRegistry::PathRegistry(std::string searchPath) : m_searchPath(std::move(searchPath)) {}

std::optional<Registry::KeyHandle> PathRegistry::openKey(uint32_t keyRoot, std::string_view keyName,
                                                         uint32_t /*options*/,
                                                         uint32_t /*accessMask*/) {
    if (keyRoot != kHkeyLocalMachine || !EqualIgnoringAsciiCase(keyName, kSysInfoKey)) {
        return std::nullopt;
    }
    std::optional<std::string> tool = FindSystemInfoTool(m_searchPath);
    if (!tool)
        return std::nullopt;
    const KeyHandle key = m_nextHandle++;
    m_openKeys.emplace(key, std::move(*tool));
    return key;
}

bool PathRegistry::queryValue(KeyHandle key, std::string_view valueName, uint32_t& type,
                              std::span<char> buffer, std::size_t& size) {
    const auto open = m_openKeys.find(key);
    if (open == m_openKeys.end() || !EqualIgnoringAsciiCase(valueName, kSysInfoValue)) {
        return false;
    }
    // Stored as a registry text is: with its terminating NUL.
    const std::string& tool = open->second;
    if (tool.size() + 1 > buffer.size())
        return false;
    std::copy(tool.begin(), tool.end(), buffer.begin());
    buffer[tool.size()] = '\0';
    type = kRegTypeText;
    size = tool.size() + 1;
    return true;
}

void PathRegistry::closeKey(KeyHandle key) {
    m_openKeys.erase(key);
}

}  // namespace kemora::dialogs
