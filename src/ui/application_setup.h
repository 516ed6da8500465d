#pragma once

#include <QFont>

class QApplication;

namespace kemora::ui {

// The proportional Gothic face that every text of the program uses.
inline constexpr const char* kFontFamily = "IPAPGothic";

// A font of the program's face sized in pixels, so that the screen's resolution does not
// change the layout.
[[nodiscard]] QFont FormFont(int pixels, bool bold);

// Gives the application its face: the program's icon, the Gothic font as the default for every
// text, and the program's own language, Japanese, with Qt's dialogs and buttons in Japanese too
// (when Qt's translations are installed). ApplyLanguage switches to another language afterwards.
void PrepareApplication(QApplication& application);

}  // namespace kemora::ui
