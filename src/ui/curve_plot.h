#pragma once

#include <QImage>
#include <QRectF>
#include <QWidget>

#include "curve/axis.h"
#include "curve/curve_figure.h"

class QPainter;

namespace kemora::ui {

// The figure of the vapor-pressure window: grid, labelled axes, the three liquids' curves,
// the 1 atm line with the boiling points, the experiment's line and dot, and the legend.
// Draws a curve::CurveFigure at whatever logical size it is given, so that a zoom is one
// scale of the painter. Owned by its window.
class CurvePlot : public QWidget {
    Q_OBJECT
  public:
    explicit CurvePlot(QWidget* parent = nullptr);

    void setFigure(curve::CurveFigure figure);
    // Draws the figure `zoom` times as large: texts, lines and margins alike.
    void setZoom(double zoom);

    // The figure at the widget's size and the full resolution of its screen.
    [[nodiscard]] QImage renderImage() const;

  signals:
    // The pointer is over the plot at `temperature`, in the figure's temperature unit.
    void pointerMoved(double temperature);
    // The pointer has left the plot.
    void pointerLeft();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Where everything lies at a logical size.
    struct Layout {
        QRectF plot;    // inside the axes
        QRectF legend;  // the row of liquid names above the plot
        curve::AxisScale temperature;
        curve::AxisScale pressure;
    };
    [[nodiscard]] Layout layoutFor(QSizeF size) const;
    // The widget's size in the figure's own pixels, before the zoom.
    [[nodiscard]] QSizeF figureSize() const;
    // Paints the figure over `size` device-independent pixels at the zoom.
    void paintZoomed(QPainter& painter) const;

    void paintFigure(QPainter& painter, QSizeF size) const;
    void paintGrid(QPainter& painter, const Layout& layout) const;
    void paintAxes(QPainter& painter, const Layout& layout) const;
    void paintCurves(QPainter& painter, const Layout& layout) const;
    void paintAtmosphere(QPainter& painter, const Layout& layout) const;
    void paintMarker(QPainter& painter, const Layout& layout) const;
    void paintMarkerTemperature(QPainter& painter, const Layout& layout) const;
    void paintLegend(QPainter& painter, const Layout& layout) const;

    [[nodiscard]] QString temperatureText(int32_t temperature) const;

    curve::CurveFigure m_figure;
    double m_zoom = 1.0;
};

}  // namespace kemora::ui
