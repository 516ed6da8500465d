#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <utility>

class QPushButton;
class QWidget;

namespace kemora::dialogs {

// The dialogs' text: the program's Gothic face at 12 pixels (9 points at 96 dots per inch), the
// metrics their layouts were designed with.
[[nodiscard]] QFont DialogFont();

// A control made from `arguments`, owned by `parent`, named `name` and put at `place` (pixels).
template <typename Control, typename... Arguments>
Control* AddControl(QWidget* parent, const char* name, QRect place, Arguments&&... arguments) {
    auto* control = new Control(std::forward<Arguments>(arguments)..., parent);
    control->setObjectName(name);
    control->setGeometry(place);
    return control;
}

// A push button that Enter never presses, not even while it has the focus.
QPushButton* AddPlainButton(QWidget* parent, const char* name, QRect place, const QString& text);

}  // namespace kemora::dialogs
