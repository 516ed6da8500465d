#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "curve/curve_figure.h"
#include "model/equilibrium.h"
#include "ui/message_box.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace kemora::ui {

class CurvePlot;

// The vapor-pressure window: the three liquids' curves with the running experiment marked on
// them. Not modal: it stays open beside the main window. Reads the experiment that the main
// window's state owns, which must outlive it; owns its controls.
class frmCurve : public QWidget {
    Q_OBJECT
  public:
    // Asks where to save the image; empty means the user cancelled.
    using FileNamePrompt = std::function<QString(QWidget* parent)>;

    explicit frmCurve(const model::Experiment& experiment, QWidget* parent = nullptr);

    // Draws the experiment afresh when its liquid or settings differ from those drawn. The
    // main window calls it after each of its handlers that may change them.
    void followExperiment();

    // Shows the window `zoom` times as large as designed, as the main window is shown: its
    // texts, its figure and its size change by the same factor.
    void setZoom(double zoom);

    // Replace the file dialog and the message box, so that tests neither block nor need them.
    void setFileNamePrompt(FileNamePrompt prompt);
    void setMessageBox(MessageBoxFunction messageBox);

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Esc closes the window, as its close box does.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void createControls();
    // Gives every text of the window in the interface language.
    void retranslateUi();
    void redraw();
    void showReadout(double temperature);
    void cmdSave_Click();
    void cmdCopy_Click();
    // Beside the main window, as far as the screen allows.
    void placeBesideParent();

    const model::Experiment& m_experiment;
    model::ExperimentSettings m_drawnSettings;
    int32_t m_drawnLiquid = 0;
    bool m_placed = false;
    double m_zoom = 1.0;  // placed beside the main window at its first display
    FileNamePrompt m_fileNamePrompt;
    MessageBoxFunction m_messageBox;

    CurvePlot* m_picCurve = nullptr;
    QCheckBox* m_chkLog = nullptr;
    QCheckBox* m_chkMeasured = nullptr;
    QPushButton* m_cmdSave = nullptr;
    QPushButton* m_cmdCopy = nullptr;
    QLabel* m_lblReadout = nullptr;
};

}  // namespace kemora::ui
