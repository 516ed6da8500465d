#pragma once
// Finds the texts of a window that their controls cut off, for translations whose words are
// longer than the ones a layout was drawn for.

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

namespace kemora::testing_support {

// The objectNames of the visible labels, buttons and tab bars of `window` whose text does not
// fit inside the control (a wrapping label: not within its height).
inline QStringList TextsCutOff(const QWidget& window) {
    // A push button's frame and the room the style keeps around its text, in pixels.
    constexpr int kButtonFrame = 8;
    QStringList cut;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->isHidden() || label->text().isEmpty())
            continue;
        const bool fits =
            label->wordWrap()
                ? label->heightForWidth(label->width()) <= label->height()
                : label->fontMetrics().horizontalAdvance(label->text()) <= label->width();
        if (!fits)
            cut << label->objectName();
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->isHidden() || button->text().isEmpty())
            continue;
        const int needed =
            qobject_cast<const QPushButton*>(button) != nullptr
                ? button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() +
                      kButtonFrame
                : button->sizeHint().width();
        if (needed > button->width())
            cut << button->objectName();
    }
    for (const QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        if (tabs->tabBar()->sizeHint().width() > tabs->width())
            cut << tabs->objectName();
    }
    return cut;
}

}  // namespace kemora::testing_support
