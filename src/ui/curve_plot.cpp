#include "ui/curve_plot.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "mainwindow/graph.h"
#include "ui/application_setup.h"
#include "ui/liquid_names.h"
#include "ui/rgb_color.h"
#include "ui/utf8_text.h"

namespace kemora::ui {
namespace {

// Pixel sizes chosen to be read from the back of a classroom.
constexpr int kTickPixels = 15;
constexpr int kTitlePixels = 16;
constexpr int kLabelPixels = 15;
constexpr int kMarkerPixels = 18;

constexpr qreal kMargin = 10;       // around the figure
constexpr qreal kTickGap = 6;       // between the frame and its tick labels
constexpr qreal kSwatchWidth = 28;  // a legend entry's line
constexpr qreal kEntryGap = 18;     // between legend entries
constexpr qreal kCurveWidth = 2.5;
constexpr qreal kCurrentCurveWidth = 5;
constexpr qreal kMeasuredWidth = 2;
constexpr qreal kBoilingRadius = 5;
constexpr qreal kDotRadius = 7;

const QColor kMinorGrid(232, 232, 232);
const QColor kAtmosphereLine(80, 80, 80);
const QColor kMarkerRed(255, 0, 0);  // the P-V graph's newest point
const QColor kMarkerLabelRed(176, 0, 0);
const QColor kLabelBackground(255, 255, 255, 220);

QString LiquidName(int32_t liquid) {
    return LiquidNames().value(model::LiquidOf(liquid));
}

// The middle of the pixel that a coordinate falls in, where a one-pixel line is sharp.
qreal PixelCentre(qreal coordinate) {
    return std::floor(coordinate) + 0.5;
}

QPolygonF PolygonOf(const curve::Curve& curve, const curve::AxisScale& temperature,
                    const curve::AxisScale& pressure) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(curve.points.size()));
    for (const curve::CurvePoint& point : curve.points)
        polygon << QPointF(temperature.toPixel(point.temperature),
                           pressure.toPixel(point.pressure));
    return polygon;
}

// The box of a text at the first of `corners` (top left corners) where it lies wholly inside
// `bounds`; at the first one, moved inside as far as it goes, when it fits at none.
QRectF PlaceText(QSizeF size, std::initializer_list<QPointF> corners, const QRectF& bounds) {
    for (const QPointF& corner : corners) {
        const QRectF box(corner, size);
        if (bounds.contains(box))
            return box;
    }
    QRectF box(*corners.begin(), size);
    box.moveLeft(std::clamp(box.left(), bounds.left(),
                            std::max(bounds.left(), bounds.right() - size.width())));
    box.moveTop(std::clamp(box.top(), bounds.top(),
                           std::max(bounds.top(), bounds.bottom() - size.height())));
    return box;
}

}  // namespace

CurvePlot::CurvePlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picCurve"));
    setMouseTracking(true);
    setMinimumSize(640, 420);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CurvePlot::setFigure(curve::CurveFigure figure) {
    m_figure = std::move(figure);
    update();
}

QImage CurvePlot::renderImage() const {
    const qreal ratio = devicePixelRatioF();
    QImage image((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    paintZoomed(painter);
    return image;
}

void CurvePlot::setZoom(double zoom) {
    m_zoom = zoom;
    update();
}

QSizeF CurvePlot::figureSize() const {
    return QSizeF(size()) / m_zoom;
}

void CurvePlot::paintZoomed(QPainter& painter) const {
    painter.scale(m_zoom, m_zoom);
    paintFigure(painter, figureSize());
}

void CurvePlot::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintZoomed(painter);
}

void CurvePlot::mouseMoveEvent(QMouseEvent* event) {
    const Layout layout = layoutFor(figureSize());
    const QPointF at = event->position() / m_zoom;
    if (layout.plot.contains(at))
        emit pointerMoved(layout.temperature.toValue(at.x()));
    else
        emit pointerLeft();
    QWidget::mouseMoveEvent(event);
}

void CurvePlot::changeEvent(QEvent* event) {
    // Every text is worded as it is drawn.
    if (event->type() == QEvent::LanguageChange)
        update();
    QWidget::changeEvent(event);
}

void CurvePlot::leaveEvent(QEvent* event) {
    emit pointerLeft();
    QWidget::leaveEvent(event);
}

bool CurvePlot::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QRectF legend = layoutFor(figureSize()).legend;
    if (legend.contains(QPointF(help->pos()) / m_zoom)) {
        QToolTip::showText(
            help->globalPos(),
            tr("実線：このプログラムの蒸気圧の表（シミュレーションが使う値）\n"
               "破線：実測値。Antoine 式 log10(p / mmHg) = A − B / (C + t / °C) "
               "による。定数は Lange's Handbook of Chemistry の値"),
            this, QRectF(legend.topLeft() * m_zoom, legend.size() * m_zoom).toAlignedRect());
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}

CurvePlot::Layout CurvePlot::layoutFor(QSizeF size) const {
    const QFontMetricsF tick(FormFont(kTickPixels, false));
    const QFontMetricsF title(FormFont(kTitlePixels, true));
    const QFontMetricsF legend(FormFont(kLabelPixels, false));

    qreal labelWidth = 0;
    for (const curve::Tick& t : m_figure.pressureAxis.labelled)
        labelWidth = std::max(labelWidth, tick.horizontalAdvance(FromUtf8(t.text)));
    qreal lastLabelWidth = 0;
    if (!m_figure.temperatureAxis.labelled.empty())
        lastLabelWidth =
            tick.horizontalAdvance(FromUtf8(m_figure.temperatureAxis.labelled.back().text));

    qreal legendWidth = 0;
    for (const curve::Curve& curve : m_figure.tableCurves)
        legendWidth += kSwatchWidth + kTickGap +
                       legend.horizontalAdvance(LiquidName(curve.liquid)) + kEntryGap;
    if (!m_figure.measuredCurves.empty())
        legendWidth += kSwatchWidth + kTickGap + legend.horizontalAdvance(tr("実測値")) + kEntryGap;
    legendWidth = std::max(qreal{0}, legendWidth - kEntryGap);

    const qreal stripHeight = std::max(title.height(), legend.height());
    const qreal left = kMargin + labelWidth + kTickGap;
    const qreal top = kMargin + stripHeight + 2 * kTickGap;
    const qreal right = kMargin + lastLabelWidth / 2;
    const qreal bottom = kTickGap + tick.height() + kTickGap + title.height() + kMargin;

    Layout layout;
    layout.plot = QRectF(left, top, std::max(size.width() - left - right, qreal{1}),
                         std::max(size.height() - top - bottom, qreal{1}));
    layout.legend = QRectF(layout.plot.right() - legendWidth, kMargin, legendWidth, stripHeight);
    layout.temperature = {m_figure.temperatureAxis.low, m_figure.temperatureAxis.high,
                          layout.plot.left(), layout.plot.right(), false};
    layout.pressure = {m_figure.pressureAxis.low, m_figure.pressureAxis.high, layout.plot.bottom(),
                       layout.plot.top(), m_figure.logarithmic};
    return layout;
}

void CurvePlot::paintFigure(QPainter& painter, QSizeF size) const {
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    const Layout layout = layoutFor(size);
    paintGrid(painter, layout);
    paintAxes(painter, layout);
    painter.save();
    painter.setClipRect(layout.plot);
    painter.setRenderHint(QPainter::Antialiasing);
    paintCurves(painter, layout);
    paintAtmosphere(painter, layout);
    paintMarker(painter, layout);
    painter.restore();
    paintMarkerTemperature(painter, layout);
    paintLegend(painter, layout);
}

void CurvePlot::paintGrid(QPainter& painter, const Layout& layout) const {
    const QRectF& plot = layout.plot;
    painter.setPen(QPen(kMinorGrid, 1));
    for (double value : m_figure.pressureAxis.minor) {
        const qreal y = PixelCentre(layout.pressure.toPixel(value));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    const mainwindow::Rgb grid = mainwindow::kGridLineColor;
    painter.setPen(QPen(ColorOf(grid), 1));
    for (const curve::Tick& tick : m_figure.pressureAxis.labelled) {
        const qreal y = PixelCentre(layout.pressure.toPixel(tick.value));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    for (const curve::Tick& tick : m_figure.temperatureAxis.labelled) {
        const qreal x = PixelCentre(layout.temperature.toPixel(tick.value));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
}

void CurvePlot::paintAxes(QPainter& painter, const Layout& layout) const {
    const QRectF& plot = layout.plot;
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(QRectF(PixelCentre(plot.left()), PixelCentre(plot.top()),
                            std::floor(plot.width()), std::floor(plot.height())));

    const QFont tickFont = FormFont(kTickPixels, false);
    const QFontMetricsF tick(tickFont);
    painter.setFont(tickFont);
    for (const curve::Tick& t : m_figure.temperatureAxis.labelled) {
        const QString text = FromUtf8(t.text);
        const qreal width = tick.horizontalAdvance(text);
        const qreal x = layout.temperature.toPixel(t.value);
        painter.drawText(QRectF(x - width / 2, plot.bottom() + kTickGap, width, tick.height()),
                         Qt::AlignCenter, text);
    }
    for (const curve::Tick& t : m_figure.pressureAxis.labelled) {
        const qreal y = layout.pressure.toPixel(t.value);
        painter.drawText(
            QRectF(kMargin, y - tick.height() / 2, plot.left() - kTickGap - kMargin, tick.height()),
            Qt::AlignRight | Qt::AlignVCenter, FromUtf8(t.text));
    }

    const QFont titleFont = FormFont(kTitlePixels, true);
    const QFontMetricsF title(titleFont);
    painter.setFont(titleFont);
    const qreal titleTop = plot.bottom() + kTickGap + tick.height() + kTickGap;
    painter.drawText(QRectF(plot.left(), titleTop, plot.width(), title.height()), Qt::AlignCenter,
                     tr("温度 (%1)").arg(FromUtf8(m_figure.temperatureUnitText)));
    painter.drawText(QRectF(kMargin, layout.legend.top(), plot.width(), layout.legend.height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     tr("蒸気圧 (%1)").arg(FromUtf8(m_figure.pressureUnitText)));
}

void CurvePlot::paintCurves(QPainter& painter, const Layout& layout) const {
    painter.setBrush(Qt::NoBrush);
    // The current liquid last, so that its thick line lies over the others.
    for (bool current : {false, true}) {
        for (const curve::Curve& curve : m_figure.tableCurves) {
            if (curve.current != current)
                continue;
            painter.setPen(QPen(ColorOf(curve.color), current ? kCurrentCurveWidth : kCurveWidth,
                                Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPolyline(PolygonOf(curve, layout.temperature, layout.pressure));
        }
    }
    // Dashed over the solid ones, so that both show where they agree.
    for (const curve::Curve& curve : m_figure.measuredCurves) {
        painter.setPen(QPen(ColorOf(curve.color), kMeasuredWidth, Qt::DashLine, Qt::FlatCap));
        painter.drawPolyline(PolygonOf(curve, layout.temperature, layout.pressure));
    }
}

void CurvePlot::paintAtmosphere(QPainter& painter, const Layout& layout) const {
    const QRectF& plot = layout.plot;
    const qreal y = PixelCentre(layout.pressure.toPixel(m_figure.oneAtmosphere));
    painter.setPen(QPen(kAtmosphereLine, 1.5));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));

    const QFont font = FormFont(kLabelPixels, false);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(plot.left() + kTickGap, y - kTickGap + 1 - metrics.descent()),
                     QStringLiteral("1 atm"));

    for (const curve::BoilingPoint& point : m_figure.boilingPoints) {
        const QPointF at(layout.temperature.toPixel(point.temperature), y);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(ColorOf(point.color));
        painter.drawEllipse(at, kBoilingRadius, kBoilingRadius);
        const QString text = temperatureText(point.temperature);
        const QSizeF size(metrics.horizontalAdvance(text) + 4, metrics.height());
        const QRectF box = PlaceText(
            size,
            {at + QPointF(kTickGap, kTickGap), at + QPointF(-kTickGap - size.width(), kTickGap)},
            plot);
        painter.fillRect(box, kLabelBackground);
        painter.drawText(box, Qt::AlignCenter, text);
    }
    painter.setBrush(Qt::NoBrush);
}

void CurvePlot::paintMarker(QPainter& painter, const Layout& layout) const {
    if (!m_figure.marker)
        return;
    const curve::ExperimentMarker& marker = *m_figure.marker;
    const QRectF& plot = layout.plot;
    // Whole pixels: the line shows in the pure colour of the newest P-V point.
    const qreal x = std::round(layout.temperature.toPixel(marker.temperature));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(x - 1, plot.top(), 2, plot.height()), kMarkerRed);
    painter.restore();

    const QPointF dot(x, layout.pressure.toPixel(marker.pressure));
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(kMarkerRed);
    painter.drawEllipse(dot, kDotRadius, kDotRadius);
    painter.setBrush(Qt::NoBrush);

    const QFont font = FormFont(kMarkerPixels, true);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    const QString pressure = QStringLiteral("%1 %2").arg(FromUtf8(marker.pressureText),
                                                         FromUtf8(m_figure.pressureUnitText));
    const QSizeF size(metrics.horizontalAdvance(pressure) + 8, metrics.height() + 2);
    // Above and to the left of the dot, or else below and to the right: a rising curve
    // leaves these two corners free.
    const qreal gap = kDotRadius + 4;
    const QRectF box = PlaceText(
        size,
        {dot + QPointF(-gap - size.width(), -gap - size.height()), dot + QPointF(gap, gap),
         dot + QPointF(gap, -gap - size.height()), dot + QPointF(-gap - size.width(), gap)},
        plot);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLabelBackground);
    painter.drawRoundedRect(box, 4, 4);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, pressure);
}

void CurvePlot::paintMarkerTemperature(QPainter& painter, const Layout& layout) const {
    if (!m_figure.marker)
        return;
    // In the row of the temperature ticks, over whichever of them it meets.
    const QFont font = FormFont(kTickPixels, true);
    const QFontMetricsF metrics(font);
    const QString text = temperatureText(m_figure.marker->temperature);
    const qreal x = std::round(layout.temperature.toPixel(m_figure.marker->temperature));
    const QSizeF size(metrics.horizontalAdvance(text) + 8, metrics.height());
    const QRectF box(QPointF(x - size.width() / 2, layout.plot.bottom() + kTickGap), size);
    painter.fillRect(box, Qt::white);
    painter.setFont(font);
    painter.setPen(kMarkerLabelRed);
    painter.drawText(box, Qt::AlignCenter, text);
}

void CurvePlot::paintLegend(QPainter& painter, const Layout& layout) const {
    const QFont font = FormFont(kLabelPixels, false);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal y = layout.legend.center().y();
    qreal x = layout.legend.left();
    const auto entry = [&](const QPen& pen, const QString& name) {
        painter.setPen(pen);
        painter.drawLine(QPointF(x, y), QPointF(x + kSwatchWidth, y));
        x += kSwatchWidth + kTickGap;
        const qreal width = metrics.horizontalAdvance(name);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x, layout.legend.top(), width, layout.legend.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
        x += width + kEntryGap;
    };
    for (const curve::Curve& curve : m_figure.tableCurves) {
        entry(QPen(ColorOf(curve.color), curve.current ? kCurrentCurveWidth : kCurveWidth,
                   Qt::SolidLine, Qt::FlatCap),
              LiquidName(curve.liquid));
    }
    if (!m_figure.measuredCurves.empty())
        entry(QPen(Qt::black, kMeasuredWidth, Qt::DashLine, Qt::FlatCap), tr("実測値"));
}

QString CurvePlot::temperatureText(int32_t temperature) const {
    return QStringLiteral("%1 %2").arg(temperature).arg(FromUtf8(m_figure.temperatureUnitText));
}

}  // namespace kemora::ui
