#pragma once
// A Surface for tests: records every call in order and keeps the pixels that fills,
// straight lines and sprite copies leave in an image of a given size.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "mainwindow/surface.h"

namespace kemora::mainwindow {

class FakeSurface : public Surface {
  public:
    enum class Op { Fill, Line, TextPosition, Text, Sprite, Refresh };

    struct Call {
        Op op;
        int32_t x1 = 0;
        int32_t y1 = 0;
        int32_t x2 = 0;
        int32_t y2 = 0;
        Rgb color{};
        std::string text;
    };

    // The colour that sprite copies leave in the pixels.
    static constexpr Rgb kSpriteColor{0, 255, 255};

    FakeSurface(int32_t width, int32_t height, Rgb background = {})
        : m_width(width),
          m_height(height),
          m_pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), background) {
    }

    void fillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Rgb color) override {
        calls.push_back({Op::Fill, x1, y1, x2, y2, color, {}});
        paint(x1, y1, x2, y2, color);
    }
    // Only horizontal and vertical lines reach the pixels; others are only recorded.
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Rgb color) override {
        calls.push_back({Op::Line, x1, y1, x2, y2, color, {}});
        if (x1 == x2 || y1 == y2)
            paint(x1, y1, x2, y2, color);
    }
    void setTextPosition(int32_t x, int32_t y) override {
        calls.push_back({Op::TextPosition, x, y, 0, 0, {}, {}});
    }
    void printText(std::string_view utf8) override {
        calls.push_back({Op::Text, 0, 0, 0, 0, {}, std::string(utf8)});
    }
    // Leaves no ink unless `ink` says where a text would.
    std::optional<TextInk> textInk(std::string_view utf8) override {
        return ink ? ink(utf8) : std::nullopt;
    }
    void copySprite(int32_t x, int32_t y) override {
        calls.push_back({Op::Sprite, x, y, 0, 0, {}, {}});
        paint(x, y,
              static_cast<int32_t>(
                  std::min<int64_t>(int64_t{x} + 9, std::numeric_limits<int32_t>::max())),
              static_cast<int32_t>(
                  std::min<int64_t>(int64_t{y} + 9, std::numeric_limits<int32_t>::max())),
              kSpriteColor);
    }
    void refresh() override { calls.push_back({Op::Refresh, 0, 0, 0, 0, {}, {}}); }

    [[nodiscard]] Rgb pixel(int32_t x, int32_t y) const {
        return m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                        static_cast<std::size_t>(x)];
    }
    [[nodiscard]] int32_t width() const { return m_width; }
    [[nodiscard]] int32_t height() const { return m_height; }

    // The recorded calls of one kind, in order.
    [[nodiscard]] std::vector<Call> callsOf(Op op) const {
        std::vector<Call> found;
        for (const Call& call : calls) {
            if (call.op == op)
                found.push_back(call);
        }
        return found;
    }

    std::vector<Call> calls;
    std::function<std::optional<TextInk>(std::string_view)> ink;

  private:
    void paint(int64_t x1, int64_t y1, int64_t x2, int64_t y2, Rgb color) {
        if (x1 > x2)
            std::swap(x1, x2);
        if (y1 > y2)
            std::swap(y1, y2);
        for (int64_t y = std::max<int64_t>(y1, 0); y <= std::min<int64_t>(y2, m_height - 1); ++y) {
            for (int64_t x = std::max<int64_t>(x1, 0); x <= std::min<int64_t>(x2, m_width - 1);
                 ++x) {
                m_pixels[static_cast<std::size_t>(y * m_width + x)] = color;
            }
        }
    }

    int32_t m_width;
    int32_t m_height;
    std::vector<Rgb> m_pixels;
};

}  // namespace kemora::mainwindow
