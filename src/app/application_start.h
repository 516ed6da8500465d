#pragma once
// Creating the application without Qt's abort when no display can be opened.

#include <QApplication>
#include <memory>

namespace kemora::app {

// The line a user sees when there is no display to open the window on.
inline constexpr const char* kNoDisplayMessage =
    "kemora: デスクトップ画面が必要です (a graphical desktop is needed; to try it without one, "
    "set QT_QPA_PLATFORM=offscreen)\n";

// The application over the display. When none can be opened, Qt would abort with advice to
// reinstall; this prints kNoDisplayMessage instead and ends the process with status 1. Qt's
// other messages while it connects are held back and shown once the application stands.
[[nodiscard]] std::unique_ptr<QApplication> StartApplication(int& argc, char** argv);

}  // namespace kemora::app
