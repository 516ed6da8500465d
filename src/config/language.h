#pragma once
// The languages of the user interface and the codes that name them in the settings file and
// on the command line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kemora::config {

// Japanese is the program's own language: its texts are written in it.
enum class Language { Japanese, English };

// "ja" or "en".
[[nodiscard]] std::string_view LanguageCode(Language language);

// The language a code names, ASCII letter case ignored; nullopt for any other text.
[[nodiscard]] std::optional<Language> LanguageFromCode(std::string_view code);

// The code given on the command line as "--lang CODE" or "--lang=CODE" (the last one counts;
// empty when "--lang" ends the line), or nullopt when none is given. `arguments` starts with
// the program's name, which is skipped.
[[nodiscard]] std::optional<std::string> LanguageArgument(
    const std::vector<std::string>& arguments);

}  // namespace kemora::config
