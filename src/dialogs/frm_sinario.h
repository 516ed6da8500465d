#pragma once

#include <QDialog>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "dialogs/settings_fields.h"
#include "dialogs/twips.h"
#include "model/settings.h"
#include "scenario/scenario.h"
#include "scenario/step_list.h"
#include "ui/message_box.h"

class QCheckBox;
class QComboBox;
class QEvent;
class QFileDialog;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QShowEvent;
class QTabWidget;

namespace kemora::dialogs {

// What the scenario editor asks of a file-name prompt.
struct ScenarioFileRequest {
    QString title;           // the file dialog's caption
    QString filter;          // the one name filter offered
    bool forSaving = false;  // a save dialog rather than an open dialog
    QString folder;          // where the dialog opens; empty: the working folder
};

// Sets a file dialog up for a request: the title, the one filter and the folder, any name
// accepted (the reader reports a missing file), no question before an existing file is replaced
// and no extension added to a typed name.
void PrepareScenarioFileDialog(QFileDialog& dialog, const ScenarioFileRequest& request);

// Shows the prepared file dialog modally; the chosen name, or empty on cancel.
[[nodiscard]] QString AskScenarioFileName(QWidget* parent, const ScenarioFileRequest& request);

// The modal scenario editor, built afresh for every opening. It edits the caller's
// `currentScenario` in place, so closing it needs no apply step; the settings only fill the
// page 初期設定 and are never changed. Both belong to the caller and must outlive the dialog.
class frmSinario : public QDialog {
    Q_OBJECT
  public:
    // Asks for a file name; empty means the user cancelled.
    using FileNamePrompt = std::function<QString(QWidget* parent, const ScenarioFileRequest&)>;

    // Shown at `zoom` times its designed size as far as it fits the screen (see DialogZoom).
    frmSinario(scenario::Scenario& currentScenario, const model::ExperimentSettings& settings,
               QWidget* parent = nullptr, double zoom = 1.0);

    // Replace the file dialogs and the message box, so that tests neither block nor need them.
    void setFileNamePrompt(FileNamePrompt prompt);
    void setMessageBox(ui::MessageBoxFunction messageBox);
    // The folder the file dialogs open in; empty (the start) means the working folder.
    void setFileFolder(QString folder);

    void OpenEditor();
    // Inserts the step at the selected line; false, after telling the user, when the scenario
    // is full.
    bool AddStep(const scenario::ScenarioStep& step);
    void RefreshStepList();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

  private:
    // A control of a tab page and its place measured from the tab control's top left.
    struct PagePlace {
        QWidget* control;
        QRect place;  // pixels
    };

    void txtTTl_LostFocus();
    void cmdAdd1_Click();
    void cmdAdd2_Click();
    void cmdAdd3_Click();
    void cmdAdd4_Click();
    void cmdAdd5_Click();
    void cmdDel_Click();
    void cmdLoad_Click();
    void cmdSave_Click();
    void cmdClose_Click();

    void BuildControls();
    QWidget* AddPage(const char* name, const QString& tabText);
    // A control on a page, placed at `place` (pixels) from the tab control's top left.
    template <typename Control, typename... Arguments>
    Control* AddToPage(QWidget* page, const char* name, QRect place, Arguments&&... arguments);
    QPushButton* AddPageButton(QWidget* page, const char* name);
    void PlacePageControls();

    void AddBuiltStep(const scenario::StepBuild& built);
    void ReportUnusableField(const model::FieldProblem& problem);
    [[nodiscard]] std::optional<int> SelectedLine() const;
    [[nodiscard]] int SelectedLiquidIndex() const;
    void ShowMessage(const QString& text);

    DialogZoom m_zoom;
    scenario::Scenario& m_currentScenario;
    const model::ExperimentSettings& m_settings;
    FileNamePrompt m_fileNamePrompt;
    ui::MessageBoxFunction m_messageBox;
    QString m_fileFolder;
    std::vector<PagePlace> m_pagePlaces;

    QLineEdit* m_txtTTl = nullptr;
    QTabWidget* m_SSTabMenu = nullptr;
    QWidget* m_pageArea = nullptr;  // the tab control's holder of the pages
    QListWidget* m_listSinario = nullptr;
    SettingsFields m_fields{};  // the first page's settings controls
    QLineEdit* m_txtTemp = nullptr;
    QCheckBox* m_chkAddTemp = nullptr;
    QRadioButton* m_OptGrphOn = nullptr;
    QRadioButton* m_optGrphOff = nullptr;
    QComboBox* m_cmbBussitu = nullptr;
};

}  // namespace kemora::dialogs
