#pragma once
// Which key of the main window does what: the playback keys of scenario mode and the arrow
// keys of the volume field. Keys are counted by their virtual-key codes.

#include <cstdint>

namespace kemora::mainwindow {

inline constexpr int kKeyEnter = 13;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyPageUp = 33;
inline constexpr int kKeyPageDown = 34;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

// Where a key press and its release go.
enum class KeyRoute {
    FocusedControl,  // on to the control that has the focus, as usual
    Playback,        // to playback alone: the release runs the next step
    VolumeArrows,    // to the volume's up-down control alone: each press steps the volume
};

// Down-arrow, Enter and Space, and Page Down and Right-arrow, which wireless presenters send.
[[nodiscard]] bool IsPlaybackKey(int keyCode);

// In scenario mode (1) a playback key belongs to playback, whichever control has the focus,
// so that no control acts on it as well. Otherwise the volume field's arrow keys belong to
// its up-down control and every other key to the focused control.
[[nodiscard]] KeyRoute RouteKey(int keyCode, int32_t scenarioMode, bool volumeFieldFocused);

// Clicks of the volume's up-down control that Page Up or Page Down stands for.
inline constexpr int kClicksPerPage = 10;

// Clicks of the up-down control that an arrow key of the volume field stands for: Up-arrow +1,
// Down-arrow -1, Page Up +kClicksPerPage, Page Down -kClicksPerPage; 0 for every other key.
[[nodiscard]] int VolumeArrowClicks(int keyCode);

}  // namespace kemora::mainwindow
