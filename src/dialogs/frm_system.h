#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

#include "dialogs/message_box.h"
#include "dialogs/settings_fields.h"
#include "dialogs/twips.h"
#include "model/settings.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
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
    void setMessageBox(MessageBoxFunction messageBox);

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Form_Load();
    void Form_Activate();
    void cmdDefault_Click();
    void cmdClose_Click();

    // Tells the user what is wrong with `control` and puts the focus there.
    void refuseField(QWidget& control, const QString& text);
    // The field's whole number or double; nullopt after telling the user why there is none.
    std::optional<int32_t> wholeNumberIn(QLineEdit& field, const QString& name);
    std::optional<double> numberIn(QLineEdit& field, const QString& name);

    DialogZoom m_zoom;
    model::ExperimentSettings& m_settings;
    const std::string m_configPath;
    MessageBoxFunction m_messageBox;
    bool m_filled = false;

    SettingsFields m_fields{};
};

}  // namespace kemora::dialogs
