// The program: one main window over the process-wide state, with the Japanese face.

#include <QApplication>
#include <string>

#include "config/settings_file.h"
#include "dialogs/frm_about.h"
#include "dialogs/frm_sinario.h"
#include "dialogs/frm_system.h"
#include "dialogs/system_info.h"
#include "mainwindow/main_state.h"
#include "ui/application_setup.h"
#include "ui/frm_main.h"

int main(int argc, char* argv[]) {
    using namespace kemora;
    QApplication application(argc, argv);
    ui::PrepareApplication(application);

    // Lives from the main window's load to the end of the program.
    mainwindow::MainState state;
    const std::string configPath = config::ConfigFilePath();
    ui::frmMain window(state, configPath);
    // Each dialog is built afresh for every opening, at the window's zoom, and discarded when
    // it closes.
    window.setSettingsDialog([&state, &configPath, &window](QWidget& owner) {
        dialogs::frmSystem dialog(state.experiment.settings, configPath, &owner,
                                  window.zoomFactor());
        dialog.exec();
        return true;
    });
    window.setScenarioEditor([&state, &window](QWidget& owner) {
        dialogs::frmSinario dialog(state.currentScenario, state.experiment.settings, &owner,
                                   window.zoomFactor());
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
    return application.exec();
}
