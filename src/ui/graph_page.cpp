#include "ui/graph_page.h"

#include <QFont>
#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "mainwindow/graph.h"
#include "mainwindow/printed_table.h"
#include "ui/application_setup.h"
#include "ui/painter_surface.h"
#include "ui/surface_widget.h"
#include "ui/table_wording.h"
#include "ui/utf8_text.h"

namespace kemora::ui {
namespace {

// Sizes on paper, in millimetres, and font sizes in points.
constexpr qreal kHeadingHeight = 17;
constexpr qreal kGap = 6;
constexpr qreal kAxisTitleHeight = 5;
constexpr qreal kRuleSpacing = 9;
constexpr qreal kTitlePoints = 15;
constexpr qreal kTextPoints = 10;
constexpr qreal kSmallPoints = 8;

const QColor kRuleColor(170, 170, 170);

QFont PageFont(qreal points, bool bold = false) {
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Millimetres on the page to device pixels, from the top left of the printable area.
class PageScale {
  public:
    PageScale(const QRectF& area, qreal dotsPerMm) : m_origin(area.topLeft()), m_k(dotsPerMm) {}
    [[nodiscard]] qreal length(qreal mm) const { return mm * m_k; }
    [[nodiscard]] QRectF rect(qreal x, qreal y, qreal width, qreal height) const {
        return {m_origin.x() + x * m_k, m_origin.y() + y * m_k, width * m_k, height * m_k};
    }

  private:
    QPointF m_origin;
    qreal m_k;
};

QString Joined(const QStringList& parts) {
    return parts.join(GraphPage::tr("、"));
}

void PaintHeading(QPainter& painter, const PageScale& scale, qreal width,
                  const GraphPageContent& content) {
    const mainwindow::TableSummary& summary = content.summary;
    QStringList liquids;
    for (model::Liquid liquid : summary.liquids) liquids << TableWording::liquidName(liquid);
    QStringList temperatures;
    for (int64_t t : summary.temperatures) {
        temperatures << GraphPage::tr("%1 %2").arg(t).arg(
            FromUtf8(model::TemperatureUnitText(summary.temperatureUnit)));
    }
    QStringList amounts;
    for (int32_t mol : summary.mols) amounts << GraphPage::tr("%1 mol").arg(mol);

    painter.setPen(Qt::black);
    painter.setFont(PageFont(kTitlePoints, true));
    painter.drawText(scale.rect(0, 0, width, 8), Qt::AlignLeft | Qt::AlignVCenter,
                     GraphPage::tr("蒸気圧と容量の関係"));
    // Where each student writes class and name, on a line at the right.
    constexpr qreal kNameLine = 45;
    painter.setFont(PageFont(kTextPoints));
    painter.drawText(scale.rect(0, 0, width - kNameLine, 8), Qt::AlignRight | Qt::AlignVCenter,
                     GraphPage::tr("　年　　組　　番　名前"));
    painter.drawText(scale.rect(0, 9, width, 6), Qt::AlignLeft | Qt::AlignVCenter,
                     GraphPage::tr("液体：%1　　温度：%2　　物質量：%3　　日付：%4")
                         .arg(Joined(liquids), Joined(temperatures), Joined(amounts),
                              content.date.toString(GraphPage::tr("yyyy年M月d日"))));
    painter.setPen(QPen(Qt::black, scale.length(0.3)));
    const QRectF nameLine = scale.rect(width - kNameLine, 7, kNameLine, 0);
    painter.drawLine(nameLine.topLeft(), nameLine.topRight());
    const QRectF rule = scale.rect(0, kHeadingHeight - 1, width, 0);
    painter.drawLine(rule.topLeft(), rule.topRight());
}

// The graph box at `place`, drawn from the states through the same frame and plotting as
// the screen's box, with the axes' titles and a thin border.
void PaintGraph(QPainter& painter, const PageScale& scale, QRectF place,
                const GraphPageContent& content) {
    painter.setPen(Qt::black);
    painter.setFont(PageFont(kSmallPoints));
    const QRectF box = scale.rect(place.x(), place.y(), place.width(), place.height());
    painter.drawText(
        scale.rect(place.x(), place.y() - kAxisTitleHeight, place.width(), kAxisTitleHeight),
        Qt::AlignLeft | Qt::AlignVCenter,
        TableWording::header(mainwindow::TableColumn::Pressure, content.summary));
    painter.drawText(scale.rect(place.x(), place.bottom(), place.width(), kAxisTitleHeight),
                     Qt::AlignRight | Qt::AlignVCenter,
                     TableWording::header(mainwindow::TableColumn::Volume, content.summary));

    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / mainwindow::kGraphBoxWidth,
                  box.height() / mainwindow::kGraphBoxHeight);
    painter.setClipRect(QRectF(0, 0, mainwindow::kGraphBoxWidth, mainwindow::kGraphBoxHeight));
    PainterSurface surface(painter, GraphLabelFont());
    mainwindow::DrawGraphCopy(surface, content.settings, content.states);
    painter.restore();

    painter.setPen(QPen(kRuleColor, scale.length(0.2)));
    painter.drawRect(box);
}

// The table in as many blocks side by side as fit across `place`, rows top to bottom and
// then on in the next block; what does not fit is counted in a last line.
void PaintTable(QPainter& painter, const PageScale& scale, QRectF place,
                const GraphPageContent& content) {
    using mainwindow::kTableColumnWidth;
    using mainwindow::kTableRowHeight;
    const std::vector<mainwindow::TableColumn> columns =
        mainwindow::PrintedColumns(content.summary);
    const mainwindow::PrintedTable table = mainwindow::LayOutPrintedTable(
        content.states.size(), columns.size(), place.width(), place.height());
    if (table.rowsPerBlock == 0)
        return;
    const std::vector<std::vector<std::string>> rows =
        mainwindow::TableRows(content.states, columns, content.summary,
                              mainwindow::PressureDigits::AsShown, TableWording::words());
    const qreal blockWidth = kTableColumnWidth * static_cast<qreal>(columns.size());
    const auto blockLeft = [&](std::size_t block) {
        return place.x() + static_cast<qreal>(block) * (blockWidth + mainwindow::kTableBlockGap);
    };

    for (std::size_t block = 0; block < table.blocks; ++block) {
        painter.setFont(PageFont(kSmallPoints, true));
        painter.setPen(Qt::black);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            painter.drawText(
                scale.rect(blockLeft(block) + static_cast<qreal>(c) * kTableColumnWidth, place.y(),
                           kTableColumnWidth, kTableRowHeight),
                Qt::AlignCenter, TableWording::header(columns[c], content.summary));
        }
        painter.setPen(QPen(Qt::black, scale.length(0.2)));
        const QRectF underHeader =
            scale.rect(blockLeft(block), place.y() + kTableRowHeight, blockWidth, 0);
        painter.drawLine(underHeader.topLeft(), underHeader.topRight());
    }

    painter.setFont(PageFont(kSmallPoints));
    painter.setPen(Qt::black);
    for (std::size_t line = 0; line < table.lines(); ++line) {
        const mainwindow::TablePlace at = mainwindow::PlaceOfLine(table, line);
        const qreal left = blockLeft(at.block);
        const qreal top = place.y() + static_cast<qreal>(at.row) * kTableRowHeight;
        if (line == table.rows.shown) {
            painter.drawText(scale.rect(left, top, blockWidth, kTableRowHeight), Qt::AlignCenter,
                             GraphPage::tr("…ほか %1 件").arg(table.rows.omitted));
            break;
        }
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const bool word = columns[c] == mainwindow::TableColumn::Liquid ||
                              columns[c] == mainwindow::TableColumn::Phase;
            // Numbers line up at the right, a little in from the next column.
            painter.drawText(scale.rect(left + static_cast<qreal>(c) * kTableColumnWidth, top,
                                        kTableColumnWidth - (word ? 0 : 4), kTableRowHeight),
                             word ? Qt::AlignCenter : (Qt::AlignRight | Qt::AlignVCenter),
                             FromUtf8(rows[line][c]));
        }
    }
}

// A bordered box with faint rules for the class's answers.
void PaintAnswerArea(QPainter& painter, const PageScale& scale, QRectF place) {
    painter.setPen(QPen(Qt::black, scale.length(0.3)));
    painter.drawRect(scale.rect(place.x(), place.y(), place.width(), place.height()));
    painter.setFont(PageFont(kTextPoints));
    painter.drawText(scale.rect(place.x() + 3, place.y() + 1, place.width() - 6, 7),
                     Qt::AlignLeft | Qt::AlignVCenter, GraphPage::tr("気づいたこと・考えたこと"));
    painter.setPen(QPen(kRuleColor, scale.length(0.2)));
    for (qreal y = place.y() + 8 + kRuleSpacing; y < place.bottom() - 2; y += kRuleSpacing) {
        const QRectF rule = scale.rect(place.x() + 3, y, place.width() - 6, 0);
        painter.drawLine(rule.topLeft(), rule.topRight());
    }
}

}  // namespace

void GraphPage::paint(QPainter& painter, const QRectF& area, qreal dotsPerMm,
                      const GraphPageContent& content) {
    const PageScale scale(area, dotsPerMm);
    const qreal width = area.width() / dotsPerMm;
    const qreal height = area.height() / dotsPerMm;
    painter.setRenderHint(QPainter::Antialiasing);
    PaintHeading(painter, scale, width, content);

    // The left half holds the graph, as tall as leaves room for a table beneath it; the
    // right half is the answer area.
    const qreal leftWidth = (width - kGap) / 2;
    const qreal graphTop = kHeadingHeight + kAxisTitleHeight + 1;
    const qreal graphHeight = std::min(
        height * 0.5, leftWidth * mainwindow::kGraphBoxHeight / mainwindow::kGraphBoxWidth);
    const qreal graphWidth = graphHeight * mainwindow::kGraphBoxWidth / mainwindow::kGraphBoxHeight;
    const QRectF graph((leftWidth - graphWidth) / 2, graphTop, graphWidth, graphHeight);
    PaintGraph(painter, scale, graph, content);

    const qreal tableTop = graph.bottom() + kAxisTitleHeight + 2;
    PaintTable(painter, scale, QRectF(0, tableTop, leftWidth, height - tableTop), content);
    PaintAnswerArea(painter, scale,
                    QRectF(leftWidth + kGap, kHeadingHeight + 2, width - leftWidth - kGap,
                           height - kHeadingHeight - 2));
}

}  // namespace kemora::ui
