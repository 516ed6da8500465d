#include "ui/app_icon.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>
#include <QRectF>
#include <QString>
#include <map>
#include <utility>
#include <vector>

namespace kemora::ui {
namespace {

constexpr qreal kCanvas = 256;

// A fill whose points are fractions of the filled shape's box, as SVG's objectBoundingBox
// and Qt's ObjectMode both read them; so one gradient serves every molecule. A solid fill is
// its first stop's colour.
struct Paint {
    enum class Kind { Solid, Linear, Radial };
    Kind kind;
    QPointF start;  // linear: where the first stop lies; radial: the centre
    QPointF end;    // linear: where the last stop lies; radial: the focal point
    qreal radius;   // radial only
    std::vector<std::pair<qreal, QColor>> stops;
};

struct Shape {
    enum class Form { Box, Circle };
    Form form;
    QRectF box;          // units of the 256-unit canvas
    qreal corner;        // rounding radius of a box
    const Paint* paint;  // one of the paints below
};

const Paint kBackground{
    Paint::Kind::Linear,
    {0, 0},
    {0, 1},
    0,
    {{0.0, QColor(128, 130, 190)}, {0.5, QColor(99, 101, 156)}, {1.0, QColor(62, 64, 106)}}};
// The cylinder's glass walls, lit from the left like the window's.
const Paint kLeftWall{Paint::Kind::Linear,
                      {0, 0},
                      {1, 0},
                      0,
                      {{0.0, QColor(48, 50, 84)},
                       {0.35, QColor(196, 200, 230)},
                       {0.6, QColor(128, 132, 182)},
                       {1.0, QColor(30, 31, 52)}}};
const Paint kRightWall{Paint::Kind::Linear, {1, 0}, {0, 0}, 0, kLeftWall.stops};
const Paint kInside{Paint::Kind::Solid, {}, {}, 0, {{0.0, QColor(0, 0, 0)}}};
const Paint kFoot{
    Paint::Kind::Linear,
    {0, 0},
    {0, 1},
    0,
    {{0.0, QColor(214, 216, 232)}, {0.3, QColor(170, 173, 200)}, {1.0, QColor(62, 64, 102)}}};
const Paint kLid{Paint::Kind::Linear,
                 {0, 0},
                 {0, 1},
                 0,
                 {{0.0, QColor(70, 72, 82)},
                  {0.1, QColor(168, 170, 180)},
                  {0.25, QColor(248, 249, 252)},
                  {0.45, QColor(206, 208, 216)},
                  {0.75, QColor(150, 152, 164)},
                  {0.92, QColor(104, 106, 118)},
                  {1.0, QColor(52, 54, 62)}}};
// The molecule sprite's cyan ball, lit from the upper left.
const Paint kMolecule{Paint::Kind::Radial,
                      {0.5, 0.5},
                      {0.34, 0.32},
                      0.5,
                      {{0.0, QColor(236, 255, 255)},
                       {0.25, QColor(110, 236, 255)},
                       {0.7, QColor(0, 168, 212)},
                       {1.0, QColor(0, 58, 92)}}};

constexpr qreal kMoleculeRadius = 6.5;

Shape Molecule(qreal x, qreal y) {
    return {
        Shape::Form::Circle,
        QRectF(x - kMoleculeRadius, y - kMoleculeRadius, 2 * kMoleculeRadius, 2 * kMoleculeRadius),
        0, &kMolecule};
}

std::vector<Shape> IconShapes() {
    std::vector<Shape> shapes = {
        {Shape::Form::Box, QRectF(16, 16, 224, 224), 40, &kBackground},
        {Shape::Form::Box, QRectF(62, 30, 10, 186), 0, &kLeftWall},
        {Shape::Form::Box, QRectF(184, 30, 10, 186), 0, &kRightWall},
        {Shape::Form::Box, QRectF(72, 30, 112, 186), 0, &kInside},
        {Shape::Form::Box, QRectF(52, 214, 152, 14), 4, &kFoot},
        {Shape::Form::Box, QRectF(72, 84, 112, 14), 0, &kLid},
    };
    // Three layers of liquid, the middle one set between the others.
    for (int layer = 0; layer < 3; ++layer) {
        const bool between = layer == 1;
        for (int i = 0; i < (between ? 7 : 8); ++i)
            shapes.push_back(Molecule(79 + 14 * i + (between ? 7 : 0), 207 - 13 * layer));
    }
    // Vapor between the liquid and the lid.
    for (const QPointF& at : {QPointF(96, 116), QPointF(152, 110), QPointF(124, 138),
                              QPointF(168, 148), QPointF(86, 154), QPointF(140, 164)})
        shapes.push_back(Molecule(at.x(), at.y()));
    return shapes;
}

QBrush BrushOf(const Paint& paint) {
    if (paint.kind == Paint::Kind::Solid)
        return QBrush(paint.stops.front().second);
    QGradient gradient = paint.kind == Paint::Kind::Linear
                             ? QGradient(QLinearGradient(paint.start, paint.end))
                             : QGradient(QRadialGradient(paint.start, paint.radius, paint.end));
    gradient.setCoordinateMode(QGradient::ObjectMode);
    for (const auto& [at, color] : paint.stops) gradient.setColorAt(at, color);
    return QBrush(gradient);
}

QString Number(qreal value) {
    return QString::number(value, 'g', 6);
}

QString GradientSvg(const Paint& paint, int id) {
    QString text =
        paint.kind == Paint::Kind::Linear
            ? QStringLiteral("<linearGradient id=\"p%1\" x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">")
                  .arg(id)
                  .arg(Number(paint.start.x()), Number(paint.start.y()), Number(paint.end.x()),
                       Number(paint.end.y()))
            : QStringLiteral(
                  "<radialGradient id=\"p%1\" cx=\"%2\" cy=\"%3\" r=\"%4\" fx=\"%5\" fy=\"%6\">")
                  .arg(id)
                  .arg(Number(paint.start.x()), Number(paint.start.y()), Number(paint.radius),
                       Number(paint.end.x()), Number(paint.end.y()));
    for (const auto& [at, color] : paint.stops) {
        text +=
            QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\"/>").arg(Number(at), color.name());
    }
    text += paint.kind == Paint::Kind::Linear ? QStringLiteral("</linearGradient>\n")
                                              : QStringLiteral("</radialGradient>\n");
    return text;
}

// The fill attribute's value: the colour itself, or a reference to the gradient `id`.
QString FillSvg(const Paint& paint, int id) {
    if (paint.kind == Paint::Kind::Solid)
        return paint.stops.front().second.name();
    return QStringLiteral("url(#p%1)").arg(id);
}

QString ShapeSvg(const Shape& shape, const QString& fill) {
    const QRectF& box = shape.box;
    if (shape.form == Shape::Form::Circle) {
        return QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
            .arg(Number(box.center().x()), Number(box.center().y()), Number(box.width() / 2), fill);
    }
    return QStringLiteral(
               "<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\"/>\n")
        .arg(Number(box.x()), Number(box.y()), Number(box.width()), Number(box.height()),
             Number(shape.corner), fill);
}

}  // namespace

QImage AppIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kCanvas, size / kCanvas);
    painter.setPen(Qt::NoPen);
    for (const Shape& shape : IconShapes()) {
        painter.setBrush(BrushOf(*shape.paint));
        if (shape.form == Shape::Form::Circle)
            painter.drawEllipse(shape.box);
        else
            painter.drawRoundedRect(shape.box, shape.corner, shape.corner);
    }
    return image;
}

QByteArray AppIconSvg() {
    const std::vector<Shape> shapes = IconShapes();
    std::map<const Paint*, int> paintIds;
    QString gradients;
    QString body;
    for (const Shape& shape : shapes) {
        const auto [entry, added] =
            paintIds.emplace(shape.paint, static_cast<int>(paintIds.size()));
        if (added && shape.paint->kind != Paint::Kind::Solid)
            gradients += GradientSvg(*shape.paint, entry->second);
        body += ShapeSvg(shape, FillSvg(*shape.paint, entry->second));
    }
    const QString document =
        QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
            "viewBox=\"0 0 %1 %1\">\n<defs>\n%2</defs>\n%3</svg>\n")
            .arg(Number(kCanvas), gradients, body);
    return document.toUtf8();
}

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(AppIconImage(size)));
    return icon;
}

}  // namespace kemora::ui
