#include "ui/message_box.h"

#include <QMessageBox>

namespace kemora::ui {

void ShowPlainMessage(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

void ShowWarningMessage(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox::warning(parent, caption, text);
}

}  // namespace kemora::ui
