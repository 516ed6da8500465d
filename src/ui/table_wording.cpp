#include "ui/table_wording.h"

#include "ui/liquid_names.h"
#include "ui/utf8_text.h"

namespace kemora::ui {

mainwindow::TableWords TableWording::cellWords() {
    return {{ToUtf8(liquidName(model::Water)), ToUtf8(liquidName(model::Ethanol)),
             ToUtf8(liquidName(model::DiethylEther))},
            {ToUtf8(tr("すべて液体")), ToUtf8(tr("液体と蒸気")), ToUtf8(tr("すべて蒸気"))}};
}

QString TableWording::header(mainwindow::TableColumn column,
                             const mainwindow::TableSummary& summary) {
    switch (column) {
        case mainwindow::TableColumn::Volume:
            return tr("容量 (L)");
        case mainwindow::TableColumn::Pressure:
            return tr("圧力 (%1)").arg(FromUtf8(model::PressureUnitText(summary.pressureUnit)));
        case mainwindow::TableColumn::Liquid:
            return tr("液体");
        case mainwindow::TableColumn::Temperature:
            return tr("温度 (%1)").arg(temperatureUnit(summary.temperatureUnit));
        case mainwindow::TableColumn::Mol:
            return tr("物質量 (mol)");
        case mainwindow::TableColumn::Phase:
            return tr("状態");
    }
    return {};
}

QString TableWording::liquidName(model::Liquid liquid) {
    const QStringList names = LiquidNames();
    return names.value(liquid == model::Water || liquid == model::Ethanol ? liquid
                                                                          : model::DiethylEther);
}

QString TableWording::temperatureUnit(model::TemperatureUnit unit) {
    return unit == model::Kelvin ? tr("K") : tr("℃");
}

}  // namespace kemora::ui
