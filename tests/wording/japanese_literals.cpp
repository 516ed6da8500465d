#include "japanese_literals.h"

#include <cstddef>
#include <cstdint>

namespace kemora::wording {
namespace {

bool IsIdentifierChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsJapanese(char32_t c) {
    return (c >= 0x3000 && c <= 0x30FF) ||  // CJK punctuation, hiragana, katakana
           (c >= 0x31F0 && c <= 0x31FF) ||  // katakana extensions
           (c >= 0x3400 && c <= 0x4DBF) ||  // CJK ideographs, extension A
           (c >= 0x4E00 && c <= 0x9FFF) ||  // CJK ideographs
           (c >= 0xF900 && c <= 0xFAFF) ||  // CJK compatibility ideographs
           (c >= 0xFF00 && c <= 0xFFEF);    // full-width and half-width forms
}

// Whether the UTF-8 text holds a Japanese character; broken sequences count as nothing.
bool HoldsJapanese(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (length == 1 || i + length > text.size()) {
            ++i;
            continue;
        }
        char32_t c = lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        if (IsJapanese(c))
            return true;
        i += length;
    }
    return false;
}

class Scanner {
  public:
    explicit Scanner(std::string_view source) : m_source(source) {}

    std::vector<JapaneseLiteral> run() {
        while (m_at < m_source.size()) {
            if (startsWith("//")) {
                skipUntil("\n", false);
            } else if (startsWith("/*")) {
                skipUntil("*/", true);
            } else if (peek() == '"') {
                quoted('"', true);
            } else if (peek() == '\'') {
                quoted('\'', false);
            } else if (IsIdentifierChar(peek())) {
                token();
            } else {
                advance();
            }
        }
        return m_found;
    }

  private:
    char peek(std::size_t ahead = 0) const {
        return m_at + ahead < m_source.size() ? m_source[m_at + ahead] : '\0';
    }
    bool startsWith(std::string_view text) const { return m_source.substr(m_at).starts_with(text); }
    void advance() {
        if (m_source[m_at] == '\n')
            ++m_line;
        ++m_at;
    }
    // Moves past the next `end` (or to the end of the source, or before it when not `consume`).
    void skipUntil(std::string_view end, bool consume) {
        while (m_at < m_source.size() && !startsWith(end)) advance();
        for (std::size_t i = 0; consume && i < end.size() && m_at < m_source.size(); ++i) advance();
    }
    void record(int line, std::string_view content) {
        if (HoldsJapanese(content))
            m_found.push_back({line, std::string(content)});
    }

    // A literal between two `quote`s, backslash escapes skipped; ends at a line end as well.
    void quoted(char quote, bool isString) {
        const int line = m_line;
        advance();
        const std::size_t start = m_at;
        while (m_at < m_source.size() && peek() != quote && peek() != '\n') {
            if (peek() == '\\' && m_at + 1 < m_source.size())
                advance();
            advance();
        }
        const std::string_view content = m_source.substr(start, m_at - start);
        if (m_at < m_source.size() && peek() == quote)
            advance();
        if (isString)
            record(line, content);
    }

    // R"delimiter( ... )delimiter"
    void raw() {
        const int line = m_line;
        advance();  // the opening quote
        const std::size_t open = m_source.find('(', m_at);
        if (open == std::string_view::npos) {
            m_at = m_source.size();
            return;
        }
        const std::string close = ")" + std::string(m_source.substr(m_at, open - m_at)) + "\"";
        while (m_at <= open) advance();
        const std::size_t start = m_at;
        skipUntil(close, false);
        record(line, m_source.substr(start, m_at - start));
        skipUntil(close, true);
    }

    // An identifier or a number; a number may hold digit separators ('), and an encoding
    // prefix or R before a quote starts a literal.
    void token() {
        const std::size_t start = m_at;
        const bool number = peek() >= '0' && peek() <= '9';
        while (IsIdentifierChar(peek()) ||
               (number && peek() == '\'' && IsIdentifierChar(peek(1))) || (number && peek() == '.'))
            advance();
        const std::string_view word = m_source.substr(start, m_at - start);
        if (peek() == '"' &&
            (word == "R" || word == "u8R" || word == "uR" || word == "UR" || word == "LR")) {
            raw();
        }
    }

    std::string_view m_source;
    std::size_t m_at = 0;
    int m_line = 1;
    std::vector<JapaneseLiteral> m_found;
};

}  // namespace

std::vector<JapaneseLiteral> FindJapaneseLiterals(std::string_view source) {
    return Scanner(source).run();
}

}  // namespace kemora::wording
