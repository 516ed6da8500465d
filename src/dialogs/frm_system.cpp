#include "dialogs/frm_system.h"

#include <QComboBox>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRect>
#include <QShowEvent>
#include <utility>

#include "config/settings_file.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/settings_fields.h"
#include "dialogs/twips.h"
#include "model/numbers.h"
#include "ui/utf8_text.h"

namespace kemora::dialogs {
namespace {

const QString kCaption = QStringLiteral("物質量");
constexpr QSize kDesignedSize = Twips(0, 0, 4335, 3075).size();

// The names by which messages point at the fields.
const QString kMolName = QStringLiteral("物質量（mol）");
const QString kTemperatureName = QStringLiteral("温度（℃）");
const QString kVolumeMinName = QStringLiteral("グラフの容量範囲の最小値");
const QString kVolumeMaxName = QStringLiteral("グラフの容量範囲の最大値");
const QString kPressureMinName = QStringLiteral("グラフの圧力範囲の最小値");
const QString kPressureMaxName = QStringLiteral("グラフの圧力範囲の最大値");

void AddLabel(QWidget* parent, const char* name, QRect place, const QString& text, bool bold) {
    auto* label = AddControl<QLabel>(parent, name, place, text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
}

}  // namespace

frmSystem::frmSystem(model::ExperimentSettings& settings, std::string configPath, QWidget* parent,
                     double zoom)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_zoom(zoom, kDesignedSize, parent),
      m_settings(settings),
      m_configPath(std::move(configPath)),
      m_messageBox([](QWidget* owner, const QString& text, const QString& caption) {
          QMessageBox::warning(owner, caption, text);
      }) {
    setObjectName("frmSystem");
    setWindowTitle(kCaption);
    setModal(true);
    setFixedSize(m_zoom.size(kDesignedSize));

    setFont(m_zoom.font());

    // Created in focus order, which the explicit chain below confirms.
    m_fields.mol = AddControl<QLineEdit>(this, "txtMol", m_zoom.twips(1920, 120, 855, 270));
    m_fields.temperature =
        AddControl<QLineEdit>(this, "txtContainer", m_zoom.twips(1920, 600, 855, 270));
    m_fields.pressureUnit =
        AddControl<QComboBox>(this, "cmbPressUnit", m_zoom.twips(1920, 1080, 1095, 300));
    for (int32_t unit : {model::MmHg, model::Atm, model::HPa})
        m_fields.pressureUnit->addItem(ui::FromUtf8(model::PressureUnitText(unit)));
    m_fields.volumeMin =
        AddControl<QLineEdit>(this, "txtGrphWMin", m_zoom.twips(1920, 1560, 855, 270));
    m_fields.volumeMax =
        AddControl<QLineEdit>(this, "txtGrphWMax", m_zoom.twips(3240, 1560, 855, 270));
    m_fields.pressureMin =
        AddControl<QLineEdit>(this, "txtPressWMin", m_zoom.twips(1920, 2040, 855, 270));
    m_fields.pressureMax =
        AddControl<QLineEdit>(this, "txtPressWMax", m_zoom.twips(3240, 2040, 855, 270));
    auto* cmdDefault = AddPlainButton(this, "cmdDefault", m_zoom.twips(120, 2520, 1095, 375),
                                      QStringLiteral("初期値"));
    auto* cmdClose = AddPlainButton(this, "cmdClose", m_zoom.twips(3120, 2520, 1095, 375),
                                    QStringLiteral("閉じる"));

    AddLabel(this, "Label1", m_zoom.twips(240, 120, 1575, 255), QStringLiteral("物質量　（mol）"),
             true);
    AddLabel(this, "Label2", m_zoom.twips(240, 600, 1575, 255), QStringLiteral("温度　(℃)"), true);
    AddLabel(this, "Label4", m_zoom.twips(240, 1080, 1575, 255), QStringLiteral("圧力の単位"),
             true);
    AddLabel(this, "Label5", m_zoom.twips(240, 1560, 1575, 255), QStringLiteral("グラフの容量範囲"),
             true);
    AddLabel(this, "Label6", m_zoom.twips(240, 2040, 1575, 255), QStringLiteral("グラフの圧力範囲"),
             true);
    AddLabel(this, "Label7", m_zoom.twips(2880, 1560, 375, 255), QStringLiteral("～"), false);
    AddLabel(this, "Label8", m_zoom.twips(2880, 2040, 375, 255), QStringLiteral("～"), false);

    QWidget* const order[] = {m_fields.mol,         m_fields.temperature, m_fields.pressureUnit,
                              m_fields.volumeMin,   m_fields.volumeMax,   m_fields.pressureMin,
                              m_fields.pressureMax, cmdDefault,           cmdClose};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(cmdDefault, &QPushButton::clicked, this, &frmSystem::cmdDefault_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmSystem::cmdClose_Click);

    Form_Load();
}

void frmSystem::setMessageBox(MessageBoxFunction messageBox) {
    m_messageBox = std::move(messageBox);
}

void frmSystem::showEvent(QShowEvent* event) {
    // The fields are filled when the dialog first appears. Later activations, such as the
    // return from one of its own message boxes, keep what the user has typed.
    if (!m_filled) {
        m_filled = true;
        Form_Activate();
        m_fields.mol->setFocus();
    }
    QDialog::showEvent(event);
}

void frmSystem::keyPressEvent(QKeyEvent* event) {
    // Enter and Esc do nothing here; the dialog closes by its buttons or its close box.
    if (event->matches(QKeySequence::Cancel) || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmSystem::Form_Load() {
    LimitSettingsFields(m_fields);
}

void frmSystem::Form_Activate() {
    // A unit outside the list selects nothing; "閉じる" then asks for one.
    FillSettingsFields(m_fields, m_settings);
}

void frmSystem::cmdDefault_Click() {
    model::SetDefaultSettings(m_settings);
    Form_Activate();
}

void frmSystem::cmdClose_Click() {
    // Every field is checked, top to bottom, before anything is stored, so that a field the
    // program cannot use leaves both the settings and the file as they were.
    const auto mol = wholeNumberIn(*m_fields.mol, kMolName);
    if (!mol)
        return;
    const auto temperature = wholeNumberIn(*m_fields.temperature, kTemperatureName);
    if (!temperature)
        return;
    const int unit = m_fields.pressureUnit->currentIndex();
    if (unit < 0) {
        refuseField(*m_fields.pressureUnit, QStringLiteral("圧力の単位を選んでください。"));
        return;
    }
    const auto volumeMin = wholeNumberIn(*m_fields.volumeMin, kVolumeMinName);
    if (!volumeMin)
        return;
    const auto volumeMax = wholeNumberIn(*m_fields.volumeMax, kVolumeMaxName);
    if (!volumeMax)
        return;
    const auto pressureMin = numberIn(*m_fields.pressureMin, kPressureMinName);
    if (!pressureMin)
        return;
    const auto pressureMax = numberIn(*m_fields.pressureMax, kPressureMaxName);
    if (!pressureMax)
        return;

    model::ExperimentSettings next = m_settings;
    next.pressureUnit = unit;
    next.grphWMin = *volumeMin;
    next.grphWMax = *volumeMax;
    next.grphHMin = *pressureMin;
    next.grphHMax = *pressureMax;
    next.temperature = *temperature;
    next.mol = *mol;
    // A file that cannot be written keeps the dialog open, so that the user knows and can
    // close it without saving; the main window would put the file's values back anyway.
    if (!config::SaveSettings(next, m_configPath)) {
        m_messageBox(this,
                     QStringLiteral("設定を保存できませんでした。\n") + ui::FromUtf8(m_configPath),
                     kCaption);
        return;
    }
    m_settings = next;
    accept();
}

void frmSystem::refuseField(QWidget& control, const QString& text) {
    m_messageBox(this, text, kCaption);
    control.setFocus();
    if (auto* field = qobject_cast<QLineEdit*>(&control))
        field->selectAll();
}

std::optional<int32_t> frmSystem::wholeNumberIn(QLineEdit& field, const QString& name) {
    const std::string text = field.text().toStdString();
    if (const auto value = model::ParseWholeNumber(text))
        return value;
    if (model::ParseNumber(text))
        refuseField(field, name + QStringLiteral("の数値が扱える範囲を超えています。"));
    else
        refuseField(field, name + QStringLiteral("に数値を入力してください。"));
    return std::nullopt;
}

std::optional<double> frmSystem::numberIn(QLineEdit& field, const QString& name) {
    if (const auto value = model::ParseNumber(field.text().toStdString()))
        return value;
    refuseField(field, name + QStringLiteral("に数値を入力してください。"));
    return std::nullopt;
}

}  // namespace kemora::dialogs
