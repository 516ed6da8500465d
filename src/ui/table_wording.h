#pragma once

#include <QCoreApplication>
#include <QString>

#include "mainwindow/plotted_table.h"

namespace kemora::ui {

// The words of a table of plotted states: column names, liquid and phase names, in the
// interface's language. The numbers, the units and how headers are made come from the core.
class TableWording {
    Q_DECLARE_TR_FUNCTIONS(TableWording)
  public:
    [[nodiscard]] static mainwindow::TableWords words();
    // "容量 (L)", "圧力 (mmHg)", …: the header of a column in the summary's units.
    [[nodiscard]] static QString header(mainwindow::TableColumn column,
                                        const mainwindow::TableSummary& summary);
    [[nodiscard]] static QString liquidName(model::Liquid liquid);
};

}  // namespace kemora::ui
