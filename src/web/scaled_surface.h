#pragma once
// A picture box of the page: the logic draws into it in logical pixels; it keeps what was
// drawn and hands the page, in device pixels at the page's scale, the rectangles that the
// core's coverage rule gives, the sprite copies and the texts. Owned by web::MainWindow.

#include <emscripten/val.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "mainwindow/drawing_record.h"
#include "mainwindow/pixel_scale.h"
#include "mainwindow/surface.h"

namespace kemora::web {

class ScaledSurface : public mainwindow::Surface {
  public:
    // `painter`: the page's object with fill, sprite, text, textInk, refresh and lineSpacing.
    // `width` × `height`: the picture's size in logical pixels.
    ScaledSurface(emscripten::val painter, int32_t width, int32_t height);

    // The page's scale (device pixels per logical pixel), the size of its image and of its
    // sprite image in device pixels; draws again what is kept, at that scale.
    void setScale(double factor, double imageWidth, double imageHeight, double spriteWidth,
                  double spriteHeight);

    void fillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb color) override;
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb color) override;
    void setTextPosition(int32_t x, int32_t y) override;
    void printText(std::string_view utf8) override;
    [[nodiscard]] std::optional<mainwindow::TextInk> textInk(std::string_view utf8) override;
    void copySprite(int32_t x, int32_t y) override;
    void refresh() override;

  private:
    void fill(const mainwindow::DeviceRect& rect, mainwindow::Rgb color);

    emscripten::val m_painter;
    mainwindow::DrawingRecord m_record;
    mainwindow::PixelScale m_scale{1.0};
    int64_t m_imageWidth;
    int64_t m_imageHeight;
    int64_t m_spriteWidth;
    int64_t m_spriteHeight;
    int32_t m_textX = 0;
    int32_t m_textY = 0;
    bool m_replaying = false;  // drawing what is kept, which must not be kept twice
};

}  // namespace kemora::web
