#include "config/settings_ini.h"

#include <array>
#include <vector>

#include "config/ini_file.h"
#include "model/numbers.h"

namespace kemora::config {
namespace {

using model::ExperimentSettings;

constexpr std::string_view kDataSection = "DATA";
constexpr std::size_t kValueWidth = 50;
constexpr std::string_view kViewSection = "VIEW";
constexpr std::string_view kLanguageKey = "language";
constexpr std::string_view kZoomKey = "zoom";

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

void SettingsFromIni(std::string_view content, ExperimentSettings& settings) {
    std::array<ProfileKey, model::kSettingKeys.size()> keys;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys[i] = {model::kSettingKeys[i].name, model::kSettingKeys[i].fallbackText};
    }
    const std::vector<std::string> texts = ReadProfileStrings(content, kDataSection, keys);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i < kIntegerCount) {
            settings.*kIntegerFields[i] = WholeNumberOr(texts[i], keys[i].fallback);
        } else {
            settings.*kDoubleFields[i - kIntegerCount] = NumberOr(texts[i], keys[i].fallback);
        }
    }
}

std::string SettingsIntoIni(std::string_view content, const ExperimentSettings& settings) {
    std::string written(content);
    for (std::size_t i = 0; i < model::kSettingKeys.size(); ++i) {
        const std::string text =
            i < kIntegerCount ? model::IntegerText(settings.*kIntegerFields[i])
                              : model::DoubleText(settings.*kDoubleFields[i - kIntegerCount]);
        written =
            WriteProfileString(written, kDataSection, model::kSettingKeys[i].name, Padded(text));
    }
    return written;
}

ViewSettings ViewSettingsFromIni(std::string_view content) {
    ViewSettings settings;
    const std::string code = ReadProfileString(content, kViewSection, kLanguageKey, "");
    settings.language = LanguageFromCode(code).value_or(settings.language);
    return settings;
}

std::string ViewSettingsIntoIni(std::string_view content, const ViewSettings& settings) {
    return WriteProfileString(content, kViewSection, kLanguageKey, LanguageCode(settings.language));
}

std::optional<int32_t> ZoomFromIni(std::string_view content) {
    return model::ParseWholeNumber(ReadProfileString(content, kViewSection, kZoomKey, ""));
}

std::string ZoomIntoIni(std::string_view content, int32_t percent) {
    return WriteProfileString(content, kViewSection, kZoomKey, model::IntegerText(percent));
}

}  // namespace kemora::config
