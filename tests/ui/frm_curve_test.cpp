#include "ui/frm_curve.h"
#include "support/find_named.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "config/settings_file.h"
#include "dialogs/frm_system.h"
#include "mainwindow/main_state.h"
#include "model/settings.h"
#include "support/english_interface.h"
#include "support/qt_application.h"
#include "support/temp_folder.h"
#include "support/text_fit.h"
#include "ui/curve_plot.h"
#include "ui/frm_main.h"
#include "ui/image_button.h"
#include "ui/surface_widget.h"

namespace kemora::ui {
namespace {

namespace fs = std::filesystem;

const QRgb kWater = qRgb(0, 0, 192);
const QRgb kEthanol = qRgb(0, 204, 0);
const QRgb kEther = qRgb(0, 204, 204);
const QRgb kRed = qRgb(255, 0, 0);

int CountPixels(const QImage& image, QRgb color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == color ? 1 : 0;
    }
    return count;
}

// The column, or the row, that holds the most pixels of a colour: the experiment's vertical
// line, or the row through the middle of its dot.
int BusiestLine(const QImage& image, QRgb color, bool columns) {
    int best = -1;
    int bestCount = 0;
    const int lines = columns ? image.width() : image.height();
    const int length = columns ? image.height() : image.width();
    for (int line = 0; line < lines; ++line) {
        int count = 0;
        for (int i = 0; i < length; ++i)
            count += image.pixel(columns ? line : i, columns ? i : line) == color ? 1 : 0;
        if (count > bestCount) {
            best = line;
            bestCount = count;
        }
    }
    return best;
}

// The main window over a settings file of the test's own, with its vapor-pressure window.
class FrmCurveTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing_support::EnsureQtApplication(); }

    void SetUp() override {
        configPath = config::ConfigFilePathIn(folder.string());
        writeSettings(30, model::MmHg);
        window = std::make_unique<frmMain>(state, [this] {
            return config::SettingsPlace{configPath, configPath, true};
        });
        window->show();
    }
    void TearDown() override { window.reset(); }

    void writeSettings(int32_t temperature, int32_t pressureUnit) {
        model::ExperimentSettings settings;
        model::SetDefaultSettings(settings);
        settings.temperature = temperature;
        settings.pressureUnit = pressureUnit;
        ASSERT_TRUE(config::SaveSettings(settings, configPath));
    }
    template <typename T>
    T* control(QObject* in, const char* name) {
        return testing_support::FindNamed<T>(*in, name);
    }
    frmCurve* openCurve() {
        control<QAction>(window.get(), "menu_curve")->trigger();
        return control<frmCurve>(window.get(), "frmCurve");
    }
    CurvePlot* plot() { return control<CurvePlot>(window.get(), "picCurve"); }
    QImage plotImage() { return plot()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    int lineX() { return BusiestLine(plotImage(), kRed, true); }
    int dotY() { return BusiestLine(plotImage(), kRed, false); }
    void tick() { QMetaObject::invokeMethod(control<QTimer>(window.get(), "Timer1"), "timeout"); }
    QString readout() { return control<QLabel>(window.get(), "lblReadout")->text(); }
    void movePointer(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, plot()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(plot(), &move);
    }

    testing_support::TempFolder tempFolder{"kemora-frmcurve"};
    const fs::path folder = tempFolder.path();
    std::string configPath;
    mainwindow::MainState state;
    std::unique_ptr<frmMain> window;
};

TEST_F(FrmCurveTest, ViewMenuOpensTheWindowBesideTheMainWindowWithoutAnActivation) {
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);  // ファイル, 編集, 表示, ヘルプ
    EXPECT_EQ(menus[2]->menu(), control<QMenu>(window.get(), "menu_view"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("表示(&V)"));
    QAction* item = control<QAction>(window.get(), "menu_curve");
    EXPECT_EQ(item->text(), QStringLiteral("蒸気圧曲線(&T)"));
    EXPECT_EQ(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
    EXPECT_EQ(window->findChild<frmCurve*>(), nullptr);  // made when first asked for

    // A plotted state and a changed settings file: an activation would lose the one and
    // read the other.
    control<QLineEdit>(window.get(), "txtValue")->setText("300");
    const QImage graph = control<SurfaceWidget>(window.get(), "picGrph")->image();
    writeSettings(30, model::Atm);

    frmCurve* curve = openCurve();
    ASSERT_NE(curve, nullptr);
    EXPECT_TRUE(curve->isVisible());
    EXPECT_TRUE(curve->isWindow());
    EXPECT_EQ(curve->windowModality(), Qt::NonModal);
    EXPECT_EQ(curve->windowTitle(), QStringLiteral("蒸気圧曲線のグラフ"));
    EXPECT_TRUE(curve->screen()->availableGeometry().contains(curve->frameGeometry().topLeft()));
    curve->close();
    EXPECT_FALSE(curve->isVisible());
    EXPECT_EQ(openCurve(), curve);  // the same window, shown again
    EXPECT_TRUE(curve->isVisible());

    EXPECT_EQ(control<QLabel>(window.get(), "lblPress")->text(), "mmHg");
    EXPECT_EQ(control<SurfaceWidget>(window.get(), "picGrph")->image(), graph);
    EXPECT_EQ(state.experiment.settings.pressureUnit, model::MmHg);
}

TEST_F(FrmCurveTest, TheWindowOpensBesideTheMainOneFollowsItsZoomAndClosesWithEsc) {
    window->move(0, 0);  // room on the right
    frmCurve* curve = openCurve();
    EXPECT_FALSE(curve->frameGeometry().intersects(window->frameGeometry()));
    QCheckBox* log = control<QCheckBox>(curve, "chkLog");
    EXPECT_EQ(log->font().pixelSize(), 15);
    const QSize at100 = curve->size();

    struct Step {
        int zoom;
        int controlPixels;
        int readoutPixels;
    };
    const Step steps[] = {{150, 23, 26}, {100, 15, 17}, {200, 30, 34}, {100, 15, 17}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.zoom);
        window->setZoom(step.zoom);
        EXPECT_EQ(log->font().pixelSize(), step.controlPixels);
        EXPECT_EQ(control<QPushButton>(curve, "cmdCopy")->font().pixelSize(), step.controlPixels);
        EXPECT_EQ(control<QLabel>(curve, "lblReadout")->font().pixelSize(), step.readoutPixels);
        const QSize expected = (QSizeF(at100) * (step.zoom / 100.0)).toSize();
        EXPECT_NEAR(curve->width(), expected.width(), 1);
        EXPECT_NEAR(curve->height(), expected.height(), 1);
    }
    curve->activateWindow();
    QTest::keyClick(curve, Qt::Key_Escape);
    EXPECT_FALSE(curve->isVisible());
}

TEST_F(FrmCurveTest, ShowsTheThreeColoursAndTheExperimentInRed) {
    frmCurve* curve = openCurve();
    const QImage image = curve->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (QRgb color : {kWater, kEthanol, kEther, kRed}) {
        SCOPED_TRACE(qRed(color) * 65536 + qGreen(color) * 256 + qBlue(color));
        EXPECT_GT(CountPixels(image, color), 50);
    }
    EXPECT_EQ(control<QCheckBox>(curve, "chkLog")->text(), QStringLiteral("対数目盛"));
    EXPECT_EQ(control<QCheckBox>(curve, "chkMeasured")->text(), QStringLiteral("実測値と比べる"));
    EXPECT_FALSE(control<QCheckBox>(curve, "chkLog")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(curve, "chkMeasured")->isChecked());
}

TEST_F(FrmCurveTest, ChangingTheLiquidMovesTheThickCurveAndTheDot) {
    openCurve();
    struct Case {
        int liquid;
        QRgb thick;
    };
    const Case cases[] = {{1, kEthanol}, {2, kEther}, {0, kWater}};
    QImage before = plotImage();
    const int x = lineX();
    int y = dotY();
    QRgb thick = kWater;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.liquid);
        control<QComboBox>(window.get(), "cmbLiquid")->setCurrentIndex(c.liquid);
        // The main window takes the new liquid at its next frame; the curve follows it then.
        for (int i = 0; i < 20 && state.experiment.liquid != c.liquid; ++i) tick();
        ASSERT_EQ(state.experiment.liquid, c.liquid);
        const QImage after = plotImage();
        EXPECT_LT(CountPixels(after, thick), CountPixels(before, thick));
        EXPECT_GT(CountPixels(after, c.thick), CountPixels(before, c.thick));
        EXPECT_EQ(lineX(), x);
        EXPECT_NE(dotY(), y);
        before = after;
        y = dotY();
        thick = c.thick;
    }
}

TEST_F(FrmCurveTest, TheSettingsDialogMovesTheTemperatureLine) {
    window->setSettingsDialog([this](QWidget& owner) {
        dialogs::frmSystem dialog(state.experiment.settings, configPath, &owner);
        QTimer::singleShot(0, &dialog, [&dialog, this] {
            QLineEdit* temperature = control<QLineEdit>(&dialog, "txtContainer");
            temperature->setText("60");
            control<QPushButton>(&dialog, "cmdClose")->click();
        });
        dialog.exec();
        return true;
    });
    openCurve();
    const int at30 = lineX();
    const int dotAt30 = dotY();
    control<QAction>(window.get(), "menu_Init")->trigger();
    ASSERT_EQ(state.experiment.settings.temperature, 60);
    EXPECT_GT(lineX(), at30);
    EXPECT_LT(dotY(), dotAt30);  // 157.6 mmHg lies higher than 36.9
}

TEST_F(FrmCurveTest, ScenarioStepsMoveTheLineAndTheDot) {
    scenario::Scenario& scenario = state.currentScenario;
    scenario.stepCount = 2;
    scenario::ScenarioStep& settings = scenario.steps[1];
    settings.kind = scenario::StepInitialSettings;
    settings.mol = 1;
    settings.temperature = 50;
    settings.grphWMax = 700;
    settings.grphHMax = 800;
    scenario.steps[2].kind = scenario::StepChangeLiquid;
    scenario.steps[2].value = model::DiethylEther;

    openCurve();
    const int line = lineX();
    const int dot = dotY();
    QTest::mouseClick(control<ImageButton>(window.get(), "picSinario"), Qt::LeftButton);
    ASSERT_EQ(state.scenarioMode, 1);
    QWidget* focus = window->focusWidget();
    ASSERT_NE(focus, nullptr);

    QTest::keyClick(focus, Qt::Key_Down);
    ASSERT_EQ(state.experiment.settings.temperature, 50);
    const int lineAt50 = lineX();
    EXPECT_GT(lineAt50, line);
    const int dotAt50 = dotY();
    EXPECT_LT(dotAt50, dot);

    QTest::keyClick(focus, Qt::Key_Down);
    ASSERT_EQ(state.experiment.liquid, model::DiethylEther);
    EXPECT_LT(dotY(), dotAt50);
}

TEST_F(FrmCurveTest, PointerReadsOutTheThreePressuresAtItsTemperature) {
    openCurve();
    const QString hint = readout();
    EXPECT_FALSE(hint.isEmpty());
    // The red line stands at the experiment's 30 °C.
    movePointer(QPoint(lineX(), plot()->height() / 2));
    EXPECT_EQ(readout(), QStringLiteral("30 °C：　水 36.9 mmHg　　エタノール 83.8 mmHg　　"
                                        "ジエチルエーテル 616.0 mmHg"));
    movePointer(QPoint(2, 2));  // beside the axes
    EXPECT_EQ(readout(), hint);

    // In another unit, after the settings change at an activation.
    writeSettings(30, model::HPa);
    window->setSettingsDialog([](QWidget&) { return true; });
    control<QAction>(window.get(), "menu_Init")->trigger();
    movePointer(QPoint(lineX(), plot()->height() / 2));
    EXPECT_EQ(
        readout(),
        QStringLiteral("30 °C：　水 49 hPa　　エタノール 112 hPa　　ジエチルエーテル 821 hPa"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(plot(), &leave);
    EXPECT_EQ(readout(), hint);
}

TEST_F(FrmCurveTest, LogarithmicScaleAndMeasuredCurvesRedraw) {
    frmCurve* curve = openCurve();
    const int linearDot = dotY();
    control<QCheckBox>(curve, "chkLog")->click();
    // 36.9 mmHg lies near the bottom of 0..800 but half way up 1..1000 in decades.
    EXPECT_LT(dotY(), linearDot - 100);
    control<QCheckBox>(curve, "chkLog")->click();
    EXPECT_EQ(dotY(), linearDot);

    const QImage without = plotImage();
    control<QCheckBox>(curve, "chkMeasured")->click();
    EXPECT_NE(plotImage(), without);

    // The legend names the source of the measured values.
    const QPoint legend(plot()->width() - 40, 20);
    QHelpEvent help(QEvent::ToolTip, legend, plot()->mapToGlobal(legend));
    QApplication::sendEvent(plot(), &help);
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("Lange's Handbook of Chemistry")))
        << QToolTip::text().toStdString();
    QToolTip::hideText();
}

TEST_F(FrmCurveTest, SavesAndCopiesTheImageAtFullResolution) {
    frmCurve* curve = openCurve();
    std::vector<QString> messages;
    curve->setMessageBox(
        [&](QWidget*, const QString& text, const QString&) { messages.push_back(text); });
    QString chosen;
    curve->setFileNamePrompt([&](QWidget*) { return chosen; });
    const QSize full = plot()->size() * plot()->devicePixelRatio();

    chosen = QString::fromStdString((folder / "curve.png").string());
    control<QPushButton>(curve, "cmdSave")->click();
    QImage saved(chosen);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), full);
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), plotImage());
    EXPECT_TRUE(messages.empty());

    // Cancelled: nothing written, nothing said.
    chosen.clear();
    control<QPushButton>(curve, "cmdSave")->click();
    EXPECT_TRUE(messages.empty());

    // A folder that does not exist: the user is told, with the name.
    chosen = QString::fromStdString((folder / "missing" / "curve.png").string());
    control<QPushButton>(curve, "cmdSave")->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(chosen)) << messages[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(chosen));

    QApplication::clipboard()->clear();
    control<QPushButton>(curve, "cmdCopy")->click();
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), full);
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), plotImage());
    EXPECT_EQ(control<QPushButton>(curve, "cmdCopy")->shortcut(), QKeySequence(QKeySequence::Copy));
}

TEST_F(FrmCurveTest, FollowsASwitchToEnglishWithEveryTextWhole) {
    frmCurve* curve = openCurve();
    const QImage japanese = plotImage();
    testing_support::EnglishInterface english;
    ASSERT_TRUE(english.applied());

    EXPECT_EQ(control<QAction>(window.get(), "menu_curve")->text(),
              QStringLiteral("Vapor-Pressure &Curves"));
    EXPECT_EQ(curve->windowTitle(), QStringLiteral("Vapor-Pressure Curves"));
    EXPECT_EQ(control<QCheckBox>(curve, "chkLog")->text(), QStringLiteral("Logarithmic scale"));
    EXPECT_EQ(control<QCheckBox>(curve, "chkMeasured")->text(),
              QStringLiteral("Compare with measured values"));
    EXPECT_EQ(control<QPushButton>(curve, "cmdCopy")->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_NE(plotImage(), japanese);  // titles and legend worded anew

    movePointer(QPoint(lineX(), plot()->height() / 2));
    EXPECT_EQ(readout(), QStringLiteral("30 °C:   Water 36.9 mmHg    Ethanol 83.8 mmHg    "
                                        "Diethyl ether 616.0 mmHg"));
    QCoreApplication::sendPostedEvents();  // the layout makes room for the new words
    EXPECT_TRUE(testing_support::TextsCutOff(*curve).isEmpty())
        << testing_support::TextsCutOff(*curve).join(u' ').toStdString();
}

}  // namespace
}  // namespace kemora::ui
