// The program: one main window over the process-wide state, with the Japanese face.

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <string>

#include "app/application_start.h"
#include "config/settings_place.h"
#include "dialogs/frm_about.h"
#include "dialogs/frm_sinario.h"
#include "dialogs/frm_system.h"
#include "dialogs/system_info.h"
#include "mainwindow/main_state.h"
#include "ui/application_setup.h"
#include "ui/frm_main.h"

namespace {

// Where the settings file lives depends on whether this is the installed program.
kemora::config::SettingsPlace CurrentSettingsPlace() {
    return kemora::config::FindSettingsPlace(KEMORA_INSTALLED_FOLDER);
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

    // Lives from the main window's load to the end of the program.
    mainwindow::MainState state;
    ui::frmMain window(state, [] { return CurrentSettingsPlace().readPath; });
    // Each dialog is built afresh for every opening and discarded when it closes.
    window.setSettingsDialog([&state](QWidget& owner) {
        dialogs::frmSystem dialog(state.experiment.settings, CurrentSettingsPlace().savePath,
                                  &owner);
        dialog.exec();
        return true;
    });
    window.setScenarioEditor([&state](QWidget& owner) {
        dialogs::frmSinario dialog(state.currentScenario, state.experiment.settings, &owner);
        if (!CurrentSettingsPlace().besideProgram)
            dialog.setFileFolder(DocumentsFolder());
        dialog.exec();
        return true;
    });
    window.setVersionDialog([](QWidget& owner) {
        dialogs::PathRegistry registry;
        dialogs::ProcessLauncher launcher;
        dialogs::frmAbout dialog(registry, launcher, &owner);
        dialog.exec();
        return true;
    });
    window.show();
    return application->exec();
}
