#include "config/ini_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kemora::config {
namespace {

using namespace std::string_literals;

struct ReadCase {
    const char* what;
    std::string content;
    const char* section;
    const char* key;
    std::string expected;  // with fallback "fb"
};

TEST(ReadProfileString, FindsValuesAsTheFileHoldsThem) {
    const ReadCase cases[] = {
        {"empty content", "", "DATA", "mol", "fb"},
        {"present key", "[DATA]\r\nmol=3\r\n", "DATA", "mol", "3"},
        {"missing section", "[OTHER]\r\nmol=3\r\n", "DATA", "mol", "fb"},
        {"missing key", "[DATA]\r\ntemperature=3\r\n", "DATA", "mol", "fb"},
        {"key present with empty value", "[DATA]\r\nmol=\r\n", "DATA", "mol", ""},
        {"key present with only blanks", "[DATA]\r\nmol=   \t \r\n", "DATA", "mol", ""},
        {"blanks around value removed", "[DATA]\r\nmol=  \t2.5   \r\n", "DATA", "mol", "2.5"},
        {"blanks inside value kept", "[DATA]\r\nmol= 1 2 \r\n", "DATA", "mol", "1 2"},
        {"blanks around names", "  [ DATA ]  \r\n  mol  = 4\r\n", "DATA", "mol", "4"},
        {"letter case of names", "[data]\r\nMOL=5\r\n", "DaTa", "Mol", "5"},
        {"letter case of value kept", "[DATA]\r\nmol=AbC\r\n", "DATA", "mol", "AbC"},
        {"LF line ends", "[DATA]\nmol=6\ntemperature=7\n", "DATA", "temperature", "7"},
        {"no line end at the end", "[DATA]\r\nmol=8", "DATA", "mol", "8"},
        {"key in another section only", "[A]\r\nmol=1\r\n[DATA]\r\nx=2\r\n", "DATA", "mol", "fb"},
        {"key before any section", "mol=1\r\n[DATA]\r\n", "DATA", "mol", "fb"},
        {"first of two sections", "[DATA]\r\nmol=1\r\n[DATA]\r\nmol=2\r\n", "DATA", "mol", "1"},
        {"first of two keys", "[DATA]\r\nmol=1\r\nmol=2\r\n", "DATA", "mol", "1"},
        {"value holding '='", "[DATA]\r\nmol=a=b\r\n", "DATA", "mol", "a=b"},
        {"commented key", "[DATA]\r\n;mol=1\r\n", "DATA", "mol", "fb"},
        {"line without '='", "[DATA]\r\nmol\r\n", "DATA", "mol", "fb"},
        {"text after the header", "[DATA] ; note\r\nmol=9\r\n", "DATA", "mol", "9"},
        {"byte order mark", "\xEF\xBB\xBF[DATA]\r\nmol=3\r\n", "DATA", "mol", "3"},
        {"value up to its NUL",
         "[DATA]\r\nmol=12\0"
         "34\r\n"s,
         "DATA", "mol", "12"},
        {"value of 49 bytes whole", "[DATA]\r\nmol=" + std::string(49, '7') + "\r\n", "DATA", "mol",
         std::string(49, '7')},
        {"value of 60 bytes cut to 49",
         "[DATA]\r\nmol=   " + std::string(49, '1') + std::string(11, '2') + "\r\n", "DATA", "mol",
         std::string(49, '1')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ReadProfileString(c.content, c.section, c.key, "fb"), c.expected);
    }
}

TEST(ReadProfileString, FallbackHasTheBufferLimitToo) {
    const std::string longFallback(60, 'f');
    EXPECT_EQ(ReadProfileString("", "DATA", "mol", longFallback), std::string(49, 'f'));
    EXPECT_EQ(ReadProfileString("", "DATA", "mol", "ab\0cd"s), "ab");
}

TEST(ReadProfileString, OddNamesAndBrokenLinesDoNotUpset) {
    const std::string content = "[\r\n]\r\n[]\r\n=\r\n=x\r\n\r\r\n\n[[DATA]]\r\n[DATA\r\nmol=1";
    // "[" opens a nameless section that holds no key; the later "[]" does not count.
    EXPECT_EQ(ReadProfileString(content, "", "", "fb"), "fb");
    EXPECT_EQ(ReadProfileString(content, "DATA", "mol", "fb"), "1");
    EXPECT_EQ(ReadProfileString(content, "[DATA", "mol", "fb"), "fb");
    EXPECT_EQ(ReadProfileString("\n\n\r", "DATA", "mol", "fb"), "fb");
}

TEST(ReadProfileStrings, ReadsEveryKeyAsASingleReadWould) {
    const std::string content =
        "[OTHER]\r\nmol=9\r\n[data]\r\nGRPHHMAX = 2 \r\nmol=3\r\nmol=4\r\n;temperature=5\r\n"
        "pressureUnit=\r\n[DATA]\r\ntemperature=6\r\n[DATA2]\r\ngrphWMin=7\r\n";
    const ProfileKey keys[] = {
        {"temperature", "30"}, {"mol", "1"},        {"pressureUnit", "0"},
        {"grphWMin", "-50"},   {"grphHMax", "800"}, {"mol", "other fallback"},
    };
    const std::vector<std::string> expected = {"30", "3", "", "-50", "2", "3"};
    EXPECT_EQ(ReadProfileStrings(content, "DATA", keys), expected);
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        SCOPED_TRACE(keys[i].name);
        EXPECT_EQ(ReadProfileString(content, "DATA", keys[i].name, keys[i].fallback), expected[i]);
    }
    EXPECT_EQ(ReadProfileStrings("", "DATA", keys),
              (std::vector<std::string>{"30", "1", "0", "-50", "800", "other fallback"}));
    EXPECT_TRUE(ReadProfileStrings(content, "DATA", {}).empty());
}

struct WriteCase {
    const char* what;
    std::string content;
    const char* section;
    const char* key;
    const char* value;
    std::string expected;
};

TEST(WriteProfileString, ChangesOnlyTheKeysLine) {
    const WriteCase cases[] = {
        {"creates section and key in empty content", "", "DATA", "mol", "3", "[DATA]\r\nmol=3\r\n"},
        {"replaces a present value in place", "; top\r\n[DATA]\r\nmol=1\r\ntemperature=2\r\n",
         "DATA", "mol", "9", "; top\r\n[DATA]\r\nmol=9\r\ntemperature=2\r\n"},
        {"keeps the name's spelling and blanks before the value", "[data]\r\n  MOL = 1   \r\n",
         "DATA", "mol", "22", "[data]\r\n  MOL =22\r\n"},
        {"writes the value as given, blanks included", "[DATA]\r\nmol=1\r\n", "DATA", "mol", " 4  ",
         "[DATA]\r\nmol= 4  \r\n"},
        {"appends a missing key as the section's last line", "[DATA]\r\nmol=1\r\n", "DATA",
         "temperature", "27", "[DATA]\r\nmol=1\r\ntemperature=27\r\n"},
        {"new key stays in its section when another follows",
         "[DATA]\r\nmol=1\r\n[NEXT]\r\nx=2\r\n", "DATA", "temperature", "27",
         "[DATA]\r\nmol=1\r\ntemperature=27\r\n[NEXT]\r\nx=2\r\n"},
        {"new key goes before the blank lines that end the section",
         "[DATA]\r\nmol=1\r\n\r\n  \r\n[NEXT]\r\n", "DATA", "temperature", "27",
         "[DATA]\r\nmol=1\r\ntemperature=27\r\n\r\n  \r\n[NEXT]\r\n"},
        {"new key after a comment inside the section", "[DATA]\r\nmol=1\r\n; note\r\n[NEXT]\r\n",
         "DATA", "temperature", "27", "[DATA]\r\nmol=1\r\n; note\r\ntemperature=27\r\n[NEXT]\r\n"},
        {"new key in a section that has none", "[DATA]\r\n[NEXT]\r\n", "DATA", "mol", "1",
         "[DATA]\r\nmol=1\r\n[NEXT]\r\n"},
        {"new section at the end", "[A]\r\nx=1\r\n", "DATA", "mol", "1",
         "[A]\r\nx=1\r\n[DATA]\r\nmol=1\r\n"},
        {"new section after a last line without line end", "[A]\r\nx=1", "DATA", "mol", "1",
         "[A]\r\nx=1\r\n[DATA]\r\nmol=1\r\n"},
        {"new key after a last line without line end", "[DATA]\r\nx=1", "DATA", "mol", "1",
         "[DATA]\r\nx=1\r\nmol=1\r\n"},
        {"replaced value keeps a missing line end", "[DATA]\r\nmol=1", "DATA", "mol", "2",
         "[DATA]\r\nmol=2"},
        {"LF file stays LF", "[A]\nx=1\n\n[DATA]\nmol=1\n", "data", "temperature", "5",
         "[A]\nx=1\n\n[DATA]\nmol=1\ntemperature=5\n"},
        {"LF file gets an LF section", "[A]\nx=1\n", "DATA", "mol", "1",
         "[A]\nx=1\n[DATA]\nmol=1\n"},
        {"first of two sections", "[DATA]\r\nmol=1\r\n[DATA]\r\nmol=2\r\n", "DATA", "mol", "3",
         "[DATA]\r\nmol=3\r\n[DATA]\r\nmol=2\r\n"},
        {"commented key is not the key", "[DATA]\r\n;mol=1\r\n", "DATA", "mol", "2",
         "[DATA]\r\n;mol=1\r\nmol=2\r\n"},
        {"byte order mark kept", "\xEF\xBB\xBF[DATA]\r\nmol=1\r\n", "DATA", "mol", "2",
         "\xEF\xBB\xBF[DATA]\r\nmol=2\r\n"},
        {"only a byte order mark", "\xEF\xBB\xBF", "DATA", "mol", "2",
         "\xEF\xBB\xBF[DATA]\r\nmol=2\r\n"},
        {"foreign bytes elsewhere kept", "[A]\r\nx=\x82\xA0\0\xFF\r\n[DATA]\r\nmol=1\r\n"s, "DATA",
         "mol", "2", "[A]\r\nx=\x82\xA0\0\xFF\r\n[DATA]\r\nmol=2\r\n"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(WriteProfileString(c.content, c.section, c.key, c.value), c.expected);
    }
}

TEST(WriteProfileString, WhatIsWrittenReadsBack) {
    std::string content = "; settings\r\n[OTHER]\r\nmol=other\r\n";
    content = WriteProfileString(content, "DATA", "mol", "  12  ");
    content = WriteProfileString(content, "DATA", "grphHMax", "1E+20");
    content = WriteProfileString(content, "data", "MOL", "13");
    EXPECT_EQ(ReadProfileString(content, "DATA", "mol", "fb"), "13");
    EXPECT_EQ(ReadProfileString(content, "DATA", "grphHMax", "fb"), "1E+20");
    EXPECT_EQ(ReadProfileString(content, "OTHER", "mol", "fb"), "other");
    EXPECT_EQ(content,
              "; settings\r\n[OTHER]\r\nmol=other\r\n[DATA]\r\nmol=13\r\ngrphHMax=1E+20\r\n");
}

}  // namespace
}  // namespace kemora::config
