#include "dialogs/frm_system.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "config/file_io.h"
#include "config/settings_file.h"
#include "support/qt_application.h"
#include "support/temp_folder.h"
#include "support/widget_testing.h"

namespace kemora::dialogs {
namespace {

namespace fs = std::filesystem;
using model::ExperimentSettings;
using testing_support::TypeText;

struct Message {
    QString text;
    QString caption;
};

class FrmSystemTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { testing_support::EnsureQtApplication(); }

    void SetUp() override {
        configPath = (folder / "CONFIG2.INI").string();
        // What the main window holds after reading a missing file.
        settings = {30, 1, 0, 0, -50, 150, 0.0, 800.0};
    }
    void TearDown() override { dialog.reset(); }

    // Opens the dialog as the main window's menu command does, without waiting in it.
    void open() {
        dialog = std::make_unique<frmSystem>(settings, configPath);
        dialog->setMessageBox([this](QWidget*, const QString& text, const QString& caption) {
            messages.push_back({text, caption});
        });
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    template <typename Control = QLineEdit>
    Control& control(const char* name) const {
        auto* found = dialog->findChild<Control*>(name);
        if (found == nullptr)
            throw std::runtime_error(std::string("no control ") + name);
        return *found;
    }

    // Replaces the field's text as a user does: select all, then type (or delete).
    void retype(const char* name, const QString& text) {
        QLineEdit& field = control(name);
        field.setFocus();
        field.selectAll();
        if (text.isEmpty())
            QTest::keyClick(&field, Qt::Key_Delete);
        else
            TypeText(field, text);
    }

    void click(const char* name) { QTest::mouseClick(&control<QPushButton>(name), Qt::LeftButton); }

    std::optional<ExperimentSettings> savedSettings() const {
        if (!fs::exists(configPath))
            return std::nullopt;
        ExperimentSettings loaded;
        config::LoadSettings(loaded, configPath);
        return loaded;
    }

    QString focusName() const {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }

    testing_support::TempFolder tempFolder{"kemora-frm-system"};
    const fs::path folder = tempFolder.path();
    std::string configPath;
    ExperimentSettings settings;
    std::unique_ptr<frmSystem> dialog;
    std::vector<Message> messages;
};

TEST_F(FrmSystemTest, ControlsSitAtTheirPlaces) {
    open();
    EXPECT_EQ(dialog->objectName(), "frmSystem");
    EXPECT_EQ(dialog->windowTitle(), "物質量");
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->size(), QSize(289, 205));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);

    struct Place {
        const char* name;
        QRect geometry;
        const char* text;
    };
    const Place places[] = {
        {"txtMol", {128, 8, 57, 18}, nullptr},
        {"txtContainer", {128, 40, 57, 18}, nullptr},
        {"cmbPressUnit", {128, 72, 73, 20}, nullptr},
        {"txtGrphWMin", {128, 104, 57, 18}, nullptr},
        {"txtGrphWMax", {216, 104, 57, 18}, nullptr},
        {"txtPressWMin", {128, 136, 57, 18}, nullptr},
        {"txtPressWMax", {216, 136, 57, 18}, nullptr},
        {"cmdDefault", {8, 168, 73, 25}, "初期値"},
        {"cmdClose", {208, 168, 73, 25}, "閉じる"},
        {"Label1", {16, 8, 105, 17}, "物質量　（mol）"},
        {"Label2", {16, 40, 105, 17}, "温度　(℃)"},
        {"Label4", {16, 72, 105, 17}, "圧力の単位"},
        {"Label5", {16, 104, 105, 17}, "グラフの容量範囲"},
        {"Label6", {16, 136, 105, 17}, "グラフの圧力範囲"},
        {"Label7", {192, 104, 25, 17}, "～"},
        {"Label8", {192, 136, 25, 17}, "～"},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        const QWidget& widget = control<QWidget>(place.name);
        EXPECT_EQ(widget.geometry(), place.geometry);
        const QFontInfo font(widget.font());
        EXPECT_EQ(font.family(), "IPAPGothic");
        EXPECT_EQ(font.pixelSize(), 12);
        const bool boldLabel = QString(place.name).startsWith("Label") &&
                               place.name != std::string("Label7") &&
                               place.name != std::string("Label8");
        EXPECT_EQ(font.bold(), boldLabel);
        if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
            EXPECT_EQ(label->text().toStdString(), place.text);
        }
        if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
            EXPECT_EQ(button->text().toStdString(), place.text);
            EXPECT_FALSE(button->autoDefault());
            EXPECT_FALSE(button->isDefault());
        }
    }

    const auto& units = control<QComboBox>("cmbPressUnit");
    EXPECT_FALSE(units.isEditable());
    ASSERT_EQ(units.count(), 3);
    EXPECT_EQ(units.itemText(0), "mmHg");
    EXPECT_EQ(units.itemText(1), "atm");
    EXPECT_EQ(units.itemText(2), "hPa");
}

TEST_F(FrmSystemTest, OpensCentredOverTheMainWindow) {
    QWidget mainWindow;
    mainWindow.setGeometry(100, 80, 800, 559);
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    frmSystem centred(settings, configPath, &mainWindow);
    centred.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&centred));
    const QPoint offset = centred.frameGeometry().center() - mainWindow.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2);
}

TEST_F(FrmSystemTest, FocusStartsInTheAmountAndTabsThroughTheControlsInOrder) {
    open();
    std::vector<QString> visited{focusName()};
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(focusName());
    }
    const std::vector<QString> expected{
        "txtMol",       "txtContainer", "cmbPressUnit", "txtGrphWMin", "txtGrphWMax",
        "txtPressWMin", "txtPressWMax", "cmdDefault",   "cmdClose",    "txtMol"};
    EXPECT_EQ(visited, expected);
}

TEST_F(FrmSystemTest, OpeningShowsTheSettings) {
    settings = {-5, 2, 1, 2, 700, 0, 0.5, 1013.25};
    open();
    EXPECT_EQ(control("txtMol").text(), "2");
    EXPECT_EQ(control("txtContainer").text(), "-5");
    EXPECT_EQ(control<QComboBox>("cmbPressUnit").currentIndex(), 2);
    EXPECT_EQ(control("txtGrphWMin").text(), "700");
    EXPECT_EQ(control("txtGrphWMax").text(), "0");
    EXPECT_EQ(control("txtPressWMin").text(), "0.5");
    // Whole, although the field takes only four typed bytes.
    EXPECT_EQ(control("txtPressWMax").text(), "1013.25");
    TypeText(control("txtPressWMax"), "9");
    EXPECT_EQ(control("txtPressWMax").text(), "1013.25");
    QTest::keyClick(&control("txtPressWMax"), Qt::Key_Backspace);
    EXPECT_EQ(control("txtPressWMax").text(), "1013.2");
}

TEST_F(FrmSystemTest, FieldsTakeOnlyTheirNumberOfBytes) {
    open();
    struct Case {
        const char* name;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {"txtMol", "1234", "123"},         {"txtContainer", "-123", "-12"},
        {"txtGrphWMin", "5000", "500"},    {"txtGrphWMax", "9999", "999"},
        {"txtPressWMin", "0.125", "0.12"}, {"txtPressWMax", "12345", "1234"},
        {"txtMol", "水12", "水1"},         {"txtPressWMax", "水水1", "水水"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " typed " << c.typed);
        retype(c.name, QString::fromUtf8(c.typed));
        EXPECT_EQ(control(c.name).text().toStdString(), c.kept);
    }

    // A Japanese input method commits whole words; one that does not fit is refused.
    retype("txtMol", "");
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("水水"));
    QCoreApplication::sendEvent(&control("txtMol"), &commit);
    EXPECT_EQ(control("txtMol").text(), "");
}

TEST_F(FrmSystemTest, CloseStoresRoundedValuesAndSavesThem) {
    struct Case {
        const char* temperature;
        const char* mol;
        int32_t storedTemperature;
        int32_t storedMol;
    };
    const Case cases[] = {
        {"2.5", "0.5", 2, 0},
        {"3.5", "1.5", 4, 2},
        {" 27", "1E1", 27, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.temperature);
        settings.temperatureUnit = 1;
        open();
        retype("txtContainer", c.temperature);
        retype("txtMol", c.mol);
        click("cmdClose");
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        const ExperimentSettings expected{
            c.storedTemperature, c.storedMol, 1, 0, -50, 150, 0.0, 800.0};
        EXPECT_EQ(settings, expected);
        EXPECT_EQ(savedSettings(), expected);
        EXPECT_TRUE(messages.empty());
    }
}

TEST_F(FrmSystemTest, DefaultsThenCloseSaveTheDefaultsWithCelsius) {
    settings = {300, 5, 1, 2, -10, 20, 1.5, 2.5};
    open();
    retype("txtMol", "9");
    click("cmdDefault");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(control("txtMol").text(), "1");
    EXPECT_EQ(control("txtContainer").text(), "27");
    EXPECT_EQ(control<QComboBox>("cmbPressUnit").currentIndex(), 0);
    EXPECT_EQ(control("txtGrphWMin").text(), "0");
    EXPECT_EQ(control("txtGrphWMax").text(), "700");
    EXPECT_EQ(control("txtPressWMin").text(), "0");
    EXPECT_EQ(control("txtPressWMax").text(), "800");
    EXPECT_FALSE(fs::exists(configPath));

    click("cmdClose");
    const ExperimentSettings defaults{27, 1, 0, 0, 0, 700, 0.0, 800.0};
    EXPECT_EQ(savedSettings(), defaults);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(FrmSystemTest, TheCloseBoxStoresAndSavesNothing) {
    ASSERT_TRUE(config::WriteFileAtomically(configPath, "[DATA]\r\nmol=3\r\n"));
    open();
    click("cmdDefault");
    retype("txtGrphWMax", "999");
    EXPECT_TRUE(dialog->close());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(config::ReadFileBytes(configPath), "[DATA]\r\nmol=3\r\n");
    // The defaults reached the record at once; the main window's re-read replaces them.
    EXPECT_EQ(settings, (ExperimentSettings{27, 1, 0, 0, 0, 700, 0.0, 800.0}));
}

TEST_F(FrmSystemTest, ValuesAreStoredAsEnteredWithoutConversion) {
    open();
    QComboBox& units = control<QComboBox>("cmbPressUnit");
    units.setFocus();
    QTest::keyClick(&units, Qt::Key_Down);
    EXPECT_EQ(units.currentText(), "atm");
    retype("txtPressWMin", "0");
    retype("txtPressWMax", "800");
    retype("txtGrphWMin", "700");
    retype("txtGrphWMax", "0");
    click("cmdClose");
    const ExperimentSettings expected{30, 1, 0, 1, 700, 0, 0.0, 800.0};
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(savedSettings(), expected);
}

TEST_F(FrmSystemTest, AFieldWithoutAUsableNumberKeepsTheDialogOpen) {
    struct Case {
        const char* field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"txtMol", "", "物質量（mol）に数値を入力してください。"},
        {"txtMol", "abc", "物質量（mol）に数値を入力してください。"},
        {"txtMol", "9E9", "物質量（mol）の数値が扱える範囲を超えています。"},
        {"txtContainer", "-", "温度（℃）に数値を入力してください。"},
        {"txtContainer", "3E9", "温度（℃）の数値が扱える範囲を超えています。"},
        {"txtGrphWMin", "1e", "グラフの容量範囲の最小値に数値を入力してください。"},
        {"txtGrphWMax", "", "グラフの容量範囲の最大値に数値を入力してください。"},
        {"txtPressWMin", ".", "グラフの圧力範囲の最小値に数値を入力してください。"},
        {"txtPressWMax", "abc", "グラフの圧力範囲の最大値に数値を入力してください。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.field << " \"" << c.text << "\"");
        messages.clear();
        open();
        retype("txtGrphWMax", "99");  // a good edit elsewhere must not be stored either
        retype(c.field, c.text);
        click("cmdClose");
        EXPECT_TRUE(dialog->isVisible());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text.toStdString(), c.message);
        EXPECT_EQ(messages[0].caption, "物質量");
        EXPECT_EQ(focusName(), c.field);
        EXPECT_EQ(settings, (ExperimentSettings{30, 1, 0, 0, -50, 150, 0.0, 800.0}));
        EXPECT_FALSE(fs::exists(configPath));
    }
}

TEST_F(FrmSystemTest, TheFirstUnusableFieldFromTheTopIsNamed) {
    open();
    retype("txtPressWMax", "");
    retype("txtContainer", "x");
    click("cmdClose");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(focusName(), "txtContainer");
    EXPECT_EQ(control("txtPressWMax").text(), "");  // the user's text stays for correcting
}

TEST_F(FrmSystemTest, AnUnknownPressureUnitSelectsNothingAndMustBeChosen) {
    for (const int32_t unit : {-1, 3, 5}) {
        SCOPED_TRACE(unit);
        messages.clear();
        fs::remove(configPath);
        settings.pressureUnit = unit;
        open();
        QComboBox& units = control<QComboBox>("cmbPressUnit");
        EXPECT_EQ(units.currentIndex(), -1);
        click("cmdClose");
        EXPECT_TRUE(dialog->isVisible());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, "圧力の単位を選んでください。");
        EXPECT_EQ(focusName(), "cmbPressUnit");
        EXPECT_FALSE(fs::exists(configPath));

        QTest::keyClick(&units, Qt::Key_Down);
        click("cmdClose");
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(settings.pressureUnit, 0);
        EXPECT_EQ(savedSettings()->pressureUnit, 0);
    }
}

TEST_F(FrmSystemTest, TheFirstSaveMakesTheFoldersOfTheUsersOwnFile) {
    configPath = (folder / "config" / "kemora" / "CONFIG2.INI").string();
    open();
    retype("txtMol", "5");
    click("cmdClose");
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_TRUE(savedSettings().has_value());
    EXPECT_EQ(savedSettings()->mol, 5);
}

TEST_F(FrmSystemTest, AFailedSaveIsReportedAndKeepsTheDialogOpen) {
    // A folder that is a plain file: no user, root included, can create a file in it.
    ASSERT_TRUE(config::WriteFileAtomically((folder / "afile").string(), "x"));
    configPath = (folder / "afile" / "CONFIG2.INI").string();
    open();
    retype("txtMol", "5");
    click("cmdClose");
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("設定を保存できませんでした。"));
    EXPECT_TRUE(messages[0].text.contains(QString::fromStdString(configPath)));
    EXPECT_EQ(messages[0].caption, "物質量");
    EXPECT_EQ(settings.mol, 1);
    EXPECT_EQ(control("txtMol").text(), "5");
}

TEST_F(FrmSystemTest, EnterDoesNothingAndEscapeClosesAsTheCloseButtonDoes) {
    open();
    retype("txtMol", "4");
    for (const char* name : {"txtMol", "cmdClose", "cmdDefault"}) {
        SCOPED_TRACE(name);
        QWidget& widget = control<QWidget>(name);
        widget.setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(&widget, key);
        EXPECT_TRUE(dialog->isVisible());
    }
    EXPECT_EQ(control("txtMol").text(), "4");
    EXPECT_FALSE(fs::exists(configPath));
    EXPECT_EQ(settings.mol, 1);

    // Esc checks and saves as "閉じる" does: a field without a number keeps the dialog open.
    retype("txtMol", "");
    QTest::keyClick(&control<QWidget>("txtMol"), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(fs::exists(configPath));
    retype("txtMol", "4");
    QTest::keyClick(&control<QWidget>("txtMol"), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(settings.mol, 4);
    EXPECT_TRUE(fs::exists(configPath));
}

TEST_F(FrmSystemTest, AMessageBoxDoesNotRefillTheFields) {
    open();
    retype("txtMol", "");
    retype("txtContainer", "12");
    click("cmdClose");
    // The message box takes the activation and gives it back.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    EXPECT_EQ(control("txtMol").text(), "");
    EXPECT_EQ(control("txtContainer").text(), "12");
}

}  // namespace
}  // namespace kemora::dialogs
