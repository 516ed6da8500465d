// What a screen reader finds in the three dialogs: a name for every control, on every page.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <ostream>
#include <string>

#include "dialogs/frm_about.h"
#include "dialogs/frm_sinario.h"
#include "dialogs/frm_system.h"
#include "fakes.h"
#include "support/accessibility_walk.h"
#include "support/english_interface.h"
#include "support/qt_application.h"
#include "support/temp_folder.h"

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace kemora::dialogs {
namespace {

class DialogsAccessibilityTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing_support::EnsureQtApplication(); }
    void SetUp() override { model::SetDefaultSettings(settings); }

    // The unnamed controls of `dialog` as shown, and of each page of its tabs.
    static QStringList unnamedOnEveryPage(QDialog& dialog) {
        dialog.show();
        QStringList unnamed = testing_support::UnnamedControls(dialog);
        if (auto* tabs = dialog.findChild<QTabWidget*>()) {
            for (int page = 1; page < tabs->count(); ++page) {
                tabs->setCurrentIndex(page);
                unnamed << testing_support::UnnamedControls(dialog);
            }
        }
        unnamed.removeDuplicates();
        return unnamed;
    }

    testing_support::TempFolder tempFolder{"kemora-dialogs-accessibility"};
    model::ExperimentSettings settings;
    scenario::Scenario scenario;
    fakes::FakeRegistry registry;
    fakes::FakeLauncher launcher;
};

TEST_F(DialogsAccessibilityTest, EveryVisibleControlOfEachDialogHasAName) {
    scenario::ScenarioStep step;
    step.kind = scenario::StepSetVolume;
    step.value = 300;
    scenario.steps[1] = step;
    scenario.stepCount = 1;
    for (bool english : {false, true}) {
        SCOPED_TRACE(english ? "English" : "Japanese");
        std::optional<testing_support::EnglishInterface> language;
        if (english)
            language.emplace();
        frmSystem system(settings, (tempFolder.path() / "CONFIG2.INI").string());
        EXPECT_EQ(unnamedOnEveryPage(system), QStringList());
        frmSinario editor(scenario, settings);
        EXPECT_EQ(unnamedOnEveryPage(editor), QStringList());
        frmAbout about(registry, launcher);
        EXPECT_EQ(unnamedOnEveryPage(about), QStringList());
    }
}

}  // namespace
}  // namespace kemora::dialogs
