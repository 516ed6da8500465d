#pragma once
// The drawing surface through which the main window's logic draws into a picture box.

#include <cstdint>
#include <optional>
#include <string_view>

namespace kemora::mainwindow {

// The side of the molecule sprite, in logical pixels.
inline constexpr int32_t kSpriteSize = 10;

// A colour as an RGB triple.
struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Where a text leaves ink, in pixels from its text position: the first inked column and row,
// and the column and row just past the last ones.
struct TextInk {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    friend bool operator==(const TextInk&, const TextInk&) = default;
};

// A picture box with a persistent off-screen image, in pixels with the origin at its top
// left and y downward. Drawing changes only the off-screen image; refresh() shows it, so no
// half-drawn picture is ever seen. Every coordinate is allowed: what falls outside the
// image is clipped. Owned by the toolkit layer; the logic holds it by reference.
class Surface {
  public:
    virtual ~Surface() = default;

    // Fills the rectangle between two corners, both included, in any order.
    virtual void fillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Rgb color) = 0;

    // A one-pixel line; both end points are drawn.
    virtual void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Rgb color) = 0;

    // Left and top of the next text.
    virtual void setTextPosition(int32_t x, int32_t y) = 0;

    // Black text on a transparent background in the surface's font, at the text position;
    // the position then moves down by one line.
    virtual void printText(std::string_view utf8) = 0;

    // Where printText() would ink `utf8`, widened to whole pixels; nullopt for a text that
    // leaves no ink.
    [[nodiscard]] virtual std::optional<TextInk> textInk(std::string_view utf8) = 0;

    // Plain copy of the kSpriteSize × kSpriteSize sprite source image with its top left at
    // (x, y).
    virtual void copySprite(int32_t x, int32_t y) = 0;

    // Shows the off-screen image.
    virtual void refresh() = 0;

  protected:
    Surface() = default;
    Surface(const Surface&) = default;
    Surface& operator=(const Surface&) = default;
};

}  // namespace kemora::mainwindow
