#include "config/settings_file.h"

#include <array>
#include <filesystem>
#include <optional>
#include <system_error>

#include "config/file_io.h"
#include "config/ini_file.h"
#include "model/numbers.h"

namespace kemora::config {
namespace {

using model::ExperimentSettings;

constexpr std::string_view kSection = "DATA";
constexpr std::string_view kFileName = "CONFIG2.INI";
constexpr std::size_t kValueWidth = 50;

// The fields in the order of kSettingKeys: six whole numbers, then the two doubles.
constexpr std::size_t kIntegerCount = 6;
constexpr std::array<int32_t ExperimentSettings::*, kIntegerCount> kIntegerFields{
    &ExperimentSettings::temperature,     &ExperimentSettings::mol,
    &ExperimentSettings::temperatureUnit, &ExperimentSettings::pressureUnit,
    &ExperimentSettings::grphWMin,        &ExperimentSettings::grphWMax,
};
constexpr std::array<double ExperimentSettings::*, 2> kDoubleFields{
    &ExperimentSettings::grphHMin,
    &ExperimentSettings::grphHMax,
};
static_assert(kIntegerFields.size() + kDoubleFields.size() == model::kSettingKeys.size());

// Whole numbers round half to even. Reading `temperature` as a double and rounding it gives
// the same value as rounding the text directly, so all six keys share this conversion.
int32_t WholeNumberOr(std::string_view text, std::string_view fallback) {
    if (const auto value = model::ParseWholeNumber(text))
        return *value;
    return model::ParseWholeNumber(fallback).value_or(0);
}

double NumberOr(std::string_view text, std::string_view fallback) {
    if (const auto value = model::ParseNumber(text))
        return *value;
    return model::ParseNumber(fallback).value_or(0.0);
}

std::string Padded(std::string text) {
    if (text.size() < kValueWidth)
        text.append(kValueWidth - text.size(), ' ');
    return text;
}

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

void LoadSettings(ExperimentSettings& settings, const std::string& path) {
    const std::string content = ReadFileBytes(path).value_or(std::string());
    std::array<ProfileKey, model::kSettingKeys.size()> keys;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys[i] = {model::kSettingKeys[i].name, model::kSettingKeys[i].fallbackText};
    }
    const std::vector<std::string> texts = ReadProfileStrings(content, kSection, keys);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i < kIntegerCount) {
            settings.*kIntegerFields[i] = WholeNumberOr(texts[i], keys[i].fallback);
        } else {
            settings.*kDoubleFields[i - kIntegerCount] = NumberOr(texts[i], keys[i].fallback);
        }
    }
}

bool SaveSettings(const ExperimentSettings& settings, const std::string& path) {
    auto content = ContentBeforeReplace(path);
    if (!content)
        return false;
    for (std::size_t i = 0; i < model::kSettingKeys.size(); ++i) {
        const std::string text =
            i < kIntegerCount ? model::IntegerText(settings.*kIntegerFields[i])
                              : model::DoubleText(settings.*kDoubleFields[i - kIntegerCount]);
        *content =
            WriteProfileString(*content, kSection, model::kSettingKeys[i].name, Padded(text));
    }
    return WriteFileAtomically(path, *content);
}

}  // namespace kemora::config
