#include "config/view_settings.h"

#include <optional>

#include "config/file_io.h"
#include "config/ini_file.h"
#include "model/numbers.h"

namespace kemora::config {
namespace {

constexpr std::string_view kSection = "VIEW";
constexpr std::string_view kLanguageKey = "language";
constexpr std::string_view kZoomKey = "zoom";

// Writes one key of the section, keeping every other line of the file.
bool SaveKey(std::string_view key, const std::string& value, const std::string& path) {
    std::optional<std::string> content = ContentBeforeReplace(path);
    if (!content)
        return false;
    *content = WriteProfileString(*content, kSection, key, value);
    return WriteFileAtomically(path, *content);
}

}  // namespace

ViewSettings LoadViewSettings(const std::string& path) {
    const std::string content = ReadFileBytes(path).value_or(std::string());
    ViewSettings settings;
    const std::string code = ReadProfileString(content, kSection, kLanguageKey, "");
    settings.language = LanguageFromCode(code).value_or(settings.language);
    return settings;
}

bool SaveViewSettings(const ViewSettings& settings, const std::string& path) {
    return SaveKey(kLanguageKey, std::string(LanguageCode(settings.language)), path);
}

std::optional<int32_t> LoadZoom(const std::string& path) {
    const std::string content = ReadFileBytes(path).value_or(std::string());
    return model::ParseWholeNumber(ReadProfileString(content, kSection, kZoomKey, ""));
}

bool SaveZoom(int32_t percent, const std::string& path) {
    return SaveKey(kZoomKey, model::IntegerText(percent), path);
}

}  // namespace kemora::config
