#pragma once
// One application object for the widget tests of a test program.

#include <QApplication>

namespace kemora::testing_support {

// Creates the process's QApplication on first use; widgets need one. It is never destroyed, so
// that it does not outlive the library state it relies on at exit.
inline void EnsureQtApplication() {
    if (QApplication::instance() != nullptr)
        return;
    static int argc = 1;
    static char name[] = "kemora-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
}

}  // namespace kemora::testing_support
