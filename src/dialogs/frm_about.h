#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

#include "dialogs/system_info.h"
#include "dialogs/twips.h"
#include "ui/message_box.h"

class QKeyEvent;
class QLabel;
class QPushButton;

namespace kemora::dialogs {

// Starts a program detached from this one; its end is not watched. On a Linux desktop the new
// window opens normally and takes the focus by itself.
class ProcessLauncher final : public Launcher {
  public:
    [[nodiscard]] bool start(const std::string& program) override;
};

// The modal version dialog: the application's title and version, and a button that starts the
// system-information tool. Owns its controls only; the registry and the launcher belong to the
// caller and must outlive the dialog.
class frmAbout : public QDialog {
    Q_OBJECT
  public:
    // Shown at `zoom` times its designed size as far as it fits the screen (see DialogZoom).
    frmAbout(Registry& registry, Launcher& launcher, QWidget* parent = nullptr, double zoom = 1.0);

    // Replaces the modal message box, so that tests can read the message instead.
    void setMessageBox(ui::MessageBoxFunction messageBox);

    void StartSysInfo();
    [[nodiscard]] bool GetKeyValue(uint32_t keyRoot, std::string_view keyName,
                                   std::string_view subKeyRef, std::string& keyVal);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    DialogZoom m_zoom;
    Registry& m_registry;
    Launcher& m_launcher;
    ui::MessageBoxFunction m_messageBox;
    QLabel* m_lblTitle = nullptr;
    QLabel* m_lblVersion = nullptr;
    QPushButton* m_cmdOK = nullptr;
};

}  // namespace kemora::dialogs
