// The dialogs follow the main window's zoom in their places and font, as far as they fit the
// screen.

#include <gtest/gtest.h>

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <memory>

#include "dialogs/frm_about.h"
#include "dialogs/frm_sinario.h"
#include "dialogs/frm_system.h"
#include "fakes.h"
#include "model/settings.h"
#include "scenario/scenario.h"
#include "support/qt_application.h"

namespace kemora::dialogs {
namespace {

// A pixel length or place at `percent`, halves upward: the main window's rule.
int Zoomed(int pixels, int percent) {
    return (2 * pixels * percent + 100) / 200;
}

QRect Zoomed(QRect pixels, int percent) {
    return QRect(Zoomed(pixels.x(), percent), Zoomed(pixels.y(), percent),
                 Zoomed(pixels.width(), percent), Zoomed(pixels.height(), percent));
}

// The largest whole percent up to `percent` at which `designed` and a 64-pixel frame fit the
// primary screen's available area.
int FittingPercent(QSize designed, int percent) {
    const QSize area = QGuiApplication::primaryScreen()->availableGeometry().size();
    int fit = 100;
    while (fit < percent && Zoomed(designed.width(), fit + 1) + 64 <= area.width() &&
           Zoomed(designed.height(), fit + 1) + 64 <= area.height())
        ++fit;
    return fit;
}

// One control of a dialog and its place at zoom 1, in pixels.
struct Place {
    const char* name;
    QRect pixels;
};

void ExpectZoomed(QDialog& dialog, QSize designed, int percent, const std::vector<Place>& places) {
    const int shown = FittingPercent(designed, percent);
    EXPECT_EQ(dialog.size(),
              QSize(Zoomed(designed.width(), shown), Zoomed(designed.height(), shown)));
    EXPECT_EQ(dialog.font().pixelSize(), Zoomed(12, shown));
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        const auto* widget = dialog.findChild<QWidget*>(place.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), Zoomed(place.pixels, shown));
        EXPECT_EQ(widget->font().pixelSize(), Zoomed(12, shown));
    }
}

class DialogZoomTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing_support::EnsureQtApplication(); }
};

TEST_F(DialogZoomTest, SettingsDialogFollowsTheZoom) {
    for (const int percent : {100, 150, 200}) {
        SCOPED_TRACE(percent);
        model::ExperimentSettings settings;
        frmSystem dialog(settings, "unused.ini", nullptr, percent / 100.0);
        ExpectZoomed(dialog, {289, 205}, percent,
                     {{"txtMol", {128, 8, 57, 18}},
                      {"cmbPressUnit", {128, 72, 73, 20}},
                      {"txtPressWMax", {216, 136, 57, 18}},
                      {"cmdClose", {208, 168, 73, 25}},
                      {"Label5", {16, 104, 105, 17}}});
        EXPECT_TRUE(dialog.findChild<QLabel*>("Label5")->font().bold());
    }
}

TEST_F(DialogZoomTest, VersionDialogFollowsTheZoomSeparatorIncluded) {
    for (const int percent : {100, 150, 200}) {
        SCOPED_TRACE(percent);
        fakes::FakeRegistry registry;
        fakes::FakeLauncher launcher;
        frmAbout dialog(registry, launcher, nullptr, percent / 100.0);
        // The separator's strokes: grey from (6, 163) to (376, 163), white two rows deep
        // from (7, 164) to (376, 165).
        ExpectZoomed(dialog, {382, 237}, percent,
                     {{"lblTitle", {70, 16, 259, 32}},
                      {"cmdOK", {283, 175, 92, 23}},
                      {"cmdSysInfo", {284, 205, 92, 23}},
                      {"Line1_1", {6, 163, 371, 1}},
                      {"Line1_0", {7, 164, 370, 2}}});
    }
}

TEST_F(DialogZoomTest, ScenarioEditorFollowsTheZoomOnItsPagesToo) {
    for (const int percent : {100, 150, 200}) {
        SCOPED_TRACE(percent);
        scenario::Scenario scenario;
        model::ExperimentSettings settings;
        frmSinario dialog(scenario, settings, nullptr, percent / 100.0);
        const QSize designed(490, 480);
        ExpectZoomed(dialog, designed, percent,
                     {{"txtTTl", {8, 8, 465, 25}},
                      {"SSTabMenu", {8, 40, 473, 137}},
                      {"listSinario", {8, 200, 473, 232}},
                      {"cmdClose", {416, 448, 65, 25}}});
        // Page controls keep their places from the tab control's top left.
        const int shown = FittingPercent(designed, percent);
        auto* tab = dialog.findChild<QTabWidget*>("SSTabMenu");
        const auto* mol = dialog.findChild<QLineEdit*>("txtMol");
        EXPECT_EQ(QRect(mol->mapTo(tab, QPoint(0, 0)), mol->size()),
                  Zoomed(QRect(120, 32, 57, 18), shown));
    }
}

TEST_F(DialogZoomTest, AZoomTooLargeForTheScreenShrinksToTheLargestThatFits) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    scenario::Scenario scenario;
    model::ExperimentSettings settings;
    frmSinario dialog(scenario, settings, nullptr, 4.0);
    EXPECT_LE(dialog.width() + 64, area.width());
    EXPECT_LE(dialog.height() + 64, area.height());
    EXPECT_GT(dialog.width(), 490);  // still as large as the screen allows
}

}  // namespace
}  // namespace kemora::dialogs
