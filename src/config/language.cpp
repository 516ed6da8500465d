#include "config/language.h"

#include <cstddef>

namespace kemora::config {
namespace {

constexpr std::string_view kOption = "--lang";

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

}  // namespace

std::string_view LanguageCode(Language language) {
    return language == Language::English ? "en" : "ja";
}

std::optional<Language> LanguageFromCode(std::string_view code) {
    for (const Language language : {Language::Japanese, Language::English}) {
        if (EqualIgnoringAsciiCase(code, LanguageCode(language)))
            return language;
    }
    return std::nullopt;
}

std::optional<std::string> LanguageArgument(const std::vector<std::string>& arguments) {
    std::optional<std::string> code;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == kOption) {
            code = i + 1 < arguments.size() ? arguments[++i] : std::string();
        } else if (argument.size() > kOption.size() && argument.starts_with(kOption) &&
                   argument[kOption.size()] == '=') {
            code = std::string(argument.substr(kOption.size() + 1));
        }
    }
    return code;
}

}  // namespace kemora::config
