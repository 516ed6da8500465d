#include "config/language.h"

#include <gtest/gtest.h>

namespace kemora::config {
namespace {

TEST(LanguageCode, NamesEachLanguageAndReadsBackIgnoringCase) {
    EXPECT_EQ(LanguageCode(Language::Japanese), "ja");
    EXPECT_EQ(LanguageCode(Language::English), "en");
    struct Case {
        const char* code;
        std::optional<Language> language;
    };
    const Case cases[] = {
        {"ja", Language::Japanese}, {"en", Language::English}, {"EN", Language::English},
        {"Ja", Language::Japanese}, {"", std::nullopt},        {"e", std::nullopt},
        {"eng", std::nullopt},      {" en", std::nullopt},     {"fr", std::nullopt},
        {"日本語", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(LanguageFromCode(c.code), c.language);
    }
}

TEST(LanguageArgument, TakesTheLastLangOptionInEitherForm) {
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        std::optional<std::string> code;
    };
    const Case cases[] = {
        {"no arguments", {"kemora"}, std::nullopt},
        {"none at all", {}, std::nullopt},
        {"separate value", {"kemora", "--lang", "en"}, "en"},
        {"joined value", {"kemora", "--lang=en"}, "en"},
        {"the last one counts", {"kemora", "--lang=en", "--lang", "ja"}, "ja"},
        {"value missing at the end", {"kemora", "--lang"}, ""},
        {"empty joined value", {"kemora", "--lang="}, ""},
        {"other options are not it",
         {"kemora", "--language=en", "--langen", "-l", "en"},
         std::nullopt},
        {"the program's name is no option", {"--lang=en"}, std::nullopt},
        {"a value is taken as it is", {"kemora", "--lang", "--lang=en"}, "--lang=en"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LanguageArgument(c.arguments), c.code);
    }
}

}  // namespace
}  // namespace kemora::config
