// The main window zoomed and full screen: every place, line, square and letter scales with the
// zoom while the logic keeps its logical pixels.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "config/file_io.h"
#include "config/settings_file.h"
#include "config/view_settings.h"
#include "mainwindow/main_state.h"
#include "model/settings.h"
#include "support/find_named.h"
#include "support/qt_application.h"
#include "support/temp_folder.h"
#include "ui/frm_main.h"
#include "ui/image_button.h"
#include "ui/surface_widget.h"

namespace kemora::ui {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGrid = qRgb(192, 192, 192);
const QRgb kRed = qRgb(255, 0, 0);

// A logical length or place at `percent`, halves upward: the window's rule, in whole numbers.
int Zoomed(int logical, int percent) {
    const int twice = 2 * logical * percent + 100;  // 200 × (logical × zoom + 1/2)
    return twice >= 0 ? twice / 200 : -((199 - twice) / 200);
}

QRect Zoomed(QRect logical, int percent) {
    return QRect(Zoomed(logical.x(), percent), Zoomed(logical.y(), percent),
                 Zoomed(logical.width(), percent), Zoomed(logical.height(), percent));
}

// How much black ink a region holds: the sum of 255 minus the red channel of each pixel.
long Darkness(const QImage& image, QRect region) {
    long sum = 0;
    region &= image.rect();
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) sum += 255 - qRed(image.pixel(x, y));
    }
    return sum;
}

// The bounding box of the pixels of one colour.
QRect PixelsOf(const QImage& image, QRgb color) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == color)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

class FrmMainZoomTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing_support::EnsureQtApplication(); }

    void SetUp() override {
        configPath = config::ConfigFilePathIn(tempFolder.path().string());
        model::ExperimentSettings settings;
        model::SetDefaultSettings(settings);  // water, 27 °C, 1 mol, 0..700 L, 0..800 mmHg
        ASSERT_TRUE(config::SaveSettings(settings, configPath));
        place = {configPath, configPath, true};
        open();
        window->show();
    }
    void TearDown() override { window.reset(); }

    template <typename T>
    T* control(const char* name) {
        return testing_support::FindNamed<T>(*window, name);
    }
    QAction* action(const char* name) { return control<QAction>(name); }
    void open() {
        window = std::make_unique<frmMain>(state, [this] { return place; });
    }
    void setVolume(const char* litres) { control<QLineEdit>("txtValue")->setText(litres); }
    const QImage& graph() { return control<SurfaceWidget>("picGrph")->image(); }

    static constexpr int kZooms[] = {100, 150, 200};

    testing_support::TempFolder tempFolder{"kemora-zoom"};
    std::string configPath;
    config::SettingsPlace place;  // where the window reads and saves; beside it by default
    mainwindow::MainState state;
    std::unique_ptr<frmMain> window;
};

TEST_F(FrmMainZoomTest, EveryControlTakesItsLogicalPlaceAndFontTimesTheZoom) {
    struct Case {
        const char* name;
        QRect place;
        int fontPixels;  // 0: the control's font is not the window's to size
    };
    const Case cases[] = {
        {"picTenjyou", {33, 250, 377, 14}, 0}, {"picBack", {38, 19, 371, 457}, 0},
        {"picGrph", {446, 64, 315, 334}, 0},   {"picSinario", {464, 8, 81, 47}, 0},
        {"picGrphSw", {560, 8, 81, 47}, 0},    {"picGrphCls", {656, 8, 81, 47}, 0},
        {"Label1_0", {475, 428, 65, 41}, 27},  {"Label1_1", {477, 430, 65, 33}, 27},
        {"txtValue", {539, 428, 68, 36}, 27},  {"UpDownOndo", {607, 428, 16, 36}, 0},
        {"lblTmp", {624, 432, 89, 25}, 27},    {"Label1_2", {476, 479, 65, 41}, 27},
        {"Label1_3", {478, 480, 65, 33}, 27},  {"txtAturyoku", {540, 475, 103, 36}, 27},
        {"lblPress", {648, 480, 97, 33}, 27},  {"cmbLiquid", {40, 500, 173, 27}, 19},
    };
    for (const int zoom : kZooms) {
        SCOPED_TRACE(zoom);
        window->setZoom(zoom);
        EXPECT_DOUBLE_EQ(window->zoomFactor(), zoom / 100.0);
        EXPECT_EQ(window->centralWidget()->size(), QSize(Zoomed(800, zoom), Zoomed(559, zoom)));
        EXPECT_EQ(window->size(),
                  QSize(Zoomed(800, zoom), Zoomed(559, zoom) + window->menuBar()->height()));
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            QWidget* widget = control<QWidget>(c.name);
            EXPECT_EQ(widget->geometry(), Zoomed(c.place, zoom));
            if (c.fontPixels != 0) {
                EXPECT_EQ(widget->font().pixelSize(), Zoomed(c.fontPixels, zoom));
            }
        }
        // Images at the zoom: the picture boxes', the buttons' and the sprite's.
        EXPECT_EQ(control<SurfaceWidget>("picBack")->image().size(),
                  QSize(Zoomed(371, zoom), Zoomed(457, zoom)));
        EXPECT_EQ(graph().size(), QSize(Zoomed(315, zoom), Zoomed(334, zoom)));
        EXPECT_EQ(control<ImageButton>("picGrphSw")->image().toImage().size(),
                  QSize(Zoomed(81, zoom), Zoomed(51, zoom)));
        EXPECT_EQ(control<QLabel>("picSp")->pixmap().size(),
                  QSize(Zoomed(10, zoom), Zoomed(10, zoom)));
    }
}

TEST_F(FrmMainZoomTest, GridLinesAndSquaresAreWholeDevicePixelsOfOneColour) {
    for (const int zoom : kZooms) {
        SCOPED_TRACE(zoom);
        window->setZoom(zoom);
        setVolume("5");
        setVolume("300");  // x 144, y 307 in the box: (300 / 700 × 300, 31.377 / 800 × 320)
        const QImage& image = graph();
        const int line = Zoomed(1, zoom);

        // The volume line at 100 litres, x 58, and the pressure line at 400 mmHg, y 160.
        const int x = Zoomed(58, zoom);
        for (int row : {Zoomed(10, zoom), Zoomed(190, zoom), Zoomed(300, zoom)}) {
            SCOPED_TRACE(row);
            EXPECT_EQ(image.pixel(x - 1, row), kWhite);
            for (int i = 0; i < line; ++i) EXPECT_EQ(image.pixel(x + i, row), kGrid);
            EXPECT_EQ(image.pixel(x + line, row), kWhite);
        }
        const int y = Zoomed(160, zoom);
        for (int column : {Zoomed(30, zoom), Zoomed(250, zoom)}) {
            SCOPED_TRACE(column);
            EXPECT_EQ(image.pixel(column, y - 1), kWhite);
            for (int i = 0; i < line; ++i) EXPECT_EQ(image.pixel(column, y + i), kGrid);
            EXPECT_EQ(image.pixel(column, y + line), kWhite);
        }

        const int side = Zoomed(3, zoom);
        EXPECT_EQ(PixelsOf(image, kRed), QRect(Zoomed(144, zoom), Zoomed(307, zoom), side, side));
    }
}

TEST_F(FrmMainZoomTest, TheLidFollowsItsLogicalTopTimesTheZoom) {
    for (const int zoom : kZooms) {
        SCOPED_TRACE(zoom);
        window->setZoom(zoom);
        const std::pair<const char*, int> cases[] = {{"350", 125}, {"710", -4}, {"-3", 251}};
        for (const auto& [volume, top] : cases) {
            SCOPED_TRACE(volume);
            setVolume(volume);
            EXPECT_EQ(state.field.lidTop, top);  // the logic's own pixels at every zoom
            EXPECT_EQ(control<QLabel>("picTenjyou")->y(), Zoomed(top, zoom));
        }
    }
}

TEST_F(FrmMainZoomTest, TheLastVolumeLabelAndTheTopPressureLabelLieWhollyInTheBox) {
    for (const int zoom : kZooms) {
        SCOPED_TRACE(zoom);
        window->setZoom(zoom);
        // Labels are fitted to the box at the zoom at which the frame is drawn.
        QTest::mouseClick(control<ImageButton>("picGrphCls"), Qt::LeftButton);
        const QImage& image = graph();
        // Each label as it looks when nothing cuts it.
        const auto uncut = [zoom](const char* text) {
            SurfaceWidget reference(QSize(40, 20), Qt::white);
            reference.setScale(zoom / 100.0, 1.0);
            reference.setTextFont(GraphLabelFont());
            reference.setTextPosition(5, 5);
            reference.printText(text);
            return reference.image();
        };
        // "700" ends the volume axis at the box's right edge; below the plot nothing else
        // lies right of x 290.
        const QImage volume = uncut("700");
        const long volumeInk = Darkness(volume, volume.rect());
        EXPECT_GT(volumeInk, 0);
        EXPECT_EQ(Darkness(image, QRect(QPoint(Zoomed(290, zoom), Zoomed(322, zoom)),
                                        image.rect().bottomRight())),
                  volumeInk);
        // "800" tops the pressure axis; left of the plot nothing else lies above y 20.
        const QImage pressure = uncut("800");
        const int plotLeft = Zoomed(15, zoom);
        EXPECT_EQ(Darkness(image, QRect(0, 0, plotLeft, Zoomed(20, zoom))),
                  Darkness(pressure, QRect(0, 0, Zoomed(5, zoom) + plotLeft, pressure.height())));
    }
}

TEST_F(FrmMainZoomTest, ZoomingKeepsTheExperimentAndItsPlottedStates) {
    setVolume("300");
    setVolume("500");  // the 300 L square settles into water's dark blue
    control<QComboBox>("cmbLiquid")->setCurrentIndex(1);
    window->setWindowTitle(QStringLiteral("蒸気圧曲線　-　[3]"));
    for (const int zoom : {200, 150, 100, 250}) {
        SCOPED_TRACE(zoom);
        window->setZoom(zoom);
        const QImage& image = graph();
        const int side = Zoomed(3, zoom);
        // 500 L at 31.377 mmHg: x 15 + 214, y 320 - 13.
        EXPECT_EQ(PixelsOf(image, kRed), QRect(Zoomed(229, zoom), Zoomed(307, zoom), side, side));
        EXPECT_EQ(PixelsOf(image, qRgb(0, 0, 192)),
                  QRect(Zoomed(144, zoom), Zoomed(307, zoom), side, side));
        EXPECT_EQ(control<QLineEdit>("txtValue")->text(), "500");
        EXPECT_EQ(control<QLineEdit>("txtAturyoku")->text(), "31.4");
        EXPECT_EQ(control<QComboBox>("cmbLiquid")->currentIndex(), 1);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("蒸気圧曲線　-　[3]"));
        EXPECT_EQ(control<ImageButton>("picGrphSw")->image().toImage(),
                  control<QLabel>("picGrphSwOn")->pixmap().toImage());
    }
}

TEST_F(FrmMainZoomTest, ViewMenuOffersTheStepsFitAndFullScreenBetweenFileAndHelp) {
    QList<QMenu*> menus;
    for (QAction* entry : window->menuBar()->actions()) menus.push_back(entry->menu());
    const auto at = [&](const char* name) { return menus.indexOf(control<QMenu>(name)); };
    EXPECT_GE(at("menu_File"), 0);
    EXPECT_LT(at("menu_File"), at("menu_view"));
    EXPECT_LT(at("menu_view"), at("menu_Help"));
    EXPECT_EQ(control<QMenu>("menu_view")->title(), QStringLiteral("表示(&V)"));

    struct Item {
        const char* name;
        QString text;
        QKeySequence shortcut;
    };
    const Item items[] = {
        {"menu_zoomIn", QStringLiteral("拡大(&I)"), QKeySequence(Qt::CTRL | Qt::Key_Plus)},
        {"menu_zoomOut", QStringLiteral("縮小(&O)"), QKeySequence(Qt::CTRL | Qt::Key_Minus)},
        {"menu_zoom100", QStringLiteral("100%"), QKeySequence(Qt::CTRL | Qt::Key_0)},
        {"menu_zoom125", QStringLiteral("125%"), {}},
        {"menu_zoom150", QStringLiteral("150%"), {}},
        {"menu_zoom200", QStringLiteral("200%"), {}},
        {"menu_zoom250", QStringLiteral("250%"), {}},
        {"menu_zoomFit", QStringLiteral("画面に合わせる"), {}},
        {"menu_fullScreen", QStringLiteral("全画面表示"), QKeySequence(Qt::Key_F11)},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(item.name);
        EXPECT_EQ(action(item.name)->text(), item.text);
        EXPECT_EQ(action(item.name)->shortcut(), item.shortcut);
    }

    QSignalSpy zoomChanged(window.get(), &frmMain::zoomChanged);
    const std::pair<const char*, double> steps[] = {
        {"menu_zoom150", 1.5}, {"menu_zoomIn", 2.0},   {"menu_zoomIn", 2.5},  {"menu_zoomIn", 2.5},
        {"menu_zoomOut", 2.0}, {"menu_zoom125", 1.25}, {"menu_zoom100", 1.0}, {"menu_zoomOut", 1.0},
    };
    for (const auto& [name, factor] : steps) {
        SCOPED_TRACE(name);
        action(name)->trigger();
        EXPECT_DOUBLE_EQ(window->zoomFactor(), factor);
        ASSERT_FALSE(zoomChanged.isEmpty());
        EXPECT_DOUBLE_EQ(zoomChanged.takeLast().at(0).toDouble(), factor);
        for (const char* step :
             {"menu_zoom100", "menu_zoom125", "menu_zoom150", "menu_zoom200", "menu_zoom250"}) {
            EXPECT_EQ(
                action(step)->isChecked(),
                QString::fromLatin1(step) == QStringLiteral("menu_zoom%1").arg(int(factor * 100)));
        }
    }
}

TEST_F(FrmMainZoomTest, TheShortcutsZoomAndTheFitFillsTheScreen) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window->zoomFactor(), 1.25);
    QTest::keyClick(window.get(), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window->zoomFactor(), 1.5);
    QTest::keyClick(window.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window->zoomFactor(), 1.25);
    QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window->zoomFactor(), 1.0);

    // The largest whole percent whose client, with the menu bar, fits the available area.
    const QSize area = window->screen()->availableGeometry().size();
    int fit = 100;
    while (fit < 400 && Zoomed(800, fit + 1) <= area.width() &&
           Zoomed(559, fit + 1) + window->menuBar()->sizeHint().height() <= area.height())
        ++fit;
    action("menu_zoomFit")->trigger();
    EXPECT_DOUBLE_EQ(window->zoomFactor(), fit / 100.0);
}

TEST_F(FrmMainZoomTest, FullScreenCentresTheLargestFittingZoomAndEscapeLeavesIt) {
    window->setZoom(150);
    setVolume("300");
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F11);
    ASSERT_TRUE(action("menu_fullScreen")->isChecked());

    const QRect screen = window->screen()->geometry();
    const int menu = window->menuBar()->sizeHint().height();
    int fit = 100;
    while (fit < 400 && Zoomed(800, fit + 1) <= screen.width() &&
           Zoomed(559, fit + 1) + menu <= screen.height())
        ++fit;
    EXPECT_DOUBLE_EQ(window->zoomFactor(), fit / 100.0);
    EXPECT_EQ(window->size(), screen.size());
    const QSize client(Zoomed(800, fit), Zoomed(559, fit));
    EXPECT_EQ(window->centralWidget()->geometry(),
              QRect(QPoint((screen.width() - client.width()) / 2,
                           menu + (screen.height() - menu - client.height()) / 2),
                    client));
    // The frame colour around the client and the menu bar above it, which keeps its own look.
    const QImage shown = window->grab().toImage();
    const QRgb frame = qRgb(99, 101, 156);
    EXPECT_EQ(shown.pixel(screen.width() / 2, 2), frame);
    EXPECT_NE(shown.pixel(screen.width() - 2, window->centralWidget()->y() - menu / 2), frame);
    for (const char* name : {"menu_zoomIn", "menu_zoomOut", "menu_zoom150", "menu_zoomFit"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    EXPECT_EQ(PixelsOf(graph(), kRed).size(), QSize(Zoomed(3, fit), Zoomed(3, fit)));

    QTest::keyClick(control<QLineEdit>("txtValue"), Qt::Key_Escape);
    EXPECT_FALSE(action("menu_fullScreen")->isChecked());
    EXPECT_DOUBLE_EQ(window->zoomFactor(), 1.5);
    EXPECT_EQ(window->centralWidget()->pos(), QPoint(0, window->menuBar()->height()));
    EXPECT_TRUE(action("menu_zoom150")->isChecked());
    EXPECT_EQ(control<QLineEdit>("txtValue")->text(), "300");

    // F11 goes in and out again; Esc outside full screen changes nothing.
    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_TRUE(action("menu_fullScreen")->isChecked());
    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_FALSE(action("menu_fullScreen")->isChecked());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_DOUBLE_EQ(window->zoomFactor(), 1.5);
}

TEST_F(FrmMainZoomTest, TheZoomChosenLastIsRememberedAndOneNotOfferedMeansNormal) {
    action("menu_zoom150")->trigger();
    EXPECT_EQ(config::LoadZoom(configPath), 150);
    action("menu_zoomIn")->trigger();
    EXPECT_EQ(config::LoadZoom(configPath), 200);
    // Neither a zoom set by the program nor full screen is the user's choice to keep.
    window->setZoom(125);
    window->setFullScreen(true);
    window->setFullScreen(false);
    EXPECT_EQ(config::LoadZoom(configPath), 200);
    model::ExperimentSettings settings;
    config::LoadSettings(settings, configPath);
    EXPECT_EQ(settings.grphWMax, 700);  // the experiment's section is left as it was

    // The next window opens at the zoom chosen last and draws its frame at it.
    action("menu_zoom200")->trigger();
    open();
    EXPECT_DOUBLE_EQ(window->zoomFactor(), 2.0);
    EXPECT_TRUE(action("menu_zoom200")->isChecked());
    window->show();
    EXPECT_EQ(window->centralWidget()->size(), QSize(Zoomed(800, 200), Zoomed(559, 200)));
    EXPECT_EQ(graph().size(), QSize(Zoomed(315, 200), Zoomed(334, 200)));

    const char* notOffered[] = {"zoom=1000", "zoom=99", "zoom=0", "zoom=-150", "zoom=abc", "zoom="};
    for (const char* line : notOffered) {
        SCOPED_TRACE(line);
        ASSERT_TRUE(config::SaveZoom(150, configPath));
        std::string content = config::ReadFileBytes(configPath).value_or("");
        content.replace(content.find("zoom=150"), 8, line);
        ASSERT_TRUE(config::WriteFileAtomically(configPath, content));
        open();
        EXPECT_DOUBLE_EQ(window->zoomFactor(), 1.0);
    }
}

TEST_F(FrmMainZoomTest, AnInstalledProgramOpensAtTheAdministratorsZoomAndKeepsTheUsersOwn) {
    // The file of SetUp stands for the administrator's, beside the installed program.
    model::ExperimentSettings administrators;
    model::SetDefaultSettings(administrators);
    administrators.grphWMax = 500;
    ASSERT_TRUE(config::SaveSettings(administrators, configPath));
    ASSERT_TRUE(config::SaveZoom(150, configPath));
    const std::string user = (tempFolder.path() / "config" / "kemora" / "CONFIG2.INI").string();
    place = {configPath, user, false};
    open();
    EXPECT_DOUBLE_EQ(window->zoomFactor(), 1.5);

    action("menu_zoom200")->trigger();
    EXPECT_EQ(config::LoadZoom(user), 200);
    EXPECT_EQ(config::LoadZoom(configPath), 150);
    model::ExperimentSettings kept;
    config::LoadSettings(kept, user);
    EXPECT_EQ(kept.grphWMax, 500) << "the administrator's experiment settings come along";
}

TEST_F(FrmMainZoomTest, AZoomThatCannotBeSavedIsShownAndSaidSo) {
    // A folder where the settings file should be: nothing can replace it.
    const std::string blocked = (tempFolder.path() / "blocked").string();
    std::filesystem::create_directories(std::filesystem::path(blocked) / "inside");
    place = {blocked, blocked, true};
    open();
    std::vector<QString> messages;
    window->setMessageBox(
        [&](QWidget*, const QString& text, const QString&) { messages.push_back(text); });
    action("menu_zoom250")->trigger();
    EXPECT_DOUBLE_EQ(window->zoomFactor(), 2.5);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(QString::fromStdString(blocked)));
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(blocked) / "inside"));
}

}  // namespace
}  // namespace kemora::ui
