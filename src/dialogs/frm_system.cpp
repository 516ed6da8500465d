#include "dialogs/frm_system.h"

#include <QComboBox>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QShowEvent>
#include <utility>

#include "config/settings_ini.h"
#include "config/settings_place.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/field_messages.h"
#include "dialogs/settings_fields.h"
#include "dialogs/twips.h"
#include "ui/utf8_text.h"

namespace kemora::dialogs {
namespace {

constexpr QSize kDesignedSize = Twips(0, 0, 4335, 3075).size();

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
      m_messageBox(ui::ShowWarningMessage) {
    setObjectName("frmSystem");
    setWindowTitle(tr("物質量"));
    setModal(true);
    setFixedSize(m_zoom.size(kDesignedSize));

    setFont(m_zoom.font());

    // Created in focus order, which the explicit chain below confirms.
    m_fields.mol = AddControl<QLineEdit>(this, "txtMol", m_zoom.twips(1920, 120, 855, 270));
    m_fields.temperature =
        AddControl<QLineEdit>(this, "txtContainer", m_zoom.twips(1920, 600, 855, 270));
    m_fields.pressureUnit =
        AddControl<QComboBox>(this, "cmbPressUnit", m_zoom.twips(1920, 1080, 1095, 300));
    AddPressureUnits(*m_fields.pressureUnit);
    m_fields.volumeMin =
        AddControl<QLineEdit>(this, "txtGrphWMin", m_zoom.twips(1920, 1560, 855, 270));
    m_fields.volumeMax =
        AddControl<QLineEdit>(this, "txtGrphWMax", m_zoom.twips(3240, 1560, 855, 270));
    m_fields.pressureMin =
        AddControl<QLineEdit>(this, "txtPressWMin", m_zoom.twips(1920, 2040, 855, 270));
    m_fields.pressureMax =
        AddControl<QLineEdit>(this, "txtPressWMax", m_zoom.twips(3240, 2040, 855, 270));
    auto* cmdDefault =
        AddPlainButton(this, "cmdDefault", m_zoom.twips(120, 2520, 1095, 375), tr("初期値"));
    auto* cmdClose =
        AddPlainButton(this, "cmdClose", m_zoom.twips(3120, 2520, 1095, 375), tr("閉じる"));

    AddLabel(this, "Label1", m_zoom.twips(240, 120, 1575, 255), tr("物質量　（mol）"), true);
    AddLabel(this, "Label2", m_zoom.twips(240, 600, 1575, 255), tr("温度　(℃)"), true);
    AddLabel(this, "Label4", m_zoom.twips(240, 1080, 1575, 255), tr("圧力の単位"), true);
    AddLabel(this, "Label5", m_zoom.twips(240, 1560, 1575, 255), tr("グラフの容量範囲"), true);
    AddLabel(this, "Label6", m_zoom.twips(240, 2040, 1575, 255), tr("グラフの圧力範囲"), true);
    AddLabel(this, "Label7", m_zoom.twips(2880, 1560, 375, 255), tr("～"), false);
    AddLabel(this, "Label8", m_zoom.twips(2880, 2040, 375, 255), tr("～"), false);

    NameSettingsFields(m_fields);

    QWidget* const order[] = {m_fields.mol,         m_fields.temperature, m_fields.pressureUnit,
                              m_fields.volumeMin,   m_fields.volumeMax,   m_fields.pressureMin,
                              m_fields.pressureMax, cmdDefault,           cmdClose};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(cmdDefault, &QPushButton::clicked, this, &frmSystem::cmdDefault_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmSystem::cmdClose_Click);

    Form_Load();
}

void frmSystem::setMessageBox(ui::MessageBoxFunction messageBox) {
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
    // Esc is "閉じる", checks and saving included; Enter does nothing here.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        cmdClose_Click();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
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
    const model::SettingsFormReading reading =
        model::ReadSettingsForm(ReadSettingsFields(m_fields), m_settings);
    if (reading.problem) {
        m_messageBox(this, FieldProblemText(*reading.problem), windowTitle());
        if (QWidget* control = SettingsFieldControl(m_fields, reading.problem->field))
            FocusUnusableField(*control);
        return;
    }
    // A file that cannot be written keeps the dialog open, so that the user knows and can
    // close it without saving; the main window would put the file's values back anyway.
    // The user's own file is made on the first save, in folders that may not exist yet.
    const model::ExperimentSettings& settings = *reading.settings;
    if (!config::SaveSettingsChoice(m_configPath, [&settings](std::string_view content) {
            return config::SettingsIntoIni(content, settings);
        })) {
        m_messageBox(this, tr("設定を保存できませんでした。") + "\n" + ui::FromUtf8(m_configPath),
                     windowTitle());
        return;
    }
    m_settings = *reading.settings;
    accept();
}

}  // namespace kemora::dialogs
