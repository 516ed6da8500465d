#include "ui/surface_widget.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <utility>

#include "mainwindow/saturating.h"
#include "ui/utf8_text.h"

namespace kemora::ui {
namespace {

QRgb PixelOf(mainwindow::Rgb color) {
    return qRgb(color.r, color.g, color.b);
}

// value / 255 rounded to the nearest, for values up to 255 × 255.
int DivideBy255(uint value) {
    return static_cast<int>((value + (value >> 8) + 0x80) >> 8);
}

// Rows of a sprite's width go in pieces of four pixels, the last piece overlapping the one
// before where the width is no multiple of four: a library call per row costs more than the
// row, and a pixel at a time is slower still.
constexpr int64_t kPiece = 4;

void CopyRow(QRgb* to, const QRgb* from, int64_t count) {
    if (count < kPiece) {
        std::copy_n(from, count, to);
        return;
    }
    for (int64_t i = 0; i < count - kPiece; i += kPiece)
        std::memcpy(to + i, from + i, kPiece * sizeof(QRgb));
    std::memcpy(to + count - kPiece, from + count - kPiece, kPiece * sizeof(QRgb));
}

void FillRow(QRgb* to, QRgb pixel, int64_t count) {
    if (count < kPiece) {
        std::fill_n(to, count, pixel);
        return;
    }
    const std::array<QRgb, kPiece> piece{pixel, pixel, pixel, pixel};
    for (int64_t i = 0; i < count - kPiece; i += kPiece)
        std::memcpy(to + i, piece.data(), sizeof piece);
    std::memcpy(to + count - kPiece, piece.data(), sizeof piece);
}

// Wider fills copy their first row, for which the library's copy beats any loop.
constexpr int64_t kNarrowFill = 64;

}  // namespace

QFont GraphLabelFont() {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(9);
    font.setWeight(QFont::Normal);
    return font;
}

SurfaceWidget::SurfaceWidget(QSize size, QColor background, QWidget* parent)
    : QWidget(parent),
      m_logicalSize(size),
      m_background(background),
      m_record(size.width(), size.height()) {
    setTextFont(font());
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resetImage();
}

SurfaceWidget::~SurfaceWidget() {
    endTextPainter();
}

void SurfaceWidget::setScale(double zoom, double devicePixelRatio) {
    endTextPainter();
    const mainwindow::PixelScale widgetScale(zoom);
    setFixedSize(static_cast<int>(widgetScale.length(m_logicalSize.width())),
                 static_cast<int>(widgetScale.length(m_logicalSize.height())));
    m_scale = mainwindow::PixelScale(widgetScale.factor() * devicePixelRatio);
    m_devicePixelRatio = m_scale.factor() / widgetScale.factor();
    setTextFont(m_textFont);
    resetImage();
    // Drawn again through the Surface calls, which record it afresh; the logic's text
    // position is its own and stays.
    const mainwindow::DrawingRecord drawn = std::move(m_record);
    m_record = mainwindow::DrawingRecord(m_logicalSize.width(), m_logicalSize.height());
    const int32_t textX = m_textX;
    const int32_t textY = m_textY;
    drawn.replay(*this);
    m_textX = textX;
    m_textY = textY;
    showWhenIdle();
}

void SurfaceWidget::resetImage() {
    dropPendingSprites();
    m_onlySpritesOnFill = false;
    m_image =
        QImage(static_cast<int>(m_scale.length(m_logicalSize.width())),
               static_cast<int>(m_scale.length(m_logicalSize.height())), QImage::Format_RGB32);
    m_image.fill(m_background);
}

void SurfaceWidget::setSpriteSource(const QImage& sprite) {
    endTextPainter();
    drawPendingSprites();
    m_sprite = sprite.convertToFormat(QImage::Format_RGB32);
}

void SurfaceWidget::setTextFont(const QFont& font) {
    endTextPainter();
    m_textFont = font;
    m_deviceFont = font;
    // Rounded down, so that a text never grows past its scaled size: a label placed to end at
    // an edge keeps within a device pixel or so of it when drawn again at another scale.
    if (font.pixelSize() > 0) {
        m_deviceFont.setPixelSize(
            std::max(1, static_cast<int>(std::floor(font.pixelSize() * m_scale.factor()))));
    } else {
        m_deviceFont.setPointSizeF(font.pointSizeF() * m_scale.factor());
    }
    m_textAscent = QFontMetrics(m_deviceFont).ascent();
    m_textLineSpacing = QFontMetrics(m_textFont).lineSpacing();
    m_glyphs = {};
}

const QImage& SurfaceWidget::image() {
    endTextPainter();
    drawPendingSprites();
    return m_image;
}

void SurfaceWidget::fillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                             mainwindow::Rgb color) {
    showWhenIdle();
    m_record.fill(x1, y1, x2, y2, color);
    paintFill(x1, y1, x2, y2, PixelOf(color));
}

void SurfaceWidget::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                             mainwindow::Rgb color) {
    showWhenIdle();
    m_record.line(x1, y1, x2, y2, color);
    paintLine(x1, y1, x2, y2, PixelOf(color));
}

void SurfaceWidget::setTextPosition(int32_t x, int32_t y) {
    m_textX = x;
    m_textY = y;
}

void SurfaceWidget::printText(std::string_view utf8) {
    showWhenIdle();
    m_record.text(m_textX, m_textY, utf8);
    paintText(m_textX, m_textY, utf8);
    m_textY = mainwindow::SaturatingAdd(m_textY, m_textLineSpacing);
}

void SurfaceWidget::copySprite(int32_t x, int32_t y) {
    showWhenIdle();
    m_record.sprite(x, y);
    if (!m_sprite.isNull())
        m_pendingSprites.push_back({x, y});
}

void SurfaceWidget::paintFill(int32_t x1, int32_t y1, int32_t x2, int32_t y2, QRgb pixel) {
    const std::optional<mainwindow::DeviceRect> place =
        mainwindow::FillCoverage(m_scale, x1, y1, x2, y2, m_image.width(), m_image.height());
    if (!place)
        return;
    const bool whole = *place == mainwindow::DeviceRect{0, 0, m_image.width(), m_image.height()};
    if (!whole) {
        drawPendingSprites();
        fillDevice(*place, pixel);
        m_onlySpritesOnFill = false;
        return;
    }
    // The animation blanks the whole panel every frame: where only sprites were copied onto
    // the same colour since, blanking them is enough, and far cheaper on a zoomed panel. It
    // waits for the next frame's sprites, which mostly cover the same pixels again.
    m_pendingSprites.clear();
    if (m_onlySpritesOnFill && m_wholeFillPixel == pixel) {
        m_blankPending = true;
        return;
    }
    dropPendingSprites();
    fillDevice(*place, pixel);
    m_onlySpritesOnFill = true;
    m_wholeFillPixel = pixel;
}

void SurfaceWidget::dropPendingSprites() {
    m_pendingSprites.clear();
    m_spritesSinceFill.clear();
    m_blankPending = false;
}

void SurfaceWidget::drawPendingSprites() {
    if (m_pendingSprites.empty() && !m_blankPending)
        return;
    const qsizetype stride = m_image.bytesPerLine();
    uchar* const pixels = m_image.bits();
    m_batch.clear();
    const int64_t spriteWidth = m_sprite.width();
    const int64_t spriteHeight = m_sprite.height();
    const int64_t imageWidth = m_image.width();
    const int64_t imageHeight = m_image.height();
    for (const SpritePlace& p : m_pendingSprites) {
        if (const auto copy = mainwindow::SpriteCoverageAt(m_scale, p.x, p.y, spriteWidth,
                                                           spriteHeight, imageWidth, imageHeight)) {
            m_batch.push_back(*copy);
        }
    }
    m_pendingSprites.clear();
    if (m_blankPending)
        blankSpritesOfFrameBefore(pixels, stride);
    const qsizetype sourceStride = m_sprite.bytesPerLine();
    const uchar* const source = std::as_const(m_sprite).bits();
    for (const mainwindow::SpriteCoverage& copy : m_batch) {
        const mainwindow::DeviceRect& place = copy.target;
        if (m_onlySpritesOnFill)
            m_spritesSinceFill.push_back(place);
        uchar* to = pixels + place.y * stride + place.x * qsizetype{sizeof(QRgb)};
        const uchar* from =
            source + copy.sourceY * sourceStride + copy.sourceX * qsizetype{sizeof(QRgb)};
        for (int64_t row = 0; row < place.height; ++row) {
            CopyRow(reinterpret_cast<QRgb*>(to + row * stride),
                    reinterpret_cast<const QRgb*>(from + row * sourceStride), place.width);
        }
    }
}

void SurfaceWidget::blankSpritesOfFrameBefore(uchar* pixels, qsizetype stride) {
    // Every blanking comes before every copy of the batch, so a pixel that a new sprite
    // takes need not be blanked: the frame's n-th sprite is mostly the same molecule as the
    // frame before's n-th, moved by a few pixels or not at all.
    for (std::size_t i = 0; i < m_spritesSinceFill.size(); ++i) {
        const mainwindow::DeviceRect& old = m_spritesSinceFill[i];
        const mainwindow::DeviceRect taken =
            i < m_batch.size() ? m_batch[i].target : mainwindow::DeviceRect{};
        mainwindow::ForEachUncovered(old, taken, [&](const mainwindow::DeviceRect& rect) {
            uchar* first = pixels + rect.y * stride + rect.x * qsizetype{sizeof(QRgb)};
            for (int64_t row = 0; row < rect.height; ++row)
                FillRow(reinterpret_cast<QRgb*>(first + row * stride), m_wholeFillPixel,
                        rect.width);
        });
    }
    m_spritesSinceFill.clear();
    m_blankPending = false;
}

void SurfaceWidget::fillDevice(const mainwindow::DeviceRect& rect, QRgb pixel) {
    const qsizetype stride = m_image.bytesPerLine();
    uchar* first = m_image.bits() + rect.y * stride + rect.x * qsizetype{sizeof(QRgb)};
    if (rect.width <= kNarrowFill) {
        for (int64_t row = 0; row < rect.height; ++row)
            FillRow(reinterpret_cast<QRgb*>(first + row * stride), pixel, rect.width);
        return;
    }
    const auto count = static_cast<std::size_t>(rect.width);
    auto* firstRow = reinterpret_cast<QRgb*>(first);
    std::fill(firstRow, firstRow + count, pixel);
    // The other rows copy the first: the library's copy beats a fill loop several times
    // over, and the animation blanks the whole panel every frame.
    for (int64_t row = 1; row < rect.height; ++row) {
        std::memcpy(first + row * stride, first, count * sizeof(QRgb));
    }
}

void SurfaceWidget::paintLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, QRgb pixel) {
    // Horizontal and vertical lines, the grid's, are fills one pixel wide.
    if (x1 == x2 || y1 == y2) {
        paintFill(x1, y1, x2, y2, pixel);
        return;
    }
    drawPendingSprites();
    m_onlySpritesOnFill = false;
    for (const mainwindow::DeviceRect& square :
         mainwindow::LineCoverage(m_scale, x1, y1, x2, y2, m_image.width(), m_image.height())) {
        fillDevice(square, pixel);
    }
}

bool SurfaceWidget::IsNumber(std::string_view utf8) {
    return std::all_of(utf8.begin(), utf8.end(),
                       [](char c) { return kNumberChars.find(c) != std::string_view::npos; });
}

template <typename Place>
void SurfaceWidget::layOutNumber(std::string_view utf8, Place place) {
    qreal pen = 0;
    for (char c : utf8) {
        const auto quarters = static_cast<int64_t>(std::floor(pen * 4));
        const Glyph& g = glyph(kNumberChars.find(c), static_cast<int>(quarters & 3));
        place(g, quarters >> 2);
        pen += g.advance;
    }
}

void SurfaceWidget::paintText(int32_t x, int32_t y, std::string_view utf8) {
    drawPendingSprites();
    m_onlySpritesOnFill = false;
    const int64_t left = m_scale.position(x);
    const int64_t top = m_scale.position(y);
    if (IsNumber(utf8)) {
        // Labels come by the thousand (a pressure axis in tenths of an atmosphere), and a
        // painter lays out every text anew: numbers are put together from cached glyphs,
        // placed as the painter would place them.
        layOutNumber(utf8, [&](const Glyph& g, int64_t pen) {
            if (!g.coverage.isNull())
                blendBlack(g.coverage, left + pen + g.left, top + g.top);
        });
    } else {
        paintOtherText(left, top, FromUtf8(utf8));
    }
}

std::optional<mainwindow::TextInk> SurfaceWidget::textInk(std::string_view utf8) {
    // In device pixels from the text's top left.
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = 0;
    int64_t bottom = 0;
    bool inked = false;
    const auto add = [&](int64_t l, int64_t t, int64_t r, int64_t b) {
        left = inked ? std::min(left, l) : l;
        top = inked ? std::min(top, t) : t;
        right = inked ? std::max(right, r) : r;
        bottom = inked ? std::max(bottom, b) : b;
        inked = true;
    };
    if (IsNumber(utf8)) {
        layOutNumber(utf8, [&](const Glyph& g, int64_t pen) {
            if (!g.coverage.isNull()) {
                add(pen + g.left, g.top, pen + g.left + g.coverage.width(),
                    g.top + g.coverage.height());
            }
        });
    } else {
        const QRect bounds = QFontMetrics(m_deviceFont).boundingRect(FromUtf8(utf8));
        if (!bounds.isEmpty()) {
            add(bounds.left(), m_textAscent + bounds.top(), bounds.left() + bounds.width(),
                m_textAscent + bounds.top() + bounds.height());
        }
    }
    if (!inked)
        return std::nullopt;
    const auto logical = [](int64_t value) { return mainwindow::ClampToInt32(value); };
    return mainwindow::TextInk{
        logical(m_scale.logicalFloor(left)), logical(m_scale.logicalFloor(top)),
        logical(m_scale.logicalCeil(right)), logical(m_scale.logicalCeil(bottom))};
}

const SurfaceWidget::Glyph& SurfaceWidget::glyph(std::size_t numberChar, int quarter) {
    Glyph& g = m_glyphs[4 * numberChar + static_cast<std::size_t>(quarter)];
    if (g.ready) {
        return g;
    }
    g.ready = true;
    const QString text(QChar::fromLatin1(kNumberChars[numberChar]));
    g.advance = QFontMetricsF(m_deviceFont).horizontalAdvance(text);
    // Drawn alone on a transparent canvas with room on every side, then cut to its ink.
    const QFontMetrics metrics(m_deviceFont);
    const int margin = metrics.height() + 2;
    QImage canvas(metrics.horizontalAdvance(text) + 2 * margin, metrics.height() + 2 * margin,
                  QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(m_deviceFont);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(margin + quarter / 4.0, margin + m_textAscent), text);
    }
    int left = canvas.width();
    int right = -1;
    int top = canvas.height();
    int bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(canvas.pixel(x, y)) == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return g;
    g.coverage = QImage(right - left + 1, bottom - top + 1, QImage::Format_Alpha8);
    for (int y = top; y <= bottom; ++y) {
        uchar* row = g.coverage.scanLine(y - top);
        for (int x = left; x <= right; ++x)
            row[x - left] = static_cast<uchar>(qAlpha(canvas.pixel(x, y)));
    }
    g.left = left - margin;
    g.top = top - margin;
    return g;
}

void SurfaceWidget::blendBlack(const QImage& coverage, int64_t x, int64_t y) {
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t right = std::min<int64_t>(x + coverage.width(), m_image.width());
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t bottom = std::min<int64_t>(y + coverage.height(), m_image.height());
    if (left >= right || top >= bottom)
        return;
    const qsizetype stride = m_image.bytesPerLine();
    const qsizetype coverageStride = coverage.bytesPerLine();
    uchar* const target = m_image.bits();
    const uchar* const alphas = coverage.constBits();
    for (int64_t row = top; row < bottom; ++row) {
        auto* pixels = reinterpret_cast<QRgb*>(target + row * stride) + left;
        const uchar* alpha = alphas + (row - y) * coverageStride + (left - x);
        for (int64_t i = 0; i < right - left; ++i) {
            const uint a = alpha[i];
            if (a == 0)
                continue;
            if (a == 255) {
                pixels[i] = qRgb(0, 0, 0);
                continue;
            }
            // Black ink over the pixel: each channel keeps (255 - a) / 255 of itself.
            const uint keep = 255 - a;
            const QRgb old = pixels[i];
            pixels[i] =
                qRgb(DivideBy255(uint(qRed(old)) * keep), DivideBy255(uint(qGreen(old)) * keep),
                     DivideBy255(uint(qBlue(old)) * keep));
        }
    }
}

void SurfaceWidget::paintOtherText(int64_t x, int64_t y, const QString& text) {
    // Qt's painter works in coordinates of about ±2^23 at most; a text further out than
    // that from the image cannot touch it and is skipped.
    const int64_t reach = int64_t{1} << 20;
    const bool nearImage = x > -reach && x < reach && y > -reach && y < reach;
    if (!nearImage || text.isEmpty())
        return;
    if (!m_textPainter) {
        m_textPainter = std::make_unique<QPainter>(&m_image);
        m_textPainter->setFont(m_deviceFont);
        m_textPainter->setPen(Qt::black);
    }
    m_textPainter->drawText(QPoint(static_cast<int>(x), static_cast<int>(y) + m_textAscent), text);
}

void SurfaceWidget::showWhenIdle() {
    if (m_showPending)
        return;
    m_showPending = true;
    update();
}

void SurfaceWidget::refresh() {
    endTextPainter();
    repaint();
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    m_showPending = false;
    endTextPainter();
    drawPendingSprites();
    QPainter painter(this);
    // The image's device pixels fall one to one on the screen's.
    const QRectF target(event->rect());
    const QRectF source(target.x() * m_devicePixelRatio, target.y() * m_devicePixelRatio,
                        target.width() * m_devicePixelRatio, target.height() * m_devicePixelRatio);
    painter.drawImage(target, m_image, source);
    // Where rounding left the image a device pixel short of the widget.
    const QSizeF shown = QSizeF(m_image.size()) / m_devicePixelRatio;
    if (shown.width() < width() || shown.height() < height()) {
        QRegion uncovered(rect());
        uncovered -= QRect(QPoint(0, 0), shown.toSize());
        for (const QRect& part : uncovered & event->region()) painter.fillRect(part, m_background);
    }
}

void SurfaceWidget::endTextPainter() {
    m_textPainter.reset();
}

}  // namespace kemora::ui
