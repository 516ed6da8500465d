#include "ui/application_setup.h"

#include <QApplication>

#include "ui/app_icon.h"
#include "ui/language.h"

namespace kemora::ui {

QFont FormFont(int pixels, bool bold) {
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The application object only has to exist: fonts, icons and translators are process-wide.
void PrepareApplication(QApplication& /*application*/) {
    // The desktop entry's name lets the desktop show its name and icon for the window.
    QApplication::setDesktopFileName(QStringLiteral("kemora"));
    QApplication::setWindowIcon(AppIcon());

    QFont font = QApplication::font();
    font.setFamily(QString::fromLatin1(kFontFamily));
    QApplication::setFont(font);
    ApplyLanguage(config::Language::Japanese);
}

}  // namespace kemora::ui
