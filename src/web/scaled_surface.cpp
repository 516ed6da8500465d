#include "web/scaled_surface.h"

#include <string>
#include <utility>

#include "mainwindow/device_coverage.h"
#include "mainwindow/saturating.h"

namespace kemora::web {
namespace {

using emscripten::val;

double RgbNumber(mainwindow::Rgb color) {
    return double((uint32_t{color.r} << 16) | (uint32_t{color.g} << 8) | color.b);
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
    if (const auto place =
            mainwindow::FillCoverage(m_scale, x1, y1, x2, y2, m_imageWidth, m_imageHeight))
        fill(*place, color);
}

void ScaledSurface::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                             mainwindow::Rgb color) {
    if (!m_replaying)
        m_record.line(x1, y1, x2, y2, color);
    for (const mainwindow::DeviceRect& place :
         mainwindow::LineCoverage(m_scale, x1, y1, x2, y2, m_imageWidth, m_imageHeight))
        fill(place, color);
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
    const auto copy = mainwindow::SpriteCoverageAt(m_scale, x, y, m_spriteWidth, m_spriteHeight,
                                                   m_imageWidth, m_imageHeight);
    if (!copy)
        return;
    m_painter.call<void>("sprite", double(copy->target.x), double(copy->target.y),
                         double(copy->target.width), double(copy->target.height),
                         double(copy->sourceX), double(copy->sourceY));
}

void ScaledSurface::refresh() {
    m_painter.call<void>("refresh");
}

void ScaledSurface::fill(const mainwindow::DeviceRect& place, mainwindow::Rgb color) {
    m_painter.call<void>("fill", double(place.x), double(place.y), double(place.width),
                         double(place.height), RgbNumber(color));
}

}  // namespace kemora::web
