#include "ui/surface_widget.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <utility>

#include "mainwindow/saturating.h"

namespace kemora::ui {
namespace {

constexpr int kSpriteSize = 10;

QRgb PixelOf(mainwindow::Rgb color) {
    return qRgb(color.r, color.g, color.b);
}

// Exact arithmetic for lines whose ends lie anywhere in the 32-bit plane: differences take
// 33 bits and their products 66.
__extension__ typedef __int128 Int128;

Int128 FloorDiv(Int128 numerator, Int128 denominator) {
    Int128 quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0)))
        --quotient;
    return quotient;
}

}  // namespace

QFont GraphLabelFont() {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(9);
    font.setWeight(QFont::Normal);
    return font;
}

SurfaceWidget::SurfaceWidget(QSize size, QColor background, QWidget* parent)
    : QWidget(parent), m_image(size, QImage::Format_RGB32) {
    setTextFont(font());
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_image.fill(background);
}

SurfaceWidget::~SurfaceWidget() {
    endTextPainter();
}

void SurfaceWidget::setSpriteSource(const QImage& sprite) {
    endTextPainter();
    m_sprite = sprite.convertToFormat(QImage::Format_RGB32);
}

void SurfaceWidget::setTextFont(const QFont& font) {
    m_textFont = font;
    const QFontMetrics metrics(m_textFont);
    m_textAscent = metrics.ascent();
    m_textLineSpacing = metrics.lineSpacing();
    if (m_textPainter)
        m_textPainter->setFont(m_textFont);
}

const QImage& SurfaceWidget::image() {
    endTextPainter();
    return m_image;
}

void SurfaceWidget::fillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                             mainwindow::Rgb color) {
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    const int left = std::max(x1, 0);
    const int right = std::min(x2, m_image.width() - 1);
    const int top = std::max(y1, 0);
    const int bottom = std::min(y2, m_image.height() - 1);
    if (left > right || top > bottom)
        return;
    const QRgb pixel = PixelOf(color);
    for (int y = top; y <= bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        std::fill(row + left, row + right + 1, pixel);
    }
}

void SurfaceWidget::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                             mainwindow::Rgb color) {
    // Horizontal and vertical lines, the grid's, are rectangles one pixel wide.
    if (x1 == x2 || y1 == y2) {
        fillRect(x1, y1, x2, y2, color);
        return;
    }
    const QRgb pixel = PixelOf(color);
    const int64_t dx = int64_t{x2} - x1;
    const int64_t dy = int64_t{y2} - y1;
    // Walk the longer axis from its lower end; on the other axis take the nearest pixel,
    // halves rounded up, so that a line and its reverse cover the same pixels.
    const bool alongX = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    int64_t a1 = alongX ? x1 : y1;
    int64_t b1 = alongX ? y1 : x1;
    int64_t a2 = alongX ? x2 : y2;
    int64_t b2 = alongX ? y2 : x2;
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    const int64_t extent = alongX ? m_image.width() : m_image.height();
    const int64_t first = std::max<int64_t>(a1, 0);
    const int64_t last = std::min<int64_t>(a2, extent - 1);
    const Int128 da = Int128{a2} - a1;
    const Int128 db = Int128{b2} - b1;
    for (int64_t a = first; a <= last; ++a) {
        const int64_t b =
            b1 + static_cast<int64_t>(FloorDiv(2 * (Int128{a} - a1) * db + da, 2 * da));
        if (alongX) {
            setPixel(a, b, pixel);
        } else {
            setPixel(b, a, pixel);
        }
    }
}

void SurfaceWidget::setPixel(int64_t x, int64_t y, QRgb pixel) {
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return;
    reinterpret_cast<QRgb*>(m_image.scanLine(static_cast<int>(y)))[x] = pixel;
}

void SurfaceWidget::setTextPosition(int32_t x, int32_t y) {
    m_textX = x;
    m_textY = y;
}

void SurfaceWidget::printText(std::string_view utf8) {
    // Qt's painter works in coordinates of about ±2^23 at most; a text further out than the
    // image's own size cannot touch it and is skipped.
    const int64_t reach = int64_t{1} << 20;
    const bool nearImage =
        m_textX > -reach && m_textX < reach && m_textY > -reach && m_textY < reach;
    if (nearImage && !utf8.empty()) {
        if (!m_textPainter) {
            m_textPainter = std::make_unique<QPainter>(&m_image);
            m_textPainter->setFont(m_textFont);
            m_textPainter->setPen(Qt::black);
        }
        m_textPainter->drawText(
            QPoint(m_textX, m_textY + m_textAscent),
            QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    }
    m_textY = mainwindow::SaturatingAdd(m_textY, m_textLineSpacing);
}

void SurfaceWidget::copySprite(int32_t x, int32_t y) {
    if (m_sprite.isNull())
        return;
    const int64_t width = std::min(kSpriteSize, m_sprite.width());
    const int64_t height = std::min(kSpriteSize, m_sprite.height());
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t right = std::min<int64_t>(int64_t{x} + width, m_image.width());
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t bottom = std::min<int64_t>(int64_t{y} + height, m_image.height());
    if (left >= right || top >= bottom)
        return;
    const auto bytes = static_cast<std::size_t>(right - left) * sizeof(QRgb);
    for (int64_t row = top; row < bottom; ++row) {
        const auto* source = reinterpret_cast<const QRgb*>(
            std::as_const(m_sprite).scanLine(static_cast<int>(row - y)));
        auto* target = reinterpret_cast<QRgb*>(m_image.scanLine(static_cast<int>(row)));
        std::memcpy(target + left, source + (left - x), bytes);
    }
}

void SurfaceWidget::refresh() {
    endTextPainter();
    repaint();
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    endTextPainter();
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

void SurfaceWidget::endTextPainter() {
    m_textPainter.reset();
}

}  // namespace kemora::ui
