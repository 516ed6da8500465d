#include "ui/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

#include "mainwindow/main_window_logic.h"
#include "ui/application_setup.h"
#include "ui/artwork.h"
#include "ui/export_commands.h"
#include "ui/image_button.h"
#include "ui/surface_widget.h"
#include "ui/up_down.h"
#include "ui/utf8_text.h"

namespace kemora::ui {
namespace {

constexpr int kClientWidth = 800;
constexpr int kClientHeight = 559;
constexpr int kLidLeft = 33;
// Qt keeps widget positions in a narrower range than the logic's lid; a lid this far off is
// out of sight either way.
constexpr int kLidHighest = -1000;
constexpr int kLidLowest = 2000;
// Close to the finest step of a desktop timer, which the animation's pace is counted in.
constexpr int kTimerIntervalMs = 16;

constexpr int kLargeText = 27;   // pixels, 20.25 points at 96 dots per inch
constexpr int kMediumText = 19;  // pixels, 14.25 points

const QColor kRed(255, 0, 0);
const QColor kShadow(128, 128, 128);
const QColor kPressureBackground(255, 255, 192);
const QColor kLiquidText(0, 64, 0);

// Seconds since midnight, the seed of the molecules' velocities.
float TimeOfDay() {
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

// The code of a playback key, as the logic counts keys; other keys play no part.
std::optional<int> PlaybackKeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Down:
            return mainwindow::kKeyDown;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return mainwindow::kKeyEnter;
        case Qt::Key_Space:
            return mainwindow::kKeySpace;
        default:
            return std::nullopt;
    }
}

void Place(QWidget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
}

void SetColor(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

// A transparent label over the background image, its text at the top left as designed.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect place,
                  const QColor& color, bool bold) {
    auto* label = new QLabel(text, parent);
    Place(label, name, place.x(), place.y(), place.width(), place.height());
    label->setFont(FormFont(kLargeText, bold));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetColor(label, QPalette::WindowText, color);
    return label;
}

// A hidden picture box that only holds an image for another one.
QLabel* MakeImageHolder(QWidget* parent, const char* name, const QImage& image) {
    auto* holder = new QLabel(parent);
    holder->setObjectName(QString::fromLatin1(name));
    holder->setPixmap(QPixmap::fromImage(image));
    holder->resize(image.size());
    holder->hide();
    return holder;
}

ImageButton* MakePictureButton(QWidget* parent, const char* name, int left,
                               const QString& toolTip) {
    auto* button = new ImageButton(parent);
    Place(button, name, left, 8, 81, 47);
    button->setToolTip(toolTip);
    return button;
}

}  // namespace

frmMain::frmMain(mainwindow::MainState& state, std::string configPath, QWidget* parent)
    : QMainWindow(parent), m_state(state) {
    setObjectName(QStringLiteral("frmMain"));
    // Fixed border with a close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    createControls();
    createMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    mainwindow::MainView& view = *this;
    m_logic = std::make_unique<mainwindow::MainWindowLogic>(state, view, std::move(configPath),
                                                            TimeOfDay);
    using Logic = mainwindow::MainWindowLogic;
    connect(m_txtValue, &QLineEdit::textChanged, this, [this] { handle(&Logic::txtValue_Change); });
    connect(m_timer1, &QTimer::timeout, this, [this] { handle(&Logic::Timer1_Timer); });
    connect(m_picSinario, &ImageButton::clicked, this,
            [this] { handle(&Logic::picSinario_Click); });
    connect(m_picGrphSw, &ImageButton::clicked, this, [this] { handle(&Logic::picGrphSw_Click); });
    connect(m_picGrphCls, &ImageButton::clicked, this,
            [this] { handle(&Logic::picGrphCls_Click); });
    qApp->installEventFilter(this);

    handle(&Logic::Form_Load);
}

template <typename Handler>
void frmMain::handle(Handler handler) {
    std::invoke(handler, *m_logic);
    m_saveCsv->setEnabled(!m_state.graph.plottedStates.empty());
}

frmMain::~frmMain() {
    // The controls outlive the logic by a moment: let nothing reach it from here on.
    m_timer1->stop();
    qApp->removeEventFilter(this);
    m_txtValue->disconnect(this);
}

void frmMain::createControls() {
    auto* client = new QLabel(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    client->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    client->setPixmap(QPixmap::fromImage(BackgroundImage()));
    setCentralWidget(client);

    // Children are stacked in the order made: the lid lies over the cylinder, each shadow
    // label under its red label.
    m_picBack = new SurfaceWidget(QSize(371, 457), Qt::black, client);
    Place(m_picBack, "picBack", 38, 19, 371, 457);

    m_picTenjyou = new QLabel(client);
    Place(m_picTenjyou, "picTenjyou", kLidLeft, 250, 377, 14);
    m_picTenjyou->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picTenjyou->setPixmap(QPixmap::fromImage(LidImage()));

    m_picGrph = new SurfaceWidget(QSize(315, 334), Qt::white, client);
    Place(m_picGrph, "picGrph", 446, 64, 315, 334);
    m_picGrph->setTextFont(GraphLabelFont());

    m_picSp = MakeImageHolder(client, "picSp", MoleculeSprite());
    m_picBack->setSpriteSource(m_picSp->pixmap().toImage());

    m_picSinarioOn = MakeImageHolder(client, "picSinarioOn", ButtonPicture(ButtonImage::SinarioOn));
    m_picSinarioOff =
        MakeImageHolder(client, "picSinarioOff", ButtonPicture(ButtonImage::SinarioOff));
    m_picGrphSwOn = MakeImageHolder(client, "picGrphSwOn", ButtonPicture(ButtonImage::GrphSwOn));
    m_picGrphSwOff = MakeImageHolder(client, "picGrphSwOff", ButtonPicture(ButtonImage::GrphSwOff));
    m_picGrphClsOn = MakeImageHolder(client, "picGrphClsOn", ButtonPicture(ButtonImage::GrphClsOn));
    m_picGrphClsOff =
        MakeImageHolder(client, "picGrphClsOff", ButtonPicture(ButtonImage::GrphClsOff));

    m_picSinario = MakePictureButton(client, "picSinario", 464, QStringLiteral("シナリオ実行"));
    m_picSinario->setImage(m_picSinarioOff->pixmap());
    m_picGrphSw =
        MakePictureButton(client, "picGrphSw", 560, QStringLiteral("グラフ表示・非表示切替"));
    m_picGrphSw->setImage(m_picGrphSwOn->pixmap());
    m_picGrphCls =
        MakePictureButton(client, "picGrphCls", 656, QStringLiteral("表示されているグラフの消去"));
    m_picGrphCls->setImage(m_picGrphClsOff->pixmap());

    const QString volumeCaption = QStringLiteral("容量");
    const QString pressureCaption = QStringLiteral("圧力");
    MakeLabel(client, "Label1_1", volumeCaption, QRect(477, 430, 65, 33), kShadow, true);
    MakeLabel(client, "Label1_0", volumeCaption, QRect(475, 428, 65, 41), kRed, true);
    MakeLabel(client, "Label1_3", pressureCaption, QRect(478, 480, 65, 33), kShadow, true);
    MakeLabel(client, "Label1_2", pressureCaption, QRect(476, 479, 65, 41), kRed, true);

    m_txtValue = new QLineEdit(QStringLiteral("0"), client);
    Place(m_txtValue, "txtValue", 539, 428, 68, 36);
    m_txtValue->setFont(FormFont(kLargeText, true));

    m_upDownOndo = new UpDown(client);
    Place(m_upDownOndo, "UpDownOndo", 607, 428, 16, 36);
    m_upDownOndo->setSingleStep(5);
    m_upDownOndo->setMinimum(0);
    m_upDownOndo->setMaximum(200);
    m_upDownOndo->setBuddy(m_txtValue);

    MakeLabel(client, "lblTmp", QStringLiteral("リットル"), QRect(624, 432, 89, 25), Qt::black,
              false);

    // Written by the program only: a pressure typed here would mean nothing.
    m_txtAturyoku = new QLineEdit(QStringLiteral("0"), client);
    Place(m_txtAturyoku, "txtAturyoku", 540, 475, 103, 36);
    m_txtAturyoku->setFont(FormFont(kLargeText, true));
    m_txtAturyoku->setReadOnly(true);
    SetColor(m_txtAturyoku, QPalette::Base, kPressureBackground);

    m_lblPress = MakeLabel(client, "lblPress", QStringLiteral("mmHg"), QRect(648, 480, 97, 33),
                           Qt::black, false);

    m_cmbLiquid = new QComboBox(client);
    Place(m_cmbLiquid, "cmbLiquid", 40, 500, 173, 27);
    m_cmbLiquid->addItems(
        {QStringLiteral("水"), QStringLiteral("エタノール"), QStringLiteral("ジエチルエーテル")});
    m_cmbLiquid->setFont(FormFont(kMediumText, true));
    QPalette liquidPalette = m_cmbLiquid->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        liquidPalette.setColor(role, kLiquidText);
    liquidPalette.setColor(QPalette::Base, Qt::white);
    liquidPalette.setColor(QPalette::Button, Qt::white);
    m_cmbLiquid->setPalette(liquidPalette);

    setTabOrder(m_txtValue, m_txtAturyoku);
    setTabOrder(m_txtAturyoku, m_cmbLiquid);
    m_txtValue->setFocus();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(kTimerIntervalMs);
}

void frmMain::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("menu_File"));
    QAction* init = file->addAction(QStringLiteral("初期設定(&I)"));
    init->setObjectName(QStringLiteral("menu_Init"));
    connect(init, &QAction::triggered, this, [this] { showModal(m_settingsDialog); });
    QAction* sinario = file->addAction(QStringLiteral("シナリオ設定(&S)"));
    sinario->setObjectName(QStringLiteral("menu_Sinario"));
    connect(sinario, &QAction::triggered, this, [this] { showModal(m_scenarioEditor); });
    file->addSeparator();
    m_export = new ExportCommands(*this, *m_picGrph, m_state);
    m_saveCsv = file->addAction(tr("データをCSVで保存(&D)…"));
    m_saveCsv->setObjectName(QStringLiteral("menu_saveCsv"));
    connect(m_saveCsv, &QAction::triggered, m_export, &ExportCommands::saveCsv);
    QAction* saveImage = file->addAction(tr("画像として保存(&G)…"));
    saveImage->setObjectName(QStringLiteral("menu_saveImage"));
    connect(saveImage, &QAction::triggered, m_export, &ExportCommands::saveImage);
    QAction* print = file->addAction(tr("印刷(&P)…"));
    print->setObjectName(QStringLiteral("menu_print"));
    // Ctrl+P is kept for pausing the animation.
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    connect(print, &QAction::triggered, m_export, &ExportCommands::print);
    file->addSeparator();
    QAction* end = file->addAction(QStringLiteral("終了(&X)"));
    end->setObjectName(QStringLiteral("menu_end"));
    connect(end, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("編集(&E)"));
    edit->setObjectName(QStringLiteral("menu_Edit"));
    QAction* copyGraph = edit->addAction(tr("グラフをコピー(&C)"));
    copyGraph->setObjectName(QStringLiteral("menu_copyGraph"));
    copyGraph->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(copyGraph, &QAction::triggered, m_export, &ExportCommands::copyGraph);
    QAction* copyWindow = edit->addAction(tr("ウィンドウをコピー"));
    copyWindow->setObjectName(QStringLiteral("menu_copyWindow"));
    copyWindow->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(copyWindow, &QAction::triggered, m_export, &ExportCommands::copyWindow);

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("menu_Help"));
    QAction* search = help->addAction(QStringLiteral("検索(&H)"));
    search->setObjectName(QStringLiteral("menu_search"));
    QAction* version = help->addAction(QStringLiteral("バージョン情報(&A)"));
    version->setObjectName(QStringLiteral("menu_ver"));
    connect(version, &QAction::triggered, this, [this] { showModal(m_versionDialog); });
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

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // A text field claims Ctrl+C for itself even with nothing selected; left unclaimed, the
    // key reaches the menu's copy of the graph.
    if (event->type() == QEvent::ShortcutOverride &&
        leavesCopyToTheGraph(watched, *static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (event->type() == QEvent::KeyRelease) {
        // A key goes first to the focused control and then, unless taken, up to its parents;
        // acting at its first receiver runs each release once.
        const QWidget* focus = focusWidget();
        const QObject* firstReceiver = focus != nullptr ? focus : this;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == firstReceiver && !key->isAutoRepeat()) {
            if (const std::optional<int> code = PlaybackKeyCode(key->key()))
                handle([code](mainwindow::MainWindowLogic& logic) { logic.Form_KeyUp(*code); });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    handle(&mainwindow::MainWindowLogic::Form_Activate);
    m_timer1->start();
}

std::string frmMain::volumeText() const {
    return m_txtValue->text().toStdString();
}

void frmMain::setVolumeText(std::string_view text) {
    m_txtValue->setText(FromUtf8(text));
}

void frmMain::setPressureText(std::string_view text) {
    m_txtAturyoku->setText(FromUtf8(text));
}

void frmMain::setLidTop(int32_t top) {
    m_picTenjyou->move(kLidLeft, std::clamp(top, kLidHighest, kLidLowest));
}

void frmMain::setUnitLabel(std::string_view text) {
    m_lblPress->setText(FromUtf8(text));
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

void frmMain::setCaption(std::string_view text) {
    setWindowTitle(FromUtf8(text));
}

void frmMain::setButtonLit(mainwindow::PictureButton button, bool lit) {
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
