#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "mainwindow/main_state.h"
#include "ui/graph_page.h"
#include "ui/message_box.h"

class QImage;
class QPrinter;
class QWidget;

namespace kemora::ui {

// What the class saw, taken out of the program: the plotted states as a CSV file, the graph
// box or the whole window as a PNG file or on the clipboard, and the graph on a printed
// page. Reads the shared state and the two widgets, all of which must outlive it; owned by
// the window as its Qt parent.
class ExportCommands : public QObject {
    Q_OBJECT
  public:
    ExportCommands(QWidget& window, QWidget& graphBox, const mainwindow::MainState& state);

    // Replaces the message box that tells of a failed save, so that tests can read it.
    void setMessageBox(MessageBoxFunction messageBox);

    void saveCsv();
    void saveImage();
    void copyGraph();
    void copyWindow();
    // Shows the page in a print preview, from which it is printed.
    void print();

    // The bytes of the CSV file of the plotted states: a header naming the units, then a row
    // per state.
    [[nodiscard]] static std::string csvBytes(const mainwindow::MainState& state);
    // The page for the state as it stands, dated today.
    [[nodiscard]] GraphPageContent pageContent() const;
    // Prints the page on one A4 landscape sheet; false when the printer cannot start.
    static bool printPage(QPrinter& printer, const GraphPageContent& content);
    // Sets the printer up for the page: A4 landscape at the printer's resolution.
    static void preparePrinter(QPrinter& printer);

  private:
    // Asks for a file name to save under; empty when the user cancelled.
    QString askSaveName(const char* objectName, const QString& title, const QStringList& filters,
                        const QString& suffix, const QString& proposedName,
                        QString* chosenFilter = nullptr);
    // Puts the image on the clipboard; tells the user when it did not arrive there.
    void copyImage(const QImage& image);
    // Writes the bytes in one step; tells the user when that failed.
    void save(const QString& path, const QByteArray& bytes, const QString& title);

    QWidget& m_window;
    QWidget& m_graphBox;
    const mainwindow::MainState& m_state;
    MessageBoxFunction m_messageBox;
};

}  // namespace kemora::ui
