#include "ui/application_setup.h"

#include <QApplication>

#include "ui/language.h"

namespace kemora::ui {

QFont FormFont(int pixels, bool bold) {
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The application object only has to exist: fonts and translators are process-wide.
void PrepareApplication(QApplication& /*application*/) {
    QFont font = QApplication::font();
    font.setFamily(QString::fromLatin1(kFontFamily));
    QApplication::setFont(font);
    ApplyLanguage(config::Language::Japanese);
}

}  // namespace kemora::ui
