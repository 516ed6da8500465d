#include "web/scaled_surface.h"

#include <algorithm>
#include <string>
#include <utility>

#include "mainwindow/saturating.h"

namespace kemora::web {
namespace {

using emscripten::val;

constexpr int32_t kSpriteSize = 10;  // logical pixels

double RgbNumber(mainwindow::Rgb color) {
    return double((uint32_t{color.r} << 16) | (uint32_t{color.g} << 8) | color.b);
}

// Products of two 32-bit spans need more than 64 bits.
__extension__ typedef __int128 Int128;

// Rounds towards negative infinity, as the line walk needs for negative coordinates.
Int128 FloorDiv(Int128 numerator, Int128 denominator) {
    const Int128 quotient = numerator / denominator;
    return (numerator % denominator != 0 && (numerator < 0) != (denominator < 0)) ? quotient - 1
                                                                                  : quotient;
}

}  // namespace

ScaledSurface::ScaledSurface(val painter, int32_t width, int32_t height)
    : m_painter(std::move(painter)), m_record(width, height) {}

void ScaledSurface::setScale(double factor, int64_t imageWidth, int64_t imageHeight,
                             int64_t spriteWidth, int64_t spriteHeight) {
    m_scale = mainwindow::PixelScale(factor);
    m_imageWidth = imageWidth;
    m_imageHeight = imageHeight;
    m_spriteWidth = spriteWidth;
    m_spriteHeight = spriteHeight;
    m_replaying = true;
    m_record.replay(*this);
    m_replaying = false;
}

void ScaledSurface::fillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                             mainwindow::Rgb color) {
    if (!m_replaying)
        m_record.fill(x1, y1, x2, y2, color);
    fillLogical(x1, y1, x2, y2, color);
}

void ScaledSurface::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                             mainwindow::Rgb color) {
    if (!m_replaying)
        m_record.line(x1, y1, x2, y2, color);
    // Horizontal and vertical lines, the grid's, are rectangles one pixel wide.
    if (x1 == x2 || y1 == y2) {
        fillLogical(x1, y1, x2, y2, color);
        return;
    }
    // Walk the longer axis from its lower end; on the other axis take the nearest pixel,
    // halves rounded up, so that a line and its reverse cover the same pixels. Each logical
    // pixel is a square of device pixels.
    const int64_t dx = int64_t{x2} - x1;
    const int64_t dy = int64_t{y2} - y1;
    const bool alongX = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    int64_t a1 = alongX ? x1 : y1;
    int64_t b1 = alongX ? y1 : x1;
    int64_t a2 = alongX ? x2 : y2;
    int64_t b2 = alongX ? y2 : x2;
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    const int64_t extent = alongX ? m_imageWidth : m_imageHeight;
    const int64_t first = std::max<int64_t>(a1, m_scale.logicalFloor(0) - 1);
    const int64_t last = std::min<int64_t>(a2, m_scale.logicalCeil(extent));
    const int64_t side = m_scale.length(1);
    for (int64_t a = first; a <= last; ++a) {
        const int64_t b =
            b1 + static_cast<int64_t>(FloorDiv(2 * (Int128{a} - a1) * (Int128{b2} - b1) + (a2 - a1),
                                               2 * (Int128{a2} - a1)));
        fillDevice(m_scale.position(alongX ? a : b), m_scale.position(alongX ? b : a), side, side,
                   color);
    }
}

void ScaledSurface::setTextPosition(int32_t x, int32_t y) {
    m_textX = x;
    m_textY = y;
}

void ScaledSurface::printText(std::string_view utf8) {
    if (!m_replaying)
        m_record.text(m_textX, m_textY, utf8);
    m_painter.call<void>("text", double(m_scale.position(m_textX)),
                         double(m_scale.position(m_textY)), std::string(utf8));
    m_textY = mainwindow::SaturatingAdd(m_textY, m_painter["lineSpacing"].as<int32_t>());
}

std::optional<mainwindow::TextInk> ScaledSurface::textInk(std::string_view utf8) {
    const val ink = m_painter.call<val>("textInk", std::string(utf8));
    if (ink.isNull() || ink.isUndefined())
        return std::nullopt;
    const auto device = [&ink](const char* side) { return int64_t(ink[side].as<double>()); };
    const auto logical = [](int64_t value) { return mainwindow::ClampToInt32(value); };
    return mainwindow::TextInk{logical(m_scale.logicalFloor(device("left"))),
                               logical(m_scale.logicalFloor(device("top"))),
                               logical(m_scale.logicalCeil(device("right"))),
                               logical(m_scale.logicalCeil(device("bottom")))};
}

void ScaledSurface::copySprite(int32_t x, int32_t y) {
    if (!m_replaying)
        m_record.sprite(x, y);
    const int64_t side = m_scale.length(kSpriteSize);
    const int64_t deviceX = m_scale.position(x);
    const int64_t deviceY = m_scale.position(y);
    const int64_t left = std::max<int64_t>(deviceX, 0);
    const int64_t top = std::max<int64_t>(deviceY, 0);
    const int64_t right = std::min(deviceX + std::min(side, m_spriteWidth), m_imageWidth);
    const int64_t bottom = std::min(deviceY + std::min(side, m_spriteHeight), m_imageHeight);
    if (left >= right || top >= bottom)
        return;
    m_painter.call<void>("sprite", double(left), double(top), double(right - left),
                         double(bottom - top), double(left - deviceX), double(top - deviceY));
}

void ScaledSurface::refresh() {
    m_painter.call<void>("refresh");
}

void ScaledSurface::fillLogical(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                mainwindow::Rgb color) {
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    const mainwindow::DeviceRect place =
        m_scale.rect(x1, y1, int64_t{x2} - x1 + 1, int64_t{y2} - y1 + 1);
    fillDevice(place.x, place.y, place.width, place.height, color);
}

void ScaledSurface::fillDevice(int64_t x, int64_t y, int64_t width, int64_t height,
                               mainwindow::Rgb color) {
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t right = std::min(x + width, m_imageWidth);
    const int64_t bottom = std::min(y + height, m_imageHeight);
    if (left >= right || top >= bottom)
        return;
    m_painter.call<void>("fill", double(left), double(top), double(right - left),
                         double(bottom - top), RgbNumber(color));
}

}  // namespace kemora::web
