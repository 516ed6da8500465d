// The main window's menus: which items there are, their names, keys and what each one does.
// Their texts are given with the window's other texts.
#include "ui/frm_main.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "mainwindow/zoom.h"
#include "ui/export_commands.h"
#include "ui/surface_widget.h"

namespace kemora::ui {
namespace {

QAction* AddItem(QMenu& menu, const char* name, const QList<QKeySequence>& keys,
                 bool checkable = false) {
    QAction* action = menu.addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    action->setCheckable(checkable);
    return action;
}

}  // namespace

void frmMain::createMenus() {
    m_menuFile = menuBar()->addMenu(QString());
    m_menuFile->setObjectName(QStringLiteral("menu_File"));
    m_menuInit = m_menuFile->addAction(QString());
    m_menuInit->setObjectName(QStringLiteral("menu_Init"));
    connect(m_menuInit, &QAction::triggered, this, [this] { showModal(m_settingsDialog); });
    m_menuSinario = m_menuFile->addAction(QString());
    m_menuSinario->setObjectName(QStringLiteral("menu_Sinario"));
    connect(m_menuSinario, &QAction::triggered, this, [this] { showModal(m_scenarioEditor); });
    m_menuFile->addSeparator();
    m_export = new ExportCommands(*this, *m_picGrph, m_state);
    m_menuSaveCsv = m_menuFile->addAction(QString());
    m_menuSaveCsv->setObjectName(QStringLiteral("menu_saveCsv"));
    connect(m_menuSaveCsv, &QAction::triggered, m_export, &ExportCommands::saveCsv);
    m_menuSaveImage = m_menuFile->addAction(QString());
    m_menuSaveImage->setObjectName(QStringLiteral("menu_saveImage"));
    connect(m_menuSaveImage, &QAction::triggered, m_export, &ExportCommands::saveImage);
    m_menuPrint = m_menuFile->addAction(QString());
    m_menuPrint->setObjectName(QStringLiteral("menu_print"));
    // Ctrl+P is kept for pausing the animation.
    m_menuPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    connect(m_menuPrint, &QAction::triggered, m_export, &ExportCommands::print);
    m_menuFile->addSeparator();
    m_menuEnd = m_menuFile->addAction(QString());
    m_menuEnd->setObjectName(QStringLiteral("menu_end"));
    connect(m_menuEnd, &QAction::triggered, this, &QWidget::close);

    m_menuEdit = menuBar()->addMenu(QString());
    m_menuEdit->setObjectName(QStringLiteral("menu_Edit"));
    m_menuCopyGraph = m_menuEdit->addAction(QString());
    m_menuCopyGraph->setObjectName(QStringLiteral("menu_copyGraph"));
    m_menuCopyGraph->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(m_menuCopyGraph, &QAction::triggered, m_export, &ExportCommands::copyGraph);
    m_menuCopyWindow = m_menuEdit->addAction(QString());
    m_menuCopyWindow->setObjectName(QStringLiteral("menu_copyWindow"));
    m_menuCopyWindow->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(m_menuCopyWindow, &QAction::triggered, m_export, &ExportCommands::copyWindow);

    m_menuView = menuBar()->addMenu(QString());
    m_menuView->setObjectName(QStringLiteral("menu_view"));
    m_menuCurve = m_menuView->addAction(QString());
    m_menuCurve->setObjectName(QStringLiteral("menu_curve"));
    m_menuCurve->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(m_menuCurve, &QAction::triggered, this, [this] { showCurveWindow(); });
    m_menuView->addSeparator();
    createPresentationItems(*m_menuView);
    m_menuView->addSeparator();
    createLanguageMenu(*m_menuView);
    createZoomMenu(*m_menuView);

    m_menuHelp = menuBar()->addMenu(QString());
    m_menuHelp->setObjectName(QStringLiteral("menu_Help"));
    m_menuSearch = m_menuHelp->addAction(QString());
    m_menuSearch->setObjectName(QStringLiteral("menu_search"));
    m_menuVer = m_menuHelp->addAction(QString());
    m_menuVer->setObjectName(QStringLiteral("menu_ver"));
    connect(m_menuVer, &QAction::triggered, this, [this] { showModal(m_versionDialog); });
}

void frmMain::createPresentationItems(QMenu& view) {
    // What a presenter needs without the mouse: the three picture buttons, the pause and the
    // reset.
    m_menuScenarioMode = AddItem(view, "menu_scenarioMode", {QKeySequence(Qt::Key_F5)}, true);
    m_menuGraphVisible = AddItem(view, "menu_graphVisible", {QKeySequence(Qt::Key_F6)}, true);
    m_menuGraphVisible->setChecked(true);
    m_menuGraphClear = AddItem(view, "menu_graphClear", {QKeySequence(Qt::Key_F7)});
    view.addSeparator();
    m_menuPause = AddItem(view, "menu_pause",
                          {QKeySequence(Qt::CTRL | Qt::Key_P), QKeySequence(Qt::Key_Pause)}, true);
    m_menuReset = AddItem(view, "menu_reset", {QKeySequence(Qt::CTRL | Qt::Key_R)});
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

void frmMain::createZoomMenu(QMenu& view) {
    view.addSeparator();
    m_zoomIn = view.addAction(QString());
    m_zoomIn->setObjectName(QStringLiteral("menu_zoomIn"));
    // "Ctrl+=" too: on many keyboards "+" is the shifted "=".
    m_zoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(m_zoomIn, &QAction::triggered, this,
            [this] { chooseZoom(mainwindow::ZoomIn(m_shownZoom)); });
    m_zoomOut = view.addAction(QString());
    m_zoomOut->setObjectName(QStringLiteral("menu_zoomOut"));
    m_zoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(m_zoomOut, &QAction::triggered, this,
            [this] { chooseZoom(mainwindow::ZoomOut(m_shownZoom)); });
    view.addSeparator();

    for (const int32_t percent : mainwindow::kZoomSteps) {
        QAction* step = view.addAction(QString());
        step->setObjectName(QStringLiteral("menu_zoom%1").arg(percent));
        step->setCheckable(true);
        connect(step, &QAction::triggered, this, [this, percent] { chooseZoom(percent); });
        m_zoomSteps[percent] = step;
    }
    m_zoomSteps[mainwindow::kNormalZoom]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    m_zoomFit = view.addAction(QString());
    m_zoomFit->setObjectName(QStringLiteral("menu_zoomFit"));
    connect(m_zoomFit, &QAction::triggered, this, [this] { chooseZoom(windowFitZoom()); });
    view.addSeparator();

    m_fullScreen = view.addAction(QString());
    m_fullScreen->setObjectName(QStringLiteral("menu_fullScreen"));
    m_fullScreen->setCheckable(true);
    m_fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    connect(m_fullScreen, &QAction::triggered, this, &frmMain::setFullScreen);
    m_leaveFullScreen = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_leaveFullScreen->setObjectName(QStringLiteral("shortcut_leaveFullScreen"));
    m_leaveFullScreen->setEnabled(false);
    connect(m_leaveFullScreen, &QShortcut::activated, this, [this] { setFullScreen(false); });
}

}  // namespace kemora::ui
