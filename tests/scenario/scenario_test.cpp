#include "scenario/scenario.h"

#include <gtest/gtest.h>

#include <string>

namespace kemora::scenario {
namespace {

std::string Spaces(std::size_t count) {
    return std::string(count, ' ');
}

std::string Repeat(const std::string& text, std::size_t count) {
    std::string result;
    for (std::size_t i = 0; i < count; ++i) result += text;
    return result;
}

TEST(ScenarioTitle, NeverAssignedTitleIsThirtyNulsAndShowsEmpty) {
    const Scenario scenario;
    for (char32_t c : scenario.title) EXPECT_EQ(c, U'\0');
    EXPECT_EQ(TitleText(scenario), "");
    EXPECT_EQ(TrimmedTitleText(scenario), "");
    EXPECT_EQ(scenario.stepCount, 0);
    for (const ScenarioStep& step : scenario.steps) EXPECT_EQ(step, ScenarioStep{});
}

TEST(ScenarioTitle, AssigningKeepsThirtyCharactersAndFillsWithSpaces) {
    struct Case {
        std::string typed;
        std::string shown;
        std::string trimmed;
    };
    const Case cases[] = {
        {"", Spaces(30), ""},
        {"実験1", "実験1" + Spaces(27), "実験1"},
        {"  a b  ", "  a b  " + Spaces(23), "a b"},
        {"abcdefghijklmnopqrstuvwxyz0123", "abcdefghijklmnopqrstuvwxyz0123",
         "abcdefghijklmnopqrstuvwxyz0123"},
        {"abcdefghijklmnopqrstuvwxyz01234", "abcdefghijklmnopqrstuvwxyz0123",
         "abcdefghijklmnopqrstuvwxyz0123"},
        // Characters are counted, not bytes.
        {Repeat("あ", 31), Repeat("あ", 30), Repeat("あ", 30)},
        {"😀x", "😀x" + Spaces(28), "😀x"},
        {"a\xFF"
         "b",
         "a\uFFFDb" + Spaces(27), "a\uFFFDb"},
        // A full-width space is no space to trim.
        {"\u3000a\u3000", "\u3000a\u3000" + Spaces(27), "\u3000a\u3000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Scenario scenario;
        AssignTitle(scenario, c.typed);
        EXPECT_EQ(TitleText(scenario), c.shown);
        EXPECT_EQ(TrimmedTitleText(scenario), c.trimmed);
    }
}

TEST(ScenarioTitle, AShorterTitleReplacesAllOfTheLongerOne) {
    Scenario scenario;
    AssignTitle(scenario, "a long title of many words");
    AssignTitle(scenario, "ab");
    EXPECT_EQ(TitleText(scenario), "ab" + Spaces(28));
}

TEST(ScenarioTitle, ShownUpToTheFirstNul) {
    Scenario scenario;
    scenario.title.fill(U' ');
    scenario.title[0] = U' ';
    scenario.title[1] = U'実';
    scenario.title[2] = U' ';
    scenario.title[3] = U'\0';
    scenario.title[4] = U'x';
    EXPECT_EQ(TitleText(scenario), " 実 ");
    EXPECT_EQ(TrimmedTitleText(scenario), "実");
}

TEST(Utf8, BrokenSequencesBecomeReplacementCharacters) {
    struct Case {
        std::string utf8;
        std::u32string text;
    };
    const Case cases[] = {
        {"a実😀", U"a実😀"},
        {"\xC3\xA9", U"é"},
        {"\x80", U"\uFFFD"},
        {"\xC0\x80", U"\uFFFD\uFFFD"},                      // overlong NUL
        {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},            // surrogate
        {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
        {"\xE5\xAE", U"\uFFFD"},                            // cut off at the end
        {"\xE5\xAEx", U"\uFFFDx"},                          // cut off before a character
        {"\xFF\xFE", U"\uFFFD\uFFFD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.utf8));
        EXPECT_EQ(DecodeUtf8(c.utf8), c.text);
    }
}

TEST(Utf8, EncodesEveryScalarAndReplacesTheRest) {
    const std::u32string text = {U'\0', U'a', U'\u00E9', U'\u5B9F', U'\U0001F600', U'\U0010FFFF'};
    EXPECT_EQ(DecodeUtf8(EncodeUtf8(text)), text);
    EXPECT_EQ(EncodeUtf8(std::u32string{U'a', 0xD800, 0x110000}), "a\uFFFD\uFFFD");
}

}  // namespace
}  // namespace kemora::scenario
