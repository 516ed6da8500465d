// The program: one main window over the process-wide state, in Japanese unless the user
// chose English (in the settings file, or with "--lang en" for one run).

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QStringList>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/application_start.h"
#include "config/language.h"
#include "config/settings_place.h"
#include "config/view_settings.h"
#include "dialogs/frm_about.h"
#include "dialogs/frm_sinario.h"
#include "dialogs/frm_system.h"
#include "dialogs/system_info.h"
#include "mainwindow/main_state.h"
#include "ui/application_setup.h"
#include "ui/frm_main.h"
#include "ui/language.h"

namespace {

// Where the settings file lives depends on whether this is the installed program.
kemora::config::SettingsPlace CurrentSettingsPlace() {
    return kemora::config::FindSettingsPlace(KEMORA_INSTALLED_FOLDER);
}

// The language of this run: the command line's, else the one the user chose last time.
// An unknown code on the command line is reported and ignored.
kemora::config::Language StartLanguage() {
    using namespace kemora::config;
    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments())
        arguments.push_back(argument.toStdString());
    if (const std::optional<std::string> code = LanguageArgument(arguments)) {
        if (const std::optional<Language> language = LanguageFromCode(*code))
            return *language;
        std::fprintf(stderr, "kemora: unknown language \"%s\" for --lang (ja or en)\n",
                     code->c_str());
    }
    return LoadViewSettings(CurrentSettingsPlace().readPath).language;
}

// The user's documents folder, or the home folder when there is none.
QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace kemora;
    const auto application = app::StartApplication(argc, argv);
    ui::PrepareApplication(*application);
    ui::ApplyLanguage(StartLanguage());

    // Lives from the main window's load to the end of the program.
    mainwindow::MainState state;
    ui::frmMain window(state, CurrentSettingsPlace);
    // Each dialog is built afresh for every opening, at the window's zoom, and discarded when
    // it closes.
    window.setSettingsDialog([&state, &window](QWidget& owner) {
        dialogs::frmSystem dialog(state.experiment.settings, CurrentSettingsPlace().savePath,
                                  &owner, window.zoomFactor());
        dialog.exec();
        return true;
    });
    window.setScenarioEditor([&state, &window](QWidget& owner) {
        dialogs::frmSinario dialog(state.currentScenario, state.experiment.settings, &owner,
                                   window.zoomFactor());
        if (!CurrentSettingsPlace().besideProgram)
            dialog.setFileFolder(DocumentsFolder());
        dialog.exec();
        return true;
    });
    window.setVersionDialog([&window](QWidget& owner) {
        dialogs::PathRegistry registry;
        dialogs::ProcessLauncher launcher;
        dialogs::frmAbout dialog(registry, launcher, &owner, window.zoomFactor());
        dialog.exec();
        return true;
    });
    window.show();
    return application->exec();
}
