#include "dialogs/frm_about.h"

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QProcess>
#include <QPushButton>
#include <QRect>
#include <utility>

#include "dialogs/app_identity.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/twips.h"
#include "ui/utf8_text.h"

namespace kemora::dialogs {
namespace {

constexpr QSize kDesignedSize = Twips(0, 0, 5730, 3555).size();

QLabel* AddLabel(QWidget* parent, const char* name, QRect place, const QString& text) {
    auto* label = AddControl<QLabel>(parent, name, place, text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// One stroke of the etched separator: a filled strip in pixels, its last pixel included.
void AddLine(QWidget* parent, const char* name, QRect place, QColor colour) {
    auto* line = AddControl<QFrame>(parent, name, place);
    line->setFrameShape(QFrame::NoFrame);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    line->setAccessibleName(frmAbout::tr("区切り線"));
}

}  // namespace

bool ProcessLauncher::start(const std::string& program) {
    const QString name =
        QFile::decodeName(QByteArray(program.data(), static_cast<qsizetype>(program.size())));
    return QProcess::startDetached(name, {});
}

frmAbout::frmAbout(Registry& registry, Launcher& launcher, QWidget* parent, double zoom)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_zoom(zoom, kDesignedSize, parent),
      m_registry(registry),
      m_launcher(launcher),
      m_messageBox(ui::ShowPlainMessage) {
    setObjectName("frmAbout");
    setModal(true);
    setFixedSize(m_zoom.size(kDesignedSize));

    setFont(m_zoom.font());

    m_lblTitle = AddLabel(this, "lblTitle", m_zoom.twips(1050, 240, 3885, 480), {});
    m_lblVersion = AddLabel(this, "lblVersion", m_zoom.twips(1050, 780, 3885, 225), {});
    AddLabel(this, "lblDescription", m_zoom.twips(1050, 1125, 3885, 1170),
             tr("閉じたシリンダーの中の液体とその蒸気について、容量を変えたときの圧力を分子の動きと"
                "グラフで示す、化学の授業のためのシミュレーションです。"));
    AddLabel(this, "lblDisclaimer", m_zoom.twips(255, 2625, 3870, 825),
             tr("Copyright © 2026 Kemora の開発者。MIT ライセンスで提供され、無保証です。"));

    // The etched separator: a grey line from (90, 2445) and under it a white one, two pixels
    // thick, from (105, 2460), both to 5654 twips.
    AddLine(this, "Line1_1",
            m_zoom.place(QRect(QPoint(90 / kTwipsPerPixel, 2445 / kTwipsPerPixel),
                               QPoint(5654 / kTwipsPerPixel, 2445 / kTwipsPerPixel))),
            QColor(128, 128, 128));
    AddLine(this, "Line1_0",
            m_zoom.place(QRect(QPoint(105 / kTwipsPerPixel, 2460 / kTwipsPerPixel),
                               QPoint(5654 / kTwipsPerPixel, 2460 / kTwipsPerPixel + 1))),
            QColor(255, 255, 255));

    m_cmdOK = AddControl<QPushButton>(this, "cmdOK", m_zoom.twips(4245, 2625, 1380, 345), tr("OK"));
    m_cmdOK->setDefault(true);
    auto* cmdSysInfo = AddControl<QPushButton>(
        this, "cmdSysInfo", m_zoom.twips(4260, 3075, 1380, 345), tr("ｼｽﾃﾑ情報(&S)..."));
    cmdSysInfo->setAccessibleDescription(tr("コンピューターのシステム情報ツールを起動します"));
    setTabOrder(m_cmdOK, cmdSysInfo);
    m_cmdOK->setFocus();

    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
}

void frmAbout::setMessageBox(ui::MessageBoxFunction messageBox) {
    m_messageBox = std::move(messageBox);
}

void frmAbout::Form_Load() {
    const QString title = ui::FromUtf8(kAppTitle);
    setWindowTitle(tr("%1のﾊﾞｰｼﾞｮﾝ情報").arg(title));
    m_lblVersion->setText(
        tr("ﾊﾞｰｼﾞｮﾝ %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
    m_lblTitle->setText(title);
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    if (dialogs::StartSysInfo(m_registry, m_launcher) == SysInfoStart::Started)
        return;
    if (m_messageBox) {
        m_messageBox(this, tr("現時点ではｼｽﾃﾑ情報を使用できません"), ui::FromUtf8(kAppTitle));
    }
}

bool frmAbout::GetKeyValue(uint32_t keyRoot, std::string_view keyName, std::string_view subKeyRef,
                           std::string& keyVal) {
    return dialogs::GetKeyValue(m_registry, keyRoot, keyName, subKeyRef, keyVal);
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    // Esc presses OK, as Enter does, rather than cancelling.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace kemora::dialogs
