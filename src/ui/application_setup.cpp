#include "ui/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/app_icon.h"

namespace kemora::ui {

QFont FormFont(int pixels, bool bold) {
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void PrepareApplication(QApplication& application) {
    // The desktop entry's name lets the desktop show its name and icon for the window.
    QApplication::setDesktopFileName(QStringLiteral("kemora"));
    QApplication::setWindowIcon(AppIcon());

    QFont font = QApplication::font();
    font.setFamily(QString::fromLatin1(kFontFamily));
    QApplication::setFont(font);

    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    } else {
        delete translator;  // without the translations Qt's own texts stay in English
    }
}

}  // namespace kemora::ui
