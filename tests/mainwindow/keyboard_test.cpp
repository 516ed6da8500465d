#include "mainwindow/keyboard.h"

#include <gtest/gtest.h>

namespace kemora::mainwindow {
namespace {

// Virtual-key codes as the platform numbers them.
constexpr int kEnter = 13;
constexpr int kSpace = 32;
constexpr int kPageUp = 33;
constexpr int kPageDown = 34;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kTab = 9;
constexpr int kLetterA = 'A';

TEST(RouteKey, PlaybackKeysBelongToPlaybackInScenarioModeWhateverHasTheFocus) {
    using enum KeyRoute;
    struct Case {
        int key;
        int32_t scenarioMode;
        bool volumeFieldFocused;
        KeyRoute route;
    };
    const Case cases[] = {
        // Scenario mode: the five playback keys, on any control.
        {kDown, 1, false, Playback},
        {kDown, 1, true, Playback},
        {kEnter, 1, false, Playback},
        {kSpace, 1, true, Playback},
        {kPageDown, 1, false, Playback},
        {kPageDown, 1, true, Playback},
        {kRight, 1, false, Playback},
        // ... and no other key, not even the volume field's other arrows.
        {kUp, 1, true, FocusedControl},
        {kPageUp, 1, true, FocusedControl},
        {kLeft, 1, false, FocusedControl},
        {kTab, 1, false, FocusedControl},
        {kLetterA, 1, true, FocusedControl},
        // Mode off: the volume field's four arrow keys step the volume.
        {kUp, 0, true, VolumeArrows},
        {kDown, 0, true, VolumeArrows},
        {kPageUp, 0, true, VolumeArrows},
        {kPageDown, 0, true, VolumeArrows},
        {kRight, 0, true, FocusedControl},
        {kEnter, 0, true, FocusedControl},
        {kSpace, 0, true, FocusedControl},
        // Mode off on another control: every key goes on to it.
        {kDown, 0, false, FocusedControl},
        {kUp, 0, false, FocusedControl},
        {kSpace, 0, false, FocusedControl},
        {kEnter, 0, false, FocusedControl},
        // Only exactly 1 is the mode on, as everywhere else.
        {kDown, 2, false, FocusedControl},
        {kDown, -1, true, VolumeArrows},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << ", mode " << c.scenarioMode
                                        << ", volume field " << c.volumeFieldFocused);
        EXPECT_EQ(RouteKey(c.key, c.scenarioMode, c.volumeFieldFocused), c.route);
    }
}

TEST(VolumeArrowClicks, ArrowsClickOnceAndPageKeysTenTimes) {
    const std::pair<int, int> cases[] = {{kUp, 1},         {kDown, -1}, {kPageUp, 10},
                                         {kPageDown, -10}, {kLeft, 0},  {kRight, 0},
                                         {kSpace, 0},      {kEnter, 0}, {0, 0}};
    for (const auto& [key, clicks] : cases) {
        SCOPED_TRACE(key);
        EXPECT_EQ(VolumeArrowClicks(key), clicks);
    }
}

}  // namespace
}  // namespace kemora::mainwindow
