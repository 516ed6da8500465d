#pragma once
// A main window over a settings file in a folder of the test's own, found by objectName.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

#include "config/settings_file.h"
#include "mainwindow/main_state.h"
#include "model/settings.h"
#include "support/find_named.h"
#include "support/qt_application.h"
#include "support/temp_folder.h"
#include "ui/frm_main.h"
#include "ui/image_button.h"
#include "ui/surface_widget.h"

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace kemora::ui {

// A main window over a settings file in a folder of the test's own.
class FrmMainTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing_support::EnsureQtApplication(); }

    void SetUp() override { configPath = config::ConfigFilePathIn(folder.string()); }
    void TearDown() override { window.reset(); }

    // Water at 27 °C, 1 mol, volume axis 0..700 L, pressure axis 0..800.
    void writeSettings(int32_t pressureUnit = model::MmHg) {
        model::ExperimentSettings settings;
        model::SetDefaultSettings(settings);
        settings.pressureUnit = pressureUnit;
        ASSERT_TRUE(config::SaveSettings(settings, configPath));
    }
    frmMain& open() {
        window = std::make_unique<frmMain>(state, [this] {
            return config::SettingsPlace{configPath, configPath, true};
        });
        return *window;
    }
    frmMain& show() {
        open().show();
        return *window;
    }

    template <typename T>
    T* control(const char* name) {
        return testing_support::FindNamed<T>(*window, name);
    }
    QLineEdit* txtValue() { return control<QLineEdit>("txtValue"); }
    QString pressure() { return control<QLineEdit>("txtAturyoku")->text(); }
    QString unitLabel() { return control<QLabel>("lblPress")->text(); }
    int lidTop() { return control<QLabel>("picTenjyou")->y(); }
    void arrow(const char* which) {
        control<QWidget>("UpDownOndo")
            ->findChild<QToolButton*>(QString::fromLatin1(which))
            ->click();
    }
    void tick() { QMetaObject::invokeMethod(control<QTimer>("Timer1"), "timeout"); }
    QImage imageOf(const char* holder) { return control<QLabel>(holder)->pixmap().toImage(); }
    QImage buttonImage(const char* button) {
        return control<ImageButton>(button)->image().toImage();
    }
    bool graphHasRedSquare() {
        const QImage& graph = control<SurfaceWidget>("picGrph")->image();
        for (int y = 0; y < graph.height(); ++y) {
            for (int x = 0; x < graph.width(); ++x) {
                if (graph.pixel(x, y) == qRgb(255, 0, 0))
                    return true;
            }
        }
        return false;
    }

    testing_support::TempFolder tempFolder{"kemora-frmmain"};
    const std::filesystem::path folder = tempFolder.path();
    std::string configPath;
    mainwindow::MainState state;
    std::unique_ptr<frmMain> window;
};

}  // namespace kemora::ui
