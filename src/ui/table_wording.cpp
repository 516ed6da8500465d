#include "ui/table_wording.h"

#include "ui/liquid_names.h"
#include "ui/utf8_text.h"

namespace kemora::ui {

mainwindow::TableWords TableWording::words() {
    return {{ToUtf8(liquidName(model::Water)), ToUtf8(liquidName(model::Ethanol)),
             ToUtf8(liquidName(model::DiethylEther))},
            {ToUtf8(tr("すべて液体")), ToUtf8(tr("液体と蒸気")), ToUtf8(tr("すべて蒸気"))},
            // By mainwindow::TableColumn.
            {ToUtf8(tr("容量")), ToUtf8(tr("圧力")), ToUtf8(tr("液体")), ToUtf8(tr("温度")),
             ToUtf8(tr("物質量")), ToUtf8(tr("状態"))}};
}

QString TableWording::header(mainwindow::TableColumn column,
                             const mainwindow::TableSummary& summary) {
    return FromUtf8(mainwindow::TableHeader(column, summary, words()));
}

QString TableWording::liquidName(model::Liquid liquid) {
    return LiquidNames().value(model::LiquidOf(liquid));
}

}  // namespace kemora::ui
