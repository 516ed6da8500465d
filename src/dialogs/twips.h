#pragma once

#include <QRect>

namespace kemora::dialogs {

// The dialogs' layouts are kept in twips as designed; 15 twips make a pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

// A place given in twips, in whole pixels (each figure rounded down on its own).
constexpr QRect Twips(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

}  // namespace kemora::dialogs
