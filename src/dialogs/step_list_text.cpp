#include "dialogs/step_list_text.h"

#include <QCoreApplication>

#include "model/numbers.h"
#include "ui/utf8_text.h"

namespace kemora::dialogs {
namespace {

// The translation context of the step list's lines.
struct StepList {
    Q_DECLARE_TR_FUNCTIONS(StepList)
};

QString LiquidLine(model::Liquid liquid) {
    switch (liquid) {
        case model::Water:
            return StepList::tr("データを水に設定します。");
        case model::Ethanol:
            return StepList::tr("データをエタノールに設定します。");
        case model::DiethylEther:
            break;
    }
    return StepList::tr("データをジエチルエーテルに設定します。");
}

}  // namespace

QString StepListText(const scenario::StepListEntry& entry) {
    using Kind = scenario::StepListKind;
    const QString litres = ui::FromUtf8(model::IntegerText(entry.litres));
    switch (entry.kind) {
        case Kind::InitialSettings:
            return StepList::tr("初期値設定");
        case Kind::SetVolume:
            return entry.gradual
                       ? StepList::tr("容量を %1 リットルまで少しずつ変えます。").arg(litres)
                       : StepList::tr("容量を %1 リットルに設定します。").arg(litres);
        case Kind::ShowGraph:
            return StepList::tr("グラフを表示します。");
        case Kind::HideGraph:
            return StepList::tr("グラフを非表示にします。");
        case Kind::ClearGraph:
            return StepList::tr("描画されたグラフを消します。");
        case Kind::ChangeLiquid:
            return LiquidLine(entry.liquid);
        case Kind::Unknown:
            break;
    }
    return StepList::tr("不明なステップです。");
}

}  // namespace kemora::dialogs
