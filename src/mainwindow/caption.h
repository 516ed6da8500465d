#pragma once
// The main window's caption in parts; the window puts its own name before them.

#include <cstdint>
#include <optional>
#include <string>

#include "scenario/scenario.h"

namespace kemora::mainwindow {

// What the caption shows after the program's name: the scenario's title as held (trailing
// spaces kept), then "[n]" once playback has run step n.
struct Caption {
    std::string title;  // UTF-8
    std::optional<int32_t> step;

    friend bool operator==(const Caption&, const Caption&) = default;
};

[[nodiscard]] Caption MainCaption(const scenario::Scenario& scenario,
                                  std::optional<int32_t> step = std::nullopt);

}  // namespace kemora::mainwindow
