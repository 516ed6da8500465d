#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace kemora::ui {

// Shows a message with only an OK button and waits until it is answered. Each window that
// tells the user something holds one, so that tests can read the message instead of
// answering a modal box.
using MessageBoxFunction =
    std::function<void(QWidget* parent, const QString& text, const QString& caption)>;

// The plain modal message box: no icon, only OK.
void ShowPlainMessage(QWidget* parent, const QString& text, const QString& caption);

// The modal warning: the warning icon, only OK.
void ShowWarningMessage(QWidget* parent, const QString& text, const QString& caption);

}  // namespace kemora::ui
