#pragma once

#include <QMainWindow>
#include <QRect>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "config/language.h"
#include "config/settings_place.h"
#include "mainwindow/caption.h"
#include "mainwindow/main_state.h"
#include "mainwindow/main_view.h"
#include "ui/message_box.h"
#include "ui/zoom_layout.h"

class QAction;
class QComboBox;
class QLabel;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QShortcut;
class QTimer;

namespace kemora::mainwindow {
class MainWindowLogic;
}

namespace kemora::ui {

class frmCurve;
class ExportCommands;
class ImageButton;
class SurfaceWidget;
class UpDown;

// The program's main window: the cylinder with its lid, the graph box, the picture buttons,
// the volume and pressure fields, the liquid selector, the menus and the animation timer.
// Owns its controls and the logic that drives them; the shared state belongs to the caller
// and must outlive the window. Every control carries its name as objectName, and a name and
// description for screen readers. Its texts follow the interface language: a change of
// language words the window anew, state untouched.
// The window can be zoomed and shown full screen: everything in it is placed, sized and
// drawn in its logical pixels (800 × 559) times the zoom; the logic never sees the zoom.
class frmMain : public QMainWindow, private mainwindow::MainView {
    Q_OBJECT
  public:
    // Shows one of the program's modal dialogs over `owner` and returns once it has closed;
    // false when no dialog was shown.
    using ModalDialog = std::function<bool(QWidget& owner)>;

    // Where the settings file is read and saved, asked afresh before each use.
    using SettingsPlaceSource = std::function<config::SettingsPlace()>;

    // Runs Form_Load; the first display runs Form_Activate and starts the timer.
    frmMain(mainwindow::MainState& state, SettingsPlaceSource settingsPlace,
            QWidget* parent = nullptr);
    ~frmMain() override;

    // The dialogs behind the menu items; an item without one does nothing.
    void setSettingsDialog(ModalDialog dialog);  // menu_Init
    void setScenarioEditor(ModalDialog dialog);  // menu_Sinario
    void setVersionDialog(ModalDialog dialog);   // menu_ver

    // Replaces the warning box, so that tests can read the message instead.
    void setMessageBox(MessageBoxFunction messageBox);

    // The zoom shown, as device pixels per logical pixel (1 at 100 %); full screen shows the
    // largest zoom that fits the screen.
    [[nodiscard]] double zoomFactor() const;
    // Shows the window at `percent` (kept within the zoom range) while not full screen. The
    // window opens at the zoom chosen last from its menu, which the settings file keeps.
    void setZoom(int32_t percent);
    void setFullScreen(bool on);

  signals:
    // The zoom shown has changed, so that other windows can follow it.
    void zoomChanged(double factor);

  protected:
    // Sees every key of the window before the focused control does: the logic decides whether
    // playback or the volume's arrows take it.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The window manager's frame is known only once the window is on the screen; a zoom and
    // a place that fitted without it may no longer fit.
    void moveEvent(QMoveEvent* event) override;

  private:
    // A control of the volume and pressure readouts and where the design puts it.
    struct ReadoutPlace {
        QWidget* control;
        QRect place;         // logical pixels in the client area
        bool label = false;  // a caption label, which widens; the others move right
    };

    void createControls();
    void createMenus();
    void createPresentationItems(QMenu& view);
    void createLanguageMenu(QMenu& view);
    void createZoomMenu(QMenu& view);
    void showModal(const ModalDialog& dialog);
    // Opens the vapor-pressure window, or brings it to the front; no activation.
    void showCurveWindow();
    // Lets the vapor-pressure window follow a handler that may have changed the liquid or the
    // settings.
    void followExperiment();
    // Runs a handler of the logic, then lets the menus and the vapor-pressure window follow
    // what it changed.
    template <typename Handler>
    void handle(Handler handler);
    // A key release of the window's controls, for the logic.
    void keyReleased(int keyCode);
    // Ctrl+C copies the graph unless a field of this window has text selected to copy.
    [[nodiscard]] bool leavesCopyToTheGraph(const QObject* receiver, const QKeyEvent& key) const;
    // Gives every text of the window in the interface language.
    void retranslateUi();
    // Widens the readouts' caption labels for a language whose captions are longer than the
    // design's, moving the fields beside them to the right.
    void placeReadouts();
    void showCaption();
    void chooseLanguage(config::Language language);
    // The user's choice of zoom: shown and remembered in the settings file.
    void chooseZoom(int32_t percent);
    // Lays the window out, draws its images and redraws its picture boxes at the zoom that
    // the window state asks for; keeps the window's centre where it was, or its place as it
    // is.
    void showZoom(bool keepPlace = false);
    // The zoom to show now: the largest that fits the screen in full screen, else the chosen
    // one, or the largest that fits the screen's available area when the chosen one does not.
    [[nodiscard]] int32_t zoomToShow() const;
    // The background, lid, sprite and button images at `scale` device pixels per logical one.
    void drawImages(double scale, double devicePixelRatio);
    // Sizes the window around its client and puts it on its screen, keeping `centre`, or its
    // place as it is.
    void placeWindow(QPoint centre, bool keepPlace);
    [[nodiscard]] int32_t fullScreenZoom() const;
    [[nodiscard]] int32_t windowFitZoom() const;
    // The room that the window manager's frame takes around the window, both sides together.
    [[nodiscard]] QSize frameMargins() const;
    void showButtonImage(mainwindow::PictureButton button);
    // Names the controls for screen readers, in the interface language.
    void nameControls();
    void namePressureField();
    // Words the pictures' last described states.
    void describePictures();
    // Whether a key that `watched` receives is one of the window's controls' own, seen at its
    // first receiver; the menus' keys are theirs.
    [[nodiscard]] bool isControlKey(const QObject* watched) const;

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
    void describeCylinder(const mainwindow::LayerSplit& layers) override;
    void describeGraph(const mainwindow::GraphReading& reading) override;

    const mainwindow::MainState& m_state;
    std::unique_ptr<mainwindow::MainWindowLogic> m_logic;
    ExportCommands* m_export = nullptr;
    QAction* m_menuSaveCsv = nullptr;
    SettingsPlaceSource m_settingsPlace;
    ModalDialog m_settingsDialog;
    ModalDialog m_scenarioEditor;
    ModalDialog m_versionDialog;
    MessageBoxFunction m_messageBox;
    bool m_activated = false;  // the first display has run Form_Activate
    mainwindow::Caption m_caption;
    mainwindow::LayerSplit m_cylinderLayers;
    mainwindow::GraphReading m_graphReading;
    std::vector<ReadoutPlace> m_readoutPlaces;

    QMenu* m_menuFile = nullptr;
    QAction* m_menuInit = nullptr;
    QAction* m_menuSinario = nullptr;
    QAction* m_menuEnd = nullptr;
    QAction* m_menuSaveImage = nullptr;
    QAction* m_menuPrint = nullptr;
    QMenu* m_menuEdit = nullptr;
    QAction* m_menuCopyGraph = nullptr;
    QAction* m_menuCopyWindow = nullptr;
    QMenu* m_menuView = nullptr;
    QAction* m_menuCurve = nullptr;
    QAction* m_menuScenarioMode = nullptr;
    QAction* m_menuGraphVisible = nullptr;
    QAction* m_menuGraphClear = nullptr;
    QAction* m_menuPause = nullptr;
    QAction* m_menuReset = nullptr;
    QAction* m_menuLangJa = nullptr;
    QAction* m_menuLangEn = nullptr;
    QMenu* m_menuHelp = nullptr;
    QAction* m_menuSearch = nullptr;
    QAction* m_menuVer = nullptr;

    ZoomLayout m_layout;
    int32_t m_zoom;       // percent, the zoom of the window when not full screen
    int32_t m_shownZoom;  // percent, the zoom shown now
    bool m_fullScreenShown = false;
    QRect m_placeBeforeFullScreen;            // geometry(), to come back to
    QSize m_placedFrame;                      // the frameMargins() the window was last placed with
    std::set<int> m_playbackPressed;          // playback keys pressed here and not yet released
    std::array<bool, 3> m_buttonLit{};        // by mainwindow::PictureButton
    std::map<int32_t, QAction*> m_zoomSteps;  // by percent
    QAction* m_zoomIn = nullptr;
    QAction* m_zoomOut = nullptr;
    QAction* m_zoomFit = nullptr;
    QAction* m_fullScreen = nullptr;
    QShortcut* m_leaveFullScreen = nullptr;

    QLabel* m_client = nullptr;
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
    frmCurve* m_frmCurve = nullptr;  // made at its first opening
};

}  // namespace kemora::ui
