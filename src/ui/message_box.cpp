#include "dialogs/message_box.h"

#include <QMessageBox>

namespace kemora::dialogs {

void ShowPlainMessage(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace kemora::dialogs
