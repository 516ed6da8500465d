#include "dialogs/frm_sinario.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStringList>
#include <QTabWidget>
#include <algorithm>
#include <string>
#include <utility>

#include "dialogs/dialog_controls.h"
#include "dialogs/field_messages.h"
#include "dialogs/limit_input_length.h"
#include "dialogs/settings_fields.h"
#include "dialogs/step_list_text.h"
#include "dialogs/twips.h"
#include "scenario/scenario_file.h"
#include "ui/liquid_names.h"
#include "ui/utf8_text.h"

namespace kemora::dialogs {
namespace {

// Every page has its 追加 button at the same place.
constexpr QRect kAddButtonPlace = Twips(5880, 1560, 975, 375);
constexpr QSize kDesignedSize = Twips(0, 0, 7350, 7200).size();

// The one name filter of the scenario files.
QString FileFilter() {
    return frmSinario::tr("シナリオデータ(*.so2)");
}

// The name as the file system knows it.
std::string LocalPath(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

// The line that says why a file could not be read, after a line break; empty when there is
// nothing more to say than that it could not be read.
QString ReadFailureReason(scenario::ScenarioFileResult result) {
    switch (result) {
        case scenario::ScenarioFileResult::TooShort:
            return "\n" + frmSinario::tr("ファイルが短すぎます。");
        case scenario::ScenarioFileResult::BadStepCount:
            return "\n" + frmSinario::tr("ステップ数が正しくありません。");
        default:
            return {};
    }
}

}  // namespace

void PrepareScenarioFileDialog(QFileDialog& dialog, const ScenarioFileRequest& request) {
    dialog.setWindowTitle(request.title);
    dialog.setAcceptMode(request.forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Any name is taken as typed; a missing file is the reader's to report.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(QString());
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
}

QString AskScenarioFileName(QWidget* parent, const ScenarioFileRequest& request) {
    QFileDialog dialog(parent);
    PrepareScenarioFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList names = dialog.selectedFiles();
    return names.isEmpty() ? QString() : names.front();
}

frmSinario::frmSinario(scenario::Scenario& currentScenario,
                       const model::ExperimentSettings& settings, QWidget* parent, double zoom)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_zoom(zoom, kDesignedSize, parent),
      m_currentScenario(currentScenario),
      m_settings(settings),
      m_fileNamePrompt(AskScenarioFileName),
      m_messageBox(ui::ShowPlainMessage) {
    setObjectName("frmSinario");
    setWindowTitle(tr("シナリオ作成"));
    setModal(true);
    setFixedSize(m_zoom.size(kDesignedSize));

    setFont(m_zoom.font());

    BuildControls();
    OpenEditor();
}

void frmSinario::setFileNamePrompt(FileNamePrompt prompt) {
    m_fileNamePrompt = std::move(prompt);
}

void frmSinario::setMessageBox(ui::MessageBoxFunction messageBox) {
    m_messageBox = std::move(messageBox);
}

void frmSinario::setFileFolder(QString folder) {
    m_fileFolder = std::move(folder);
}

QWidget* frmSinario::AddPage(const char* name, const QString& tabText) {
    auto* page = new QWidget;
    page->setObjectName(name);
    page->setAccessibleName(tabText);
    m_SSTabMenu->addTab(page, tabText);
    return page;
}

template <typename Control, typename... Arguments>
Control* frmSinario::AddToPage(QWidget* page, const char* name, QRect place,
                               Arguments&&... arguments) {
    auto* control = new Control(std::forward<Arguments>(arguments)..., page);
    control->setObjectName(name);
    m_pagePlaces.push_back({control, place});
    return control;
}

QPushButton* frmSinario::AddPageButton(QWidget* page, const char* name) {
    const QRect place = m_zoom.place(kAddButtonPlace);
    auto* button = AddPlainButton(page, name, place, tr("追加"));
    button->setAccessibleDescription(
        tr("このページのステップを、一覧で選んだ行の前に、選んでいなければ最後に加えます"));
    m_pagePlaces.push_back({button, place});
    return button;
}

void frmSinario::BuildControls() {
    // Created in the order the focus moves through them.
    m_txtTTl = AddControl<QLineEdit>(this, "txtTTl", m_zoom.twips(120, 120, 6975, 375));
    m_txtTTl->installEventFilter(this);
    m_txtTTl->setAccessibleName(tr("シナリオのタイトル"));

    m_SSTabMenu = AddControl<QTabWidget>(this, "SSTabMenu", m_zoom.twips(120, 600, 7095, 2055));
    m_SSTabMenu->setAccessibleName(tr("ステップの種類"));

    QWidget* initial = AddPage("pageInitialSettings", tr("初期設定"));
    AddToPage<QLabel>(initial, "lblMol", m_zoom.twips(120, 480, 1575, 255), tr("物質量　（mol）"));
    m_fields.mol = AddToPage<QLineEdit>(initial, "txtMol", m_zoom.twips(1800, 480, 855, 270));
    AddToPage<QLabel>(initial, "lblContainer", m_zoom.twips(120, 840, 1575, 255), tr("温度　(℃)"));
    m_fields.temperature =
        AddToPage<QLineEdit>(initial, "txtContainer", m_zoom.twips(1800, 840, 855, 270));
    AddToPage<QLabel>(initial, "lblPressUnit", m_zoom.twips(120, 1200, 1575, 255),
                      tr("圧力の単位"));
    m_fields.pressureUnit =
        AddToPage<QComboBox>(initial, "cmbPressUnit", m_zoom.twips(1800, 1200, 1095, 300));
    AddPressureUnits(*m_fields.pressureUnit);
    AddToPage<QLabel>(initial, "lblGrphW", m_zoom.twips(3120, 480, 1575, 255),
                      tr("グラフの容量範囲"));
    m_fields.volumeMin =
        AddToPage<QLineEdit>(initial, "txtGrphWMin", m_zoom.twips(4800, 480, 855, 270));
    AddToPage<QLabel>(initial, "lblGrphWTo", m_zoom.twips(5760, 480, 375, 255), tr("～"));
    m_fields.volumeMax =
        AddToPage<QLineEdit>(initial, "txtGrphWMax", m_zoom.twips(6120, 480, 855, 270));
    AddToPage<QLabel>(initial, "lblPressW", m_zoom.twips(3120, 840, 1575, 255),
                      tr("グラフの圧力範囲"));
    m_fields.pressureMin =
        AddToPage<QLineEdit>(initial, "txtPressWMin", m_zoom.twips(4800, 840, 855, 270));
    AddToPage<QLabel>(initial, "lblPressWTo", m_zoom.twips(5760, 840, 375, 255), tr("～"));
    m_fields.pressureMax =
        AddToPage<QLineEdit>(initial, "txtPressWMax", m_zoom.twips(6120, 840, 855, 270));
    NameSettingsFields(m_fields);
    QPushButton* cmdAdd1 = AddPageButton(initial, "cmdAdd1");

    QWidget* volume = AddPage("pageSetVolume", tr("容量設定"));
    // The sentence "set the volume to [field] litres": words longer than the design's widen
    // its start and move the field and the rest to the right.
    const QString volumeStart = tr("容量を");
    const QRect volumeStartPlace = m_zoom.twips(360, 720, 615, 375);
    // A space's width more, which word wrapping needs and which keeps the words off the field.
    const int overflow =
        std::max(0, fontMetrics().horizontalAdvance(volumeStart + u' ') - volumeStartPlace.width());
    AddToPage<QLabel>(volume, "lblVolume", volumeStartPlace.adjusted(0, 0, overflow, 0),
                      volumeStart);
    m_txtTemp = AddToPage<QLineEdit>(volume, "txtTemp",
                                     m_zoom.twips(960, 600, 735, 390).translated(overflow, 0));
    m_txtTemp->setAccessibleName(FieldName(model::FormField::Volume));
    AddToPage<QLabel>(volume, "lblVolumeUnit",
                      m_zoom.twips(1800, 720, 2655, 255).translated(overflow, 0),
                      tr("リットルに設定します。"));
    m_chkAddTemp = AddToPage<QCheckBox>(volume, "chkAddTemp", m_zoom.twips(360, 1200, 4410, 255),
                                        tr("5リットルずつ変化する。"));
    QPushButton* cmdAdd2 = AddPageButton(volume, "cmdAdd2");

    QWidget* graph = AddPage("pageGraph", tr("グラフ表示", "tab"));
    m_OptGrphOn = AddToPage<QRadioButton>(graph, "OptGrphOn", m_zoom.twips(480, 600, 1695, 255),
                                          tr("グラフ表示", "option"));
    m_optGrphOff = AddToPage<QRadioButton>(graph, "optGrphOff", m_zoom.twips(480, 960, 2775, 255),
                                           tr("グラフ非表示"));
    QPushButton* cmdAdd3 = AddPageButton(graph, "cmdAdd3");

    QWidget* clear = AddPage("pageClearGraph", tr("グラフ消去"));
    AddToPage<QLabel>(clear, "lblClearGraph", m_zoom.twips(360, 720, 4455, 495),
                      tr("描画されているグラフを消去します。"));
    QPushButton* cmdAdd4 = AddPageButton(clear, "cmdAdd4");

    QWidget* liquid = AddPage("pageLiquid", tr("物質変更"));
    AddToPage<QLabel>(liquid, "lblBussitu", m_zoom.twips(240, 600, 3375, 255),
                      tr("物質を変更します。"));
    m_cmbBussitu = AddToPage<QComboBox>(liquid, "cmbBussitu", m_zoom.twips(840, 1080, 3135, 300));
    m_cmbBussitu->setEditable(true);
    // Typed text never becomes an entry of the list.
    m_cmbBussitu->setInsertPolicy(QComboBox::NoInsert);
    m_cmbBussitu->addItems(ui::LiquidNames());
    m_cmbBussitu->setAccessibleName(tr("物質"));
    m_cmbBussitu->lineEdit()->setAccessibleName(tr("物質"));
    QPushButton* cmdAdd5 = AddPageButton(liquid, "cmdAdd5");

    for (const PagePlace& place : m_pagePlaces) {
        if (auto* label = qobject_cast<QLabel*>(place.control)) {
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
        }
    }

    // The pages sit below the tab bar, whose height the style decides; the controls keep
    // their places measured from the tab control's top left whenever the pages move.
    m_pageArea = initial->parentWidget();
    if (m_pageArea != nullptr) {
        m_pageArea->installEventFilter(this);
        m_pageArea->setAccessibleName(tr("ステップの内容"));
    }
    PlacePageControls();

    QPushButton* cmdDel =
        AddPlainButton(this, "cmdDel", m_zoom.twips(6000, 2760, 975, 255), tr("削除"));
    cmdDel->setAccessibleDescription(tr("一覧で選んだステップを削除します"));
    m_listSinario =
        AddControl<QListWidget>(this, "listSinario", m_zoom.twips(120, 3000, 7095, 3480));
    m_listSinario->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listSinario->setSortingEnabled(false);
    m_listSinario->setAccessibleName(tr("ステップの一覧"));
    QPushButton* cmdLoad =
        AddPlainButton(this, "cmdLoad", m_zoom.twips(120, 6720, 1095, 375), tr("読込"));
    QPushButton* cmdSave =
        AddPlainButton(this, "cmdSave", m_zoom.twips(1440, 6720, 1095, 375), tr("保存"));
    cmdLoad->setAccessibleDescription(tr("シナリオをファイルから読み込みます"));
    cmdSave->setAccessibleDescription(tr("シナリオをファイルに保存します"));
    QPushButton* cmdClose =
        AddPlainButton(this, "cmdClose", m_zoom.twips(6240, 6720, 975, 375), tr("閉じる"));

    connect(cmdAdd1, &QPushButton::clicked, this, &frmSinario::cmdAdd1_Click);
    connect(cmdAdd2, &QPushButton::clicked, this, &frmSinario::cmdAdd2_Click);
    connect(cmdAdd3, &QPushButton::clicked, this, &frmSinario::cmdAdd3_Click);
    connect(cmdAdd4, &QPushButton::clicked, this, &frmSinario::cmdAdd4_Click);
    connect(cmdAdd5, &QPushButton::clicked, this, &frmSinario::cmdAdd5_Click);
    connect(cmdDel, &QPushButton::clicked, this, &frmSinario::cmdDel_Click);
    connect(cmdLoad, &QPushButton::clicked, this, &frmSinario::cmdLoad_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmSinario::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmSinario::cmdClose_Click);
}

void frmSinario::PlacePageControls() {
    const QPoint pageOrigin = m_SSTabMenu->widget(0)->mapTo(m_SSTabMenu, QPoint(0, 0));
    for (const PagePlace& place : m_pagePlaces)
        place.control->setGeometry(place.place.translated(-pageOrigin));
}

void frmSinario::OpenEditor() {
    LimitInputLength(*m_txtTTl, static_cast<int32_t>(scenario::kTitleBytes));
    LimitSettingsFields(m_fields);
    LimitInputLength(*m_txtTemp, model::FieldByteLimit(model::FormField::Volume));

    // A unit outside the list selects no entry; an Add then asks for one.
    FillSettingsFields(m_fields, m_settings);
    m_cmbBussitu->setCurrentIndex(0);
    m_txtTTl->setText(ui::FromUtf8(scenario::TitleText(m_currentScenario)));

    m_txtTemp->clear();
    m_chkAddTemp->setChecked(false);
    m_OptGrphOn->setChecked(true);
    m_SSTabMenu->setCurrentIndex(0);
    RefreshStepList();
}

bool frmSinario::AddStep(const scenario::ScenarioStep& step) {
    if (scenario::AddStep(m_currentScenario, step, SelectedLine()))
        return true;
    ShowMessage(tr("ステップは%1個までしか作れません。").arg(scenario::kMaxStepCount));
    return false;
}

void frmSinario::RefreshStepList() {
    m_listSinario->clear();
    for (const scenario::StepListEntry& entry : scenario::StepListEntries(m_currentScenario))
        m_listSinario->addItem(StepListText(entry));
    m_listSinario->clearSelection();
    m_listSinario->setCurrentRow(-1);
}

bool frmSinario::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtTTl && event->type() == QEvent::FocusOut)
        txtTTl_LostFocus();
    else if (watched == m_pageArea && event->type() == QEvent::Move)
        PlacePageControls();
    return QDialog::eventFilter(watched, event);
}

void frmSinario::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    PlacePageControls();
}

void frmSinario::keyPressEvent(QKeyEvent* event) {
    // Esc is "閉じる": there is nothing to cancel.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        cmdClose_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmSinario::done(int result) {
    // The close box keeps a typed title, as 閉じる does.
    txtTTl_LostFocus();
    QDialog::done(result);
}

void frmSinario::txtTTl_LostFocus() {
    // Only a title the user has edited is stored: a focus change alone must not turn a
    // never-assigned title into spaces or change the title of a loaded file.
    if (!m_txtTTl->isModified())
        return;
    scenario::AssignTitle(m_currentScenario, ui::ToUtf8(m_txtTTl->text()));
    m_txtTTl->setModified(false);
}

void frmSinario::AddBuiltStep(const scenario::StepBuild& built) {
    if (built.problem) {
        ReportUnusableField(*built.problem);
        return;
    }
    if (built.step && AddStep(*built.step))
        RefreshStepList();
}

void frmSinario::ReportUnusableField(const model::FieldProblem& problem) {
    QWidget* control = problem.field == model::FormField::Volume
                           ? m_txtTemp
                           : SettingsFieldControl(m_fields, problem.field);
    for (int i = 0; i < m_SSTabMenu->count(); ++i) {
        if (m_SSTabMenu->widget(i)->isAncestorOf(control))
            m_SSTabMenu->setCurrentIndex(i);
    }
    ShowMessage(FieldProblemText(problem));
    if (control != nullptr)
        FocusUnusableField(*control);
}

std::optional<int> frmSinario::SelectedLine() const {
    const QList<QListWidgetItem*> selected = m_listSinario->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return m_listSinario->row(selected.front());
}

int frmSinario::SelectedLiquidIndex() const {
    // Typed text that is no entry selects none.
    return m_cmbBussitu->findText(m_cmbBussitu->currentText(),
                                  Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void frmSinario::ShowMessage(const QString& text) {
    if (m_messageBox)
        m_messageBox(this, text, windowTitle());
}

void frmSinario::cmdAdd1_Click() {
    txtTTl_LostFocus();
    AddBuiltStep(scenario::BuildInitialSettingsStep(ReadSettingsFields(m_fields)));
}

void frmSinario::cmdAdd2_Click() {
    txtTTl_LostFocus();
    AddBuiltStep(
        scenario::BuildSetVolumeStep(ui::ToUtf8(m_txtTemp->text()), m_chkAddTemp->isChecked()));
}

void frmSinario::cmdAdd3_Click() {
    txtTTl_LostFocus();
    AddBuiltStep({scenario::BuildGraphStep(m_OptGrphOn->isChecked()), {}});
}

void frmSinario::cmdAdd4_Click() {
    txtTTl_LostFocus();
    AddBuiltStep({scenario::BuildClearGraphStep(), {}});
}

void frmSinario::cmdAdd5_Click() {
    txtTTl_LostFocus();
    AddBuiltStep({scenario::BuildChangeLiquidStep(SelectedLiquidIndex()), {}});
}

void frmSinario::cmdDel_Click() {
    txtTTl_LostFocus();
    if (scenario::DeleteStep(m_currentScenario, SelectedLine()))
        RefreshStepList();
}

void frmSinario::cmdLoad_Click() {
    txtTTl_LostFocus();
    const QString name = m_fileNamePrompt
                             ? m_fileNamePrompt(this, {tr("シナリオデータを読み込む"), FileFilter(),
                                                       false, m_fileFolder})
                             : QString();
    if (name.isEmpty())
        return;
    const scenario::ScenarioFileResult result =
        scenario::ReadScenarioFile(m_currentScenario, LocalPath(name));
    if (result != scenario::ScenarioFileResult::Ok) {
        ShowMessage(tr("シナリオデータを読み込めませんでした。") + "\n" +
                    QDir::toNativeSeparators(name) + ReadFailureReason(result));
        return;
    }
    m_txtTTl->setText(ui::FromUtf8(scenario::TrimmedTitleText(m_currentScenario)));
    RefreshStepList();
}

void frmSinario::cmdSave_Click() {
    txtTTl_LostFocus();
    const QString typedName = m_fileNamePrompt
                                  ? m_fileNamePrompt(this, {tr("シナリオデータを保存する"),
                                                            FileFilter(), true, m_fileFolder})
                                  : QString();
    if (typedName.isEmpty())
        return;
    // Without its extension the file would not show in the open dialog's list.
    const QString name = ui::FromUtf8(scenario::WithScenarioExtension(ui::ToUtf8(typedName)));
    if (scenario::WriteScenarioFile(m_currentScenario, LocalPath(name)) !=
        scenario::ScenarioFileResult::Ok) {
        ShowMessage(tr("シナリオデータを保存できませんでした。") + "\n" +
                    QDir::toNativeSeparators(name));
    }
}

void frmSinario::cmdClose_Click() {
    txtTTl_LostFocus();
    accept();
}

}  // namespace kemora::dialogs
