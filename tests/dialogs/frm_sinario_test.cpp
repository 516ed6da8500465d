#include "dialogs/frm_sinario.h"
#include "support/scenario_steps.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <bit>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "config/file_io.h"
#include "scenario/scenario_file.h"
#include "support/qt_application.h"
#include "support/widget_testing.h"

// Readable failure messages for texts, lists of texts and places.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << "QRect(" << rect.x() << ", " << rect.y() << ", " << rect.width() << ", "
         << rect.height() << ")";
}

namespace kemora::dialogs {
namespace {

using scenario::Scenario;
using scenario::ScenarioStep;

// A scenario record laid out byte by byte, independently of the program's writer.
class RecordBytes {
  public:
    void raw(const std::string& bytes) { m_bytes += bytes; }
    void int16(int16_t value) { little(static_cast<uint16_t>(value), 2); }
    void int32(int32_t value) { little(static_cast<uint32_t>(value), 4); }
    void float64(double value) { little(std::bit_cast<uint64_t>(value), 8); }
    void step(const ScenarioStep& s) {
        int16(s.kind);
        int32(s.value);
        int32(s.gradual);
        int32(s.mol);
        float64(s.temperature);
        int32(s.temperatureUnit);
        int32(s.pressureUnit);
        int32(s.grphWMin);
        int32(s.grphWMax);
        int32(s.grphHMin);
        int32(s.grphHMax);
    }
    [[nodiscard]] const std::string& bytes() const { return m_bytes; }

  private:
    void little(uint64_t value, int size) {
        for (int i = 0; i < size; ++i) m_bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    std::string m_bytes;
};

using testing_support::StepOf;

QStringList Lines(QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text());
    return lines;
}

class FrmSinarioTest : public ::testing::Test {
  protected:
    struct Message {
        QWidget* owner;
        QString text;
        QString caption;
    };

    static void SetUpTestSuite() { testing_support::EnsureQtApplication(); }

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        settings.temperature = 27;
        settings.mol = 1;
        settings.pressureUnit = model::Atm;
        settings.grphWMin = -50;
        settings.grphWMax = 150;
        settings.grphHMin = 0.5;
        settings.grphHMax = 1013.25;
    }

    // A fresh editor over `currentScenario`, as the main window builds one for each opening.
    frmSinario& Open() {
        dialog = std::make_unique<frmSinario>(currentScenario, settings);
        dialog->setMessageBox([this](QWidget* owner, const QString& text, const QString& caption) {
            messages.push_back({owner, text, caption});
        });
        dialog->setFileNamePrompt([this](QWidget*, const ScenarioFileRequest& request) {
            requests.push_back(request);
            titleWhenAsked = scenario::TitleText(currentScenario);
            return nextFileName;
        });
        return *dialog;
    }

    void Show() {
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    template <typename T>
    T* control(const char* name) {
        T* found = dialog->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Replaces the field's text by typing, as a user would.
    void Type(const char* name, const QString& text) {
        auto* field = control<QLineEdit>(name);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        testing_support::TypeText(*field, text);
    }

    void ShowPage(int index) { control<QTabWidget>("SSTabMenu")->setCurrentIndex(index); }

    void Click(const char* name) {
        auto* button = control<QPushButton>(name);
        ASSERT_TRUE(button->isVisible()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // A click on the box of a check box or option button.
    void ClickBox(const char* name) {
        auto* box = control<QAbstractButton>(name);
        ASSERT_TRUE(box->isVisible()) << name;
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    void SelectLine(int line) {
        auto* list = control<QListWidget>("listSinario");
        QListWidgetItem* item = list->item(line);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
        ASSERT_EQ(list->selectedItems(), QList<QListWidgetItem*>{item});
    }

    QString PathOf(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }

    Scenario currentScenario;
    model::ExperimentSettings settings;
    std::unique_ptr<frmSinario> dialog;
    std::vector<Message> messages;
    std::vector<ScenarioFileRequest> requests;
    std::string titleWhenAsked;
    QString nextFileName;
    QTemporaryDir folder;
};

TEST_F(FrmSinarioTest, ControlsSitAtTheirPlacesWithTheirTexts) {
    Open();
    EXPECT_EQ(dialog->objectName(), "frmSinario");
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("シナリオ作成"));
    EXPECT_EQ(dialog->minimumSize(), QSize(490, 480));
    EXPECT_EQ(dialog->maximumSize(), QSize(490, 480));
    EXPECT_TRUE(dialog->isModal());
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(dialog->font().family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(dialog->font().pixelSize(), 12);
    Show();

    struct Place {
        const char* name;
        QRect pixels;
        QString text;
    };
    const Place outside[] = {
        {"txtTTl", QRect(8, 8, 465, 25), {}},
        {"SSTabMenu", QRect(8, 40, 473, 137), {}},
        {"cmdDel", QRect(400, 184, 65, 17), QStringLiteral("削除")},
        {"listSinario", QRect(8, 200, 473, 232), {}},
        {"cmdLoad", QRect(8, 448, 73, 25), QStringLiteral("読込")},
        {"cmdSave", QRect(96, 448, 73, 25), QStringLiteral("保存")},
        {"cmdClose", QRect(416, 448, 65, 25), QStringLiteral("閉じる")},
    };
    for (const Place& place : outside) {
        SCOPED_TRACE(place.name);
        QWidget* widget = control<QWidget>(place.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget(), dialog.get());
        EXPECT_EQ(widget->geometry(), place.pixels);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), place.text);
        }
    }

    auto* tabs = control<QTabWidget>("SSTabMenu");
    const QStringList tabTexts{QStringLiteral("初期設定"), QStringLiteral("容量設定"),
                               QStringLiteral("グラフ表示"), QStringLiteral("グラフ消去"),
                               QStringLiteral("物質変更")};
    ASSERT_EQ(tabs->count(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(tabs->tabText(i), tabTexts[i]);

    // Page controls: their page, and their place measured from the tab control's top left.
    struct PagePlace {
        int page;
        const char* name;
        QRect pixels;
        QString text;
    };
    const PagePlace inside[] = {
        {0, "lblMol", QRect(8, 32, 105, 17), QStringLiteral("物質量　（mol）")},
        {0, "txtMol", QRect(120, 32, 57, 18), {}},
        {0, "lblContainer", QRect(8, 56, 105, 17), QStringLiteral("温度　(℃)")},
        {0, "txtContainer", QRect(120, 56, 57, 18), {}},
        {0, "lblPressUnit", QRect(8, 80, 105, 17), QStringLiteral("圧力の単位")},
        {0, "cmbPressUnit", QRect(120, 80, 73, 20), {}},
        {0, "lblGrphW", QRect(208, 32, 105, 17), QStringLiteral("グラフの容量範囲")},
        {0, "txtGrphWMin", QRect(320, 32, 57, 18), {}},
        {0, "lblGrphWTo", QRect(384, 32, 25, 17), QStringLiteral("～")},
        {0, "txtGrphWMax", QRect(408, 32, 57, 18), {}},
        {0, "lblPressW", QRect(208, 56, 105, 17), QStringLiteral("グラフの圧力範囲")},
        {0, "txtPressWMin", QRect(320, 56, 57, 18), {}},
        {0, "lblPressWTo", QRect(384, 56, 25, 17), QStringLiteral("～")},
        {0, "txtPressWMax", QRect(408, 56, 57, 18), {}},
        {0, "cmdAdd1", QRect(392, 104, 65, 25), QStringLiteral("追加")},
        {1, "lblVolume", QRect(24, 48, 41, 25), QStringLiteral("容量を")},
        {1, "txtTemp", QRect(64, 40, 49, 26), {}},
        {1, "lblVolumeUnit", QRect(120, 48, 177, 17), QStringLiteral("リットルに設定します。")},
        {1, "chkAddTemp", QRect(24, 80, 294, 17), QStringLiteral("5リットルずつ変化する。")},
        {1, "cmdAdd2", QRect(392, 104, 65, 25), QStringLiteral("追加")},
        {2, "OptGrphOn", QRect(32, 40, 113, 17), QStringLiteral("グラフ表示")},
        {2, "optGrphOff", QRect(32, 64, 185, 17), QStringLiteral("グラフ非表示")},
        {2, "cmdAdd3", QRect(392, 104, 65, 25), QStringLiteral("追加")},
        {3, "lblClearGraph", QRect(24, 48, 297, 33),
         QStringLiteral("描画されているグラフを消去します。")},
        {3, "cmdAdd4", QRect(392, 104, 65, 25), QStringLiteral("追加")},
        {4, "lblBussitu", QRect(16, 40, 225, 17), QStringLiteral("物質を変更します。")},
        {4, "cmbBussitu", QRect(56, 72, 209, 20), {}},
        {4, "cmdAdd5", QRect(392, 104, 65, 25), QStringLiteral("追加")},
    };
    for (const PagePlace& place : inside) {
        SCOPED_TRACE(place.name);
        tabs->setCurrentIndex(place.page);
        QWidget* page = tabs->widget(place.page);
        QWidget* widget = page->findChild<QWidget*>(place.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->isVisible());
        EXPECT_EQ(QRect(widget->mapTo(tabs, QPoint(0, 0)), widget->size()), place.pixels);
        // Wholly inside its page, clear of the tab bar.
        EXPECT_TRUE(page->rect().contains(widget->geometry()));
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), place.text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_EQ(button->text(), place.text);
        }
    }

    auto* cmbPressUnit = control<QComboBox>("cmbPressUnit");
    EXPECT_FALSE(cmbPressUnit->isEditable());
    ASSERT_EQ(cmbPressUnit->count(), 3);
    EXPECT_EQ(cmbPressUnit->itemText(0), "mmHg");
    EXPECT_EQ(cmbPressUnit->itemText(1), "atm");
    EXPECT_EQ(cmbPressUnit->itemText(2), "hPa");
    auto* cmbBussitu = control<QComboBox>("cmbBussitu");
    EXPECT_TRUE(cmbBussitu->isEditable());
    ASSERT_EQ(cmbBussitu->count(), 3);
    EXPECT_EQ(cmbBussitu->itemText(0), QStringLiteral("水"));
    EXPECT_EQ(cmbBussitu->itemText(1), QStringLiteral("エタノール"));
    EXPECT_EQ(cmbBussitu->itemText(2), QStringLiteral("ジエチルエーテル"));
    EXPECT_EQ(control<QListWidget>("listSinario")->selectionMode(),
              QAbstractItemView::SingleSelection);
    EXPECT_FALSE(control<QListWidget>("listSinario")->isSortingEnabled());
}

TEST_F(FrmSinarioTest, OpensWithTheSettingsTheTitleAsHeldAndTheStepList) {
    scenario::AssignTitle(currentScenario, "実験1");
    currentScenario.steps[0] = StepOf(scenario::StepClearGraph);
    currentScenario.steps[1] = StepOf(scenario::StepSetVolume, 30, 1);
    currentScenario.steps[2] = StepOf(scenario::StepChangeLiquid, -1);
    currentScenario.steps[3] = StepOf(scenario::StepShowGraph);
    currentScenario.stepCount = 2;
    const Scenario before = currentScenario;
    Open();

    EXPECT_EQ(control<QComboBox>("cmbPressUnit")->currentIndex(), 1);
    EXPECT_EQ(control<QLineEdit>("txtGrphWMin")->text(), "-50");
    EXPECT_EQ(control<QLineEdit>("txtGrphWMax")->text(), "150");
    EXPECT_EQ(control<QLineEdit>("txtPressWMin")->text(), "0.5");
    EXPECT_EQ(control<QLineEdit>("txtPressWMax")->text(), "1013.25");
    EXPECT_EQ(control<QLineEdit>("txtContainer")->text(), "27");
    EXPECT_EQ(control<QLineEdit>("txtMol")->text(), "1");
    EXPECT_EQ(control<QComboBox>("cmbBussitu")->currentIndex(), 0);
    EXPECT_EQ(control<QComboBox>("cmbBussitu")->currentText(), QStringLiteral("水"));
    EXPECT_EQ(control<QLineEdit>("txtTTl")->text(), QStringLiteral("実験1") + QString(27, ' '));
    EXPECT_EQ(control<QLineEdit>("txtTemp")->text(), "");
    EXPECT_FALSE(control<QCheckBox>("chkAddTemp")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("OptGrphOn")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("optGrphOff")->isChecked());
    EXPECT_EQ(control<QTabWidget>("SSTabMenu")->currentIndex(), 0);
    auto* list = control<QListWidget>("listSinario");
    EXPECT_EQ(Lines(list), (QStringList{QStringLiteral("容量を 30 リットルまで少しずつ変えます。"),
                                        QStringLiteral("データをジエチルエーテルに設定します。")}));
    EXPECT_TRUE(list->selectedItems().isEmpty());

    // Opening and closing without typing changes nothing, not even a title's padding.
    Show();
    control<QPushButton>("cmdClose")->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(currentScenario, before);
}

TEST_F(FrmSinarioTest, TypedInputIsLimitedInCodePage932Bytes) {
    struct Case {
        const char* field;
        QString typed;
        QString kept;
    };
    const Case cases[] = {
        {"txtMol", "1234", "123"},
        {"txtContainer", "1234", "123"},
        {"txtGrphWMin", "-1234", "-12"},
        {"txtGrphWMax", "1234", "123"},
        {"txtPressWMin", "12345", "1234"},
        {"txtPressWMax", "12.345", "12.3"},
        {"txtTemp", "12345", "1234"},
        {"txtTemp", QStringLiteral("１２３"), QStringLiteral("１２")},
        {"txtTTl", QString(16, QChar(0x3042)), QString(15, QChar(0x3042))},
        {"txtTTl", QString(31, 'a'), QString(30, 'a')},
    };
    Open();
    Show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        control<QTabWidget>("SSTabMenu")
            ->setCurrentWidget(control<QWidget>(c.field)->parentWidget());
        Type(c.field, c.typed);
        EXPECT_EQ(control<QLineEdit>(c.field)->text(), c.kept);
    }

    // A title the program puts in is not cut, even at 33 bytes; typing more is refused.
    scenario::AssignTitle(currentScenario, "実験1");
    Open();
    auto* txtTTl = control<QLineEdit>("txtTTl");
    EXPECT_EQ(txtTTl->text(), QStringLiteral("実験1") + QString(27, ' '));
    txtTTl->end(false);
    testing_support::TypeText(*txtTTl, "x");
    EXPECT_EQ(txtTTl->text(), QStringLiteral("実験1") + QString(27, ' '));
}

TEST_F(FrmSinarioTest, ANeverAssignedTitleShowsEmptyAndStaysUnassignedUntilTyped) {
    Open();
    Show();
    EXPECT_EQ(control<QLineEdit>("txtTTl")->text(), "");
    control<QLineEdit>("txtMol")->setFocus();
    control<QPushButton>("cmdAdd1")->click();
    dialog->close();
    EXPECT_EQ(currentScenario.stepCount, 1);
    EXPECT_EQ(currentScenario.title, Scenario{}.title);
}

TEST_F(FrmSinarioTest, PressureUnitsOutsideTheListSelectNoEntryAndAnAddAsksForOne) {
    for (const int32_t unit : {-1, 3, 1000}) {
        SCOPED_TRACE(unit);
        settings.pressureUnit = unit;
        messages.clear();
        Open();
        Show();
        auto* cmbPressUnit = control<QComboBox>("cmbPressUnit");
        EXPECT_EQ(cmbPressUnit->currentIndex(), -1);
        Click("cmdAdd1");
        EXPECT_EQ(currentScenario.stepCount, 0);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, QStringLiteral("圧力の単位を選んでください。"));
        EXPECT_EQ(dialog->focusWidget(), cmbPressUnit);

        cmbPressUnit->setCurrentIndex(2);
        Click("cmdAdd1");
        ASSERT_EQ(currentScenario.stepCount, 1);
        EXPECT_EQ(currentScenario.steps[1].pressureUnit, 2);
        currentScenario = Scenario{};
    }
}

// Composes a scenario on every page, saves it, checks the file byte for byte and loads it
// into a fresh scenario through a second opening of the editor.
TEST_F(FrmSinarioTest, ComposeSaveAndLoadBack) {
    Open();
    Show();
    testing_support::TypeText(*control<QLineEdit>("txtTTl"), QStringLiteral("実験1"));

    ShowPage(0);
    control<QComboBox>("cmbPressUnit")->setCurrentIndex(1);
    Type("txtGrphWMin", "-50");
    Type("txtGrphWMax", "150");
    Type("txtPressWMin", "12.5");
    Type("txtPressWMax", "1.5");
    Type("txtContainer", "2.5");
    Type("txtMol", "3");
    Click("cmdAdd1");

    ShowPage(1);
    Type("txtTemp", "30");
    ClickBox("chkAddTemp");
    Click("cmdAdd2");
    Type("txtTemp", "13.5");
    ClickBox("chkAddTemp");
    Click("cmdAdd2");

    ShowPage(2);
    Click("cmdAdd3");
    ClickBox("optGrphOff");
    Click("cmdAdd3");

    ShowPage(3);
    Click("cmdAdd4");

    ShowPage(4);
    auto* cmbBussitu = control<QComboBox>("cmbBussitu");
    cmbBussitu->setCurrentIndex(1);
    Click("cmdAdd5");
    cmbBussitu->lineEdit()->selectAll();
    testing_support::TypeText(*cmbBussitu->lineEdit(), QStringLiteral("ベンゼン"));
    Click("cmdAdd5");

    // Water goes before the selected line 1; then line 3 is deleted.
    SelectLine(1);
    cmbBussitu->setCurrentIndex(0);
    Click("cmdAdd5");
    SelectLine(3);
    Click("cmdDel");
    EXPECT_TRUE(messages.empty());

    auto* list = control<QListWidget>("listSinario");
    EXPECT_EQ(Lines(list), (QStringList{
                               QStringLiteral("初期値設定"),
                               QStringLiteral("データを水に設定します。"),
                               QStringLiteral("容量を 30 リットルまで少しずつ変えます。"),
                               QStringLiteral("グラフを表示します。"),
                               QStringLiteral("グラフを非表示にします。"),
                               QStringLiteral("描画されたグラフを消します。"),
                               QStringLiteral("データをエタノールに設定します。"),
                               QStringLiteral("データをジエチルエーテルに設定します。"),
                           }));
    EXPECT_TRUE(list->selectedItems().isEmpty());

    // A name typed without an extension is saved with ".so2", so that it shows when loading.
    nextFileName = PathOf("lesson");
    Click("cmdSave");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].title, QStringLiteral("シナリオデータを保存する"));
    EXPECT_EQ(requests[0].filter, QStringLiteral("シナリオデータ(*.so2)"));
    EXPECT_TRUE(requests[0].forSaving);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(QFile::exists(PathOf("lesson")));

    ScenarioStep settingsStep = StepOf(scenario::StepInitialSettings);
    settingsStep.mol = 3;
    settingsStep.temperature = 2.5;
    settingsStep.pressureUnit = 1;
    settingsStep.grphWMin = -50;
    settingsStep.grphWMax = 150;
    settingsStep.grphHMin = 12;
    settingsStep.grphHMax = 2;
    const ScenarioStep steps[] = {
        settingsStep,
        StepOf(scenario::StepChangeLiquid, 0),
        StepOf(scenario::StepSetVolume, 30, 1),
        StepOf(scenario::StepShowGraph),
        StepOf(scenario::StepHideGraph),
        StepOf(scenario::StepClearGraph),
        StepOf(scenario::StepChangeLiquid, 1),
        StepOf(scenario::StepChangeLiquid, -1),
    };
    RecordBytes expected;
    expected.raw(
        "\x8E\xC0\x8C\xB1"
        "1" +
        std::string(25, ' '));
    expected.int32(8);
    expected.step(ScenarioStep{});
    for (const ScenarioStep& step : steps) expected.step(step);
    // The deletion left the last step behind in the slot above the count.
    expected.step(StepOf(scenario::StepChangeLiquid, -1));
    for (int slot = 10; slot <= 50; ++slot) expected.step(ScenarioStep{});
    ASSERT_EQ(expected.bytes().size(), scenario::kScenarioFileSize);
    const std::optional<std::string> written =
        config::ReadFileBytes(PathOf("lesson.so2").toStdString());
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(*written, expected.bytes());

    dialog->close();
    const Scenario composed = currentScenario;
    const QStringList composedLines = Lines(list);

    // A later opening over an empty scenario loads the file back.
    currentScenario = Scenario{};
    requests.clear();
    Open();
    Show();
    Type("txtMol", "9");
    nextFileName = PathOf("lesson.so2");
    Click("cmdLoad");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].title, QStringLiteral("シナリオデータを読み込む"));
    EXPECT_EQ(requests[0].filter, QStringLiteral("シナリオデータ(*.so2)"));
    EXPECT_FALSE(requests[0].forSaving);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(currentScenario, composed);
    EXPECT_EQ(control<QLineEdit>("txtTTl")->text(), QStringLiteral("実験1"));
    EXPECT_EQ(Lines(control<QListWidget>("listSinario")), composedLines);
    EXPECT_EQ(control<QLineEdit>("txtMol")->text(), "9") << "a load leaves the settings fields";
    Click("cmdClose");
    EXPECT_EQ(scenario::TrimmedTitleText(currentScenario), "実験1");
    EXPECT_EQ(currentScenario, composed);
}

TEST_F(FrmSinarioTest, InsertsBeforeTheSelectedLineAndDeletesTheSelectedOne) {
    currentScenario.steps[1] = StepOf(scenario::StepSetVolume, 1);
    currentScenario.steps[2] = StepOf(scenario::StepSetVolume, 2);
    currentScenario.steps[3] = StepOf(scenario::StepSetVolume, 3);
    currentScenario.stepCount = 3;
    Open();
    Show();
    auto* list = control<QListWidget>("listSinario");
    auto lines = [](std::initializer_list<int> litres) {
        QStringList result;
        for (int value : litres)
            result.push_back(QStringLiteral("容量を %1 リットルに設定します。").arg(value));
        return result;
    };

    ShowPage(1);
    SelectLine(1);
    Type("txtTemp", "4");
    Click("cmdAdd2");
    EXPECT_EQ(Lines(list), lines({1, 4, 2, 3}));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    Type("txtTemp", "5");
    Click("cmdAdd2");
    EXPECT_EQ(Lines(list), lines({1, 4, 2, 3, 5}));

    Click("cmdDel");
    EXPECT_EQ(currentScenario.stepCount, 5) << "no line selected, nothing deleted";
    SelectLine(0);
    Click("cmdDel");
    EXPECT_EQ(Lines(list), lines({4, 2, 3, 5}));
    EXPECT_EQ(currentScenario.stepCount, 4);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrmSinarioTest, AnAddFromAFieldWithoutANumberStoresNothingAndFocusesTheField) {
    struct Case {
        int page;
        const char* field;
        const char* typed;
        const char* button;
        QString message;
    };
    const QString enterANumber = QStringLiteral("に数値を入力してください。");
    const Case cases[] = {
        {1, "txtTemp", "", "cmdAdd2", QStringLiteral("容量（リットル）") + enterANumber},
        {1, "txtTemp", "abc", "cmdAdd2", QStringLiteral("容量（リットル）") + enterANumber},
        {1, "txtTemp", "9e99", "cmdAdd2",
         QStringLiteral("容量（リットル）の数値が扱える範囲を超えています。")},
        {0, "txtMol", "x", "cmdAdd1", QStringLiteral("物質量（mol）") + enterANumber},
        {0, "txtContainer", "", "cmdAdd1", QStringLiteral("温度（℃）") + enterANumber},
        {0, "txtGrphWMin", "1e", "cmdAdd1",
         QStringLiteral("グラフの容量範囲の最小値") + enterANumber},
        {0, "txtGrphWMax", "-", "cmdAdd1",
         QStringLiteral("グラフの容量範囲の最大値") + enterANumber},
        {0, "txtPressWMin", "1,5", "cmdAdd1",
         QStringLiteral("グラフの圧力範囲の最小値") + enterANumber},
        {0, "txtPressWMax", "3e10", "cmdAdd1",
         QStringLiteral("グラフの圧力範囲の最大値の数値が扱える範囲を超えています。")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        messages.clear();
        Open();
        Show();
        const Scenario before = currentScenario;
        ShowPage(c.page);
        Type(c.field, QString::fromUtf8(c.typed));
        Click(c.button);
        EXPECT_EQ(currentScenario, before);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.message);
        EXPECT_EQ(messages[0].caption, QStringLiteral("シナリオ作成"));
        EXPECT_EQ(messages[0].owner, dialog.get());
        EXPECT_EQ(dialog->focusWidget(), control<QWidget>(c.field));
        EXPECT_EQ(control<QTabWidget>("SSTabMenu")->currentIndex(), c.page);
    }
}

TEST_F(FrmSinarioTest, AnAddAtFiftyStepsIsRefusedAndKeepsTheSelection) {
    for (int i = 1; i <= 50; ++i) currentScenario.steps[i] = StepOf(scenario::StepSetVolume, i);
    currentScenario.stepCount = 50;
    const Scenario full = currentScenario;
    Open();
    Show();
    SelectLine(3);
    ShowPage(3);
    Click("cmdAdd4");
    EXPECT_EQ(currentScenario, full);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("ステップは50個までしか作れません。"));
    EXPECT_EQ(control<QListWidget>("listSinario")->count(), 50);
    EXPECT_EQ(control<QListWidget>("listSinario")->currentRow(), 3);

    // Deleting one makes room again.
    Click("cmdDel");
    Click("cmdAdd4");
    EXPECT_EQ(currentScenario.stepCount, 50);
    EXPECT_EQ(currentScenario.steps[50], StepOf(scenario::StepClearGraph));
}

TEST_F(FrmSinarioTest, LiquidStepsTakeTheEntryOrMinusOneForTypedText) {
    struct Case {
        const char* typed;
        int32_t value;
    };
    const Case cases[] = {{"ベンゼン", -1}, {"", -1}, {"エタノール", 1}, {"水 ", -1}};
    Open();
    Show();
    ShowPage(4);
    auto* cmbBussitu = control<QComboBox>("cmbBussitu");
    int32_t count = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        cmbBussitu->lineEdit()->selectAll();
        QTest::keyClick(cmbBussitu->lineEdit(), Qt::Key_Delete);
        testing_support::TypeText(*cmbBussitu->lineEdit(), QString::fromUtf8(c.typed));
        // Enter must not turn the typed text into an entry.
        QTest::keyClick(cmbBussitu->lineEdit(), Qt::Key_Return);
        Click("cmdAdd5");
        ASSERT_EQ(currentScenario.stepCount, ++count);
        EXPECT_EQ(currentScenario.steps[count], StepOf(scenario::StepChangeLiquid, c.value));
        EXPECT_EQ(cmbBussitu->count(), 3);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrmSinarioTest, TheTypedTitleIsStoredOnLeavingTheFieldAndBeforeAnyButtonActs) {
    Open();
    Show();
    auto* txtTTl = control<QLineEdit>("txtTTl");
    txtTTl->setFocus();
    QTest::keyClicks(txtTTl, "abc");
    EXPECT_EQ(scenario::TitleText(currentScenario), "") << "not yet stored while typing";
    control<QLineEdit>("txtMol")->setFocus();
    EXPECT_EQ(scenario::TitleText(currentScenario), "abc" + std::string(27, ' '));

    // A click from code moves no focus; the handler stores the title first all the same.
    txtTTl->setFocus();
    QTest::keyClicks(txtTTl, "d");
    control<QPushButton>("cmdSave")->click();
    EXPECT_EQ(titleWhenAsked, "abcd" + std::string(26, ' '));

    QTest::keyClicks(txtTTl, "e");
    control<QPushButton>("cmdLoad")->click();
    EXPECT_EQ(titleWhenAsked, "abcde" + std::string(25, ' '));

    // Esc closes the editor as "閉じる" does, keeping the typed title.
    QTest::keyClicks(txtTTl, "f");
    QTest::keyClick(txtTTl, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(scenario::TrimmedTitleText(currentScenario), "abcdef");
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrmSinarioTest, FileDialogsOpenInTheFolderGiven) {
    Open();
    Show();
    nextFileName.clear();
    Click("cmdLoad");
    dialog->setFileFolder(folder.path());
    Click("cmdLoad");
    Click("cmdSave");
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].folder, QString());
    EXPECT_EQ(requests[1].folder, folder.path());
    EXPECT_EQ(requests[2].folder, folder.path());
}

TEST_F(FrmSinarioTest, ACancelledFileDialogChangesNothing) {
    currentScenario.steps[1] = StepOf(scenario::StepShowGraph);
    currentScenario.stepCount = 1;
    Open();
    Show();
    const Scenario before = currentScenario;
    auto fieldTexts = [this] {
        QStringList texts;
        for (const QLineEdit* field : dialog->findChildren<QLineEdit*>()) texts << field->text();
        texts << Lines(control<QListWidget>("listSinario"));
        return texts;
    };
    const QStringList fieldsBefore = fieldTexts();
    nextFileName.clear();
    Click("cmdLoad");
    Click("cmdSave");
    EXPECT_EQ(requests.size(), 2u);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(currentScenario, before);
    EXPECT_EQ(fieldTexts(), fieldsBefore);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(FrmSinarioTest, AFileThatCannotBeReadOrWrittenIsReportedAndChangesNothing) {
    currentScenario.steps[1] = StepOf(scenario::StepShowGraph);
    currentScenario.stepCount = 1;
    scenario::AssignTitle(currentScenario, "before");
    Open();
    Show();
    const Scenario before = currentScenario;

    Scenario badCount;
    badCount.stepCount = 51;
    std::string badCountBytes = scenario::EncodeScenario(badCount);
    ASSERT_TRUE(config::WriteFileAtomically(PathOf("count.so2").toStdString(), badCountBytes));
    ASSERT_TRUE(
        config::WriteFileAtomically(PathOf("short.so2").toStdString(), std::string(2379, '\0')));
    struct Case {
        QString name;
        QString message;
    };
    const QString cannotRead = QStringLiteral("シナリオデータを読み込めませんでした。\n");
    const Case cases[] = {
        {PathOf("missing.so2"), cannotRead + PathOf("missing.so2")},
        {PathOf("short.so2"),
         cannotRead + PathOf("short.so2") + QStringLiteral("\nファイルが短すぎます。")},
        {PathOf("count.so2"),
         cannotRead + PathOf("count.so2") + QStringLiteral("\nステップ数が正しくありません。")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        messages.clear();
        nextFileName = c.name;
        Click("cmdLoad");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.message);
        EXPECT_EQ(messages[0].caption, QStringLiteral("シナリオ作成"));
        EXPECT_EQ(currentScenario, before);
        EXPECT_EQ(control<QLineEdit>("txtTTl")->text(),
                  QStringLiteral("before") + QString(24, ' '));
        EXPECT_EQ(control<QListWidget>("listSinario")->count(), 1);
    }

    messages.clear();
    nextFileName = PathOf("no-such-folder/lesson.so2");
    Click("cmdSave");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              QStringLiteral("シナリオデータを保存できませんでした。\n") + nextFileName);
    EXPECT_FALSE(QFile::exists(nextFileName));

    // An existing file is replaced without a question, and a longer one is cut to the record.
    messages.clear();
    nextFileName = PathOf("old.so2");
    ASSERT_TRUE(config::WriteFileAtomically(nextFileName.toStdString(), std::string(3000, 'x')));
    Click("cmdSave");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(config::ReadFileBytes(nextFileName.toStdString()),
              scenario::EncodeScenario(currentScenario));

    // An extension of the user's own is kept.
    nextFileName = PathOf("lesson.dat");
    Click("cmdSave");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(config::ReadFileBytes(nextFileName.toStdString()),
              scenario::EncodeScenario(currentScenario));
    EXPECT_FALSE(QFile::exists(PathOf("lesson.dat.so2")));
}

TEST(ScenarioFileDialog, AcceptsAnyNameAddsNoExtensionAndAsksNothingBeforeReplacing) {
    testing_support::EnsureQtApplication();
    for (const bool forSaving : {false, true}) {
        SCOPED_TRACE(forSaving);
        const ScenarioFileRequest request{
            QStringLiteral("題"), QStringLiteral("シナリオデータ(*.so2)"), forSaving, {}};
        QFileDialog fileDialog;
        fileDialog.setDefaultSuffix("txt");
        PrepareScenarioFileDialog(fileDialog, request);
        EXPECT_EQ(fileDialog.windowTitle(), QStringLiteral("題"));
        EXPECT_EQ(fileDialog.acceptMode(),
                  forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        EXPECT_EQ(fileDialog.fileMode(), QFileDialog::AnyFile);
        EXPECT_EQ(fileDialog.nameFilters(), QStringList{QStringLiteral("シナリオデータ(*.so2)")});
        EXPECT_TRUE(fileDialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(fileDialog.defaultSuffix(), "");
    }
}

TEST(ScenarioFileDialog, OpensInTheRequestedFolder) {
    testing_support::EnsureQtApplication();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFileDialog fileDialog;
    PrepareScenarioFileDialog(fileDialog, {QStringLiteral("題"), QString(), true, folder.path()});
    EXPECT_EQ(fileDialog.directory().canonicalPath().toStdString(),
              QDir(folder.path()).canonicalPath().toStdString());
}

}  // namespace
}  // namespace kemora::dialogs
