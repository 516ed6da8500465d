#include "ui/export_commands.h"

#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QWidget>

#include "config/file_io.h"
#include "mainwindow/csv_text.h"
#include "ui/table_wording.h"
#include "ui/utf8_text.h"
#include "ui/widget_image.h"

namespace kemora::ui {
namespace {

// The name as the file system knows it.
std::string LocalPath(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

}  // namespace

ExportCommands::ExportCommands(QWidget& window, QWidget& graphBox,
                               const mainwindow::MainState& state)
    : QObject(&window),
      m_window(window),
      m_graphBox(graphBox),
      m_state(state),
      m_messageBox(ShowWarningMessage) {}

void ExportCommands::setMessageBox(MessageBoxFunction messageBox) {
    m_messageBox = std::move(messageBox);
}

void ExportCommands::saveCsv() {
    if (m_state.graph.plottedStates.empty())
        return;
    const QString title = tr("データをCSVで保存");
    const QString path = askSaveName("saveCsvDialog", title, {tr("CSVファイル (*.csv)")},
                                     QStringLiteral("csv"), tr("蒸気圧のデータ.csv"));
    if (path.isEmpty())
        return;
    save(path, QByteArray::fromStdString(csvBytes(m_state)), title);
}

std::string ExportCommands::csvBytes(const mainwindow::MainState& state) {
    return mainwindow::PlottedStatesCsv(state.graph.plottedStates, state.experiment,
                                        TableWording::words());
}

void ExportCommands::saveImage() {
    const QString title = tr("画像として保存");
    const QString graphFilter = tr("グラフの画像 (*.png)");
    const QString windowFilter = tr("ウィンドウ全体の画像 (*.png)");
    QString chosenFilter;
    const QString path =
        askSaveName("saveImageDialog", title, {graphFilter, windowFilter}, QStringLiteral("png"),
                    tr("蒸気圧のグラフ.png"), &chosenFilter);
    if (path.isEmpty())
        return;
    QWidget& shown = chosenFilter == windowFilter ? m_window : m_graphBox;
    save(path, PngBytes(WidgetImage(shown, shown.devicePixelRatioF())), title);
}

void ExportCommands::copyGraph() {
    copyImage(WidgetImage(m_graphBox, m_graphBox.devicePixelRatioF()));
}

void ExportCommands::copyWindow() {
    copyImage(WidgetImage(m_window, m_window.devicePixelRatioF()));
}

void ExportCommands::copyImage(const QImage& image) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setImage(image);
    // A desktop may keep the clipboard from the program; a copy that did not arrive is told,
    // not left for the class to find missing when pasting.
    if (clipboard->image().isNull() && m_messageBox)
        m_messageBox(&m_window, tr("クリップボードにコピーできませんでした。"),
                     m_window.windowTitle());
}

void ExportCommands::print() {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    QPrintPreviewDialog preview(&printer, &m_window);
    preview.setObjectName(QStringLiteral("printPreview"));
    preview.setWindowTitle(tr("印刷プレビュー"));
    // Large enough to read the page's table at a glance.
    if (const QScreen* screen = m_window.screen())
        preview.resize(screen->availableGeometry().size() * 0.8);
    const GraphPageContent content = pageContent();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&content](QPrinter* target) { printPage(*target, content); });
    preview.exec();
}

GraphPageContent ExportCommands::pageContent() const {
    const std::vector<mainwindow::PlottedState>& states = m_state.graph.plottedStates;
    return {m_state.experiment.settings, states,
            mainwindow::SummarizeStates(states, m_state.experiment), QDate::currentDate()};
}

void ExportCommands::preparePrinter(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    printer.setDocName(tr("蒸気圧のグラフ"));
}

bool ExportCommands::printPage(QPrinter& printer, const GraphPageContent& content) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    // The painter's origin is the top left of the printable area.
    GraphPage::paint(painter, QRectF(QPointF(0, 0), area.size()), printer.resolution() / 25.4,
                     content);
    return painter.end();
}

QString ExportCommands::askSaveName(const char* objectName, const QString& title,
                                    const QStringList& filters, const QString& suffix,
                                    const QString& proposedName, QString* chosenFilter) {
    QFileDialog dialog(&m_window, title);
    dialog.setObjectName(QString::fromLatin1(objectName));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (chosenFilter != nullptr)
        *chosenFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().front();
}

void ExportCommands::save(const QString& path, const QByteArray& bytes, const QString& title) {
    if (!bytes.isEmpty() && config::WriteFileAtomically(LocalPath(path), bytes.toStdString()))
        return;
    if (m_messageBox) {
        m_messageBox(&m_window,
                     tr("保存できませんでした。") + "\n" + QDir::toNativeSeparators(path), title);
    }
}

}  // namespace kemora::ui
