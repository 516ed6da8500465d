#include "ui/frm_main.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "config/settings_file.h"
#include "mainwindow/main_state.h"
#include "model/settings.h"
#include "support/qt_application.h"
#include "support/temp_folder.h"
#include "ui/artwork.h"
#include "ui/image_button.h"
#include "ui/surface_widget.h"

#include "frm_main_fixture.h"

namespace kemora::ui {
namespace {

namespace fs = std::filesystem;

const QString kCaption = QStringLiteral("蒸気圧曲線　-　");

// Counts the key releases that reach a control.
class KeyReleaseCounter : public QObject {
  public:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease)
            ++count;
        return false;
    }
    int count = 0;
};

// Records the image a picture button shows each time it is painted.
class PaintRecorder : public QObject {
  public:
    explicit PaintRecorder(ImageButton* button) : m_button(button) {
        button->installEventFilter(this);
    }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted.push_back(m_button->image().toImage());
        return false;
    }
    std::vector<QImage> painted;

  private:
    ImageButton* m_button;
};

TEST_F(FrmMainTest, ControlsSitAtTheirPlacesInAFixedClientArea) {
    open();
    QWidget* client = window->centralWidget();
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(window->objectName(), "frmMain");
    EXPECT_EQ(client->size(), QSize(800, 559));
    EXPECT_EQ(client->y(), window->menuBar()->height());
    EXPECT_EQ(window->size(), QSize(800, 559 + window->menuBar()->height()));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    struct Case {
        const char* name;
        QRect place;
    };
    const Case cases[] = {
        {"picTenjyou", {33, 250, 377, 14}}, {"picBack", {38, 19, 371, 457}},
        {"picGrph", {446, 64, 315, 334}},   {"picSinario", {464, 8, 81, 47}},
        {"picGrphSw", {560, 8, 81, 47}},    {"picGrphCls", {656, 8, 81, 47}},
        {"Label1_0", {475, 428, 65, 41}},   {"Label1_1", {477, 430, 65, 33}},
        {"txtValue", {539, 428, 68, 36}},   {"UpDownOndo", {607, 428, 16, 36}},
        {"lblTmp", {624, 432, 89, 25}},     {"Label1_2", {476, 479, 65, 41}},
        {"Label1_3", {478, 480, 65, 33}},   {"txtAturyoku", {540, 475, 103, 36}},
        {"lblPress", {648, 480, 97, 33}},   {"cmbLiquid", {40, 500, 173, 27}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* widget = control<QWidget>(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget(), client);
        EXPECT_EQ(widget->geometry(), c.place);
        EXPECT_FALSE(widget->isHidden());
    }

    // The image holders are hidden and keep their whole pictures.
    const char* holders[] = {"picGrphClsOff", "picGrphClsOn", "picGrphSwOn",
                             "picGrphSwOff",  "picSinarioOn", "picSinarioOff"};
    for (const char* name : holders) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(control<QLabel>(name)->isHidden());
        EXPECT_EQ(imageOf(name).size(), QSize(81, 51));
    }
    EXPECT_TRUE(control<QLabel>("picSp")->isHidden());
    EXPECT_EQ(imageOf("picSp"), MoleculeSprite().convertToFormat(imageOf("picSp").format()));

    QTimer* timer = control<QTimer>("Timer1");
    EXPECT_EQ(timer->interval(), 16);
    EXPECT_FALSE(timer->isActive());  // not before the first activation
}

TEST_F(FrmMainTest, TextsFontsAndColoursAreThoseOfTheDesign) {
    open();
    struct Case {
        const char* name;
        QString text;
        int pixels;
        bool bold;
        QColor color;
    };
    const QColor red(255, 0, 0);
    const QColor grey(128, 128, 128);
    const Case labels[] = {
        {"Label1_0", QStringLiteral("容量"), 27, true, red},
        {"Label1_1", QStringLiteral("容量"), 27, true, grey},
        {"Label1_2", QStringLiteral("圧力"), 27, true, red},
        {"Label1_3", QStringLiteral("圧力"), 27, true, grey},
        {"lblTmp", QStringLiteral("リットル"), 27, false, Qt::black},
        {"lblPress", QStringLiteral("mmHg"), 27, false, Qt::black},
    };
    for (const Case& c : labels) {
        SCOPED_TRACE(c.name);
        const QLabel* label = control<QLabel>(c.name);
        EXPECT_EQ(label->text(), c.text);
        EXPECT_EQ(label->font().pixelSize(), c.pixels);
        EXPECT_EQ(label->font().bold(), c.bold);
        EXPECT_EQ(QFontInfo(label->font()).family(), QStringLiteral("IPAPGothic"));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), c.color);
        EXPECT_FALSE(label->autoFillBackground());
    }
    // Each shadow lies below its red label.
    const QObjectList& stack = window->centralWidget()->children();
    EXPECT_LT(stack.indexOf(control<QLabel>("Label1_1")),
              stack.indexOf(control<QLabel>("Label1_0")));
    EXPECT_LT(stack.indexOf(control<QLabel>("Label1_3")),
              stack.indexOf(control<QLabel>("Label1_2")));

    QLineEdit* value = txtValue();
    EXPECT_EQ(value->text(), "0");
    EXPECT_EQ(value->font().pixelSize(), 27);
    EXPECT_TRUE(value->font().bold());
    EXPECT_FALSE(value->isReadOnly());
    EXPECT_EQ(window->focusWidget(), value);  // first in the tab order

    QLineEdit* aturyoku = control<QLineEdit>("txtAturyoku");
    EXPECT_EQ(aturyoku->text(), "0");
    EXPECT_EQ(aturyoku->font().pixelSize(), 27);
    EXPECT_TRUE(aturyoku->font().bold());
    EXPECT_TRUE(aturyoku->isReadOnly());
    EXPECT_EQ(aturyoku->palette().color(QPalette::Base), QColor(255, 255, 192));

    QComboBox* liquid = control<QComboBox>("cmbLiquid");
    ASSERT_EQ(liquid->count(), 3);
    EXPECT_EQ(liquid->itemText(0), QStringLiteral("水"));
    EXPECT_EQ(liquid->itemText(1), QStringLiteral("エタノール"));
    EXPECT_EQ(liquid->itemText(2), QStringLiteral("ジエチルエーテル"));
    EXPECT_FALSE(liquid->isEditable());
    EXPECT_EQ(liquid->font().pixelSize(), 19);
    EXPECT_TRUE(liquid->font().bold());
    EXPECT_EQ(liquid->palette().color(QPalette::ButtonText), QColor(0, 64, 0));
    EXPECT_EQ(liquid->palette().color(QPalette::Text), QColor(0, 64, 0));
    EXPECT_EQ(liquid->palette().color(QPalette::Base), QColor(Qt::white));

    EXPECT_EQ(control<SurfaceWidget>("picGrph")->image().pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(control<SurfaceWidget>("picBack")->image().pixel(0, 0), qRgb(0, 0, 0));
}

TEST_F(FrmMainTest, MenusCarryTheirNamesTextsAndShortcuts) {
    open();
    EXPECT_EQ(control<QMenu>("menu_File")->title(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(control<QMenu>("menu_Edit")->title(), QStringLiteral("編集(&E)"));
    EXPECT_EQ(control<QMenu>("menu_Help")->title(), QStringLiteral("ヘルプ(&H)"));
    struct Item {
        const char* name;
        QString text;
        QKeySequence shortcut;
    };
    const Item items[] = {
        {"menu_Init", QStringLiteral("初期設定(&I)"), {}},
        {"menu_Sinario", QStringLiteral("シナリオ設定(&S)"), {}},
        {"menu_saveCsv", QStringLiteral("データをCSVで保存(&D)…"), {}},
        {"menu_saveImage", QStringLiteral("画像として保存(&G)…"), {}},
        {"menu_print", QStringLiteral("印刷(&P)…"), QKeySequence(QStringLiteral("Ctrl+Shift+P"))},
        {"menu_end", QStringLiteral("終了(&X)"), {}},
        {"menu_copyGraph", QStringLiteral("グラフをコピー(&C)"),
         QKeySequence(QStringLiteral("Ctrl+C"))},
        {"menu_copyWindow", QStringLiteral("ウィンドウをコピー"),
         QKeySequence(QStringLiteral("Ctrl+Shift+C"))},
        {"menu_search", QStringLiteral("検索(&H)"), {}},
        {"menu_ver", QStringLiteral("バージョン情報(&A)"), {}},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(item.name);
        EXPECT_EQ(control<QAction>(item.name)->text(), item.text);
        EXPECT_EQ(control<QAction>(item.name)->shortcut(), item.shortcut);
    }
    QStringList fileItems;
    for (const QAction* action : control<QMenu>("menu_File")->actions())
        fileItems << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    EXPECT_EQ(fileItems, (QStringList{"menu_Init", "menu_Sinario", "-", "menu_saveCsv",
                                      "menu_saveImage", "menu_print", "-", "menu_end"}));
    EXPECT_EQ(control<QMenu>("menu_Edit")->actions().size(), 2);
    EXPECT_EQ(control<QMenu>("menu_Help")->actions().size(), 2);
}

TEST_F(FrmMainTest, PictureButtonsShowTheTopOfTheirImagesWithTips) {
    open();
    struct Case {
        const char* button;
        const char* shown;
        QString tip;
    };
    const Case cases[] = {
        {"picSinario", "picSinarioOff", QStringLiteral("シナリオ実行")},
        {"picGrphSw", "picGrphSwOn", QStringLiteral("グラフ表示・非表示切替")},
        {"picGrphCls", "picGrphClsOff", QStringLiteral("表示されているグラフの消去")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        ImageButton* button = control<ImageButton>(c.button);
        EXPECT_EQ(button->toolTip(), c.tip);
        EXPECT_EQ(button->focusPolicy(), Qt::TabFocus);  // a click leaves the focus where it is
        const QImage grabbed = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage expected =
            imageOf(c.shown).copy(0, 0, 81, 47).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(grabbed, expected);
    }
}

TEST_F(FrmMainTest, BackgroundShowsThroughTheLabelsAndTheLidLiesOverTheCylinder) {
    open();
    const QImage client =
        window->centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage background = BackgroundImage().convertToFormat(QImage::Format_RGB32);
    // Corners of the labels, where no letter reaches.
    const QPoint clear[] = {{539, 468}, {541, 519}, {712, 456}, {744, 512}, {5, 540}};
    for (const QPoint& at : clear) {
        SCOPED_TRACE(at.x());
        EXPECT_EQ(client.pixel(at), background.pixel(at));
    }
    const QImage lid = LidImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(client.pixel(100, 255), lid.pixel(100 - 33, 5));
    EXPECT_EQ(client.pixel(100, 240), qRgb(0, 0, 0));  // the cylinder above the lid
}

TEST_F(FrmMainTest, FirstStartWithoutSettingsFileActivatesOnceShown) {
    open();
    EXPECT_EQ(control<QWidget>("UpDownOndo")->property("maximum").toInt(), 200);
    show();
    EXPECT_EQ(window->windowTitle(), kCaption);
    EXPECT_EQ(unitLabel(), "mmHg");
    EXPECT_EQ(control<QComboBox>("cmbLiquid")->currentIndex(), 0);
    EXPECT_EQ(control<QComboBox>("cmbLiquid")->currentText(), QStringLiteral("水"));
    EXPECT_EQ(control<QWidget>("UpDownOndo")->property("maximum").toInt(), 150);
    EXPECT_TRUE(control<QTimer>("Timer1")->isActive());
    EXPECT_EQ(txtValue()->text(), "0");
    EXPECT_EQ(pressure(), "0");
    EXPECT_EQ(lidTop(), 250);
    EXPECT_FALSE(fs::exists(configPath));
}

TEST_F(FrmMainTest, TypedVolumeShowsThePressureInTheUnit) {
    struct Case {
        int32_t unit;
        const char* volume;
        const char* pressure;
    };
    const Case cases[] = {
        {model::MmHg, "300", "31.4"}, {model::MmHg, "596", "31.4"}, {model::MmHg, "700", "26.7"},
        {model::Atm, "300", "0.041"}, {model::HPa, "300", "42"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.volume);
        writeSettings(c.unit);
        show();
        txtValue()->selectAll();
        QTest::keyClicks(txtValue(), QString::fromLatin1(c.volume));
        EXPECT_EQ(txtValue()->text(), c.volume);
        EXPECT_EQ(pressure(), c.pressure);
    }
}

TEST_F(FrmMainTest, LidMovesWithTheVolumeAndFarValuesStayInReach) {
    writeSettings();
    show();
    const std::pair<const char*, int> cases[] = {
        {"0", 250}, {"350", 125}, {"700", 0}, {"800", -36}, {"-20", 257}};
    for (const auto& [volume, top] : cases) {
        SCOPED_TRACE(volume);
        txtValue()->setText("5");
        txtValue()->setText(volume);
        EXPECT_EQ(lidTop(), top);
        EXPECT_EQ(control<QLabel>("picTenjyou")->x(), 33);
    }
    // The logic keeps its own number; the widget only goes as far as Qt can follow.
    txtValue()->setText("2000000000");
    EXPECT_EQ(lidTop(), -1000);
    EXPECT_LT(state.field.lidTop, -1000000);
    txtValue()->setText("-2000000000");
    EXPECT_EQ(lidTop(), 2000);
    EXPECT_GT(state.field.lidTop, 1000000);
}

TEST_F(FrmMainTest, EmptyingTheVolumeFieldChangesNothing) {
    writeSettings();
    show();
    txtValue()->setText("300");
    ASSERT_EQ(pressure(), "31.4");
    const int lid = lidTop();
    const char* noNumbers[] = {"", "-", "abc"};
    for (const char* text : noNumbers) {
        SCOPED_TRACE(text);
        txtValue()->setText(text);
        EXPECT_EQ(pressure(), "31.4");
        EXPECT_EQ(lidTop(), lid);
    }
}

TEST_F(FrmMainTest, UpDownArrowsStepTheVolumeByFiveWithinItsRange) {
    show();  // no settings file: the volume axis ends at 150
    QWidget* upDown = control<QWidget>("UpDownOndo");
    EXPECT_EQ(upDown->property("minimum").toInt(), 0);
    EXPECT_EQ(upDown->property("singleStep").toInt(), 5);
    EXPECT_EQ(upDown->property("maximum").toInt(), 150);
    EXPECT_EQ(upDown->geometry().left(), txtValue()->geometry().right() + 1);

    arrow("up");
    EXPECT_EQ(txtValue()->text(), "5");
    EXPECT_NE(pressure(), "0");  // the click ran the volume handler
    const int lidAtFive = lidTop();
    EXPECT_LT(lidAtFive, 250);

    struct Case {
        const char* start;
        const char* arrow;
        const char* result;
    };
    const Case cases[] = {
        {"140", "up", "145"},   {"145", "up", "150"}, {"150", "up", "150"},
        {"3", "down", "0"},     {"0", "down", "0"},   {"12.5", "up", "17"},
        {"300", "down", "150"}, {"", "up", "5"},      {"-", "down", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " " + c.arrow);
        txtValue()->setText(c.start);
        arrow(c.arrow);
        EXPECT_EQ(txtValue()->text(), c.result);
    }
}

TEST_F(FrmMainTest, TimerDrawsTheMoleculesIntoTheCylinder) {
    writeSettings();
    show();
    SurfaceWidget* cylinder = control<SurfaceWidget>("picBack");
    const auto litRows = [cylinder](int top, int bottom) {
        const QImage& image = cylinder->image();
        int lit = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < image.width(); ++x) lit += image.pixel(x, y) != qRgb(0, 0, 0);
        }
        return lit;
    };
    EXPECT_EQ(litRows(0, 457), 0);
    tick();                               // the first tick after the activation draws a frame
    EXPECT_GT(litRows(300, 457), 20000);  // the liquid block
    EXPECT_EQ(litRows(0, 250), 0);

    // In the two-phase range the upper layers fly under the lid.
    txtValue()->setText("300");
    for (int i = 0; i < 400; ++i) tick();
    EXPECT_GT(litRows(0, 250), 500);
}

TEST_F(FrmMainTest, PlaybackKeysRunOneStepWhateverHasTheFocusAndGoNoFurther) {
    for (int32_t volume : {100, 200, 300}) {
        scenario::ScenarioStep& step =
            state.currentScenario.steps[++state.currentScenario.stepCount];
        step.kind = scenario::StepSetVolume;
        step.value = volume;
    }
    writeSettings();
    show();
    QTest::mouseClick(control<ImageButton>("picSinario"), Qt::LeftButton);
    EXPECT_EQ(buttonImage("picSinario"), imageOf("picSinarioOn"));

    KeyReleaseCounter reached;
    txtValue()->installEventFilter(&reached);
    txtValue()->setFocus();
    QTest::keyClick(txtValue(), Qt::Key_Space);
    EXPECT_EQ(window->windowTitle(), kCaption + "[1]");
    EXPECT_EQ(txtValue()->text(), "100");
    EXPECT_EQ(reached.count, 0);  // the key belonged to playback alone

    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                       true);
    QApplication::sendEvent(txtValue(), &repeated);
    QTest::keyRelease(txtValue(),
                      Qt::Key_ParenLeft);       // Qt's code of "(" is 40, Down's in the logic
    QTest::keyPress(txtValue(), Qt::Key_Down);  // only a release runs a step
    EXPECT_EQ(window->windowTitle(), kCaption + "[1]");
    EXPECT_EQ(reached.count, 1);  // only "(" went on to the field

    QComboBox* liquid = control<QComboBox>("cmbLiquid");
    liquid->setFocus();
    QTest::keyClick(liquid, Qt::Key_Down);
    EXPECT_EQ(window->windowTitle(), kCaption + "[2]");
    EXPECT_EQ(txtValue()->text(), "200");
    QTest::keyClick(liquid, Qt::Key_Enter);
    EXPECT_EQ(window->windowTitle(), kCaption + "[3]");
    QTest::keyClick(liquid, Qt::Key_Return);
    EXPECT_EQ(window->windowTitle(), kCaption + "[4]");
}

// The logic runs the volume handler itself where it sets the field's text; the field must not
// run it a second time, which would plot the state twice.
TEST_F(FrmMainTest, AVolumeAStepSetsRunsTheHandlerOnce) {
    scenario::ScenarioStep& step = state.currentScenario.steps[++state.currentScenario.stepCount];
    step.kind = scenario::StepSetVolume;
    step.value = 650;
    writeSettings();
    show();
    QTest::mouseClick(control<ImageButton>("picSinario"), Qt::LeftButton);
    const std::size_t plotted = state.graph.plottedStates.size();
    QTest::keyClick(txtValue(), Qt::Key_Space);
    EXPECT_EQ(txtValue()->text(), "650");
    EXPECT_EQ(pressure(), "28.8");  // water at 27 °C: 31.37707 mmHg × 596 / 650 = 28.770
    EXPECT_EQ(state.graph.plottedStates.size(), plotted + 1);
}

TEST_F(FrmMainTest, ActivationRunsAtFirstDisplayAndAfterOwnDialogsOnly) {
    writeSettings(model::Atm);
    open();
    EXPECT_EQ(unitLabel(), "mmHg");
    show();
    EXPECT_EQ(unitLabel(), "atm");

    writeSettings(model::HPa);
    txtValue()->setText("300");
    ASSERT_TRUE(graphHasRedSquare());

    // Coming back from another program, or from being hidden, is no activation.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activate);
    window->hide();
    window->show();
    // Menu items without a dialog, or whose dialog did not open, neither.
    control<QAction>("menu_Init")->trigger();
    control<QAction>("menu_Sinario")->trigger();
    control<QAction>("menu_search")->trigger();
    window->setSettingsDialog([](QWidget&) { return false; });
    control<QAction>("menu_Init")->trigger();
    EXPECT_EQ(unitLabel(), "atm");
    EXPECT_TRUE(graphHasRedSquare());

    struct Item {
        const char* action;
        void (frmMain::*set)(frmMain::ModalDialog);
    };
    const Item items[] = {{"menu_Init", &frmMain::setSettingsDialog},
                          {"menu_Sinario", &frmMain::setScenarioEditor},
                          {"menu_ver", &frmMain::setVersionDialog}};
    int32_t unit = model::HPa;
    for (const Item& item : items) {
        SCOPED_TRACE(item.action);
        const QString before = unitLabel();
        QWidget* owner = nullptr;
        QString labelWhileOpen;
        (window.get()->*item.set)([&](QWidget& parent) {
            owner = &parent;
            labelWhileOpen = unitLabel();
            return true;
        });
        control<QAction>(item.action)->trigger();
        EXPECT_EQ(owner, window.get());
        EXPECT_EQ(labelWhileOpen, before);  // the activation follows the close
        EXPECT_EQ(unitLabel().toStdString(), model::PressureUnitText(unit));
        EXPECT_FALSE(graphHasRedSquare());
        unit = unit == model::HPa ? model::MmHg : model::HPa;
        writeSettings(unit);
    }
}

TEST_F(FrmMainTest, ThePressureFollowsTheSettingsDialogAndTheLiquidAtOnce) {
    writeSettings();
    show();
    txtValue()->setText("300");
    ASSERT_EQ(pressure(), "31.4");
    window->setSettingsDialog([this](QWidget&) {
        writeSettings(model::HPa);
        return true;
    });
    control<QAction>("menu_Init")->trigger();
    EXPECT_EQ(unitLabel(), "hPa");
    EXPECT_EQ(pressure(), "42");

    control<QComboBox>("cmbLiquid")->setCurrentIndex(model::DiethylEther);
    tick();
    EXPECT_EQ(pressure(), "84");
    EXPECT_EQ(txtValue()->text(), "300");
    EXPECT_FALSE(graphHasRedSquare());  // the activation's frame, and no square since
}

TEST_F(FrmMainTest, GraphButtonsSwitchTheirImagesAndTheClearButtonFlashes) {
    writeSettings();
    show();
    // Only a window on the screen paints at once when asked to.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QImage& graph = control<SurfaceWidget>("picGrph")->image();
    const QRgb gridPixel = graph.pixel(165, 100);

    QTest::mouseClick(control<ImageButton>("picGrphSw"), Qt::LeftButton);
    EXPECT_EQ(buttonImage("picGrphSw"), imageOf("picGrphSwOff"));
    EXPECT_EQ(control<SurfaceWidget>("picGrph")->image().pixel(165, 100), qRgb(255, 255, 255));
    QTest::mouseClick(control<ImageButton>("picGrphSw"), Qt::LeftButton);
    EXPECT_EQ(buttonImage("picGrphSw"), imageOf("picGrphSwOn"));
    EXPECT_EQ(control<SurfaceWidget>("picGrph")->image().pixel(165, 100), gridPixel);

    txtValue()->setText("300");
    ASSERT_TRUE(graphHasRedSquare());
    ImageButton* clear = control<ImageButton>("picGrphCls");
    PaintRecorder recorder(clear);
    const QImage lit = imageOf("picGrphClsOn");
    const auto litPaints = [&] {
        return std::count(recorder.painted.begin(), recorder.painted.end(), lit);
    };
    QTest::mouseClick(clear, Qt::LeftButton);
    EXPECT_FALSE(graphHasRedSquare());
    EXPECT_EQ(buttonImage("picGrphCls"), imageOf("picGrphClsOff"));
    // Painted lit once, while the graph was redrawn, and at rest again afterwards.
    ASSERT_GE(recorder.painted.size(), 2u);
    EXPECT_EQ(litPaints(), 1);
    EXPECT_EQ(recorder.painted[recorder.painted.size() - 2], lit);
    EXPECT_EQ(recorder.painted.back(), imageOf("picGrphClsOff"));

    // A press that leaves the button before it is released is no click.
    QTest::mousePress(clear, Qt::LeftButton);
    QTest::mouseRelease(clear, Qt::LeftButton, {}, QPoint(200, 20));
    EXPECT_EQ(litPaints(), 1);
}

TEST_F(FrmMainTest, EndItemClosesTheWindow) {
    show();
    ASSERT_TRUE(window->isVisible());
    control<QAction>("menu_end")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(fs::exists(configPath));
}

}  // namespace
}  // namespace kemora::ui
