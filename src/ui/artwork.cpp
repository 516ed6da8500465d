#include "ui/artwork.h"

#include <QBrush>
#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "mainwindow/panel_sizes.h"
#include "mainwindow/pixel_scale.h"

namespace kemora::ui {
namespace {

constexpr int kBackgroundWidth = 800;
constexpr int kBackgroundHeight = 560;
// One row taller than the lid's box, which shows the top rows.
constexpr int kLidImageHeight = mainwindow::kLidHeight + 1;
constexpr int kSpriteSize = 10;
constexpr int kButtonWidth = 81;
constexpr int kButtonHeight = 51;

using Stops = std::initializer_list<std::pair<qreal, QColor>>;

void SetStops(QGradient& gradient, Stops stops) {
    for (const auto& [at, color] : stops) {
        gradient.setColorAt(at, color);
    }
}

QLinearGradient Vertical(qreal top, qreal bottom, Stops stops) {
    QLinearGradient gradient(0, top, 0, bottom);
    SetStops(gradient, stops);
    return gradient;
}

QLinearGradient Horizontal(qreal left, qreal right, Stops stops) {
    QLinearGradient gradient(left, 0, right, 0);
    SetStops(gradient, stops);
    return gradient;
}

// An opaque image of `width` × `height` logical pixels at `scale`, filled with `color`, and a
// painter on it that draws in logical pixels.
struct Canvas {
    Canvas(int width, int height, double scale, const QColor& color) {
        const mainwindow::PixelScale pixels(scale);
        image = QImage(static_cast<int>(pixels.length(width)),
                       static_cast<int>(pixels.length(height)), QImage::Format_RGB32);
        image.fill(color);
        painter.begin(&image);
        painter.scale(qreal(image.width()) / width, qreal(image.height()) / height);
    }
    QImage finish() {
        painter.end();
        return std::move(image);
    }

    QImage image;
    QPainter painter;
};

// A well-mixed hash of a pixel position, so the panel texture is the same at every start.
uint32_t PixelHash(uint32_t x, uint32_t y) {
    uint32_t h = x * 374761393u + y * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

// A faint brushed grain, laid over the control panel's gradient. The amplitude stays at a few
// levels so that the labels printed on the panel keep their contrast.
QImage BrushedGrain() {
    constexpr int kTile = 128;
    QImage tile(kTile, kTile, QImage::Format_ARGB32);
    for (int y = 0; y < kTile; ++y) {
        const int row = static_cast<int>(PixelHash(7, static_cast<uint32_t>(y)) % 9) - 4;
        for (int x = 0; x < kTile; ++x) {
            const int grain =
                static_cast<int>(PixelHash(static_cast<uint32_t>(x), static_cast<uint32_t>(y)) %
                                 7) -
                3;
            const int level = 2 * row + grain;  // -11 .. 11
            const int alpha = level < 0 ? -level : level;
            tile.setPixel(x, y, level < 0 ? qRgba(0, 0, 40, alpha) : qRgba(255, 255, 255, alpha));
        }
    }
    return tile;
}

void DrawCylinder(QPainter& painter) {
    // Glass walls either side of the black panel, lit from the upper left.
    const Stops wall = {{0.0, QColor(48, 50, 84)},
                        {0.35, QColor(196, 200, 230)},
                        {0.6, QColor(128, 132, 182)},
                        {1.0, QColor(30, 31, 52)}};
    painter.fillRect(QRectF(29, 0, 6, 478), Horizontal(29, 35, wall));
    painter.fillRect(QRectF(410, 0, 6, 478), Horizontal(416, 410, wall));

    painter.fillRect(QRect(35, 0, 375, 478), Qt::black);

    // The foot the cylinder stands on.
    QPainterPath foot;
    foot.addRoundedRect(QRectF(23, 478, 399, 9), 3, 3);
    painter.fillPath(foot, Vertical(478, 487,
                                    {{0.0, QColor(214, 216, 232)},
                                     {0.3, QColor(170, 173, 200)},
                                     {1.0, QColor(62, 64, 102)}}));
}

void DrawGraphPanel(QPainter& painter) {
    // A sunken mount: shadow on the upper and left edges, light on the lower and right.
    const QColor shadow(56, 58, 98);
    const QColor light(156, 159, 206);
    painter.fillRect(QRect(443, 59, 323, 2), shadow);
    painter.fillRect(QRect(443, 59, 2, 343), shadow);
    painter.fillRect(QRect(445, 400, 321, 2), light);
    painter.fillRect(QRect(764, 61, 2, 341), light);
    painter.fillRect(QRect(445, 61, 319, 339), Qt::white);
}

void DrawControlPanel(QPainter& painter) {
    const QRectF panel(455.5, 415.5, 334, 114);
    constexpr qreal kRadius = 9;

    QPainterPath outline;
    outline.addRoundedRect(panel, kRadius, kRadius);

    painter.fillPath(outline.translated(3, 3), QColor(64, 66, 110));
    painter.fillPath(outline,
                     Vertical(panel.top(), panel.bottom(),
                              {{0.0, QColor(224, 226, 242)}, {1.0, QColor(194, 197, 226)}}));
    // The grain is one device pixel fine at every scale rather than a blown-up tile.
    QBrush grain(BrushedGrain());
    grain.setTransform(QTransform::fromScale(1 / painter.worldTransform().m11(),
                                             1 / painter.worldTransform().m22()));
    painter.fillPath(outline, grain);

    // Raised rim: light towards the upper left, darker towards the lower right.
    QLinearGradient rim(panel.topLeft(), panel.bottomRight());
    SetStops(rim, {{0.0, QColor(252, 252, 255)}, {1.0, QColor(108, 110, 158)}});
    painter.setPen(QPen(QBrush(rim), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);

    // An engraved line between the volume row and the pressure row.
    painter.setPen(QPen(QColor(158, 160, 196), 1));
    painter.drawLine(QPointF(468, 470.5), QPointF(778, 470.5));
    painter.setPen(QPen(QColor(244, 245, 252), 1));
    painter.drawLine(QPointF(468, 471.5), QPointF(778, 471.5));
}

void DrawLiquidStrip(QPainter& painter) {
    const QRect strip(29, 493, 387, 40);
    painter.fillRect(strip, QColor(78, 80, 128));
    // Inner shadow along the top and left edges, a light lip along the bottom and right.
    painter.fillRect(QRect(strip.left(), strip.top(), strip.width(), 2), QColor(44, 46, 80));
    painter.fillRect(QRect(strip.left(), strip.top(), 2, strip.height()), QColor(44, 46, 80));
    painter.fillRect(QRect(strip.left() + 2, strip.top() + 2, strip.width() - 2, 1),
                     QColor(64, 66, 108));
    painter.fillRect(QRect(strip.left(), strip.bottom(), strip.width(), 1), QColor(146, 149, 200));
    painter.fillRect(QRect(strip.right(), strip.top(), 1, strip.height()), QColor(146, 149, 200));
}

// Colours of a picture button in its two states.
struct ButtonLook {
    bool lit = false;
    QColor paper;  // the white of a chart or a page
    QColor ink;    // outlines and axes
};

ButtonLook LookFor(bool lit) {
    if (lit) {
        return {true, QColor(255, 255, 255), QColor(40, 42, 70)};
    }
    return {false, QColor(234, 235, 244), QColor(70, 72, 100)};
}

// The oval body of every button: 74 × 39 pixels, so that the glow of the lit form still ends
// above row 47, where the button is clipped.
const QRectF kButtonBody(3.5, 3.5, 74, 39);

void DrawButtonBase(QPainter& painter, const ButtonLook& look) {
    painter.setPen(Qt::NoPen);
    if (look.lit) {
        painter.setBrush(Qt::NoBrush);
        for (const auto& [width, alpha] : {std::pair{7.0, 45}, {5.0, 85}, {3.0, 150}}) {
            painter.setPen(QPen(QColor(255, 232, 120, alpha), width));
            painter.drawEllipse(kButtonBody);
        }
        painter.setPen(Qt::NoPen);
    } else {
        painter.setBrush(QColor(40, 42, 74, 150));
        painter.drawEllipse(kButtonBody.translated(0, 2));
    }

    const QRectF face = kButtonBody.adjusted(2, 2, -2, -2);
    if (look.lit) {
        painter.setBrush(Vertical(kButtonBody.top(), kButtonBody.bottom(),
                                  {{0.0, QColor(255, 226, 112)}, {1.0, QColor(206, 142, 28)}}));
        painter.drawEllipse(kButtonBody);
        painter.setBrush(Vertical(face.top(), face.bottom(),
                                  {{0.0, QColor(255, 255, 242)}, {1.0, QColor(253, 226, 140)}}));
    } else {
        painter.setBrush(Vertical(kButtonBody.top(), kButtonBody.bottom(),
                                  {{0.0, QColor(82, 84, 132)}, {1.0, QColor(38, 40, 72)}}));
        painter.drawEllipse(kButtonBody);
        painter.setBrush(Vertical(face.top(), face.bottom(),
                                  {{0.0, QColor(212, 215, 236)}, {1.0, QColor(138, 142, 190)}}));
    }
    painter.drawEllipse(face);

    // Gloss on the upper half of the face.
    const QRectF gloss(face.left() + 9, face.top() + 1.5, face.width() - 18, face.height() * 0.46);
    painter.setBrush(Vertical(
        gloss.top(), gloss.bottom(),
        {{0.0, QColor(255, 255, 255, look.lit ? 200 : 150)}, {1.0, QColor(255, 255, 255, 0)}}));
    painter.drawEllipse(gloss);
}

// A chart sheet with its axes, drawn in the rectangle given.
void DrawChartSheet(QPainter& painter, const QRectF& sheet, const ButtonLook& look) {
    painter.setPen(QPen(look.ink, 1));
    painter.setBrush(look.paper);
    painter.drawRoundedRect(sheet, 1.5, 1.5);

    painter.setPen(QPen(look.lit ? QColor(196, 204, 232) : QColor(200, 203, 220), 1));
    for (int i = 1; i <= 2; ++i) {
        const qreal y = sheet.top() + 3 + i * (sheet.height() - 7) / 3.0;
        painter.drawLine(QPointF(sheet.left() + 4, y), QPointF(sheet.right() - 2, y));
        const qreal x = sheet.left() + 4 + i * (sheet.width() - 6) / 3.0;
        painter.drawLine(QPointF(x, sheet.top() + 2), QPointF(x, sheet.bottom() - 4));
    }

    QPen axis(look.ink, 1.4);
    axis.setCapStyle(Qt::FlatCap);
    painter.setPen(axis);
    painter.drawLine(QPointF(sheet.left() + 4, sheet.top() + 2),
                     QPointF(sheet.left() + 4, sheet.bottom() - 3.5));
    painter.drawLine(QPointF(sheet.left() + 4, sheet.bottom() - 3.5),
                     QPointF(sheet.right() - 2, sheet.bottom() - 3.5));
}

void DrawLine(QPainter& painter, const QColor& color, std::initializer_list<QPointF> points) {
    QPen pen(color, 2.2);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF(QList<QPointF>(points)));
}

void DrawLineChart(QPainter& painter, const ButtonLook& look) {
    DrawChartSheet(painter, QRectF(22.5, 10.5, 36, 24), look);
    DrawLine(painter, look.lit ? QColor(232, 24, 24) : QColor(178, 58, 64),
             {{28, 27}, {34, 19}, {40, 23}, {47, 14.5}, {55, 18}});
    DrawLine(painter, look.lit ? QColor(24, 78, 236) : QColor(58, 84, 170),
             {{28, 30.5}, {35, 26}, {41, 28.5}, {48, 23}, {55, 25}});
}

void DrawChartWithEraser(QPainter& painter, const ButtonLook& look) {
    const QRectF sheet(19.5, 10.5, 30, 23);
    DrawChartSheet(painter, sheet, look);
    // What is left of a plotted line, running into the eraser.
    DrawLine(painter, look.lit ? QColor(232, 24, 24) : QColor(178, 58, 64),
             {{25, 25}, {31, 18}, {36, 21}, {39, 19}});

    painter.save();
    painter.translate(50.5, 25.5);
    painter.rotate(-32);
    const QRectF body(-11, -5.5, 22, 11);
    const QRectF rubber(body.left(), body.top(), body.width() * 0.45, body.height());
    const QRectF sleeve(rubber.right(), body.top(), body.width() - rubber.width(), body.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.lit ? QColor(255, 150, 176) : QColor(214, 138, 156));
    painter.drawRoundedRect(rubber.adjusted(0, 0, 2, 0), 2, 2);
    painter.setBrush(
        Vertical(sleeve.top(), sleeve.bottom(),
                 look.lit ? Stops{{0.0, QColor(96, 150, 255)}, {1.0, QColor(30, 80, 200)}}
                          : Stops{{0.0, QColor(104, 128, 190)}, {1.0, QColor(52, 70, 140)}}));
    painter.drawRect(sleeve);
    painter.setBrush(QColor(255, 255, 255, look.lit ? 150 : 100));
    painter.drawRect(QRectF(body.left() + 1.5, body.top() + 1.2, body.width() - 3, 1.6));
    painter.setPen(QPen(look.ink, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(body, 2, 2);
    painter.restore();
}

void DrawOpenBook(QPainter& painter, const ButtonLook& look) {
    constexpr qreal kSpine = 40.5;

    // The cover, just wider than the pages.
    QPainterPath cover;
    cover.moveTo(kSpine, 15.5);
    cover.quadTo(29, 11.5, 18, 13.5);
    cover.lineTo(18, 35.5);
    cover.quadTo(29, 33.5, kSpine, 37.5);
    cover.quadTo(52, 33.5, 63, 35.5);
    cover.lineTo(63, 13.5);
    cover.quadTo(52, 11.5, kSpine, 15.5);
    painter.setPen(QPen(look.ink, 1));
    painter.setBrush(look.lit ? QColor(196, 40, 48) : QColor(128, 52, 66));
    painter.drawPath(cover);

    // Pages bow down towards the spine, where they are shaded.
    for (const qreal side : {-1.0, 1.0}) {
        const qreal outer = kSpine + side * 20;
        QPainterPath page;
        page.moveTo(kSpine, 14);
        page.quadTo(kSpine + side * 10, 8.5, outer, 10.5);
        page.lineTo(outer, 32.5);
        page.quadTo(kSpine + side * 10, 30.5, kSpine, 35);
        page.closeSubpath();
        const QColor shade = look.lit ? QColor(214, 214, 226) : QColor(176, 178, 198);
        painter.setBrush(
            Horizontal(kSpine, outer, {{0.0, shade}, {0.35, look.paper}, {1.0, look.paper}}));
        painter.setPen(QPen(look.ink, 1));
        painter.drawPath(page);

        // Lines of text, following the bow of the page.
        painter.setPen(QPen(look.lit ? QColor(96, 100, 140) : QColor(130, 132, 160), 1));
        painter.setBrush(Qt::NoBrush);
        for (int i = 0; i < 4; ++i) {
            const qreal y = 16 + i * 4.5;
            QPainterPath text;
            text.moveTo(kSpine + side * 3.5, y + 1.5);
            text.quadTo(kSpine + side * 10, y - 1.5, kSpine + side * 16.5, y - 0.5);
            painter.drawPath(text);
        }
    }

    // Bookmark ribbon.
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.lit ? QColor(232, 40, 40) : QColor(168, 64, 70));
    painter.drawPolygon(QPolygonF({{kSpine + 1, 34},
                                   {kSpine + 4, 34},
                                   {kSpine + 5, 40},
                                   {kSpine + 3.3, 38.6},
                                   {kSpine + 2, 40.5}}));
}

}  // namespace

QImage BackgroundImage(double scale) {
    Canvas canvas(kBackgroundWidth, kBackgroundHeight, scale, QColor(kFrameColor));
    QPainter& painter = canvas.painter;
    painter.setRenderHint(QPainter::Antialiasing);
    DrawCylinder(painter);
    DrawGraphPanel(painter);
    DrawControlPanel(painter);
    DrawLiquidStrip(painter);
    return canvas.finish();
}

QImage LidImage(double scale) {
    Canvas canvas(mainwindow::kLidWidth, kLidImageHeight, scale, Qt::black);
    QPainter& painter = canvas.painter;
    // The window shows 14 rows of the bar, so the lower edge is shaded by row 13.
    painter.fillRect(QRect(0, 0, mainwindow::kLidWidth, kLidImageHeight),
                     Vertical(0, 14,
                              {{0.0, QColor(70, 72, 82)},
                               {0.1, QColor(168, 170, 180)},
                               {0.25, QColor(248, 249, 252)},
                               {0.45, QColor(206, 208, 216)},
                               {0.75, QColor(150, 152, 164)},
                               {0.92, QColor(104, 106, 118)},
                               {1.0, QColor(52, 54, 62)}}));
    // Rounded-off ends.
    painter.fillRect(QRectF(0, 0, 8, kLidImageHeight),
                     Horizontal(0, 8, {{0.0, QColor(0, 0, 0, 150)}, {1.0, QColor(0, 0, 0, 0)}}));
    painter.fillRect(QRectF(mainwindow::kLidWidth - 8, 0, 8, kLidImageHeight),
                     Horizontal(mainwindow::kLidWidth, mainwindow::kLidWidth - 8,
                                {{0.0, QColor(0, 0, 0, 150)}, {1.0, QColor(0, 0, 0, 0)}}));
    return canvas.finish();
}

QImage MoleculeSprite(double scale) {
    Canvas canvas(kSpriteSize, kSpriteSize, scale, Qt::black);
    QPainter& painter = canvas.painter;
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient ball(QPointF(5, 5), 5, QPointF(3.4, 3.2));
    SetStops(ball, {{0.0, QColor(236, 255, 255)},
                    {0.25, QColor(110, 236, 255)},
                    {0.7, QColor(0, 168, 212)},
                    {1.0, QColor(0, 58, 92)}});
    painter.setPen(Qt::NoPen);
    painter.setBrush(ball);
    // The circle of radius 5 leaves the four corner pixels untouched, so they stay black.
    painter.drawEllipse(QRectF(0, 0, kSpriteSize, kSpriteSize));
    return canvas.finish();
}

QImage ButtonPicture(ButtonImage which, double scale) {
    Canvas canvas(kButtonWidth, kButtonHeight, scale, QColor(kFrameColor));
    QPainter& painter = canvas.painter;
    painter.setRenderHint(QPainter::Antialiasing);

    const bool lit = which == ButtonImage::GrphClsOn || which == ButtonImage::GrphSwOn ||
                     which == ButtonImage::SinarioOn;
    const ButtonLook look = LookFor(lit);
    DrawButtonBase(painter, look);
    switch (which) {
        case ButtonImage::GrphClsOff:
        case ButtonImage::GrphClsOn:
            DrawChartWithEraser(painter, look);
            break;
        case ButtonImage::GrphSwOn:
        case ButtonImage::GrphSwOff:
            DrawLineChart(painter, look);
            break;
        case ButtonImage::SinarioOn:
        case ButtonImage::SinarioOff:
            DrawOpenBook(painter, look);
            break;
    }
    return canvas.finish();
}

}  // namespace kemora::ui
