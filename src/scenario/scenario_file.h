#pragma once
// The scenario file: one record of exactly 2380 bytes, no header. Little-endian integers and
// double, no padding: title (30 bytes, code page 932), stepCount (int32), then the 51 step
// slots of 46 bytes each, slot k at byte 34 + 46 * k.

#include <cstddef>
#include <string>
#include <string_view>

#include "scenario/scenario.h"

namespace kemora::scenario {

inline constexpr std::size_t kScenarioFileSize = 2380;  // bytes
inline constexpr std::size_t kStepsOffset = 34;         // bytes
inline constexpr std::size_t kStepRecordSize = 46;      // bytes
inline constexpr std::string_view kScenarioExtension = ".so2";

// What became of a read or a write; the editor turns a failure into a message.
enum class ScenarioFileResult {
    Ok,
    CannotOpen,    // the file is missing, cannot be read, or is no file (a folder, FIFO, device)
    TooShort,      // fewer than 2380 bytes
    BadStepCount,  // a step count outside 0..50
    CannotWrite,   // the file could not be replaced, or must not be (read-only, no file)
};

// The 2380 bytes of the scenario, every slot and the count written as held.
[[nodiscard]] std::string EncodeScenario(const Scenario& scenario);

// Replaces `scenario` with the record in the first 2380 bytes. Refuses a shorter record or a
// step count outside 0..50 and leaves `scenario` unchanged then; nothing else is checked.
[[nodiscard]] ScenarioFileResult DecodeScenario(std::string_view bytes, Scenario& scenario);

// Replaces the named file with the scenario's 2380 bytes, so that a failed write keeps the
// file that was there and a longer file becomes exactly 2380 bytes. A read-only file, a link
// that leads nowhere and anything that is no regular file are refused.
[[nodiscard]] ScenarioFileResult WriteScenarioFile(const Scenario& currentScenario,
                                                   const std::string& path);

// The name a scenario is saved under: `path` with ".so2" added when its last part (after
// the last '/') has no extension of its own, so that the file shows in the open dialog's
// list. A leading dot marks a hidden name, not an extension; a name ending in a dot gets
// "so2" after it.
[[nodiscard]] std::string WithScenarioExtension(std::string_view path);

// Reads the first 2380 bytes of the named file into `currentScenario`; any failure leaves it
// unchanged.
[[nodiscard]] ScenarioFileResult ReadScenarioFile(Scenario& currentScenario,
                                                  const std::string& path);

}  // namespace kemora::scenario
