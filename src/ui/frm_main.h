#pragma once

#include <QMainWindow>
#include <QRect>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/language.h"
#include "mainwindow/caption.h"
#include "mainwindow/main_state.h"
#include "mainwindow/main_view.h"
#include "ui/message_box.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;

namespace kemora::mainwindow {
class MainWindowLogic;
}

namespace kemora::ui {

class ImageButton;
class SurfaceWidget;
class UpDown;

// The program's main window: the cylinder with its lid, the graph box, the picture buttons,
// the volume and pressure fields, the liquid selector, the menus and the animation timer.
// Owns its controls and the logic that drives them; the shared state belongs to the caller
// and must outlive the window. Every control carries its name as objectName. Its texts follow
// the interface language: a change of language words the window anew, state untouched.
class frmMain : public QMainWindow, private mainwindow::MainView {
    Q_OBJECT
  public:
    // Shows one of the program's modal dialogs over `owner` and returns once it has closed;
    // false when no dialog was shown.
    using ModalDialog = std::function<bool(QWidget& owner)>;

    // `configPath` is the settings file read at every activation. Runs Form_Load; the first
    // display runs Form_Activate and starts the timer.
    frmMain(mainwindow::MainState& state, std::string configPath, QWidget* parent = nullptr);
    ~frmMain() override;

    // The dialogs behind the menu items; an item without one does nothing.
    void setSettingsDialog(ModalDialog dialog);  // menu_Init
    void setScenarioEditor(ModalDialog dialog);  // menu_Sinario
    void setVersionDialog(ModalDialog dialog);   // menu_ver

    // Replaces the warning box, so that tests can read the message instead.
    void setMessageBox(MessageBoxFunction messageBox);

  protected:
    // Sees every key release of the window before the focused control does.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // A control of the volume and pressure readouts and where the design puts it.
    struct ReadoutPlace {
        QWidget* control;
        QRect place;         // pixels in the client area
        bool label = false;  // a caption label, which widens; the others move right
    };

    void createControls();
    void createMenus();
    void createLanguageMenu(QMenu& view);
    void showModal(const ModalDialog& dialog);
    // Gives every text of the window in the interface language.
    void retranslateUi();
    // Widens the readouts' caption labels for a language whose captions are longer than the
    // design's, moving the fields beside them to the right.
    void placeReadouts();
    void showCaption();
    void chooseLanguage(config::Language language);

    // MainView
    [[nodiscard]] std::string volumeText() const override;
    void setVolumeText(std::string_view text) override;
    void setPressureText(std::string_view text) override;
    void setLidTop(int32_t top) override;
    void setUnitLabel(std::string_view text) override;
    void setVolumeMaximum(int32_t maximum) override;
    [[nodiscard]] int32_t liquidIndex() const override;
    void setLiquidIndex(int32_t index) override;
    void setCaption(const mainwindow::Caption& caption) override;
    void setButtonLit(mainwindow::PictureButton button, bool lit) override;
    void repaintWindow() override;
    [[nodiscard]] mainwindow::Surface& cylinder() override;
    [[nodiscard]] mainwindow::Surface& graphBox() override;

    std::unique_ptr<mainwindow::MainWindowLogic> m_logic;
    const std::string m_configPath;
    ModalDialog m_settingsDialog;
    ModalDialog m_scenarioEditor;
    ModalDialog m_versionDialog;
    MessageBoxFunction m_messageBox;
    bool m_activated = false;  // the first display has run Form_Activate
    mainwindow::Caption m_caption;
    std::vector<ReadoutPlace> m_readoutPlaces;

    QMenu* m_menuFile = nullptr;
    QAction* m_menuInit = nullptr;
    QAction* m_menuSinario = nullptr;
    QAction* m_menuEnd = nullptr;
    QMenu* m_menuView = nullptr;
    QAction* m_menuLangJa = nullptr;
    QAction* m_menuLangEn = nullptr;
    QMenu* m_menuHelp = nullptr;
    QAction* m_menuSearch = nullptr;
    QAction* m_menuVer = nullptr;

    QLabel* m_picTenjyou = nullptr;
    SurfaceWidget* m_picBack = nullptr;
    SurfaceWidget* m_picGrph = nullptr;
    QLabel* m_picSp = nullptr;
    ImageButton* m_picSinario = nullptr;
    ImageButton* m_picGrphSw = nullptr;
    ImageButton* m_picGrphCls = nullptr;
    QLabel* m_picSinarioOn = nullptr;
    QLabel* m_picSinarioOff = nullptr;
    QLabel* m_picGrphSwOn = nullptr;
    QLabel* m_picGrphSwOff = nullptr;
    QLabel* m_picGrphClsOn = nullptr;
    QLabel* m_picGrphClsOff = nullptr;
    std::array<QLabel*, 2> m_volumeCaptions{};    // Label1_0 and its shadow Label1_1
    std::array<QLabel*, 2> m_pressureCaptions{};  // Label1_2 and its shadow Label1_3
    QLabel* m_lblTmp = nullptr;
    QLineEdit* m_txtValue = nullptr;
    UpDown* m_upDownOndo = nullptr;
    QLineEdit* m_txtAturyoku = nullptr;
    QLabel* m_lblPress = nullptr;
    QComboBox* m_cmbLiquid = nullptr;
    QTimer* m_timer1 = nullptr;
};

}  // namespace kemora::ui
