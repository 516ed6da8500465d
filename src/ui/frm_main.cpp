#include "ui/frm_main.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <initializer_list>
#include <optional>
#include <utility>

#include "config/view_settings.h"
#include "mainwindow/main_window_logic.h"
#include "mainwindow/molecule_field.h"
#include "mainwindow/panel_sizes.h"
#include "ui/application_setup.h"
#include "ui/artwork.h"
#include "ui/image_button.h"
#include "ui/language.h"
#include "ui/liquid_names.h"
#include "ui/surface_widget.h"
#include "ui/up_down.h"
#include "ui/utf8_text.h"

namespace kemora::ui {
namespace {

constexpr int kClientWidth = 800;
constexpr int kClientHeight = 559;
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
// Close to the finest step of a desktop timer, which the animation's pace is counted in.
constexpr int kTimerIntervalMs = 16;

constexpr int kLargeText = 27;   // pixels, 20.25 points at 96 dots per inch
constexpr int kMediumText = 19;  // pixels, 14.25 points

const QColor kRed(255, 0, 0);
const QColor kShadow(128, 128, 128);
const QColor kPressureBackground(255, 255, 192);
const QColor kLiquidText(0, 64, 0);

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
QLabel* MakeLabel(QWidget* parent, const char* name, QRect place, const QColor& color, bool bold) {
    auto* label = new QLabel(parent);
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

ImageButton* MakePictureButton(QWidget* parent, const char* name, int left) {
    auto* button = new ImageButton(parent);
    Place(button, name, left, 8, 81, 47);
    return button;
}

}  // namespace

frmMain::frmMain(mainwindow::MainState& state, std::string configPath, QWidget* parent)
    : QMainWindow(parent), m_configPath(std::move(configPath)), m_messageBox(ShowWarningMessage) {
    setObjectName(QStringLiteral("frmMain"));
    // Fixed border with a close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    createControls();
    createMenus();
    retranslateUi();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    mainwindow::MainView& view = *this;
    m_logic = std::make_unique<mainwindow::MainWindowLogic>(state, view, m_configPath,
                                                            mainwindow::SystemTimeOfDay);
    connect(m_txtValue, &QLineEdit::textChanged, this, [this] { m_logic->txtValue_Change(); });
    connect(m_timer1, &QTimer::timeout, this, [this] { m_logic->Timer1_Timer(); });
    connect(m_picSinario, &ImageButton::clicked, this, [this] { m_logic->picSinario_Click(); });
    connect(m_picGrphSw, &ImageButton::clicked, this, [this] { m_logic->picGrphSw_Click(); });
    connect(m_picGrphCls, &ImageButton::clicked, this, [this] { m_logic->picGrphCls_Click(); });
    qApp->installEventFilter(this);

    m_logic->Form_Load();
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
    using namespace mainwindow;
    m_picBack = new SurfaceWidget(QSize(kCylinderWidth, kCylinderHeight), Qt::black, client);
    Place(m_picBack, "picBack", kCylinderLeft, kCylinderTop, kCylinderWidth, kCylinderHeight);

    m_picTenjyou = new QLabel(client);
    Place(m_picTenjyou, "picTenjyou", kLidLeft, kLidAtZero, kLidWidth, kLidHeight);
    m_picTenjyou->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picTenjyou->setPixmap(QPixmap::fromImage(LidImage()));

    m_picGrph = new SurfaceWidget(QSize(kGraphBoxWidth, kGraphBoxHeight), Qt::white, client);
    Place(m_picGrph, "picGrph", kGraphBoxLeft, kGraphBoxTop, kGraphBoxWidth, kGraphBoxHeight);
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

    m_picSinario = MakePictureButton(client, "picSinario", 464);
    m_picSinario->setImage(m_picSinarioOff->pixmap());
    m_picGrphSw = MakePictureButton(client, "picGrphSw", 560);
    m_picGrphSw->setImage(m_picGrphSwOn->pixmap());
    m_picGrphCls = MakePictureButton(client, "picGrphCls", 656);
    m_picGrphCls->setImage(m_picGrphClsOff->pixmap());

    m_volumeCaptions[1] = MakeLabel(client, "Label1_1", QRect(477, 430, 65, 33), kShadow, true);
    m_volumeCaptions[0] = MakeLabel(client, "Label1_0", QRect(475, 428, 65, 41), kRed, true);
    m_pressureCaptions[1] = MakeLabel(client, "Label1_3", QRect(478, 480, 65, 33), kShadow, true);
    m_pressureCaptions[0] = MakeLabel(client, "Label1_2", QRect(476, 479, 65, 41), kRed, true);

    m_txtValue = new QLineEdit(QStringLiteral("0"), client);
    Place(m_txtValue, "txtValue", 539, 428, 68, 36);
    m_txtValue->setFont(FormFont(kLargeText, true));

    m_upDownOndo = new UpDown(client);
    Place(m_upDownOndo, "UpDownOndo", 607, 428, 16, 36);
    m_upDownOndo->setSingleStep(5);
    m_upDownOndo->setMinimum(0);
    m_upDownOndo->setMaximum(200);
    m_upDownOndo->setBuddy(m_txtValue);

    m_lblTmp = MakeLabel(client, "lblTmp", QRect(624, 432, 89, 25), Qt::black, false);

    // Written by the program only: a pressure typed here would mean nothing.
    m_txtAturyoku = new QLineEdit(QStringLiteral("0"), client);
    Place(m_txtAturyoku, "txtAturyoku", 540, 475, 103, 36);
    m_txtAturyoku->setFont(FormFont(kLargeText, true));
    m_txtAturyoku->setReadOnly(true);
    SetColor(m_txtAturyoku, QPalette::Base, kPressureBackground);

    m_lblPress = MakeLabel(client, "lblPress", QRect(648, 480, 97, 33), Qt::black, false);
    m_lblPress->setText(QStringLiteral("mmHg"));

    for (QLabel* label :
         {m_volumeCaptions[0], m_volumeCaptions[1], m_pressureCaptions[0], m_pressureCaptions[1]})
        m_readoutPlaces.push_back({label, label->geometry(), true});
    for (QWidget* control : std::initializer_list<QWidget*>{m_txtValue, m_upDownOndo, m_lblTmp,
                                                            m_txtAturyoku, m_lblPress})
        m_readoutPlaces.push_back({control, control->geometry(), false});

    m_cmbLiquid = new QComboBox(client);
    Place(m_cmbLiquid, "cmbLiquid", 40, 500, 173, 27);
    m_cmbLiquid->addItems(LiquidNames());
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
    m_menuFile = menuBar()->addMenu(QString());
    m_menuFile->setObjectName(QStringLiteral("menu_File"));
    m_menuInit = m_menuFile->addAction(QString());
    m_menuInit->setObjectName(QStringLiteral("menu_Init"));
    connect(m_menuInit, &QAction::triggered, this, [this] { showModal(m_settingsDialog); });
    m_menuSinario = m_menuFile->addAction(QString());
    m_menuSinario->setObjectName(QStringLiteral("menu_Sinario"));
    connect(m_menuSinario, &QAction::triggered, this, [this] { showModal(m_scenarioEditor); });
    m_menuEnd = m_menuFile->addAction(QString());
    m_menuEnd->setObjectName(QStringLiteral("menu_end"));
    connect(m_menuEnd, &QAction::triggered, this, &QWidget::close);

    m_menuView = menuBar()->addMenu(QString());
    m_menuView->setObjectName(QStringLiteral("menu_view"));
    createLanguageMenu(*m_menuView);

    m_menuHelp = menuBar()->addMenu(QString());
    m_menuHelp->setObjectName(QStringLiteral("menu_Help"));
    m_menuSearch = m_menuHelp->addAction(QString());
    m_menuSearch->setObjectName(QStringLiteral("menu_search"));
    m_menuVer = m_menuHelp->addAction(QString());
    m_menuVer->setObjectName(QStringLiteral("menu_ver"));
    connect(m_menuVer, &QAction::triggered, this, [this] { showModal(m_versionDialog); });
}

void frmMain::createLanguageMenu(QMenu& view) {
    // Worded in both languages and each language in its own, so that whoever cannot read the
    // present one still finds the way back.
    QMenu* language = view.addMenu(QStringLiteral("言語 / Language"));
    language->setObjectName(QStringLiteral("menu_language"));
    auto* choices = new QActionGroup(language);
    choices->setExclusive(true);
    const auto addChoice = [&](const char* name, const QString& text, config::Language choice) {
        QAction* action = language->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        choices->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice] { chooseLanguage(choice); });
        return action;
    };
    m_menuLangJa = addChoice("menu_langJa", QStringLiteral("日本語"), config::Language::Japanese);
    m_menuLangEn = addChoice("menu_langEn", QStringLiteral("English"), config::Language::English);
}

void frmMain::retranslateUi() {
    m_menuFile->setTitle(tr("ファイル(&F)"));
    m_menuInit->setText(tr("初期設定(&I)"));
    m_menuSinario->setText(tr("シナリオ設定(&S)"));
    m_menuEnd->setText(tr("終了(&X)"));
    m_menuView->setTitle(tr("表示(&V)"));
    m_menuHelp->setTitle(tr("ヘルプ(&H)"));
    m_menuSearch->setText(tr("検索(&H)"));
    m_menuVer->setText(tr("バージョン情報(&A)"));
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

    placeReadouts();
    showCaption();
}

void frmMain::placeReadouts() {
    const QFontMetrics metrics(FormFont(kLargeText, true));
    const int widest = std::max(metrics.horizontalAdvance(m_volumeCaptions[0]->text()),
                                metrics.horizontalAdvance(m_pressureCaptions[0]->text()));
    const int shift = std::max(0, widest - kCaptionRoom);
    for (const ReadoutPlace& readout : m_readoutPlaces) {
        readout.control->setGeometry(readout.label ? readout.place.adjusted(0, 0, shift, 0)
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
    config::ViewSettings view = config::LoadViewSettings(m_configPath);
    view.language = language;
    if (!config::SaveViewSettings(view, m_configPath)) {
        m_messageBox(this, tr("言語の設定を保存できませんでした。") + "\n" + FromUtf8(m_configPath),
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
    m_messageBox = std::move(messageBox);
}

void frmMain::showModal(const ModalDialog& dialog) {
    // Coming back from one of the program's own dialogs is an activation; coming back from
    // another program is not, so QEvent::WindowActivate is no sign of one.
    if (dialog && dialog(*this))
        m_logic->Form_Activate();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        // A key goes first to the focused control and then, unless taken, up to its parents;
        // acting at its first receiver runs each release once.
        const QWidget* focus = focusWidget();
        const QObject* firstReceiver = focus != nullptr ? focus : this;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == firstReceiver && !key->isAutoRepeat()) {
            if (const std::optional<int> code = PlaybackKeyCode(key->key()))
                m_logic->Form_KeyUp(*code);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    m_logic->Form_Activate();
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

void frmMain::setCaption(const mainwindow::Caption& caption) {
    m_caption = caption;
    showCaption();
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
