#pragma once

#include <QFont>
#include <QPointF>
#include <optional>

#include "mainwindow/surface.h"

class QPainter;

namespace kemora::ui {

// The graph box drawn as vectors through a painter, for a printed page: the painter's
// coordinates are the box's pixels, scaled to the page by the caller, so that the frame and
// the squares come from the same numbers as on the screen but at the printer's resolution.
// Holds the painter by reference; it must outlive the surface.
class PainterSurface : public mainwindow::Surface {
  public:
    PainterSurface(QPainter& painter, const QFont& textFont);

    void fillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb color) override;
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb color) override;
    void setTextPosition(int32_t x, int32_t y) override;
    void printText(std::string_view utf8) override;
    [[nodiscard]] std::optional<mainwindow::TextInk> textInk(std::string_view utf8) override;
    // A graph has no molecules: nothing to copy.
    void copySprite(int32_t x, int32_t y) override;
    // What is painted is on the page already.
    void refresh() override;

  private:
    QPainter& m_painter;
    QFont m_textFont;
    qreal m_textAscent = 0;
    qreal m_textLineSpacing = 0;
    QPointF m_textPosition;
};

}  // namespace kemora::ui
