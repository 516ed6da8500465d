// The main window in English, and switching languages while it runs.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "config/file_io.h"
#include "config/settings_file.h"
#include "config/view_settings.h"
#include "mainwindow/main_state.h"
#include "support/english_interface.h"
#include "support/find_named.h"
#include "support/qt_application.h"
#include "support/temp_folder.h"
#include "support/text_fit.h"
#include "ui/frm_main.h"
#include "ui/image_button.h"
#include "ui/language.h"
#include "ui/surface_widget.h"

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace kemora::ui {
namespace {

namespace fs = std::filesystem;

class FrmMainLanguageTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing_support::EnsureQtApplication(); }

    void SetUp() override {
        configPath = config::ConfigFilePathIn(tempFolder.path().string());
        model::ExperimentSettings settings;
        model::SetDefaultSettings(settings);  // water, 27 °C, 1 mol, 0..700 L, 0..800 mmHg
        ASSERT_TRUE(config::SaveSettings(settings, configPath));
        place = {configPath, configPath, true};
    }
    void TearDown() override {
        window.reset();
        ApplyLanguage(config::Language::Japanese);
    }

    frmMain& show() {
        window = std::make_unique<frmMain>(state, [this] { return place; });
        window->setMessageBox([this](QWidget*, const QString& text, const QString& caption) {
            messages.push_back(caption + ": " + text);
        });
        window->show();
        return *window;
    }
    template <typename T>
    T* control(const char* name) {
        return testing_support::FindNamed<T>(*window, name);
    }
    QString text(const char* label) { return control<QLabel>(label)->text(); }
    void choose(const char* action) {
        control<QAction>(action)->trigger();
        QCoreApplication::sendPostedEvents();  // the language change reaches the windows
    }

    testing_support::TempFolder tempFolder{"kemora-frmmain-language"};
    std::string configPath;
    config::SettingsPlace place;  // where the window reads and saves; beside it by default
    mainwindow::MainState state;
    std::unique_ptr<frmMain> window;
    std::vector<QString> messages;
};

TEST_F(FrmMainLanguageTest, EveryTextIsEnglishAndFitsItsControl) {
    testing_support::EnglishInterface english;
    ASSERT_TRUE(english.applied());
    show();

    const std::pair<const char*, QString> menus[] = {
        {"menu_File", "&File"},
        {"menu_view", "&View"},
        {"menu_language", QStringLiteral("言語 / Language")},
        {"menu_Help", "&Help"},
    };
    for (const auto& [name, title] : menus) {
        SCOPED_TRACE(name);
        EXPECT_EQ(control<QMenu>(name)->title(), title);
    }
    const std::pair<const char*, QString> actions[] = {
        {"menu_Init", "&Initial Settings"},
        {"menu_Sinario", "&Scenario Settings"},
        {"menu_end", "E&xit"},
        {"menu_search", "&Search"},
        {"menu_ver", "&About"},
        {"menu_scenarioMode", "&Scenario Mode"},
        {"menu_graphVisible", "Show &Graph"},
        {"menu_graphClear", "&Clear Graph"},
        {"menu_pause", "&Pause Animation"},
        {"menu_reset", "&Reset Experiment"},
        {"menu_langJa", QStringLiteral("日本語")},
        {"menu_langEn", "English"},
    };
    for (const auto& [name, text] : actions) {
        SCOPED_TRACE(name);
        EXPECT_EQ(control<QAction>(name)->text(), text);
    }
    EXPECT_TRUE(control<QAction>("menu_langEn")->isChecked());
    EXPECT_FALSE(control<QAction>("menu_langJa")->isChecked());

    const std::pair<const char*, QString> tips[] = {
        {"picSinario", "Scenario mode"},
        {"picGrphSw", "Show or hide the graph"},
        {"picGrphCls", "Clear the graph"},
    };
    for (const auto& [name, tip] : tips) {
        SCOPED_TRACE(name);
        EXPECT_EQ(control<ImageButton>(name)->toolTip(), tip);
    }
    for (const char* label : {"Label1_0", "Label1_1"}) EXPECT_EQ(text(label), "Volume");
    for (const char* label : {"Label1_2", "Label1_3"}) EXPECT_EQ(text(label), "Pressure");
    EXPECT_EQ(text("lblTmp"), "L");
    EXPECT_EQ(text("lblPress"), "mmHg");
    QComboBox* liquid = control<QComboBox>("cmbLiquid");
    ASSERT_EQ(liquid->count(), 3);
    EXPECT_EQ(liquid->itemText(0), "Water");
    EXPECT_EQ(liquid->itemText(1), "Ethanol");
    EXPECT_EQ(liquid->itemText(2), "Diethyl ether");
    EXPECT_EQ(window->windowTitle(), "Vapor Pressure Curve - ");

    // The longer captions push the fields right, and everything stays inside the panel at
    // the lower right, which ends at x 789.
    EXPECT_EQ(testing_support::TextsCutOff(*window), QStringList());
    for (const char* caption : {"Label1_0", "Label1_2"}) {
        SCOPED_TRACE(caption);
        const QLabel* label = control<QLabel>(caption);
        const int textEnd = label->x() + label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_LT(textEnd, control<QLineEdit>("txtValue")->x());
        EXPECT_LT(textEnd, control<QLineEdit>("txtAturyoku")->x());
    }
    const QLabel* unit = control<QLabel>("lblPress");
    EXPECT_LE(unit->x() + unit->fontMetrics().horizontalAdvance("mmHg"), 789);
    EXPECT_EQ(control<QWidget>("UpDownOndo")->x(),
              control<QLineEdit>("txtValue")->geometry().right() + 1);
}

// A teacher switches in the middle of a lesson: the window words itself anew and keeps the
// volume, the graph, the liquid and the scenario's place; the choice is kept in the file.
TEST_F(FrmMainLanguageTest, SwitchingAtOnceKeepsTheStateAndIsRemembered) {
    scenario::AssignTitle(state.currentScenario, "T");
    scenario::ScenarioStep& step = state.currentScenario.steps[++state.currentScenario.stepCount];
    step.kind = scenario::StepSetVolume;
    step.value = 300;
    show();
    const QRect designedField = control<QLineEdit>("txtValue")->geometry();
    control<QComboBox>("cmbLiquid")->setCurrentIndex(1);
    QTest::mouseClick(control<ImageButton>("picSinario"), Qt::LeftButton);
    control<QLineEdit>("txtValue")->setFocus();
    QTest::keyClick(control<QLineEdit>("txtValue"), Qt::Key_Space);
    ASSERT_EQ(control<QLineEdit>("txtValue")->text(), "300");
    const QString pressure = control<QLineEdit>("txtAturyoku")->text();
    const QImage graph = control<SurfaceWidget>("picGrph")->image();
    const std::string title = "T" + std::string(29, ' ');

    choose("menu_langEn");
    EXPECT_EQ(CurrentLanguage(), config::Language::English);
    EXPECT_EQ(control<QMenu>("menu_File")->title(), "&File");
    EXPECT_EQ(text("Label1_0"), "Volume");
    EXPECT_EQ(window->windowTitle(),
              QString::fromStdString("Vapor Pressure Curve - " + title) + "[1]");
    EXPECT_EQ(control<QComboBox>("cmbLiquid")->currentIndex(), 1);
    EXPECT_EQ(control<QComboBox>("cmbLiquid")->currentText(), "Ethanol");
    EXPECT_EQ(control<QLineEdit>("txtValue")->text(), "300");
    EXPECT_EQ(control<QLineEdit>("txtAturyoku")->text(), pressure);
    EXPECT_EQ(control<SurfaceWidget>("picGrph")->image(), graph);
    EXPECT_EQ(state.scenarioMode, 1);
    EXPECT_EQ(state.nextStep, 2);
    EXPECT_TRUE(control<QAction>("menu_langEn")->isChecked());
    EXPECT_FALSE(control<QAction>("menu_langJa")->isChecked());
    EXPECT_EQ(config::LoadViewSettings(configPath).language, config::Language::English);
    model::ExperimentSettings kept;
    config::LoadSettings(kept, configPath);
    EXPECT_EQ(kept.grphWMax, 700) << "the experiment's section stays as it was";

    choose("menu_langJa");
    EXPECT_EQ(CurrentLanguage(), config::Language::Japanese);
    EXPECT_EQ(control<QMenu>("menu_File")->title(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(text("Label1_2"), QStringLiteral("圧力"));
    EXPECT_EQ(control<QComboBox>("cmbLiquid")->currentText(), QStringLiteral("エタノール"));
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("蒸気圧曲線　-　") + QString::fromStdString(title) + "[1]");
    EXPECT_EQ(control<QLineEdit>("txtValue")->geometry(), designedField);
    EXPECT_TRUE(control<QAction>("menu_langJa")->isChecked());
    EXPECT_EQ(config::LoadViewSettings(configPath).language, config::Language::Japanese);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrmMainLanguageTest, AnInstalledProgramKeepsTheChoiceInTheUsersOwnFile) {
    // The file of SetUp stands for the administrator's, beside the installed program.
    const std::string user = (tempFolder.path() / "config" / "kemora" / "CONFIG2.INI").string();
    place = {configPath, user, false};
    show();
    choose("menu_langEn");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(config::LoadViewSettings(user).language, config::Language::English);
    model::ExperimentSettings kept;
    config::LoadSettings(kept, user);
    EXPECT_EQ(kept.grphWMax, 700) << "the administrator's experiment settings come along";
    EXPECT_EQ(config::LoadViewSettings(configPath).language, config::Language::Japanese);
}

TEST_F(FrmMainLanguageTest, AChoiceThatCannotBeSavedIsSwitchedAndReported) {
    fs::remove(configPath);
    fs::create_directories(fs::path(configPath) / "inside");
    show();
    choose("menu_langEn");
    EXPECT_EQ(CurrentLanguage(), config::Language::English);
    EXPECT_EQ(text("Label1_0"), "Volume");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains("The language setting could not be saved."))
        << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QString::fromStdString(configPath)));
    EXPECT_TRUE(fs::is_directory(fs::path(configPath) / "inside"));
}

}  // namespace
}  // namespace kemora::ui
