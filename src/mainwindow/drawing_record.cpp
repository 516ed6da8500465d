#include "mainwindow/drawing_record.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace kemora::mainwindow {
namespace {

// Retired strokes are swept out once they are this many and at least half of the record.
constexpr std::size_t kSweepThreshold = 1024;

}  // namespace

std::size_t DrawingRecord::FillKeyHash::operator()(const FillKey& key) const {
    const auto pack = [](int32_t a, int32_t b) {
        return (uint64_t{static_cast<uint32_t>(a)} << 32) | static_cast<uint32_t>(b);
    };
    const std::size_t first = std::hash<uint64_t>{}(pack(key.left, key.top));
    const std::size_t second = std::hash<uint64_t>{}(pack(key.right, key.bottom));
    return first ^ (second + 0x9e3779b97f4a7c15ULL + (first << 6) + (first >> 2));
}

DrawingRecord::DrawingRecord(int32_t width, int32_t height) : m_width(width), m_height(height) {}

void DrawingRecord::fill(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Rgb color) {
    const FillKey key{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    // Nothing drawn before a fill of the whole surface can show any more.
    if (key.left <= 0 && key.top <= 0 && int64_t{key.right} >= int64_t{m_width} - 1 &&
        int64_t{key.bottom} >= int64_t{m_height} - 1)
        clear();
    const auto [live, added] = m_liveFills.try_emplace(key, m_strokes.size());
    if (!added) {
        m_strokes[live->second].kind = Kind::Retired;
        ++m_retired;
        live->second = m_strokes.size();
    }
    m_strokes.push_back({Kind::Fill, color, x1, y1, x2, y2});
    if (m_retired >= kSweepThreshold && 2 * m_retired >= m_strokes.size())
        sweepRetired();
}

void DrawingRecord::line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Rgb color) {
    m_strokes.push_back({Kind::Line, color, x1, y1, x2, y2});
}

void DrawingRecord::text(int32_t x, int32_t y, std::string_view utf8) {
    m_strokes.push_back({Kind::Text, {}, x, y, static_cast<int32_t>(m_texts.size()), 0});
    m_texts.emplace_back(utf8);
}

void DrawingRecord::sprite(int32_t x, int32_t y) {
    m_strokes.push_back({Kind::Sprite, {}, x, y, 0, 0});
}

void DrawingRecord::replay(Surface& surface) const {
    for (const Stroke& stroke : m_strokes) {
        switch (stroke.kind) {
            case Kind::Retired:
                break;
            case Kind::Fill:
                surface.fillRect(stroke.x1, stroke.y1, stroke.x2, stroke.y2, stroke.color);
                break;
            case Kind::Line:
                surface.drawLine(stroke.x1, stroke.y1, stroke.x2, stroke.y2, stroke.color);
                break;
            case Kind::Text:
                surface.setTextPosition(stroke.x1, stroke.y1);
                surface.printText(m_texts[static_cast<std::size_t>(stroke.x2)]);
                break;
            case Kind::Sprite:
                surface.copySprite(stroke.x1, stroke.y1);
                break;
        }
    }
}

void DrawingRecord::clear() {
    m_strokes.clear();
    m_texts.clear();
    m_liveFills.clear();
    m_retired = 0;
}

void DrawingRecord::sweepRetired() {
    std::erase_if(m_strokes, [](const Stroke& stroke) { return stroke.kind == Kind::Retired; });
    m_retired = 0;
    for (std::size_t i = 0; i < m_strokes.size(); ++i) {
        const Stroke& stroke = m_strokes[i];
        if (stroke.kind == Kind::Fill) {
            m_liveFills[{std::min(stroke.x1, stroke.x2), std::min(stroke.y1, stroke.y2),
                         std::max(stroke.x1, stroke.x2), std::max(stroke.y1, stroke.y2)}] = i;
        }
    }
}

}  // namespace kemora::mainwindow
