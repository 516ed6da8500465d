#include "config/view_settings.h"

#include <optional>

#include "config/file_io.h"
#include "config/ini_file.h"

namespace kemora::config {
namespace {

constexpr std::string_view kSection = "VIEW";
constexpr std::string_view kLanguageKey = "language";

}  // namespace

ViewSettings LoadViewSettings(const std::string& path) {
    const std::string content = ReadFileBytes(path).value_or(std::string());
    ViewSettings settings;
    const std::string code = ReadProfileString(content, kSection, kLanguageKey, "");
    settings.language = LanguageFromCode(code).value_or(settings.language);
    return settings;
}

bool SaveViewSettings(const ViewSettings& settings, const std::string& path) {
    std::optional<std::string> content = ContentBeforeReplace(path);
    if (!content)
        return false;
    *content =
        WriteProfileString(*content, kSection, kLanguageKey, LanguageCode(settings.language));
    return WriteFileAtomically(path, *content);
}

}  // namespace kemora::config
