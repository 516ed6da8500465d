#pragma once
// Whole-file reading and writing for the settings file, the scenario files and every other
// file the user saves.

#include <cstddef>
#include <optional>
#include <string>

namespace kemora::config {

// The largest file read whole: far more than any file the program writes, little enough to
// hold in memory whatever file a path names.
inline constexpr std::size_t kMaxReadBytes = 64 * 1024 * 1024;  // bytes

// The file's first bytes, at most `maxBytes` of them (the whole of a shorter file). Nullopt
// when the file cannot be opened or read, and at once, without reading, when it is no regular
// file: a folder, a FIFO (no wait for a writer) or a device (no endless stream).
[[nodiscard]] std::optional<std::string> ReadFilePrefix(const std::string& path,
                                                        std::size_t maxBytes);

// The whole file's bytes; nullopt as for ReadFilePrefix, and for a file larger than
// kMaxReadBytes, which cannot be held whole.
[[nodiscard]] std::optional<std::string> ReadFileBytes(const std::string& path);

// The content of a file about to be changed and replaced, empty when there is none yet;
// nullopt when it is there but cannot be read whole (the new content would drop what could
// not be seen). WriteFileAtomically refuses the files that must not be replaced.
[[nodiscard]] std::optional<std::string> ContentBeforeReplace(const std::string& path);

// Replaces the file with `bytes` in one step, or creates it: writes a temporary file in the
// same folder, flushes it to disk, renames it over the target and flushes the folder, so that
// even after a power cut the name holds either all of the old bytes or all of the new ones.
// A link is followed to the file it names.
//
// Refused, with nothing changed: a target that is there but is no regular file (a folder, a
// FIFO, a device), a file the user may not write, a link that leads nowhere or to itself.
// A new file gets the mode 0666 less the umask; a replaced file keeps its mode and, where the
// process may give them, its owner and group.
//
// The temporary file is named ".NAME.kemora-XXXXXX" (NAME the target's name, each X a letter
// or digit). A failed save removes it; such files of the user's own that an interrupted save
// left for the same target are removed by the next save of it.
//
// False on any failure. The target then holds its old bytes, or the new ones when only the
// final flush of the folder failed; never a mix.
[[nodiscard]] bool WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace kemora::config
