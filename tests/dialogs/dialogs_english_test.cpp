// The three dialogs in English: titles, buttons, labels, the step list and the messages.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "config/file_io.h"
#include "dialogs/frm_about.h"
#include "dialogs/frm_sinario.h"
#include "dialogs/frm_system.h"
#include "fakes.h"
#include "support/english_interface.h"
#include "support/find_named.h"
#include "support/qt_application.h"
#include "support/temp_folder.h"
#include "support/text_fit.h"
#include "support/widget_testing.h"

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace kemora::dialogs {
namespace {

namespace fs = std::filesystem;

struct Message {
    QString text;
    QString caption;
};

class DialogsEnglishTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing_support::EnsureQtApplication(); }

    void SetUp() override {
        ASSERT_TRUE(english.applied());
        model::SetDefaultSettings(settings);
    }

    // Collects the messages instead of showing them.
    ui::MessageBoxFunction recorder() {
        return [this](QWidget*, const QString& text, const QString& caption) {
            messages.push_back({text, caption});
        };
    }
    template <typename T>
    static T* control(const QWidget& window, const char* name) {
        return testing_support::FindNamed<T>(window, name);
    }
    static void retype(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        testing_support::TypeText(*field, text);
    }
    static QStringList lines(const QListWidget* list) {
        QStringList result;
        for (int i = 0; i < list->count(); ++i) result << list->item(i)->text();
        return result;
    }

    testing_support::EnglishInterface english;
    testing_support::TempFolder tempFolder{"kemora-dialogs-english"};
    model::ExperimentSettings settings;
    std::vector<Message> messages;
};

TEST_F(DialogsEnglishTest, SettingsDialogIsWordedAndFits) {
    frmSystem dialog(settings, (tempFolder.path() / "CONFIG2.INI").string());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Settings");
    const std::pair<const char*, QString> texts[] = {
        {"Label1", "Amount (mol)"},
        {"Label2", QStringLiteral("Temperature (°C)")},
        {"Label4", "Pressure unit"},
        {"Label5", "Volume range"},
        {"Label6", "Pressure range"},
        {"Label7", "to"},
        {"Label8", "to"},
    };
    for (const auto& [name, text] : texts) {
        SCOPED_TRACE(name);
        EXPECT_EQ(control<QLabel>(dialog, name)->text(), text);
    }
    EXPECT_EQ(control<QPushButton>(dialog, "cmdDefault")->text(), "Defaults");
    EXPECT_EQ(control<QPushButton>(dialog, "cmdClose")->text(), "Close");
    EXPECT_EQ(control<QComboBox>(dialog, "cmbPressUnit")->itemText(1), "atm");
    EXPECT_EQ(testing_support::TextsCutOff(dialog), QStringList());
}

TEST_F(DialogsEnglishTest, SettingsDialogNamesTheFieldAndWhatIsWrong) {
    struct Case {
        const char* field;
        const char* typed;  // nullptr: no pressure unit selected
        QString message;
    };
    const Case cases[] = {
        {"txtMol", "", "Enter a number for the amount (mol)."},
        {"txtContainer", "3e9",
         QStringLiteral("The number for the temperature (°C) is out of range.")},
        {"cmbPressUnit", nullptr, "Choose a pressure unit."},
        {"txtGrphWMin", "x", "Enter a number for the graph's lowest volume."},
        {"txtGrphWMax", "9e9", "The number for the graph's highest volume is out of range."},
        {"txtPressWMin", "-", "Enter a number for the graph's lowest pressure."},
        {"txtPressWMax", "", "Enter a number for the graph's highest pressure."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        messages.clear();
        frmSystem dialog(settings, (tempFolder.path() / "CONFIG2.INI").string());
        dialog.setMessageBox(recorder());
        dialog.show();
        if (c.typed == nullptr)
            control<QComboBox>(dialog, c.field)->setCurrentIndex(-1);
        else
            retype(control<QLineEdit>(dialog, c.field), QString::fromUtf8(c.typed));
        QTest::mouseClick(control<QPushButton>(dialog, "cmdClose"), Qt::LeftButton);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.message);
        EXPECT_EQ(messages[0].caption, "Settings");
        EXPECT_FALSE(fs::exists(tempFolder.path() / "CONFIG2.INI"));
    }
}

TEST_F(DialogsEnglishTest, ScenarioEditorIsWordedAndFitsOnEveryPage) {
    scenario::Scenario scenario;
    frmSinario dialog(scenario, settings);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Create Scenario");
    auto* tabs = control<QTabWidget>(dialog, "SSTabMenu");
    ASSERT_EQ(tabs->count(), 5);
    const QString tabTexts[] = {"Settings", "Volume", "Graph", "Clear Graph", "Liquid"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(tabs->tabText(i), tabTexts[i]);
    const std::pair<const char*, QString> texts[] = {
        {"lblMol", "Amount (mol)"},
        {"lblContainer", QStringLiteral("Temperature (°C)")},
        {"lblPressUnit", "Pressure unit"},
        {"lblGrphW", "Volume range"},
        {"lblGrphWTo", "to"},
        {"lblPressW", "Pressure range"},
        {"lblPressWTo", "to"},
        {"lblVolume", "Set the volume to"},
        {"lblVolumeUnit", "L."},
        {"lblClearGraph", "Clear the graph drawn so far."},
        {"lblBussitu", "Change the liquid."},
    };
    for (const auto& [name, text] : texts) {
        SCOPED_TRACE(name);
        EXPECT_EQ(control<QLabel>(dialog, name)->text(), text);
    }
    const std::pair<const char*, QString> buttons[] = {
        {"cmdAdd1", "Add"},
        {"cmdAdd5", "Add"},
        {"cmdDel", "Delete"},
        {"cmdLoad", "Load"},
        {"cmdSave", "Save"},
        {"cmdClose", "Close"},
        {"chkAddTemp", "Change in steps of 5 L."},
        {"OptGrphOn", "Show the graph"},
        {"optGrphOff", "Hide the graph"},
    };
    for (const auto& [name, text] : buttons) {
        SCOPED_TRACE(name);
        EXPECT_EQ(control<QAbstractButton>(dialog, name)->text(), text);
    }
    auto* liquids = control<QComboBox>(dialog, "cmbBussitu");
    EXPECT_EQ(liquids->itemText(2), "Diethyl ether");

    // The longer start of the volume sentence moves its field right, clear of the words.
    const QLabel* start = control<QLabel>(dialog, "lblVolume");
    EXPECT_LT(start->x() + start->fontMetrics().horizontalAdvance(start->text()),
              control<QLineEdit>(dialog, "txtTemp")->x());
    EXPECT_LT(control<QLineEdit>(dialog, "txtTemp")->geometry().right(),
              control<QLabel>(dialog, "lblVolumeUnit")->x());
    EXPECT_EQ(testing_support::TextsCutOff(dialog), QStringList());
}

TEST_F(DialogsEnglishTest, StepListWordsEveryKindOfStep) {
    using namespace scenario;
    Scenario scenario;
    const std::pair<int16_t, int32_t> steps[] = {
        {StepInitialSettings, 0}, {StepSetVolume, 300},
        {StepSetVolume, 700},     {StepShowGraph, 0},
        {StepHideGraph, 0},       {StepClearGraph, 0},
        {StepChangeLiquid, 0},    {StepChangeLiquid, 1},
        {StepChangeLiquid, -1},   {9, 0},
    };
    for (const auto& [kind, value] : steps) {
        ScenarioStep& step = scenario.steps[++scenario.stepCount];
        step.kind = kind;
        step.value = value;
    }
    scenario.steps[3].gradual = 1;
    frmSinario dialog(scenario, settings);
    EXPECT_EQ(
        lines(control<QListWidget>(dialog, "listSinario")),
        (QStringList{"Initial settings", "Set the volume to 300 L.",
                     "Change the volume gradually to 700 L.", "Show the graph.", "Hide the graph.",
                     "Clear the graph.", "Set the liquid to water.", "Set the liquid to ethanol.",
                     "Set the liquid to diethyl ether.", "Unknown step."}));
}

TEST_F(DialogsEnglishTest, ScenarioEditorSaysWhatIsWrong) {
    scenario::Scenario scenario;
    frmSinario dialog(scenario, settings);
    dialog.setMessageBox(recorder());
    const QString shortFile = QString::fromStdString((tempFolder.path() / "short.so2").string());
    ASSERT_TRUE(config::WriteFileAtomically(shortFile.toStdString(), "abc"));
    dialog.setFileNamePrompt([&](QWidget*, const ScenarioFileRequest& request) {
        EXPECT_EQ(request.title, request.forSaving ? "Save Scenario" : "Load Scenario");
        EXPECT_EQ(request.filter, "Scenario files (*.so2)");
        return shortFile;
    });
    dialog.show();
    auto* tabs = control<QTabWidget>(dialog, "SSTabMenu");

    tabs->setCurrentIndex(1);
    retype(control<QLineEdit>(dialog, "txtTemp"), "");
    QTest::mouseClick(control<QPushButton>(dialog, "cmdAdd2"), Qt::LeftButton);
    retype(control<QLineEdit>(dialog, "txtTemp"), "1e10");
    QTest::mouseClick(control<QPushButton>(dialog, "cmdAdd2"), Qt::LeftButton);
    tabs->setCurrentIndex(0);
    retype(control<QLineEdit>(dialog, "txtContainer"), "warm");
    QTest::mouseClick(control<QPushButton>(dialog, "cmdAdd1"), Qt::LeftButton);
    control<QComboBox>(dialog, "cmbPressUnit")->setCurrentIndex(-1);
    QTest::mouseClick(control<QPushButton>(dialog, "cmdAdd1"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(dialog, "cmdLoad"), Qt::LeftButton);
    scenario.stepCount = scenario::kMaxStepCount;
    tabs->setCurrentIndex(3);
    QTest::mouseClick(control<QPushButton>(dialog, "cmdAdd4"), Qt::LeftButton);

    std::vector<QString> texts;
    for (const Message& message : messages) {
        EXPECT_EQ(message.caption, "Create Scenario");
        texts.push_back(message.text);
    }
    EXPECT_EQ(texts,
              (std::vector<QString>{
                  "Enter a number for the volume (L).",
                  "The number for the volume (L) is out of range.",
                  QStringLiteral("Enter a number for the temperature (°C)."),
                  "Choose a pressure unit.",
                  "The scenario could not be loaded.\n" + shortFile + "\nThe file is too short.",
                  "A scenario can hold at most 50 steps.",
              }));
}

TEST_F(DialogsEnglishTest, VersionDialogIsWordedAndFits) {
    fakes::FakeRegistry registry;
    fakes::FakeLauncher launcher;
    frmAbout dialog(registry, launcher);
    dialog.setMessageBox(recorder());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "About Kemora");
    EXPECT_EQ(control<QLabel>(dialog, "lblTitle")->text(), "Kemora");
    EXPECT_EQ(control<QLabel>(dialog, "lblVersion")->text(), "Version 1.0.0");
    EXPECT_EQ(control<QLabel>(dialog, "lblDescription")->text(),
              "A classroom simulation for chemistry that shows, with moving molecules and a graph, "
              "how the pressure of a liquid and its vapor in a closed cylinder changes with the "
              "volume.");
    EXPECT_EQ(control<QLabel>(dialog, "lblDisclaimer")->text(),
              QStringLiteral("Copyright © 2026 The Kemora developers. Provided under the MIT "
                             "licence, without any warranty."));
    EXPECT_EQ(control<QPushButton>(dialog, "cmdOK")->text(), "OK");
    EXPECT_EQ(control<QPushButton>(dialog, "cmdSysInfo")->text(), "&System Info...");
    EXPECT_EQ(testing_support::TextsCutOff(dialog), QStringList());

    dialog.StartSysInfo();  // the fake registry names no tool
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "System Information is unavailable at this time");
    EXPECT_EQ(messages[0].caption, "Kemora");
}

}  // namespace
}  // namespace kemora::dialogs
