#pragma once
// Helpers for widget tests: the one application object and typing any text as key presses.

#include <QApplication>
#include <QString>
#include <QTest>
#include <QWidget>

namespace kemora::testing_support {

// Creates the application object on first use; every widget test calls it before it builds
// a widget.
inline void EnsureApplication() {
    if (QApplication::instance() != nullptr)
        return;
    static int argc = 1;
    static char name[] = "kemora-tests";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
}

// Types `text` into `widget` one key at a time; characters outside Latin-1 arrive as key
// presses that carry the character, as from a keyboard layout that has them.
inline void TypeText(QWidget& widget, const QString& text) {
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(&widget, character.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
        }
    }
}

}  // namespace kemora::testing_support
