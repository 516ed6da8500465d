// Taking what the class saw out of the main window: the CSV file, pictures, the clipboard
// and the printed page.

#include "ui/export_commands.h"
#include "support/find_named.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <memory>

#include "config/file_io.h"
#include "config/settings_file.h"
#include "mainwindow/main_state.h"
#include "support/modal_dialogs.h"
#include "support/qt_application.h"
#include "support/temp_folder.h"
#include "ui/frm_main.h"
#include "ui/surface_widget.h"
#include "ui/widget_image.h"

namespace kemora::ui {
namespace {

namespace fs = std::filesystem;

// A shown main window over water at 27 °C, 1 mol, axes 0..700 L and 0..800 mmHg.
class ExportTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing_support::EnsureQtApplication(); }

    void SetUp() override {
        const std::string configPath = config::ConfigFilePathIn(folder.string());
        model::ExperimentSettings settings;
        model::SetDefaultSettings(settings);
        ASSERT_TRUE(config::SaveSettings(settings, configPath));
        window = std::make_unique<frmMain>(state, [configPath] {
            return config::SettingsPlace{configPath, configPath, true};
        });
        window->show();
    }
    void TearDown() override { window.reset(); }

    template <typename T>
    T* control(const char* name) {
        return testing_support::FindNamed<T>(*window, name);
    }
    QLineEdit* txtValue() { return control<QLineEdit>("txtValue"); }
    void type(const QString& volume) { txtValue()->setText(volume); }
    QAction* action(const char* name) { return control<QAction>(name); }
    SurfaceWidget* graphBox() { return control<SurfaceWidget>("picGrph"); }
    QString pathOf(const char* name) const {
        return QString::fromStdString((folder / name).string());
    }

    // Triggers the menu item and, in its file dialog, saves under `path` with `filter`.
    testing_support::ModalAnswer saveThroughDialog(const char* item, const char* dialog,
                                                   const QString& path,
                                                   const QString& filter = {}) {
        auto answered = testing_support::AnswerModal(dialog, [=](QWidget& shown) {
            auto& fileDialog = static_cast<QFileDialog&>(shown);
            if (!filter.isEmpty())
                fileDialog.selectNameFilter(filter);
            // Typed in full, as the dialog lists its folder in the background.
            auto* name = fileDialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(path);
            QMetaObject::invokeMethod(&fileDialog, "accept");
        });
        action(item)->trigger();
        return answered;
    }

    testing_support::TempFolder tempFolder{"kemora-export"};
    const fs::path folder = tempFolder.path();
    mainwindow::MainState state;
    std::unique_ptr<frmMain> window;
};

TEST_F(ExportTest, SaveCsvIsEnabledExactlyWhileStatesArePlotted) {
    QAction* saveCsv = action("menu_saveCsv");
    EXPECT_FALSE(saveCsv->isEnabled());
    type("300");
    EXPECT_TRUE(saveCsv->isEnabled());
    QTest::mouseClick(control<QWidget>("picGrphCls"), Qt::LeftButton);
    EXPECT_FALSE(saveCsv->isEnabled());

    // The arrows plot too, one state per click.
    QToolButton* up = control<QWidget>("UpDownOndo")->findChild<QToolButton*>("up");
    ASSERT_NE(up, nullptr);
    up->click();
    up->click();
    EXPECT_TRUE(saveCsv->isEnabled());
    ASSERT_EQ(state.graph.plottedStates.size(), 2u);
    EXPECT_EQ(state.graph.plottedStates[0].volume, 305);
    EXPECT_EQ(state.graph.plottedStates[1].volume, 310);

    QTest::mouseClick(control<QWidget>("picGrphSw"), Qt::LeftButton);  // hide
    EXPECT_FALSE(saveCsv->isEnabled());
    type("100");
    EXPECT_FALSE(saveCsv->isEnabled());
}

TEST_F(ExportTest, SaveCsvWritesTheStatesThroughTheFileDialogWhateverTheLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    type("300");
    type("700");
    const auto answered = saveThroughDialog("menu_saveCsv", "saveCsvDialog", pathOf("lesson"));
    QLocale::setDefault(previous);
    ASSERT_TRUE(*answered);

    // 31.37707 mmHg, the table's value for water at 27 °C, and 31.37707 × 596 / 700 past the
    // saturation volume, with their 15 significant digits.
    const std::string expected =
        "\xEF\xBB\xBF"
        "容量 (L),圧力 (mmHg),液体,温度 (°C),物質量 (mol),状態\r\n"
        "300,31.37707,水,27,1,液体と蒸気\r\n"
        "700,26.7153338857143,水,27,1,すべて蒸気\r\n";
    EXPECT_EQ(config::ReadFileBytes(pathOf("lesson.csv").toStdString()), expected);
}

TEST_F(ExportTest, ACancelledSaveIsSilentAndAFailedOneSaysSo) {
    QStringList messages;
    window->setMessageBox([&messages](QWidget*, const QString& text, const QString& caption) {
        messages << caption + QStringLiteral(": ") + text;
    });
    type("300");
    const auto answered = testing_support::AnswerModal(
        "saveCsvDialog", [](QWidget& dialog) { static_cast<QFileDialog&>(dialog).reject(); });
    action("menu_saveCsv")->trigger();
    EXPECT_TRUE(*answered);
    EXPECT_TRUE(messages.isEmpty());
    // Only the settings file is there.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    // A folder where no one, root included, can make a file.
    const QString unreachable = QStringLiteral("/proc/lesson.csv");
    const auto saved = saveThroughDialog("menu_saveCsv", "saveCsvDialog", unreachable);
    EXPECT_TRUE(*saved);
    EXPECT_EQ(messages, QStringList{QStringLiteral("データをCSVで保存: 保存できませんでした。\n") +
                                    unreachable});
    EXPECT_FALSE(QFile::exists(unreachable));
}

TEST_F(ExportTest, CopyGraphPutsTheBoxAsTheScreenShowsItOnTheClipboard) {
    type("300");
    QGuiApplication::clipboard()->clear();
    action("menu_copyGraph")->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    const qreal ratio = graphBox()->devicePixelRatioF();
    // Run once more by ctest on a screen scaled by 2.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        EXPECT_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    ASSERT_EQ(copied.size(), QSize(315, 334) * ratio);
    const QImage shown = graphBox()->image();
    if (ratio == 1.0) {
        EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), shown);
    }
    // 300 litres plot at (144, 307): the newest square is red.
    EXPECT_EQ(copied.pixel(QPoint(145, 308) * ratio), qRgb(255, 0, 0));

    action("menu_copyWindow")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(),
              window->size() * window->devicePixelRatioF());
}

TEST_F(ExportTest, CtrlCCopiesTheGraphUnlessAFieldHasTextSelected) {
    type("300");
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    txtValue()->setFocus();
    txtValue()->deselect();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(txtValue(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(315, 334));

    txtValue()->selectAll();
    QTest::keyClick(txtValue(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("300"));
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
}

TEST_F(ExportTest, PicturesAreDrawnAtTheDevicePixelRatio) {
    type("300");
    const QImage sharp = WidgetImage(*graphBox(), 2.0);
    ASSERT_EQ(sharp.size(), QSize(630, 668));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    // The 3 × 3 red square at (144, 307) covers 6 × 6 device pixels, and no more.
    for (int y = 612; y < 620; ++y) {
        for (int x = 286; x < 294; ++x) {
            const bool inside = x >= 288 && x < 294 && y >= 614 && y < 620;
            EXPECT_EQ(sharp.pixel(x, y) == qRgb(255, 0, 0), inside) << x << ", " << y;
        }
    }
}

TEST_F(ExportTest, SaveImageWritesThePngOfTheGraphOrOfTheWholeWindow) {
    type("300");
    struct Case {
        const char* file;
        QString filter;
        QSize size;
    };
    const Case cases[] = {
        {"graph.png", QStringLiteral("グラフの画像 (*.png)"), QSize(315, 334)},
        {"window.png", QStringLiteral("ウィンドウ全体の画像 (*.png)"), window->size()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const auto answered =
            saveThroughDialog("menu_saveImage", "saveImageDialog", pathOf(c.file), c.filter);
        ASSERT_TRUE(*answered);
        const QImage saved(pathOf(c.file), "PNG");
        EXPECT_EQ(saved.size(), c.size * window->devicePixelRatioF());
    }
    const QImage graph(pathOf("graph.png"), "PNG");
    const qreal ratio = graphBox()->devicePixelRatioF();
    if (ratio == 1.0) {
        EXPECT_EQ(graph.convertToFormat(QImage::Format_RGB32), graphBox()->image());
    }
    EXPECT_EQ(graph.pixel(QPoint(145, 308) * ratio), qRgb(255, 0, 0));
}

// Runs a poppler tool and returns what it printed; fails the test when it cannot run.
QByteArray RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

TEST_F(ExportTest, PrintingToPdfGivesOnePageWithTheHeadingTheTableAndTheGraph) {
    type("300");
    type("700");
    type("500");  // the newest, red square inside the box
    ExportCommands commands(*window, *graphBox(), state);
    GraphPageContent content = commands.pageContent();
    content.date = QDate(2024, 5, 17);

    const QString pdf = pathOf("page.pdf");
    QPrinter printer(QPrinter::HighResolution);
    ExportCommands::preparePrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(ExportCommands::printPage(printer, content));

    const QString info = QString::fromUtf8(RunTool("pdfinfo", {pdf}));
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    // A4 landscape: 842 × 595 points.
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+842 x 595 pts")))
        << info.toStdString();

    const QString text = QString::fromUtf8(RunTool("pdftotext", {pdf, "-"}));
    for (const QString& expected :
         {QStringLiteral("蒸気圧と容量の関係"), QStringLiteral("液体：水"),
          QStringLiteral("温度：27 °C"), QStringLiteral("物質量：1 mol"),
          QStringLiteral("2024年5月17日"), QStringLiteral("圧力 (mmHg)"), QStringLiteral("31.4"),
          QStringLiteral("26.7"), QStringLiteral("すべて蒸気")}) {
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    }

    // The graph: grey grid lines and the red newest square on the rendered page.
    const QString picture = pathOf("page");
    RunTool("pdftoppm", {"-png", "-r", "100", "-singlefile", pdf, picture});
    const QImage page(picture + ".png");
    ASSERT_FALSE(page.isNull());
    int red = 0;
    int grid = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor pixel = page.pixelColor(x, y);
            red += pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80;
            grid += pixel.red() > 150 && pixel.red() < 230 && pixel.red() == pixel.green() &&
                    pixel.green() == pixel.blue();
        }
    }
    EXPECT_GT(red, 4);
    EXPECT_GT(grid, 500);
}

TEST_F(ExportTest, PrintShowsTheOnePageInAPreviewFirst) {
    type("300");
    int pages = 0;
    const auto answered = testing_support::AnswerModal("printPreview", [&pages](QWidget& preview) {
        if (auto* widget = preview.findChild<QPrintPreviewWidget*>())
            pages = widget->pageCount();
        preview.close();
    });
    action("menu_print")->trigger();
    EXPECT_TRUE(*answered);
    EXPECT_EQ(pages, 1);
}

}  // namespace
}  // namespace kemora::ui
