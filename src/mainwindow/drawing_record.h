#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "mainwindow/surface.h"

namespace kemora::mainwindow {

// What has been drawn on a surface since the last fill that covered all of it, in the order
// drawn, so that the surface can draw it again at another resolution: the graph keeps its
// plotted squares when the window is zoomed. A fill makes an earlier fill of the same
// rectangle redundant and retires it, so plotting the same states again and again does not
// make the record grow. Owned by the surface it records.
class DrawingRecord {
  public:
    // A surface of `width` × `height` pixels.
    DrawingRecord(int32_t width, int32_t height);

    void fill(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Rgb color);
    void line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Rgb color);
    // A text printed with its top left at (x, y).
    void text(int32_t x, int32_t y, std::string_view utf8);
    void sprite(int32_t x, int32_t y);

    // Draws what is recorded onto `surface`, in the order recorded; does not refresh it.
    void replay(Surface& surface) const;

    // Strokes kept, retired ones included until they are swept out.
    [[nodiscard]] std::size_t size() const { return m_strokes.size(); }

  private:
    enum class Kind : uint8_t { Retired, Fill, Line, Text, Sprite };
    struct Stroke {
        Kind kind;
        Rgb color;
        int32_t x1;
        int32_t y1;
        int32_t x2;  // for a text, its index in m_texts
        int32_t y2;
    };
    // A filled rectangle, corners in order.
    struct FillKey {
        int32_t left, top, right, bottom;
        friend bool operator==(const FillKey&, const FillKey&) = default;
    };
    struct FillKeyHash {
        std::size_t operator()(const FillKey& key) const;
    };

    void clear();
    void sweepRetired();

    int32_t m_width;
    int32_t m_height;
    std::vector<Stroke> m_strokes;
    std::vector<std::string> m_texts;
    std::unordered_map<FillKey, std::size_t, FillKeyHash> m_liveFills;  // index in m_strokes
    std::size_t m_retired = 0;
};

}  // namespace kemora::mainwindow
