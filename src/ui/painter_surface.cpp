#include "ui/painter_surface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/rgb_color.h"
#include "ui/utf8_text.h"

namespace kemora::ui {
namespace {

// Far enough outside the 315 × 334 box to be clipped, near enough for any paint device:
// the logic may hand over coordinates up to the ends of the 32-bit range.
constexpr int32_t kReach = 10'000;

qreal Near(int32_t coordinate) {
    return std::clamp(coordinate, -kReach, kReach);
}

}  // namespace

PainterSurface::PainterSurface(QPainter& painter, const QFont& textFont)
    : m_painter(painter), m_textFont(textFont) {
    const QFontMetricsF metrics(m_textFont);
    m_textAscent = metrics.ascent();
    m_textLineSpacing = metrics.lineSpacing();
}

void PainterSurface::fillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                              mainwindow::Rgb color) {
    // Both corners are included: the rectangle covers their whole pixels.
    const QRectF rect(QPointF(std::min(Near(x1), Near(x2)), std::min(Near(y1), Near(y2))),
                      QPointF(std::max(Near(x1), Near(x2)) + 1, std::max(Near(y1), Near(y2)) + 1));
    m_painter.fillRect(rect, ColorOf(color));
}

void PainterSurface::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                              mainwindow::Rgb color) {
    // Through the middle of the pixels the screen would light, thinner than a pixel so that
    // the grid stays light on paper.
    QPen pen(ColorOf(color), 0.5);
    pen.setCapStyle(Qt::SquareCap);
    m_painter.setPen(pen);
    m_painter.drawLine(QPointF(Near(x1) + 0.5, Near(y1) + 0.5),
                       QPointF(Near(x2) + 0.5, Near(y2) + 0.5));
}

void PainterSurface::setTextPosition(int32_t x, int32_t y) {
    m_textPosition = QPointF(Near(x), Near(y));
}

void PainterSurface::printText(std::string_view utf8) {
    m_painter.setPen(Qt::black);
    m_painter.setFont(m_textFont);
    m_painter.drawText(m_textPosition + QPointF(0, m_textAscent), FromUtf8(utf8));
    m_textPosition.ry() = std::min<qreal>(m_textPosition.y() + m_textLineSpacing, kReach);
}

std::optional<mainwindow::TextInk> PainterSurface::textInk(std::string_view utf8) {
    const QRectF ink = QFontMetricsF(m_textFont).boundingRect(FromUtf8(utf8));
    if (ink.isEmpty())
        return std::nullopt;
    // From the text's top left, widened to whole pixels of the box.
    return mainwindow::TextInk{static_cast<int32_t>(std::floor(ink.left())),
                               static_cast<int32_t>(std::floor(m_textAscent + ink.top())),
                               static_cast<int32_t>(std::ceil(ink.right())),
                               static_cast<int32_t>(std::ceil(m_textAscent + ink.bottom()))};
}

void PainterSurface::copySprite(int32_t /*x*/, int32_t /*y*/) {}

void PainterSurface::refresh() {}

}  // namespace kemora::ui
