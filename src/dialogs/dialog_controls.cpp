#include "dialogs/dialog_controls.h"

#include <QPushButton>

namespace kemora::dialogs {

QPushButton* AddPlainButton(QWidget* parent, const char* name, QRect place, const QString& text) {
    auto* button = AddControl<QPushButton>(parent, name, place, text);
    button->setAutoDefault(false);
    return button;
}

}  // namespace kemora::dialogs
