#include "web/scaled_surface.h"

#include <string>

#include "mainwindow/device_coverage.h"
#include "mainwindow/panel_sizes.h"
#include "web/js_values.h"

namespace kemora::web {
namespace {

int32_t ColorNumber(mainwindow::Rgb color) {
    return int32_t{color.r} << 16 | int32_t{color.g} << 8 | color.b;
}

}  // namespace

ScaledSurface::ScaledSurface(emscripten::val painter, int32_t width, int32_t height)
    : m_painter(std::move(painter)),
      m_record(width, height),
      m_imageWidth(width),
      m_imageHeight(height),
      m_spriteWidth(mainwindow::kSpriteSize),
      m_spriteHeight(mainwindow::kSpriteSize) {}

void ScaledSurface::setScale(double factor, double imageWidth, double imageHeight,
                             double spriteWidth, double spriteHeight) {
    m_scale = mainwindow::PixelScale(factor);
    m_imageWidth = PixelsOf(imageWidth);
    m_imageHeight = PixelsOf(imageHeight);
    m_spriteWidth = PixelsOf(spriteWidth);
    m_spriteHeight = PixelsOf(spriteHeight);
    m_replaying = true;
    m_record.replay(*this);
    m_replaying = false;
}

void ScaledSurface::fillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                             mainwindow::Rgb color) {
    if (!m_replaying)
        m_record.fill(x1, y1, x2, y2, color);
    if (const auto rect =
            mainwindow::FillCoverage(m_scale, x1, y1, x2, y2, m_imageWidth, m_imageHeight))
        fill(*rect, color);
}

void ScaledSurface::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                             mainwindow::Rgb color) {
    if (!m_replaying)
        m_record.line(x1, y1, x2, y2, color);
    for (const mainwindow::DeviceRect& rect :
         mainwindow::LineCoverage(m_scale, x1, y1, x2, y2, m_imageWidth, m_imageHeight))
        fill(rect, color);
}

void ScaledSurface::setTextPosition(int32_t x, int32_t y) {
    m_textX = x;
    m_textY = y;
}

void ScaledSurface::printText(std::string_view utf8) {
    if (!m_replaying)
        m_record.text(m_textX, m_textY, utf8);
    m_painter.call<void>("text", static_cast<double>(m_scale.position(m_textX)),
                         static_cast<double>(m_scale.position(m_textY)), std::string(utf8));
    m_textY += m_painter["lineSpacing"].as<int32_t>();
}

std::optional<mainwindow::TextInk> ScaledSurface::textInk(std::string_view utf8) {
    const emscripten::val ink = m_painter.call<emscripten::val>("textInk", std::string(utf8));
    if (ink.isNull() || ink.isUndefined())
        return std::nullopt;
    // The page measures in device pixels; the logic asks for logical ones that surely hold
    // the ink.
    const auto device = [&](const char* side) { return PixelsOf(ink[side].as<double>()); };
    return mainwindow::TextInk{static_cast<int32_t>(m_scale.logicalFloor(device("left"))),
                               static_cast<int32_t>(m_scale.logicalFloor(device("top"))),
                               static_cast<int32_t>(m_scale.logicalCeil(device("right"))),
                               static_cast<int32_t>(m_scale.logicalCeil(device("bottom")))};
}

void ScaledSurface::copySprite(int32_t x, int32_t y) {
    if (!m_replaying)
        m_record.sprite(x, y);
    const auto sprite = mainwindow::SpriteCoverageAt(m_scale, x, y, m_spriteWidth, m_spriteHeight,
                                                     m_imageWidth, m_imageHeight);
    if (!sprite)
        return;
    m_painter.call<void>(
        "sprite", static_cast<double>(sprite->target.x), static_cast<double>(sprite->target.y),
        static_cast<double>(sprite->target.width), static_cast<double>(sprite->target.height),
        static_cast<double>(sprite->sourceX), static_cast<double>(sprite->sourceY));
}

void ScaledSurface::refresh() {
    m_painter.call<void>("refresh");
}

void ScaledSurface::fill(const mainwindow::DeviceRect& rect, mainwindow::Rgb color) {
    m_painter.call<void>("fill", static_cast<double>(rect.x), static_cast<double>(rect.y),
                         static_cast<double>(rect.width), static_cast<double>(rect.height),
                         ColorNumber(color));
}

}  // namespace kemora::web
