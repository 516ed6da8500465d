// The main window by keyboard alone: the playback keys, the volume's arrow keys, the menu items
// that mirror the picture buttons, the focus on those buttons, the pause and the reset.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frm_main_fixture.h"

namespace kemora::ui {
namespace {

const QString kCaption = QStringLiteral("蒸気圧曲線　-　");

class FrmMainKeyboardTest : public FrmMainTest {
  protected:
    // Water at 27 °C, volume axis 0..700 L, and a scenario of set-volume steps.
    frmMain& showWithScenario(std::initializer_list<int32_t> volumes) {
        for (int32_t volume : volumes) {
            scenario::ScenarioStep& step =
                state.currentScenario.steps[++state.currentScenario.stepCount];
            step.kind = scenario::StepSetVolume;
            step.value = volume;
        }
        writeSettings();
        show();
        // Shortcuts reach only the active window.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }
    QComboBox* liquid() { return control<QComboBox>("cmbLiquid"); }
    bool popupShown() { return liquid()->view()->isVisible(); }
    QAction* item(const char* name) { return control<QAction>(name); }
    // The step number in the caption, 0 before the first step.
    QString caption() { return window->windowTitle(); }
};

TEST_F(FrmMainKeyboardTest, InScenarioModePlaybackKeysRunOneStepAndNeverReachTheControl) {
    showWithScenario({100, 200, 300, 400, 500, 600, 700, 800, 900});
    item("menu_scenarioMode")->trigger();
    ASSERT_EQ(state.scenarioMode, 1);

    liquid()->setFocus();
    QTest::keyClick(liquid(), Qt::Key_Down);
    EXPECT_EQ(caption(), kCaption + "[1]");
    EXPECT_EQ(txtValue()->text(), "100");
    EXPECT_EQ(liquid()->currentIndex(), 0);

    QTest::keyClick(liquid(), Qt::Key_Space);
    EXPECT_EQ(caption(), kCaption + "[2]");
    EXPECT_FALSE(popupShown());
    EXPECT_EQ(liquid()->currentIndex(), 0);

    // Page Down and Right-arrow, as a wireless presenter sends them.
    QTest::keyClick(liquid(), Qt::Key_PageDown);
    EXPECT_EQ(caption(), kCaption + "[3]");
    EXPECT_EQ(liquid()->currentIndex(), 0);

    txtValue()->setFocus();
    QTest::keyClick(txtValue(), Qt::Key_Return);
    EXPECT_EQ(caption(), kCaption + "[4]");
    EXPECT_EQ(txtValue()->text(), "400");  // the step's volume, not one changed by the key
    QTest::keyClick(txtValue(), Qt::Key_Down);
    EXPECT_EQ(caption(), kCaption + "[5]");
    EXPECT_EQ(txtValue()->text(), "500");
    QTest::keyClick(txtValue(), Qt::Key_Right);
    EXPECT_EQ(caption(), kCaption + "[6]");
    EXPECT_EQ(txtValue()->text(), "600");

    // Held down, a key runs one step, on its release; the repeats the keyboard sends meanwhile
    // run none and reach no control.
    QTest::keyPress(txtValue(), Qt::Key_Space);
    for (QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
        QKeyEvent repeat(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(txtValue(), &repeat);
    }
    EXPECT_EQ(caption(), kCaption + "[6]");
    QTest::keyRelease(txtValue(), Qt::Key_Space);
    EXPECT_EQ(caption(), kCaption + "[7]");
    EXPECT_EQ(txtValue()->text(), "700");

    // The menu bar's keys stay its own.
    window->menuBar()->setFocus();
    QTest::keyRelease(window->menuBar(), Qt::Key_Down);
    EXPECT_EQ(caption(), kCaption + "[7]");

    // On the scenario button itself the keys run steps and leave the mode on.
    ImageButton* scenarioButton = control<ImageButton>("picSinario");
    scenarioButton->setFocus(Qt::TabFocusReason);
    QTest::keyClick(scenarioButton, Qt::Key_Space);
    EXPECT_EQ(caption(), kCaption + "[8]");
    QTest::keyClick(scenarioButton, Qt::Key_Return);
    EXPECT_EQ(caption(), kCaption + "[9]");
    EXPECT_EQ(state.scenarioMode, 1);
    EXPECT_TRUE(scenarioButton->isChecked());
}

// The Enter or Space that chose a menu item or closed a dialog is released over the window's
// focused control; only a key pressed in the window itself runs a step.
TEST_F(FrmMainKeyboardTest, AReleaseWhosePressWentElsewhereRunsNoStep) {
    showWithScenario({100, 200});
    item("menu_scenarioMode")->trigger();
    txtValue()->setFocus();

    QMenu* view = control<QMenu>("menu_view");
    QDialog dialog(window.get());
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    struct Case {
        const char* where;
        std::function<void(Qt::Key)> press;  // the press, which the window does not see
        Qt::Key key;
    };
    const Case cases[] = {
        {"a menu item",
         [&](Qt::Key key) {
             view->popup(window->mapToGlobal(QPoint(0, 0)));
             view->setActiveAction(item("menu_graphVisible"));
             QTest::keyPress(view, key);
         },
         Qt::Key_Return},
        {"a dialog's default button",
         [&](Qt::Key key) {
             dialog.show();
             QTest::keyPress(ok, key);
         },
         Qt::Key_Return},
        {"a dialog's focused button",
         [&](Qt::Key key) {
             dialog.show();
             ok->setFocus();
             QTest::keyPress(ok, key);
             QTest::keyRelease(ok, key);  // a button acts on the release
         },
         Qt::Key_Space},
        {"nowhere", [](Qt::Key) {}, Qt::Key_Enter},
    };
    bool graphShown = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        c.press(c.key);
        EXPECT_FALSE(view->isVisible());
        EXPECT_FALSE(dialog.isVisible());
        QTest::keyRelease(txtValue(), c.key);
        EXPECT_EQ(caption(), kCaption);
        EXPECT_EQ(txtValue()->text(), "0");
        if (std::string_view(c.where) == "a menu item") {
            graphShown = false;  // the item did its own work, once
        }
        EXPECT_EQ(state.graph.graphVisible != 0, graphShown);
    }
    // A key pressed and released in the window runs the next step as before.
    QTest::keyClick(txtValue(), Qt::Key_Return);
    EXPECT_EQ(caption(), kCaption + "[1]");
}

TEST_F(FrmMainKeyboardTest, WithTheModeOffKeysGoToTheControlAndTheVolumeArrowsStep) {
    showWithScenario({100});
    liquid()->setFocus();
    QTest::keyClick(liquid(), Qt::Key_Down);
    EXPECT_EQ(liquid()->currentIndex(), 1);
    EXPECT_EQ(caption(), kCaption);

    txtValue()->setFocus();
    struct Case {
        const char* start;
        Qt::Key key;
        const char* result;
    };
    const Case cases[] = {
        {"300", Qt::Key_Up, "305"},     {"300", Qt::Key_Down, "295"},
        {"300", Qt::Key_PageUp, "350"}, {"300", Qt::Key_PageDown, "250"},
        {"698", Qt::Key_Up, "700"},     {"680", Qt::Key_PageUp, "700"},
        {"30", Qt::Key_PageDown, "0"},  {"2", Qt::Key_Down, "0"},
        {"", Qt::Key_Up, "5"},          {"12.5", Qt::Key_Up, "17"},
    };
    for (const Case& c : cases) {
        // QTest::toString hands over a string the caller must free.
        const std::unique_ptr<char[]> keyName(QTest::toString(c.key));
        SCOPED_TRACE(std::string(c.start) + " " + keyName.get());
        txtValue()->setText(c.start);
        QTest::keyClick(txtValue(), c.key);
        EXPECT_EQ(txtValue()->text(), c.result);
    }
    EXPECT_EQ(pressure(), "31.4");  // the volume handler ran: 17 litres of water at 27 °C

    // Held down, the arrow keeps stepping, as the arrow of the up-down control does.
    txtValue()->setText("100");
    QTest::keyPress(txtValue(), Qt::Key_Up);
    QTest::keyEvent(QTest::Press, txtValue(), Qt::Key_Up, Qt::NoModifier);
    EXPECT_EQ(txtValue()->text(), "110");
    // Other keys edit the field as before.
    QTest::keyClick(txtValue(), Qt::Key_Right);
    QTest::keyClick(txtValue(), Qt::Key_Backspace);
    EXPECT_EQ(txtValue()->text(), "11");
}

TEST_F(FrmMainKeyboardTest, FunctionKeysActAsTheButtonsAndTheCheckMarksFollowTheState) {
    state.currentScenario.steps[1].kind = scenario::StepHideGraph;
    state.currentScenario.steps[2].kind = scenario::StepShowGraph;
    state.currentScenario.stepCount = 2;
    showWithScenario({});
    QAction* mode = item("menu_scenarioMode");
    QAction* graph = item("menu_graphVisible");
    EXPECT_EQ(mode->text(), QStringLiteral("シナリオモード(&S)"));
    EXPECT_EQ(graph->text(), QStringLiteral("グラフを表示(&G)"));
    EXPECT_EQ(item("menu_graphClear")->text(), QStringLiteral("グラフを消去(&C)"));
    EXPECT_FALSE(mode->isChecked());
    EXPECT_TRUE(graph->isChecked());
    EXPECT_FALSE(item("menu_graphClear")->isCheckable());

    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_EQ(state.scenarioMode, 1);
    EXPECT_TRUE(mode->isChecked());
    EXPECT_EQ(buttonImage("picSinario"), imageOf("picSinarioOn"));
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_EQ(state.scenarioMode, 0);
    EXPECT_FALSE(mode->isChecked());
    EXPECT_EQ(buttonImage("picSinario"), imageOf("picSinarioOff"));

    txtValue()->setText("300");
    ASSERT_TRUE(graphHasRedSquare());
    QTest::keyClick(window.get(), Qt::Key_F7);
    EXPECT_FALSE(graphHasRedSquare());
    EXPECT_EQ(buttonImage("picGrphCls"), imageOf("picGrphClsOff"));

    QTest::keyClick(window.get(), Qt::Key_F6);
    EXPECT_EQ(state.graph.graphVisible, 0);
    EXPECT_FALSE(graph->isChecked());
    EXPECT_EQ(buttonImage("picGrphSw"), imageOf("picGrphSwOff"));

    // A click on a button and a scenario step move the check marks as well.
    QTest::mouseClick(control<ImageButton>("picGrphSw"), Qt::LeftButton);
    EXPECT_TRUE(graph->isChecked());
    QTest::mouseClick(control<ImageButton>("picSinario"), Qt::LeftButton);
    EXPECT_TRUE(mode->isChecked());
    QTest::keyClick(txtValue(), Qt::Key_Down);  // hide
    EXPECT_FALSE(graph->isChecked());
    QTest::keyClick(txtValue(), Qt::Key_Down);  // show
    EXPECT_TRUE(graph->isChecked());
    // The menu item's own toggle never leaves the mark out of step with the state.
    graph->trigger();
    EXPECT_FALSE(graph->isChecked());
    EXPECT_EQ(state.graph.graphVisible, 0);
}

TEST_F(FrmMainKeyboardTest, TabReachesThePictureButtonsWhichActOnEnterAndSpace) {
    showWithScenario({100});
    txtValue()->setFocus();
    std::vector<QString> reached;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        reached.push_back(window->focusWidget()->objectName());
    }
    const std::vector<QString> order = {"txtAturyoku", "cmbLiquid",  "picSinario",
                                        "picGrphSw",   "picGrphCls", "txtValue"};
    EXPECT_EQ(reached, order);

    // A ring shows which button has the focus.
    ImageButton* graphSwitch = control<ImageButton>("picGrphSw");
    const QImage resting = graphSwitch->grab().toImage();
    graphSwitch->setFocus(Qt::TabFocusReason);
    const QImage focused = graphSwitch->grab().toImage();
    EXPECT_EQ(QColor(focused.pixel(1, 20)), QColor(255, 220, 0));
    EXPECT_EQ(QColor(focused.pixel(79, 20)), QColor(255, 220, 0));
    EXPECT_EQ(QColor(focused.pixel(40, 1)), QColor(255, 220, 0));
    EXPECT_NE(focused.pixel(1, 20), resting.pixel(1, 20));
    EXPECT_EQ(focused.pixel(40, 20), resting.pixel(40, 20));  // the picture itself unchanged

    QTest::keyClick(graphSwitch, Qt::Key_Space);
    EXPECT_EQ(state.graph.graphVisible, 0);
    QTest::keyClick(graphSwitch, Qt::Key_Return);
    EXPECT_EQ(state.graph.graphVisible, 1);

    ImageButton* clear = control<ImageButton>("picGrphCls");
    clear->setFocus(Qt::TabFocusReason);
    txtValue()->setText("300");
    ASSERT_TRUE(graphHasRedSquare());
    QTest::keyClick(clear, Qt::Key_Enter);
    EXPECT_FALSE(graphHasRedSquare());

    // Enter switches the mode on; its own release runs no step.
    ImageButton* scenarioButton = control<ImageButton>("picSinario");
    scenarioButton->setFocus(Qt::TabFocusReason);
    QTest::keyClick(scenarioButton, Qt::Key_Return);
    EXPECT_EQ(state.scenarioMode, 1);
    EXPECT_EQ(caption(), kCaption);
    QTest::keyClick(scenarioButton, Qt::Key_Return);
    EXPECT_EQ(caption(), kCaption + "[1]");
}

TEST_F(FrmMainKeyboardTest, PauseHoldsTheMoleculesAndResumeMovesThemAgain) {
    showWithScenario({});
    txtValue()->setText("300");  // the upper layers fly
    SurfaceWidget* cylinder = control<SurfaceWidget>("picBack");
    const auto frames = [this](int count) {
        for (int i = 0; i < count; ++i) tick();
    };
    frames(20);
    QAction* pause = item("menu_pause");
    EXPECT_EQ(pause->text(), QStringLiteral("アニメーションを一時停止(&P)"));

    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(pause->isChecked());
    const QImage held = cylinder->image();
    frames(20);
    EXPECT_EQ(cylinder->image(), held);
    EXPECT_EQ(pressure(), "31.4");  // the experiment stays as it was

    QTest::keyClick(window.get(), Qt::Key_Pause);
    EXPECT_FALSE(pause->isChecked());
    frames(20);
    EXPECT_NE(cylinder->image(), held);
}

TEST_F(FrmMainKeyboardTest, ResetGivesAFreshGraphWithThePointOfVolumeZero) {
    showWithScenario({});
    EXPECT_EQ(item("menu_reset")->text(), QStringLiteral("実験をリセット(&R)"));
    txtValue()->setText("350");
    txtValue()->setText("500");
    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(txtValue()->text(), "0");
    // Water at 27 °C, 0 litres: the vapor pressure 31.37707 mmHg, plotted at x 15, y 307.
    EXPECT_EQ(pressure(), "31.4");
    EXPECT_EQ(lidTop(), 250);
    const QImage& graph = control<SurfaceWidget>("picGrph")->image();
    int red = 0;
    for (int y = 0; y < graph.height(); ++y) {
        for (int x = 0; x < graph.width(); ++x) red += graph.pixel(x, y) == qRgb(255, 0, 0);
    }
    EXPECT_EQ(red, 9);
    EXPECT_EQ(graph.pixel(16, 308), qRgb(255, 0, 0));
    EXPECT_EQ(graph.pixel(165, 307), qRgb(255, 255, 255));  // 350 litres is gone
    EXPECT_EQ(graph.pixel(58, 100), qRgb(192, 192, 192));   // the grid is there

    // From 0 the reset still draws the point.
    item("menu_reset")->trigger();
    EXPECT_EQ(txtValue()->text(), "0");
    EXPECT_TRUE(graphHasRedSquare());
}

}  // namespace
}  // namespace kemora::ui
