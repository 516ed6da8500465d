#pragma once

#include <QDialog>
#include <string>

#include "dialogs/settings_fields.h"
#include "dialogs/twips.h"
#include "model/settings.h"
#include "ui/message_box.h"

class QKeyEvent;
class QShowEvent;

namespace kemora::dialogs {

// The modal settings dialog "物質量": edits seven of the eight experiment settings (all but the
// temperature unit) and saves them to the settings file when closed with "閉じる". Owns its
// controls only; the settings record belongs to the caller and must outlive the dialog. Build
// it afresh for each opening: it fills its fields once, when it is first shown.
class frmSystem : public QDialog {
    Q_OBJECT
  public:
    // Shown at `zoom` times its designed size as far as it fits the screen (see DialogZoom).
    frmSystem(model::ExperimentSettings& settings, std::string configPath,
              QWidget* parent = nullptr, double zoom = 1.0);

    // Replaces the modal message box, so that tests can read the message instead.
    void setMessageBox(ui::MessageBoxFunction messageBox);

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Form_Load();
    void Form_Activate();
    void cmdDefault_Click();
    void cmdClose_Click();

    DialogZoom m_zoom;
    model::ExperimentSettings& m_settings;
    const std::string m_configPath;
    ui::MessageBoxFunction m_messageBox;
    bool m_filled = false;

    SettingsFields m_fields{};
};

}  // namespace kemora::dialogs
