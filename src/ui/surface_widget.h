#pragma once

#include <QFont>
#include <QImage>
#include <QWidget>
#include <array>
#include <memory>
#include <string_view>

#include "mainwindow/surface.h"

class QPainter;

namespace kemora::ui {

// The graph's label font: the proportional Gothic face at 9 pixels (6.75 points at 96 dots
// per inch), sized in pixels so that the screen's resolution does not change it.
[[nodiscard]] QFont GraphLabelFont();

// A picture box: a widget of fixed pixel size that keeps a persistent off-screen image,
// draws into that image only, and shows it on refresh() at once, or else as soon as the
// handler that drew has returned to the event loop.
// Owned by its Qt parent; the logic draws into it through mainwindow::Surface.
class SurfaceWidget : public QWidget, public mainwindow::Surface {
    Q_OBJECT
  public:
    SurfaceWidget(QSize size, QColor background, QWidget* parent = nullptr);
    ~SurfaceWidget() override;

    // The image that copySprite() copies from; its top left 10 × 10 pixels are used.
    void setSpriteSource(const QImage& sprite);
    // The font of printText(); the widget's own font until set.
    void setTextFont(const QFont& font);

    // The off-screen image as drawn so far, also before it is shown.
    [[nodiscard]] const QImage& image();

    void fillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb color) override;
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb color) override;
    void setTextPosition(int32_t x, int32_t y) override;
    void printText(std::string_view utf8) override;
    void copySprite(int32_t x, int32_t y) override;
    void refresh() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Asks for one paint once the current handler is done; refresh() paints at once.
    void showWhenIdle();

    // A character of a number drawn once in the text font at one of four quarter-pixel
    // offsets, as the painter places glyphs: its coverage (alpha 0 to 255) and where that
    // lies from the whole pixel of the pen at the top of the text.
    struct Glyph {
        bool ready = false;
        QImage coverage;  // Format_Alpha8; null for a character that leaves no ink
        int left = 0;     // pixels right of the pen
        int top = 0;      // pixels below the text's top
        qreal advance = 0;
    };
    // The characters of number texts, whose glyphs the font sets without kerning.
    static constexpr std::string_view kNumberChars = "0123456789.+-E";

    void setPixel(int64_t x, int64_t y, QRgb pixel);
    const Glyph& glyph(std::size_t numberChar, int quarter);
    void blendBlack(const QImage& coverage, int64_t x, int64_t y);
    void paintText(const QString& text);
    // Texts other than numbers go through a painter that stays open across texts, as
    // opening one per text costs more than the text; it is closed before the image is
    // read or shown.
    void endTextPainter();

    QImage m_image;
    QImage m_sprite;
    QFont m_textFont;
    int m_textAscent = 0;       // pixels from the top of a text to its baseline
    int m_textLineSpacing = 0;  // pixels from one line of text to the next
    std::array<Glyph, 4 * kNumberChars.size()> m_glyphs{};
    std::unique_ptr<QPainter> m_textPainter;
    bool m_showPending = false;  // a paint has been asked for and not yet done
    int32_t m_textX = 0;
    int32_t m_textY = 0;
};

}  // namespace kemora::ui
