#include "config/ini_file.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace kemora::config {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// One line of the content as offsets: its text is [begin, textEnd), its line end (LF,
// CR LF, or nothing on a last line without one) is [textEnd, end).
struct Line {
    std::size_t begin;
    std::size_t textEnd;
    std::size_t end;
};

enum class LineKind { Other, Section, Key };

// What a line says: a section header with its name, a key with its name and the offset just
// after its '=', or anything else (blank lines, comments, text without '=').
struct LineMeaning {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::size_t valueBegin = 0;
};

// A section's lines: its header and the lines up to the next header.
struct SectionLines {
    std::size_t header;
    std::size_t end;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool NamesMatch(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

std::size_t FirstLineBegin(std::string_view content) {
    return content.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
}

// The line that starts at `begin`, which lies inside the content.
Line LineAt(std::string_view content, std::size_t begin) {
    const std::size_t newline = content.find('\n', begin);
    if (newline == std::string_view::npos)
        return {begin, content.size(), content.size()};
    const std::size_t textEnd =
        (newline > begin && content[newline - 1] == '\r') ? newline - 1 : newline;
    return {begin, textEnd, newline + 1};
}

std::vector<Line> SplitLines(std::string_view content) {
    std::vector<Line> lines;
    for (std::size_t begin = FirstLineBegin(content); begin < content.size();) {
        lines.push_back(LineAt(content, begin));
        begin = lines.back().end;
    }
    return lines;
}

std::string_view TextOf(std::string_view content, const Line& line) {
    return content.substr(line.begin, line.textEnd - line.begin);
}

LineMeaning MeaningOf(std::string_view content, const Line& line) {
    const std::string_view text = TextOf(content, line);
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty() || trimmed.front() == ';')
        return {};
    if (trimmed.front() == '[') {
        const std::string_view inside = trimmed.substr(1);
        return {LineKind::Section, TrimBlanks(inside.substr(0, inside.find(']'))), 0};
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return {};
    return {LineKind::Key, TrimBlanks(text.substr(0, equals)), line.begin + equals + 1};
}

std::optional<SectionLines> FindSection(std::string_view content, const std::vector<Line>& lines,
                                        std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineMeaning meaning = MeaningOf(content, lines[i]);
        if (meaning.kind != LineKind::Section || !NamesMatch(meaning.name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines.size() && MeaningOf(content, lines[end]).kind != LineKind::Section) {
            ++end;
        }
        return SectionLines{i, end};
    }
    return std::nullopt;
}

// The index of the key's line within the section, if it is there.
std::optional<std::size_t> FindKey(std::string_view content, const std::vector<Line>& lines,
                                   SectionLines section, std::string_view key) {
    for (std::size_t i = section.header + 1; i < section.end; ++i) {
        const LineMeaning meaning = MeaningOf(content, lines[i]);
        if (meaning.kind == LineKind::Key && NamesMatch(meaning.name, key))
            return i;
    }
    return std::nullopt;
}

// The value as a caller's buffer holds it: up to the first NUL, at most the buffer's size
// less the room for the NUL.
std::string AsBufferText(std::string_view value) {
    value = value.substr(0, value.find('\0'));
    return std::string(value.substr(0, kProfileBufferSize - 1));
}

// New lines follow the content's own line ends, so an LF-only file stays LF-only.
std::string_view LineEndOf(const std::vector<Line>& lines) {
    for (const Line& line : lines) {
        if (line.end == line.textEnd)
            continue;
        return line.end - line.textEnd == 1 ? "\n" : "\r\n";
    }
    return "\r\n";
}

}  // namespace

std::vector<std::string> ReadProfileStrings(std::string_view content, std::string_view section,
                                            std::span<const ProfileKey> keys) {
    std::vector<std::optional<std::string_view>> values(keys.size());
    std::size_t missing = keys.size();
    bool inSection = false;
    for (std::size_t begin = FirstLineBegin(content); begin < content.size() && missing > 0;) {
        const Line line = LineAt(content, begin);
        begin = line.end;
        const LineMeaning meaning = MeaningOf(content, line);
        if (meaning.kind == LineKind::Section) {
            // Only the first section of the name counts.
            if (inSection)
                break;
            inSection = NamesMatch(meaning.name, section);
            continue;
        }
        if (!inSection || meaning.kind != LineKind::Key)
            continue;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (values[i] || !NamesMatch(meaning.name, keys[i].name))
                continue;
            values[i] =
                TrimBlanks(content.substr(meaning.valueBegin, line.textEnd - meaning.valueBegin));
            --missing;
        }
    }
    std::vector<std::string> result;
    result.reserve(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        result.push_back(AsBufferText(values[i].value_or(keys[i].fallback)));
    }
    return result;
}

std::string ReadProfileString(std::string_view content, std::string_view section,
                              std::string_view key, std::string_view fallback) {
    const ProfileKey keys[] = {{key, fallback}};
    return ReadProfileStrings(content, section, keys).front();
}

std::string WriteProfileString(std::string_view content, std::string_view section,
                               std::string_view key, std::string_view value) {
    const std::vector<Line> lines = SplitLines(content);
    const std::string_view lineEnd = LineEndOf(lines);
    const std::string keyLine = std::string(key) + "=" + std::string(value) + std::string(lineEnd);

    const auto sectionLines = FindSection(content, lines, section);
    if (!sectionLines) {
        std::string result(content);
        if (!lines.empty() && lines.back().end == lines.back().textEnd)
            result += lineEnd;
        result += '[';
        result += section;
        result += ']';
        result += lineEnd;
        result += keyLine;
        return result;
    }

    if (const auto present = FindKey(content, lines, *sectionLines, key)) {
        const Line& line = lines[*present];
        const std::size_t valueBegin = MeaningOf(content, line).valueBegin;
        std::string result(content.substr(0, valueBegin));
        result += value;
        result += content.substr(line.textEnd);
        return result;
    }

    // Blank lines at the end of the section keep separating it from the next one.
    std::size_t last = sectionLines->end - 1;
    while (last > sectionLines->header && TrimBlanks(TextOf(content, lines[last])).empty()) {
        --last;
    }
    const Line& after = lines[last];
    std::string result(content.substr(0, after.end));
    if (after.end == after.textEnd)
        result += lineEnd;
    result += keyLine;
    result += content.substr(after.end);
    return result;
}

}  // namespace kemora::config
