#pragma once
// Typing into widgets in tests: any text as key presses.

#include <QString>
#include <QTest>
#include <QWidget>

namespace kemora::testing_support {

// Types `text` into `widget` one key at a time; characters outside ASCII arrive as key
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
