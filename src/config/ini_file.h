#pragma once
// Reading and writing single keys of an initialisation file held in memory: "[section]"
// header lines, "key=value" lines below them. The caller reads and writes the file itself.
//
// Section and key names match regardless of ASCII letter case; blanks around names and
// values are ignored on reading. A line whose first non-blank character is ';' is a comment.
// Lines end in LF or CR LF; a UTF-8 byte order mark before the first line is skipped. When
// a section or key appears twice, the first one counts, for reading and writing alike.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kemora::config {

// The size of the buffer a value is read into, its terminating NUL included: a value read
// is at most kProfileBufferSize - 1 bytes long.
inline constexpr std::size_t kProfileBufferSize = 50;

// The value of `key` in `section`, blanks around it removed; `fallback` when the section or
// the key is missing (a key with an empty value gives the empty text). Either way the result
// ends before its first NUL byte and is cut to at most kProfileBufferSize - 1 bytes.
[[nodiscard]] std::string ReadProfileString(std::string_view content, std::string_view section,
                                            std::string_view key, std::string_view fallback);

// A key to read, with the text that stands for it when it is missing.
struct ProfileKey {
    std::string_view name;
    std::string_view fallback;
};

// The values of `keys` in `section`, in the order of `keys`, each as ReadProfileString gives
// it; the content is read once, however many keys there are.
[[nodiscard]] std::vector<std::string> ReadProfileStrings(std::string_view content,
                                                          std::string_view section,
                                                          std::span<const ProfileKey> keys);

// `content` with `key` in `section` set to `value`, written as given. A present key keeps its
// line and the spelling of its name; only the text after its '=' is replaced. A missing key
// becomes a new line after the last non-blank line of its section; a missing section is
// added at the end. Every other byte stays as it was. New lines end like the content's first
// line (CR LF when the content has no line end yet).
[[nodiscard]] std::string WriteProfileString(std::string_view content, std::string_view section,
                                             std::string_view key, std::string_view value);

}  // namespace kemora::config
