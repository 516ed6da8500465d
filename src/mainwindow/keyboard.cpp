#include "mainwindow/keyboard.h"

namespace kemora::mainwindow {

bool IsPlaybackKey(int keyCode) {
    switch (keyCode) {
        case kKeyDown:
        case kKeyEnter:
        case kKeySpace:
        case kKeyPageDown:
        case kKeyRight:
            return true;
        default:
            return false;
    }
}

KeyRoute RouteKey(int keyCode, int32_t scenarioMode, bool volumeFieldFocused) {
    if (scenarioMode == 1)
        return IsPlaybackKey(keyCode) ? KeyRoute::Playback : KeyRoute::FocusedControl;
    if (volumeFieldFocused && VolumeArrowClicks(keyCode) != 0)
        return KeyRoute::VolumeArrows;
    return KeyRoute::FocusedControl;
}

int VolumeArrowClicks(int keyCode) {
    switch (keyCode) {
        case kKeyUp:
            return 1;
        case kKeyDown:
            return -1;
        case kKeyPageUp:
            return kClicksPerPage;
        case kKeyPageDown:
            return -kClicksPerPage;
        default:
            return 0;
    }
}

}  // namespace kemora::mainwindow
