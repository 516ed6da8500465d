#pragma once
// What a test may ask of the system beyond reading and writing files. The browser build runs
// the core's tests under Node on emscripten's C library and its in-memory file system: one
// process and one user, file modes that bind no one, no FIFOs or devices, no program file.
// A test that needs these is skipped there with the reason; everywhere else it runs.

#include <gtest/gtest.h>

namespace kemora::testing_support {

#ifdef __EMSCRIPTEN__
inline constexpr bool kFullPosixSystem = false;
#else
inline constexpr bool kFullPosixSystem = true;
#endif

inline constexpr const char* kNoProcesses = "no child processes or resource limits here";
inline constexpr const char* kNoUsers =
    "one user owns everything here: no other owners, "
    "no unprivileged user, no permissions that bind";
inline constexpr const char* kNoSpecialFiles = "no FIFOs or devices here";
inline constexpr const char* kNoProgramFile = "the program has no file of its own here";
inline constexpr const char* kNoProcFileSystem = "no /proc here to count what was read";

}  // namespace kemora::testing_support

// Returns from the test, skipped, where the system lacks what `reason` names.
#define KEMORA_SKIP_WITHOUT_POSIX(reason)             \
    if (!::kemora::testing_support::kFullPosixSystem) \
    GTEST_SKIP() << (reason)
