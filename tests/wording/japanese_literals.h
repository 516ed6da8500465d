#pragma once
// Finds Japanese text in the string literals of a C++ source, so that a check can keep the
// toolkit-free core free of interface wording. Comments may hold any text.

#include <string>
#include <string_view>
#include <vector>

namespace kemora::wording {

// A string literal that holds Japanese characters: its first line and its content.
struct JapaneseLiteral {
    int line = 0;
    std::string content;

    friend bool operator==(const JapaneseLiteral&, const JapaneseLiteral&) = default;
};

// Every string literal (plain, prefixed or raw) of `source` that holds a Japanese character:
// kana, CJK ideographs, CJK punctuation, full-width or half-width forms. Comments and
// character literals are skipped; the source is read as UTF-8.
[[nodiscard]] std::vector<JapaneseLiteral> FindJapaneseLiterals(std::string_view source);

}  // namespace kemora::wording
