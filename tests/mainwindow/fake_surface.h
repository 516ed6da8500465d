#pragma once
// A Surface for tests: records every call in order and keeps the pixels that fills, lines and
// sprite copies leave in an image of a given size, by the same coverage rule as the real
// surfaces at scale 1.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "mainwindow/device_coverage.h"
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
        if (const auto rect = FillCoverage(kScale, x1, y1, x2, y2, m_width, m_height))
            paint(*rect, color);
    }
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Rgb color) override {
        calls.push_back({Op::Line, x1, y1, x2, y2, color, {}});
        for (const DeviceRect& rect : LineCoverage(kScale, x1, y1, x2, y2, m_width, m_height))
            paint(rect, color);
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
        if (const auto sprite =
                SpriteCoverageAt(kScale, x, y, kSpriteSize, kSpriteSize, m_width, m_height)) {
            paint(sprite->target, kSpriteColor);
        }
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
    static inline const PixelScale kScale{1.0};

    // A rectangle inside the image, as the coverage rule gives it.
    void paint(const DeviceRect& rect, Rgb color) {
        for (int64_t y = rect.y; y < rect.y + rect.height; ++y) {
            for (int64_t x = rect.x; x < rect.x + rect.width; ++x)
                m_pixels[static_cast<std::size_t>(y * m_width + x)] = color;
        }
    }

    int32_t m_width;
    int32_t m_height;
    std::vector<Rgb> m_pixels;
};

}  // namespace kemora::mainwindow
