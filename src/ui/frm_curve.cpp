#include "ui/frm_curve.h"

#include <QBuffer>
#include <QByteArray>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QtNumeric>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "config/file_io.h"
#include "curve/readout.h"
#include "model/settings.h"
#include "ui/application_setup.h"
#include "ui/curve_plot.h"
#include "ui/liquid_names.h"
#include "ui/utf8_text.h"

namespace kemora::ui {
namespace {

constexpr int kControlPixels = 15;
constexpr int kReadoutPixels = 17;
constexpr QSize kFirstSize(820, 640);

QString AskImageFileName(QWidget* parent) {
    QFileDialog dialog(parent, frmCurve::tr("画像として保存"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(frmCurve::tr("PNG 画像 (*.png)"));
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(frmCurve::tr("蒸気圧曲線.png"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

// The image as PNG bytes; empty when it cannot be encoded.
std::string PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {};
    return bytes.toStdString();
}

}  // namespace

frmCurve::frmCurve(const model::Experiment& experiment, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_experiment(experiment),
      m_fileNamePrompt(AskImageFileName),
      m_messageBox(ShowWarningMessage) {
    setObjectName(QStringLiteral("frmCurve"));
    createControls();
    retranslateUi();
    resize(kFirstSize);
    redraw();
}

void frmCurve::createControls() {
    const QFont controlFont = FormFont(kControlPixels, false);

    m_picCurve = new CurvePlot(this);

    m_lblReadout = new QLabel(this);
    m_lblReadout->setObjectName(QStringLiteral("lblReadout"));
    m_lblReadout->setFont(FormFont(kReadoutPixels, false));

    m_chkLog = new QCheckBox(this);
    m_chkLog->setObjectName(QStringLiteral("chkLog"));
    m_chkMeasured = new QCheckBox(this);
    m_chkMeasured->setObjectName(QStringLiteral("chkMeasured"));
    m_chkMeasured->setToolTip(tr("実測値の曲線（破線）を重ねて、このプログラムの値と比べます"));
    m_cmdSave = new QPushButton(this);
    m_cmdSave->setObjectName(QStringLiteral("cmdSave"));
    m_cmdCopy = new QPushButton(this);
    m_cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_chkLog, m_chkMeasured, m_cmdSave, m_cmdCopy})
        control->setFont(controlFont);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_chkLog);
    buttons->addSpacing(16);
    buttons->addWidget(m_chkMeasured);
    buttons->addStretch();
    buttons->addWidget(m_cmdSave);
    buttons->addWidget(m_cmdCopy);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_picCurve, 1);
    layout->addWidget(m_lblReadout);
    layout->addLayout(buttons);

    connect(m_chkLog, &QCheckBox::toggled, this, [this] { redraw(); });
    connect(m_chkMeasured, &QCheckBox::toggled, this, [this] { redraw(); });
    connect(m_cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(m_cmdCopy, &QPushButton::clicked, this, [this] { cmdCopy_Click(); });
    connect(m_picCurve, &CurvePlot::pointerMoved, this,
            [this](double temperature) { showReadout(temperature); });
    connect(m_picCurve, &CurvePlot::pointerLeft, this, [this] { showReadout(qQNaN()); });
}

void frmCurve::retranslateUi() {
    // Not the main window's name again: the window says what it shows.
    setWindowTitle(tr("蒸気圧曲線のグラフ"));
    m_chkLog->setText(tr("対数目盛"));
    m_chkMeasured->setText(tr("実測値と比べる"));
    m_chkMeasured->setToolTip(tr("実測値の曲線（破線）を重ねて、このプログラムの値と比べます"));
    m_cmdSave->setText(tr("画像を保存..."));
    m_cmdCopy->setText(tr("コピー"));
    // After the text, which takes a button's shortcut from its mnemonic. A button's shortcut
    // reaches it from anywhere in its window, and only there.
    m_cmdCopy->setShortcut(QKeySequence::Copy);
    m_cmdCopy->setToolTip(tr("グラフを画像としてクリップボードにコピーします (Ctrl+C)"));
    showReadout(qQNaN());
}

void frmCurve::followExperiment() {
    if (m_experiment.settings == m_drawnSettings && m_experiment.liquid == m_drawnLiquid)
        return;
    redraw();
}

void frmCurve::setZoom(double zoom) {
    if (zoom == m_zoom)
        return;
    const QSize shown = size();
    const double change = zoom / m_zoom;
    m_zoom = zoom;
    const auto pixels = [zoom](int logical) {
        return static_cast<int>(std::lround(logical * zoom));
    };
    const QFont controlFont = FormFont(pixels(kControlPixels), false);
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_chkLog, m_chkMeasured, m_cmdSave, m_cmdCopy})
        control->setFont(controlFont);
    m_lblReadout->setFont(FormFont(pixels(kReadoutPixels), false));
    m_picCurve->setZoom(zoom);
    // The smaller texts' smaller minimum first, or it would hold the window large.
    layout()->activate();
    resize((QSizeF(shown) * change).toSize());
}

void frmCurve::setFileNamePrompt(FileNamePrompt prompt) {
    m_fileNamePrompt = std::move(prompt);
}

void frmCurve::setMessageBox(MessageBoxFunction messageBox) {
    m_messageBox = std::move(messageBox);
}

void frmCurve::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        placeBesideParent();
    }
}

void frmCurve::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void frmCurve::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmCurve::redraw() {
    m_drawnSettings = m_experiment.settings;
    m_drawnLiquid = m_experiment.liquid;
    m_picCurve->setFigure(
        curve::BuildCurveFigure(m_experiment, {m_chkLog->isChecked(), m_chkMeasured->isChecked()}));
    showReadout(qQNaN());
}

void frmCurve::showReadout(double temperature) {
    const std::optional<curve::Readout> readout = curve::ReadoutAt(m_experiment, temperature);
    if (!readout) {
        m_lblReadout->setText(tr("グラフの上にポインタを置くと、その温度の蒸気圧を読み取れます"));
        return;
    }
    const QString unit = FromUtf8(model::PressureUnitText(m_experiment.settings.pressureUnit));
    const auto pressure = [&](std::size_t liquid) {
        return QStringLiteral("%1 %2").arg(FromUtf8(readout->pressureTexts[liquid]), unit);
    };
    const QStringList liquids = LiquidNames();
    // The liquids' names and their pressures side by side: 水 36.9 mmHg.
    m_lblReadout->setText(
        tr("%1 %2：　%3 %4　　%5 %6　　%7 %8")
            .arg(QString::number(readout->temperature),
                 FromUtf8(model::TemperatureUnitText(m_experiment.settings.temperatureUnit)),
                 liquids.value(0), pressure(0), liquids.value(1), pressure(1), liquids.value(2),
                 pressure(2)));
}

void frmCurve::cmdSave_Click() {
    const QString path = m_fileNamePrompt(this);
    if (path.isEmpty())
        return;
    const std::string bytes = PngBytes(m_picCurve->renderImage());
    if (bytes.empty() || !config::WriteFileAtomically(ToUtf8(path), bytes)) {
        m_messageBox(this,
                     tr("画像を保存できませんでした。\n%1").arg(QDir::toNativeSeparators(path)),
                     windowTitle());
    }
}

void frmCurve::cmdCopy_Click() {
    QGuiApplication::clipboard()->setImage(m_picCurve->renderImage());
}

void frmCurve::placeBesideParent() {
    const QWidget* owner = parentWidget();
    if (owner == nullptr || owner->screen() == nullptr)
        return;
    const QRect screen = owner->screen()->availableGeometry();
    const QRect beside = owner->frameGeometry();
    int left = beside.right() + 1;
    if (left + width() > screen.right())
        left = std::max(screen.left(), beside.left() - width());
    const int top =
        std::clamp(beside.top(), screen.top(), std::max(screen.top(), screen.bottom() - height()));
    move(left, top);
}

}  // namespace kemora::ui
