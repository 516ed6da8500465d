#include "ui/app_icon.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>
#include <QRectF>
#include <string>

#include "mainwindow/app_icon_drawing.h"

namespace kemora::ui {
namespace {

using mainwindow::IconPaint;
using mainwindow::IconShape;

QColor ColourOf(mainwindow::Rgb colour) {
    return QColor(colour.r, colour.g, colour.b);
}

QPointF PointOf(mainwindow::IconPoint point) {
    return QPointF(point.x, point.y);
}

QBrush BrushOf(const IconPaint& paint) {
    if (paint.kind == IconPaint::Kind::Solid)
        return QBrush(ColourOf(paint.stops.front().second));
    QGradient gradient =
        paint.kind == IconPaint::Kind::Linear
            ? QGradient(QLinearGradient(PointOf(paint.start), PointOf(paint.end)))
            : QGradient(QRadialGradient(PointOf(paint.start), paint.radius, PointOf(paint.end)));
    // Points are fractions of each shape's box, as in the SVG document.
    gradient.setCoordinateMode(QGradient::ObjectMode);
    for (const auto& [at, colour] : paint.stops) gradient.setColorAt(at, ColourOf(colour));
    return QBrush(gradient);
}

}  // namespace

QImage AppIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / mainwindow::kIconCanvas, size / mainwindow::kIconCanvas);
    painter.setPen(Qt::NoPen);
    for (const IconShape& shape : mainwindow::AppIconShapes()) {
        painter.setBrush(BrushOf(*shape.paint));
        const QRectF box(shape.left, shape.top, shape.width, shape.height);
        if (shape.form == IconShape::Form::Circle)
            painter.drawEllipse(box);
        else
            painter.drawRoundedRect(box, shape.corner, shape.corner);
    }
    return image;
}

QByteArray AppIconSvg() {
    const std::string document = mainwindow::AppIconSvg();
    return QByteArray(document.data(), static_cast<qsizetype>(document.size()));
}

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(AppIconImage(size)));
    return icon;
}

}  // namespace kemora::ui
