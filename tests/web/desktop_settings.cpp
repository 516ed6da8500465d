// Saves the settings file as the desktop's settings dialog does, so that the browser
// edition's test can compare the page's CONFIG2.INI with it byte for byte:
//   desktop_settings FILE MOL TEMPERATURE UNIT_INDEX VOLUME_MIN VOLUME_MAX PRESSURE_MIN
//                    PRESSURE_MAX [LANGUAGE]
// Opens the dialog over the settings FILE holds (none: the fallbacks), puts the texts into its
// fields and the unit into its list, and presses "閉じる"; then, with LANGUAGE ("ja", "en"),
// saves the language as the main window's menu does. A message of the dialog fails the run.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "config/language.h"
#include "config/settings_file.h"
#include "config/view_settings.h"
#include "dialogs/frm_system.h"
#include "ui/utf8_text.h"

int main(int argc, char** argv) {
    using namespace kemora;
    if (argc != 9 && argc != 10) {
        std::fprintf(stderr,
                     "usage: %s FILE MOL TEMPERATURE UNIT_INDEX VOLUME_MIN VOLUME_MAX "
                     "PRESSURE_MIN PRESSURE_MAX [LANGUAGE]\n",
                     argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string path = argv[1];

    model::ExperimentSettings settings;
    config::LoadSettings(settings, path);
    dialogs::frmSystem dialog(settings, path);
    bool failed = false;
    dialog.setMessageBox([&failed](QWidget*, const QString& text, const QString&) {
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
        failed = true;
    });
    dialog.show();
    const char* const fields[] = {"txtMol",      "txtContainer", nullptr,       "txtGrphWMin",
                                  "txtGrphWMax", "txtPressWMin", "txtPressWMax"};
    for (int i = 0; i < 7; ++i) {
        if (fields[i] == nullptr) {
            dialog.findChild<QComboBox*>("cmbPressUnit")->setCurrentIndex(std::atoi(argv[2 + i]));
        } else {
            dialog.findChild<QLineEdit*>(fields[i])->setText(ui::FromUtf8(argv[2 + i]));
        }
    }
    dialog.findChild<QPushButton*>("cmdClose")->click();
    if (failed)
        return 1;
    if (argc == 10) {
        const auto language = config::LanguageFromCode(argv[9]);
        if (!language || !config::SaveViewSettings({*language}, path)) {
            std::fprintf(stderr, "the language %s was not saved\n", argv[9]);
            return 1;
        }
    }
    return 0;
}
