#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "mainwindow/drawing_record.h"
#include "mainwindow/pixel_scale.h"
#include "mainwindow/surface.h"

namespace kemora::web {

// A picture box of the page: the logic draws in logical pixels; this surface decides by the
// core's coverage rule which device pixels each drawing covers and hands the page's painter (a
// JavaScript object) rectangles to fill, parts of the sprite to copy and texts to write, in
// device pixels. It keeps what has been drawn since the last whole fill, so that a new scale
// draws it all again. Owned by the main window's view.
class ScaledSurface : public mainwindow::Surface {
  public:
    // `painter`: fill(x, y, w, h, rgb), sprite(x, y, w, h, sourceX, sourceY), text(x, y,
    // utf8), textInk(utf8) -> {left, top, right, bottom} in device pixels or null, refresh(),
    // and lineSpacing, logical pixels. `width` × `height`: the box in logical pixels.
    ScaledSurface(emscripten::val painter, int32_t width, int32_t height);

    // Draws at `factor` device pixels per logical pixel into an image of `imageWidth` ×
    // `imageHeight` device pixels (the page has just cleared it), with a sprite source of
    // `spriteWidth` × `spriteHeight`, and draws everything recorded again.
    void setScale(double factor, int64_t imageWidth, int64_t imageHeight, int64_t spriteWidth,
                  int64_t spriteHeight);

    void fillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb color) override;
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb color) override;
    void setTextPosition(int32_t x, int32_t y) override;
    void printText(std::string_view utf8) override;
    [[nodiscard]] std::optional<mainwindow::TextInk> textInk(std::string_view utf8) override;
    void copySprite(int32_t x, int32_t y) override;
    void refresh() override;

  private:
    void fill(const mainwindow::DeviceRect& place, mainwindow::Rgb color);

    emscripten::val m_painter;
    mainwindow::DrawingRecord m_record;
    mainwindow::PixelScale m_scale{1.0};
    int64_t m_imageWidth = 0;
    int64_t m_imageHeight = 0;
    int64_t m_spriteWidth = 0;
    int64_t m_spriteHeight = 0;
    int32_t m_textX = 0;
    int32_t m_textY = 0;
    bool m_replaying = false;  // drawing the record again, which must not record it twice
};

}  // namespace kemora::web
