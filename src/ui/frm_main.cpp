#include "ui/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>

#include "config/file_io.h"
#include "config/settings_ini.h"
#include "config/settings_place.h"
#include "config/view_settings.h"
#include "mainwindow/main_window_logic.h"
#include "mainwindow/molecule_field.h"
#include "mainwindow/panel_sizes.h"
#include "mainwindow/up_down_value.h"
#include "mainwindow/zoom.h"
#include "ui/application_setup.h"
#include "ui/export_commands.h"
#include "ui/frm_curve.h"
#include "ui/image_button.h"
#include "ui/language.h"
#include "ui/liquid_names.h"
#include "ui/polite_announcement.h"
#include "ui/surface_widget.h"
#include "ui/up_down.h"
#include "ui/utf8_text.h"

namespace kemora::ui {
namespace {

constexpr int kLidLeft = 33;
constexpr int kCylinderLeft = 38;
constexpr int kCylinderTop = 19;
constexpr int kGraphBoxLeft = 446;
constexpr int kGraphBoxTop = 64;
// The room the readouts' captions leave their text before the field beside them, a gap included.
constexpr int kCaptionRoom = 56;
// Qt keeps widget positions in a narrower range than the logic's lid; a lid this far off is
// out of sight either way.
constexpr int kLidHighest = -1000;
constexpr int kLidLowest = 2000;

constexpr int kLargeText = 27;   // pixels, 20.25 points at 96 dots per inch
constexpr int kMediumText = 19;  // pixels, 14.25 points

const QColor kRed(255, 0, 0);
const QColor kShadow(128, 128, 128);
const QColor kPressureBackground(255, 255, 192);
const QColor kLiquidText(0, 64, 0);

void Place(ZoomLayout& layout, QWidget* widget, const char* name, QRect place) {
    widget->setObjectName(QString::fromLatin1(name));
    layout.place(widget, place);
}

void SetColor(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

// A transparent label over the background image, its text at the top left as designed.
QLabel* MakeLabel(ZoomLayout& layout, QWidget* parent, const char* name, QRect place,
                  const QColor& color, bool bold) {
    auto* label = new QLabel(parent);
    Place(layout, label, name, place);
    layout.setFont(label, FormFont(kLargeText, bold));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetColor(label, QPalette::WindowText, color);
    return label;
}

// A hidden picture box that only holds an image for another one.
QLabel* MakeImageHolder(QWidget* parent, const char* name) {
    auto* holder = new QLabel(parent);
    holder->setObjectName(QString::fromLatin1(name));
    holder->hide();
    return holder;
}

ImageButton* MakePictureButton(ZoomLayout& layout, QWidget* parent, const char* name, int left) {
    auto* button = new ImageButton(parent);
    Place(layout, button, name, QRect(left, 8, 81, 47));
    return button;
}

}  // namespace

frmMain::frmMain(mainwindow::MainState& state, SettingsPlaceSource settingsPlace, QWidget* parent)
    : QMainWindow(parent),
      m_state(state),
      m_settingsPlace(std::move(settingsPlace)),
      m_messageBox(ShowWarningMessage),
      // The zoom chosen last; one the window does not offer means the normal zoom.
      m_zoom(mainwindow::ZoomOrNormal(
          config::LoadZoom(m_settingsPlace().readPath).value_or(mainwindow::kNormalZoom))),
      m_shownZoom(m_zoom) {
    setObjectName(QStringLiteral("frmMain"));
    // Fixed border with a close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    createControls();
    createMenus();
    retranslateUi();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    showZoom();

    mainwindow::MainView& view = *this;
    m_logic = std::make_unique<mainwindow::MainWindowLogic>(
        state, view,
        [this] {
            return config::ReadFileBytes(m_settingsPlace().readPath).value_or(std::string());
        },
        mainwindow::SystemTimeOfDay);
    using Logic = mainwindow::MainWindowLogic;
    connect(m_txtValue, &QLineEdit::textChanged, this, [this] { handle(&Logic::txtValue_Change); });
    connect(m_timer1, &QTimer::timeout, this, [this] { handle(&Logic::Timer1_Timer); });
    connect(m_picSinario, &ImageButton::clicked, this,
            [this] { handle(&Logic::picSinario_Click); });
    connect(m_picGrphSw, &ImageButton::clicked, this, [this] { handle(&Logic::picGrphSw_Click); });
    connect(m_picGrphCls, &ImageButton::clicked, this,
            [this] { handle(&Logic::picGrphCls_Click); });
    // Each item does exactly what its button does; the check marks follow the buttons' state.
    connect(m_menuScenarioMode, &QAction::triggered, this,
            [this] { handle(&Logic::picSinario_Click); });
    connect(m_menuGraphVisible, &QAction::triggered, this,
            [this] { handle(&Logic::picGrphSw_Click); });
    connect(m_menuGraphClear, &QAction::triggered, this,
            [this] { handle(&Logic::picGrphCls_Click); });
    connect(m_menuPause, &QAction::triggered, this, [this](bool paused) {
        handle([paused](Logic& logic) { logic.SetAnimationPaused(paused); });
    });
    connect(m_menuReset, &QAction::triggered, this, [this] { handle(&Logic::menu_reset_Click); });
    qApp->installEventFilter(this);

    handle(&Logic::Form_Load);
}

template <typename Handler>
void frmMain::handle(Handler handler) {
    std::invoke(handler, *m_logic);
    m_menuSaveCsv->setEnabled(!m_state.graph.plottedStates.empty());
    followExperiment();
}

void frmMain::keyReleased(int keyCode) {
    handle([keyCode](mainwindow::MainWindowLogic& logic) { logic.Form_KeyUp(keyCode); });
}

frmMain::~frmMain() {
    // The controls outlive the logic by a moment: let nothing reach it from here on.
    m_timer1->stop();
    qApp->removeEventFilter(this);
    m_txtValue->disconnect(this);
}

void frmMain::createControls() {
    m_client = new QLabel(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCentralWidget(m_client);
    QWidget* client = m_client;

    // Children are stacked in the order made: the lid lies over the cylinder, each shadow
    // label under its red label.
    using namespace mainwindow;
    m_picBack = new SurfaceWidget(QSize(kCylinderWidth, kCylinderHeight), Qt::black, client);
    Place(m_layout, m_picBack, "picBack",
          QRect(kCylinderLeft, kCylinderTop, kCylinderWidth, kCylinderHeight));

    m_picTenjyou = new QLabel(client);
    Place(m_layout, m_picTenjyou, "picTenjyou", QRect(kLidLeft, kLidAtZero, kLidWidth, kLidHeight));
    m_picTenjyou->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_picGrph = new SurfaceWidget(QSize(kGraphBoxWidth, kGraphBoxHeight), Qt::white, client);
    Place(m_layout, m_picGrph, "picGrph",
          QRect(kGraphBoxLeft, kGraphBoxTop, kGraphBoxWidth, kGraphBoxHeight));
    m_picGrph->setTextFont(GraphLabelFont());

    m_picSp = MakeImageHolder(client, "picSp");
    m_picSinarioOn = MakeImageHolder(client, "picSinarioOn");
    m_picSinarioOff = MakeImageHolder(client, "picSinarioOff");
    m_picGrphSwOn = MakeImageHolder(client, "picGrphSwOn");
    m_picGrphSwOff = MakeImageHolder(client, "picGrphSwOff");
    m_picGrphClsOn = MakeImageHolder(client, "picGrphClsOn");
    m_picGrphClsOff = MakeImageHolder(client, "picGrphClsOff");

    m_picSinario = MakePictureButton(m_layout, client, "picSinario", 464);
    m_picGrphSw = MakePictureButton(m_layout, client, "picGrphSw", 560);
    m_picGrphCls = MakePictureButton(m_layout, client, "picGrphCls", 656);
    m_buttonLit[static_cast<std::size_t>(PictureButton::GrphSw)] = true;

    m_picSinario->setCheckable(true);
    m_picGrphSw->setCheckable(true);
    m_picGrphSw->setChecked(true);

    m_volumeCaptions[1] =
        MakeLabel(m_layout, client, "Label1_1", QRect(477, 430, 65, 33), kShadow, true);
    m_volumeCaptions[0] =
        MakeLabel(m_layout, client, "Label1_0", QRect(475, 428, 65, 41), kRed, true);
    m_pressureCaptions[1] =
        MakeLabel(m_layout, client, "Label1_3", QRect(478, 480, 65, 33), kShadow, true);
    m_pressureCaptions[0] =
        MakeLabel(m_layout, client, "Label1_2", QRect(476, 479, 65, 41), kRed, true);

    m_txtValue = new QLineEdit(QStringLiteral("0"), client);
    Place(m_layout, m_txtValue, "txtValue", QRect(539, 428, 68, 36));
    m_layout.setFont(m_txtValue, FormFont(kLargeText, true));

    m_upDownOndo = new UpDown(client);
    m_upDownOndo->setSingleStep(mainwindow::kVolumeStep);
    m_upDownOndo->setMinimum(mainwindow::kVolumeMinimum);
    m_upDownOndo->setMaximum(mainwindow::kVolumeStartMaximum);
    m_upDownOndo->setBuddy(m_txtValue);
    Place(m_layout, m_upDownOndo, "UpDownOndo", QRect(607, 428, 16, 36));

    m_lblTmp = MakeLabel(m_layout, client, "lblTmp", QRect(624, 432, 89, 25), Qt::black, false);

    // Written by the program only: a pressure typed here would mean nothing.
    m_txtAturyoku = new QLineEdit(QStringLiteral("0"), client);
    Place(m_layout, m_txtAturyoku, "txtAturyoku", QRect(540, 475, 103, 36));
    m_layout.setFont(m_txtAturyoku, FormFont(kLargeText, true));
    m_txtAturyoku->setReadOnly(true);
    SetColor(m_txtAturyoku, QPalette::Base, kPressureBackground);

    m_lblPress = MakeLabel(m_layout, client, "lblPress", QRect(648, 480, 97, 33), Qt::black, false);
    m_lblPress->setText(QStringLiteral("mmHg"));

    for (QLabel* label :
         {m_volumeCaptions[0], m_volumeCaptions[1], m_pressureCaptions[0], m_pressureCaptions[1]})
        m_readoutPlaces.push_back({label, m_layout.logicalPlace(label), true});
    for (QWidget* control : std::initializer_list<QWidget*>{m_txtValue, m_upDownOndo, m_lblTmp,
                                                            m_txtAturyoku, m_lblPress})
        m_readoutPlaces.push_back({control, m_layout.logicalPlace(control), false});

    m_cmbLiquid = new QComboBox(client);
    Place(m_layout, m_cmbLiquid, "cmbLiquid", QRect(40, 500, 173, 27));
    m_cmbLiquid->addItems(LiquidNames());
    m_layout.setFont(m_cmbLiquid, FormFont(kMediumText, true));
    QPalette liquidPalette = m_cmbLiquid->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        liquidPalette.setColor(role, kLiquidText);
    liquidPalette.setColor(QPalette::Base, Qt::white);
    liquidPalette.setColor(QPalette::Button, Qt::white);
    m_cmbLiquid->setPalette(liquidPalette);

    QWidget* const tabOrder[] = {m_txtValue,   m_txtAturyoku, m_cmbLiquid,
                                 m_picSinario, m_picGrphSw,   m_picGrphCls};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
    m_txtValue->setFocus();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(mainwindow::kTimerInterval);
}

void frmMain::retranslateUi() {
    m_menuFile->setTitle(tr("ファイル(&F)"));
    m_menuInit->setText(tr("初期設定(&I)"));
    m_menuSinario->setText(tr("シナリオ設定(&S)"));
    m_menuSaveCsv->setText(tr("データをCSVで保存(&D)…"));
    m_menuSaveImage->setText(tr("画像として保存(&G)…"));
    m_menuPrint->setText(tr("印刷(&P)…"));
    m_menuEnd->setText(tr("終了(&X)"));
    m_menuEdit->setTitle(tr("編集(&E)"));
    m_menuCopyGraph->setText(tr("グラフをコピー(&C)"));
    m_menuCopyWindow->setText(tr("ウィンドウをコピー"));
    m_menuView->setTitle(tr("表示(&V)"));
    m_menuCurve->setText(tr("蒸気圧曲線(&T)"));
    m_menuScenarioMode->setText(tr("シナリオモード(&S)"));
    m_menuGraphVisible->setText(tr("グラフを表示(&G)"));
    m_menuGraphClear->setText(tr("グラフを消去(&C)"));
    m_menuPause->setText(tr("アニメーションを一時停止(&P)"));
    m_menuReset->setText(tr("実験をリセット(&R)"));
    m_menuHelp->setTitle(tr("ヘルプ(&H)"));
    m_menuSearch->setText(tr("検索(&H)"));
    m_menuVer->setText(tr("バージョン情報(&A)"));
    m_zoomIn->setText(tr("拡大(&I)"));
    m_zoomOut->setText(tr("縮小(&O)"));
    for (const auto& [percent, step] : m_zoomSteps) step->setText(tr("%1%").arg(percent));
    m_zoomFit->setText(tr("画面に合わせる"));
    m_fullScreen->setText(tr("全画面表示"));
    const bool english = CurrentLanguage() == config::Language::English;
    m_menuLangJa->setChecked(!english);
    m_menuLangEn->setChecked(english);

    m_picSinario->setToolTip(tr("シナリオ実行"));
    m_picGrphSw->setToolTip(tr("グラフ表示・非表示切替"));
    m_picGrphCls->setToolTip(tr("表示されているグラフの消去"));
    for (QLabel* label : m_volumeCaptions) label->setText(tr("容量"));
    for (QLabel* label : m_pressureCaptions) label->setText(tr("圧力"));
    m_lblTmp->setText(tr("リットル"));
    const QStringList liquids = LiquidNames();
    for (int i = 0; i < liquids.size() && i < m_cmbLiquid->count(); ++i)
        m_cmbLiquid->setItemText(i, liquids[i]);

    nameControls();
    describePictures();
    placeReadouts();
    showCaption();
}

void frmMain::placeReadouts() {
    const QFontMetrics metrics(FormFont(kLargeText, true));
    const int widest = std::max(metrics.horizontalAdvance(m_volumeCaptions[0]->text()),
                                metrics.horizontalAdvance(m_pressureCaptions[0]->text()));
    const int shift = std::max(0, widest - kCaptionRoom);
    for (const ReadoutPlace& readout : m_readoutPlaces) {
        m_layout.place(readout.control, readout.label ? readout.place.adjusted(0, 0, shift, 0)
                                                      : readout.place.translated(shift, 0));
    }
}

void frmMain::showCaption() {
    QString text = tr("蒸気圧曲線　-　%1").arg(FromUtf8(m_caption.title));
    if (m_caption.step)
        text += QStringLiteral("[%1]").arg(*m_caption.step);
    setWindowTitle(text);
}

void frmMain::chooseLanguage(config::Language language) {
    if (!ApplyLanguage(language)) {
        retranslateUi();  // checks the language that stays
        return;
    }
    const config::SettingsPlace place = m_settingsPlace();
    if (!config::SaveSettingsChoice(place, [language](std::string_view content) {
            return config::ViewSettingsIntoIni(content, {language});
        })) {
        m_messageBox(this,
                     tr("言語の設定を保存できませんでした。") + "\n" + FromUtf8(place.savePath),
                     windowTitle());
    }
}

void frmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QMainWindow::changeEvent(event);
}

void frmMain::setSettingsDialog(ModalDialog dialog) {
    m_settingsDialog = std::move(dialog);
}

void frmMain::setScenarioEditor(ModalDialog dialog) {
    m_scenarioEditor = std::move(dialog);
}

void frmMain::setVersionDialog(ModalDialog dialog) {
    m_versionDialog = std::move(dialog);
}

void frmMain::setMessageBox(MessageBoxFunction messageBox) {
    m_messageBox = messageBox;
    m_export->setMessageBox(std::move(messageBox));
}

void frmMain::showModal(const ModalDialog& dialog) {
    // Coming back from one of the program's own dialogs is an activation; coming back from
    // another program is not, so QEvent::WindowActivate is no sign of one.
    if (dialog && dialog(*this))
        handle(&mainwindow::MainWindowLogic::Form_Activate);
}

bool frmMain::leavesCopyToTheGraph(const QObject* receiver, const QKeyEvent& key) const {
    const auto* field = qobject_cast<const QLineEdit*>(receiver);
    return field != nullptr && field->window() == this && !field->hasSelectedText() &&
           key.matches(QKeySequence::Copy);
}

void frmMain::showCurveWindow() {
    if (m_frmCurve == nullptr) {
        m_frmCurve = new frmCurve(m_state.experiment, this);
        m_frmCurve->setZoom(zoomFactor());
        connect(this, &frmMain::zoomChanged, m_frmCurve, &frmCurve::setZoom);
    }
    m_frmCurve->show();
    m_frmCurve->raise();
    m_frmCurve->activateWindow();
}

void frmMain::followExperiment() {
    if (m_frmCurve != nullptr)
        m_frmCurve->followExperiment();
}

void frmMain::showButtonImage(mainwindow::PictureButton button) {
    const bool lit = m_buttonLit[static_cast<std::size_t>(button)];
    switch (button) {
        case mainwindow::PictureButton::Sinario:
            m_picSinario->setImage((lit ? m_picSinarioOn : m_picSinarioOff)->pixmap());
            break;
        case mainwindow::PictureButton::GrphSw:
            m_picGrphSw->setImage((lit ? m_picGrphSwOn : m_picGrphSwOff)->pixmap());
            break;
        case mainwindow::PictureButton::GrphCls:
            m_picGrphCls->setImage((lit ? m_picGrphClsOn : m_picGrphClsOff)->pixmap());
            break;
    }
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    // On another screen the device pixel ratio may differ: the images are drawn anew for it.
    if (QWindow* window = windowHandle())
        connect(window, &QWindow::screenChanged, this, [this] { showZoom(); });
    handle(&mainwindow::MainWindowLogic::Form_Activate);
    m_timer1->start();
}

std::string frmMain::volumeText() const {
    return m_txtValue->text().toStdString();
}

void frmMain::setVolumeText(std::string_view text) {
    // The logic runs the volume handler itself where it sets the text; the field's change
    // signal is the user's alone.
    const QSignalBlocker quiet(m_txtValue);
    m_txtValue->setText(FromUtf8(text));
}

void frmMain::setPressureText(std::string_view text) {
    // Every new pressure is announced to screen readers, whichever control has the focus; the
    // same pressure again is no news.
    const QString pressure = FromUtf8(text);
    if (m_txtAturyoku->text() == pressure)
        return;
    m_txtAturyoku->setText(pressure);
    AnnouncePolitely(*m_txtAturyoku, pressure + QLatin1Char(' ') + m_lblPress->text());
}

void frmMain::setLidTop(int32_t top) {
    m_layout.place(m_picTenjyou, QRect(kLidLeft, std::clamp(top, kLidHighest, kLidLowest),
                                       mainwindow::kLidWidth, mainwindow::kLidHeight));
}

void frmMain::setUnitLabel(std::string_view text) {
    m_lblPress->setText(FromUtf8(text));
    namePressureField();
}

void frmMain::setVolumeMaximum(int32_t maximum) {
    m_upDownOndo->setMaximum(maximum);
}

int32_t frmMain::liquidIndex() const {
    return m_cmbLiquid->currentIndex();
}

void frmMain::setLiquidIndex(int32_t index) {
    m_cmbLiquid->setCurrentIndex(index);
}

void frmMain::setCaption(const mainwindow::Caption& caption) {
    m_caption = caption;
    showCaption();
}

void frmMain::setButtonLit(mainwindow::PictureButton button, bool lit) {
    m_buttonLit[static_cast<std::size_t>(button)] = lit;
    showButtonImage(button);
    switch (button) {
        case mainwindow::PictureButton::Sinario:
            m_picSinario->setChecked(lit);
            m_menuScenarioMode->setChecked(lit);
            break;
        case mainwindow::PictureButton::GrphSw:
            m_picGrphSw->setChecked(lit);
            m_menuGraphVisible->setChecked(lit);
            break;
        case mainwindow::PictureButton::GrphCls:
            break;
    }
}

void frmMain::repaintWindow() {
    repaint();
}

mainwindow::Surface& frmMain::cylinder() {
    return *m_picBack;
}

mainwindow::Surface& frmMain::graphBox() {
    return *m_picGrph;
}

}  // namespace kemora::ui
