#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace kemora::ui {
namespace {

// The translators installed in the application, which owns them.
struct Translators {
    config::Language language = config::Language::Japanese;
    QPointer<QTranslator> program;  // the program's English texts
    QPointer<QTranslator> qt;       // Qt's own Japanese texts
};

Translators& Installed() {
    static Translators translators;
    return translators;
}

// A translator owned by the application, or null when the file cannot be loaded.
QTranslator* LoadTranslator(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder))
        return translator;
    delete translator;
    return nullptr;
}

void Uninstall(QPointer<QTranslator>& translator) {
    if (translator.isNull())
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

}  // namespace

bool ApplyLanguage(config::Language language) {
    Translators& installed = Installed();
    QTranslator* program = nullptr;
    QTranslator* qt = nullptr;
    if (language == config::Language::English) {
        program = LoadTranslator(QStringLiteral("kemora_en"), QStringLiteral(":/translations"));
        if (program == nullptr)
            return false;
    } else {
        // Without Qt's translations its standard dialogs stay in English.
        qt = LoadTranslator(QStringLiteral("qtbase_ja"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    Uninstall(installed.program);
    Uninstall(installed.qt);
    for (QTranslator* translator : {program, qt}) {
        if (translator != nullptr)
            QCoreApplication::installTranslator(translator);
    }
    installed.program = program;
    installed.qt = qt;
    installed.language = language;
    return true;
}

config::Language CurrentLanguage() {
    return Installed().language;
}

}  // namespace kemora::ui
