#pragma once

#include <QFont>
#include <QImage>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "mainwindow/device_coverage.h"
#include "mainwindow/drawing_record.h"
#include "mainwindow/pixel_scale.h"
#include "mainwindow/surface.h"

class QPainter;

namespace kemora::ui {

// The graph's label font: the proportional Gothic face at 9 pixels (6.75 points at 96 dots
// per inch), sized in pixels so that the screen's resolution does not change it.
[[nodiscard]] QFont GraphLabelFont();

// A picture box: a widget of fixed size that keeps a persistent off-screen image, draws into
// that image only, and shows it on refresh() at once, or else as soon as the handler that drew
// has returned to the event loop. The logic draws in the box's logical pixels; the image holds
// zoom × device pixel ratio device pixels for each, mapped by mainwindow::PixelScale, so that
// lines, squares and letters are drawn sharp at the size shown.
// Owned by its Qt parent; the logic draws into it through mainwindow::Surface.
class SurfaceWidget : public QWidget, public mainwindow::Surface {
    Q_OBJECT
  public:
    // `size` in logical pixels; shown at zoom 1 until setScale().
    SurfaceWidget(QSize size, QColor background, QWidget* parent = nullptr);
    ~SurfaceWidget() override;

    // Shows the box `zoom` times its logical size on a screen of `devicePixelRatio`, and draws
    // again at the new resolution what has been drawn since the box was last filled whole
    // (sprite copies with the sprite source set by then). Texts keep the places they were
    // given, also those the logic fitted to an edge by textInk() at the former scale.
    void setScale(double zoom, double devicePixelRatio);
    // Device pixels of the image per logical pixel: the zoom times the device pixel ratio.
    [[nodiscard]] double deviceScale() const { return m_scale.factor(); }

    // The image that copySprite() copies from, drawn at the device scale; its top left
    // 10 × 10 logical pixels are used.
    void setSpriteSource(const QImage& sprite);
    // The font of printText() in logical pixels; the widget's own font until set.
    void setTextFont(const QFont& font);

    // The off-screen image as drawn so far, also before it is shown, in device pixels.
    [[nodiscard]] const QImage& image();

    void fillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb color) override;
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb color) override;
    void setTextPosition(int32_t x, int32_t y) override;
    void printText(std::string_view utf8) override;
    [[nodiscard]] std::optional<mainwindow::TextInk> textInk(std::string_view utf8) override;
    void copySprite(int32_t x, int32_t y) override;
    void refresh() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Asks for one paint once the current handler is done; refresh() paints at once.
    void showWhenIdle();
    // A fresh image at the current scale in the background colour.
    void resetImage();

    // Drawing in device pixels; the Surface calls record, then draw through these.
    void paintFill(int32_t x1, int32_t y1, int32_t x2, int32_t y2, QRgb pixel);
    void paintLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, QRgb pixel);
    void paintText(int32_t x, int32_t y, std::string_view utf8);
    void fillDevice(const mainwindow::DeviceRect& rect, QRgb pixel);  // inside the image
    // Sprites are copied into the image in batches, before anything else is drawn and before
    // the image is read or shown: the image's pixels are asked for once a batch, and the
    // blanking of the frame before need only reach what the new sprites do not cover.
    void drawPendingSprites();
    void blankSpritesOfFrameBefore(uchar* pixels, qsizetype stride);
    // Forgets sprites and blanking not yet done, for a fill that covers them all.
    void dropPendingSprites();

    // A character of a number drawn once in the device font at one of four quarter-pixel
    // offsets, as the painter places glyphs: its coverage (alpha 0 to 255) and where that
    // lies from the whole device pixel of the pen at the top of the text.
    struct Glyph {
        bool ready = false;
        QImage coverage;  // Format_Alpha8; null for a character that leaves no ink
        int left = 0;     // pixels right of the pen
        int top = 0;      // pixels below the text's top
        qreal advance = 0;
    };
    // The characters of number texts, whose glyphs the font sets without kerning.
    static constexpr std::string_view kNumberChars = "0123456789.+-E";

    [[nodiscard]] static bool IsNumber(std::string_view utf8);
    const Glyph& glyph(std::size_t numberChar, int quarter);
    // Calls `place(glyph, left)` for each character of a number text, `left` being the
    // device pixels from the text's left to the glyph's pen.
    template <typename Place>
    void layOutNumber(std::string_view utf8, Place place);
    void blendBlack(const QImage& coverage, int64_t x, int64_t y);
    void paintOtherText(int64_t x, int64_t y, const QString& text);
    // Texts other than numbers go through a painter that stays open across texts, as
    // opening one per text costs more than the text; it is closed before the image is
    // read or shown.
    void endTextPainter();

    QSize m_logicalSize;
    QColor m_background;
    mainwindow::PixelScale m_scale{1.0};
    double m_devicePixelRatio = 1.0;
    QImage m_image;  // device pixels
    QImage m_sprite;
    mainwindow::DrawingRecord m_record;
    QFont m_textFont;           // logical pixels
    QFont m_deviceFont;         // the text font at the device scale
    int m_textAscent = 0;       // device pixels from the top of a text to its baseline
    int m_textLineSpacing = 0;  // logical pixels from one line of text to the next
    std::array<Glyph, 4 * kNumberChars.size()> m_glyphs{};
    std::unique_ptr<QPainter> m_textPainter;
    // Since the last fill of the whole image, in m_wholeFillPixel, nothing but sprites has
    // been drawn, at these device rectangles in the order drawn.
    bool m_onlySpritesOnFill = false;
    QRgb m_wholeFillPixel = 0;
    std::vector<mainwindow::DeviceRect> m_spritesSinceFill;
    // The last whole fill has not yet blanked m_spritesSinceFill, which are still those of
    // the frame before it.
    bool m_blankPending = false;
    // Logical places of sprites copied and not yet in the image, in the order copied.
    struct SpritePlace {
        int32_t x;
        int32_t y;
    };
    std::vector<SpritePlace> m_pendingSprites;
    std::vector<mainwindow::SpriteCoverage> m_batch;  // the pending sprites' pixels; reused
    bool m_showPending = false;                       // a paint has been asked for and not yet done
    int32_t m_textX = 0;
    int32_t m_textY = 0;
};

}  // namespace kemora::ui
