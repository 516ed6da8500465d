#include "dialogs/dialog_controls.h"

#include <QPushButton>

#include "ui/application_setup.h"

namespace kemora::dialogs {

QFont DialogFont() {
    return ui::FormFont(12, false);
}

QPushButton* AddPlainButton(QWidget* parent, const char* name, QRect place, const QString& text) {
    auto* button = AddControl<QPushButton>(parent, name, place, text);
    button->setAutoDefault(false);
    return button;
}

}  // namespace kemora::dialogs
