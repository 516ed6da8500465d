// The names and descriptions the main window gives screen readers.
#include "ui/frm_main.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include "mainwindow/keyboard.h"
#include "mainwindow/up_down_value.h"
#include "ui/image_button.h"
#include "ui/surface_widget.h"
#include "ui/up_down.h"
#include "ui/utf8_text.h"

namespace kemora::ui {

void frmMain::nameControls() {
    menuBar()->setAccessibleName(tr("メニューバー"));
    m_client->setAccessibleName(tr("実験画面"));
    m_picBack->setAccessibleName(tr("シリンダー"));
    m_picTenjyou->setAccessibleName(tr("シリンダーのふた"));
    m_picTenjyou->setAccessibleDescription(tr("容量に合わせて上下します"));
    m_picGrph->setAccessibleName(tr("圧力と容量のグラフ"));

    m_picSinario->setAccessibleName(tr("シナリオモード"));
    m_picSinario->setAccessibleDescription(tr(
        "オンの間は下矢印、Enter、Space、Page Down、右矢印のキーで次のステップを実行します（F5）"));
    m_picGrphSw->setAccessibleName(tr("グラフの表示"));
    m_picGrphSw->setAccessibleDescription(tr("グラフを表示するか隠すかを切り替えます（F6）"));
    m_picGrphCls->setAccessibleName(tr("グラフの消去"));
    m_picGrphCls->setAccessibleDescription(tr("グラフに描いた点を消します（F7）"));

    m_txtValue->setAccessibleName(tr("容量"));
    const int32_t step = mainwindow::kVolumeStep;  // litres a click
    m_txtValue->setAccessibleDescription(
        tr("リットル。上下の矢印キーで %1 リットル、Page Up と Page Down で %2 リットル増減します")
            .arg(step)
            .arg(step * mainwindow::kClicksPerPage));
    m_upDownOndo->setAccessibleName(tr("容量の増減"));
    m_upDownOndo->setAccessibleDescription(
        tr("容量を %1 リットルずつ増やしたり減らしたりします").arg(step));
    m_upDownOndo->setArrowNames(tr("%1 リットル増やす").arg(step),
                                tr("%1 リットル減らす").arg(step));
    m_txtAturyoku->setAccessibleDescription(tr("容量を変えるたびに計算される圧力"));
    namePressureField();
    // Screen readers on Linux read a list's chosen entry as its name; the description tells
    // what it chooses.
    m_cmbLiquid->setAccessibleName(tr("液体の種類"));
    m_cmbLiquid->setAccessibleDescription(tr("液体の種類"));
}

void frmMain::namePressureField() {
    m_txtAturyoku->setAccessibleName(tr("圧力（%1）").arg(m_lblPress->text()));
}

void frmMain::describePictures() {
    QString cylinder;
    if (m_cylinderLayers.vaporLayers == 0)
        cylinder = tr("すべて液体");
    else if (m_cylinderLayers.liquidLayers == 0)
        cylinder = tr("すべて気体");
    else
        cylinder = tr("液体 %1 層、気体 %2 層")
                       .arg(m_cylinderLayers.liquidLayers)
                       .arg(m_cylinderLayers.vaporLayers);

    QString graph;
    if (!m_graphReading.shown)
        graph = tr("グラフは隠されています");
    else if (!m_graphReading.newest)
        graph = tr("点はまだありません");
    else
        graph = tr("容量 %1 リットル、圧力 %2 %3")
                    .arg(m_graphReading.newest->volume)
                    .arg(FromUtf8(m_graphReading.newest->pressureText),
                         FromUtf8(m_graphReading.newest->unitText));

    // A screen reader hears of every change, so only a change is told.
    if (m_picBack->accessibleDescription() != cylinder)
        m_picBack->setAccessibleDescription(cylinder);
    if (m_picGrph->accessibleDescription() != graph)
        m_picGrph->setAccessibleDescription(graph);
}

void frmMain::describeCylinder(const mainwindow::LayerSplit& layers) {
    m_cylinderLayers = layers;
    describePictures();
}

void frmMain::describeGraph(const mainwindow::GraphReading& reading) {
    m_graphReading = reading;
    describePictures();
}

}  // namespace kemora::ui
