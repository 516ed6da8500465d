// The main window on a 1920 × 1080 projector, where the largest zoom steps do not fit: they are
// not offered, and a saved one opens at the largest zoom that fits.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QScreen>
#include <memory>
#include <string>

#include "config/settings_file.h"
#include "config/view_settings.h"
#include "mainwindow/main_state.h"
#include "mainwindow/zoom.h"
#include "model/settings.h"
#include "support/find_named.h"
#include "support/qt_application.h"
#include "support/temp_folder.h"
#include "ui/frm_main.h"

namespace kemora::ui {
namespace {

class FrmMainProjectorTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing_support::EnsureQtApplication(); }

    void SetUp() override {
        configPath = config::ConfigFilePathIn(tempFolder.path().string());
        model::ExperimentSettings settings;
        model::SetDefaultSettings(settings);
        ASSERT_TRUE(config::SaveSettings(settings, configPath));
    }
    void TearDown() override { window.reset(); }

    void openAt(int32_t savedZoom) {
        ASSERT_TRUE(config::SaveZoom(savedZoom, configPath));
        window = std::make_unique<frmMain>(state, [this] {
            return config::SettingsPlace{configPath, configPath, true};
        });
        window->show();
    }
    QAction* action(const char* name) { return testing_support::FindNamed<QAction>(*window, name); }
    // The largest whole percent at which the window, its frame and menu bar included, lies
    // within the screen's available area.
    int largestFit() {
        const QSize area = window->screen()->availableGeometry().size();
        const QSize frame = window->frameGeometry().size() - window->geometry().size();
        return mainwindow::FitZoom(
            {800, 559}, {area.width() - frame.width(),
                         area.height() - frame.height() - window->menuBar()->sizeHint().height()});
    }

    testing_support::TempFolder tempFolder{"kemora-projector"};
    std::string configPath;
    mainwindow::MainState state;
    std::unique_ptr<frmMain> window;
};

TEST_F(FrmMainProjectorTest, ASavedZoomThatDoesNotFitOpensAtTheLargestThatDoesAndIsKept) {
    ASSERT_EQ(window, nullptr);
    for (const int32_t saved : {200, 250, 400}) {
        SCOPED_TRACE(saved);
        openAt(saved);
        const int fit = largestFit();
        ASSERT_LT(fit, 200);  // the screen this test is meant for
        EXPECT_DOUBLE_EQ(window->zoomFactor(), fit / 100.0);
        EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));
        EXPECT_EQ(config::LoadZoom(configPath), saved);
        for (const char* step :
             {"menu_zoom100", "menu_zoom125", "menu_zoom150", "menu_zoom200", "menu_zoom250"})
            EXPECT_FALSE(action(step)->isChecked()) << step;  // none of them is shown
    }
}

TEST_F(FrmMainProjectorTest, OnlyTheStepsThatFitAreOffered) {
    openAt(100);
    struct Step {
        const char* name;
        bool offered;
    };
    const Step steps[] = {{"menu_zoom100", true},  {"menu_zoom125", true},  {"menu_zoom150", true},
                          {"menu_zoom200", false}, {"menu_zoom250", false}, {"menu_zoomFit", true}};
    for (const Step& step : steps)
        EXPECT_EQ(action(step.name)->isEnabled(), step.offered) << step.name;

    // Zooming in goes as far as the steps that fit, and no further.
    action("menu_zoomIn")->trigger();
    action("menu_zoomIn")->trigger();
    EXPECT_DOUBLE_EQ(window->zoomFactor(), 1.5);
    EXPECT_TRUE(action("menu_zoom150")->isChecked());
    EXPECT_FALSE(action("menu_zoomIn")->isEnabled());
    action("menu_zoomIn")->trigger();
    EXPECT_DOUBLE_EQ(window->zoomFactor(), 1.5);
    EXPECT_EQ(config::LoadZoom(configPath), 150);
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));

    // From a fitted zoom, zooming out goes to the step below it.
    openAt(250);
    action("menu_zoomOut")->trigger();
    EXPECT_DOUBLE_EQ(window->zoomFactor(), 1.5);
    EXPECT_EQ(config::LoadZoom(configPath), 150);
}

}  // namespace
}  // namespace kemora::ui
