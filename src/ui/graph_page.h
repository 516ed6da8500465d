#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QRectF>
#include <vector>

#include "mainwindow/plotted_table.h"
#include "model/settings.h"

class QPainter;

namespace kemora::ui {

// What the printed page of the graph shows: the graph's ranges and units as they stand, the
// plotted states and the day of the lesson.
struct GraphPageContent {
    model::ExperimentSettings settings;
    std::vector<mainwindow::PlottedState> states;
    mainwindow::TableSummary summary;
    QDate date;
};

// The printed page of the graph, a worksheet for the class: a heading with the liquid,
// temperature, amount and date, the graph drawn as vectors, the table of plotted states
// beneath it and a blank answer area beside them.
class GraphPage {
    Q_DECLARE_TR_FUNCTIONS(GraphPage)
  public:
    // Paints the page into `area` (device pixels) of a device with `dotsPerMm` pixels per
    // millimetre; meant for one A4 landscape page.
    static void paint(QPainter& painter, const QRectF& area, qreal dotsPerMm,
                      const GraphPageContent& content);
};

}  // namespace kemora::ui
