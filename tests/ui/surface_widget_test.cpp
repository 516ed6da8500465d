#include "ui/surface_widget.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "mainwindow/graph.h"
#include "model/equilibrium.h"
#include "model/vapor_table.h"
#include "support/qt_application.h"

namespace kemora::ui {
namespace {

using mainwindow::Rgb;
constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr Rgb kInk{10, 20, 30};
const QRgb kInkPixel = qRgb(10, 20, 30);
const QRgb kPaper = qRgb(255, 255, 255);

// Widget tests need the application object before their first widget.
class SurfaceWidgetTest : public testing::Test {
  protected:
    SurfaceWidgetTest() { testing_support::EnsureQtApplication(); }
};

// The pixels of `surface` that are not white.
std::set<std::pair<int, int>> InkedPixels(SurfaceWidget& surface) {
    std::set<std::pair<int, int>> inked;
    const QImage& image = surface.image();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kPaper)
                inked.insert({x, y});
        }
    }
    return inked;
}

std::set<std::pair<int, int>> Rectangle(int left, int top, int right, int bottom) {
    std::set<std::pair<int, int>> pixels;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) pixels.insert({x, y});
    }
    return pixels;
}

TEST_F(SurfaceWidgetTest, KeepsAnImageOfItsExactPixelSize) {
    SurfaceWidget surface(QSize(371, 457), Qt::black);
    EXPECT_EQ(surface.size(), QSize(371, 457));
    EXPECT_EQ(surface.minimumSize(), surface.maximumSize());
    EXPECT_EQ(surface.image().size(), QSize(371, 457));
    EXPECT_EQ(surface.image().pixel(370, 456), qRgb(0, 0, 0));
}

TEST_F(SurfaceWidgetTest, FillsRectanglesWithBothCornersIncludedAndClips) {
    struct Case {
        const char* what;
        int32_t x1, y1, x2, y2;
        std::set<std::pair<int, int>> pixels;
    };
    const Case cases[] = {
        {"corners in order", 2, 3, 4, 5, Rectangle(2, 3, 4, 5)},
        {"corners in reverse", 4, 5, 2, 3, Rectangle(2, 3, 4, 5)},
        {"mixed corners", 4, 3, 2, 5, Rectangle(2, 3, 4, 5)},
        {"one pixel", 7, 7, 7, 7, Rectangle(7, 7, 7, 7)},
        {"over the edges", -10, -10, 2, 1, Rectangle(0, 0, 2, 1)},
        {"the whole plane", kIntMin, kIntMin, kIntMax, kIntMax, Rectangle(0, 0, 19, 14)},
        {"past the right edge", 20, 0, kIntMax, 14, {}},
        {"above the top edge", 0, kIntMin, 19, -1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SurfaceWidget surface(QSize(20, 15), Qt::white);
        surface.fillRect(c.x1, c.y1, c.x2, c.y2, kInk);
        EXPECT_EQ(InkedPixels(surface), c.pixels);
        if (!c.pixels.empty()) {
            const auto [x, y] = *c.pixels.begin();
            EXPECT_EQ(surface.image().pixel(x, y), kInkPixel);
        }
    }
}

TEST_F(SurfaceWidgetTest, DrawsOnePixelLinesWithBothEnds) {
    struct Case {
        const char* what;
        int32_t x1, y1, x2, y2;
        std::set<std::pair<int, int>> pixels;
    };
    const Case cases[] = {
        {"horizontal", 2, 3, 6, 3, Rectangle(2, 3, 6, 3)},
        {"vertical, upward", 5, 9, 5, 1, Rectangle(5, 1, 5, 9)},
        {"a point", 4, 4, 4, 4, Rectangle(4, 4, 4, 4)},
        {"diagonal", 1, 1, 4, 4, {{1, 1}, {2, 2}, {3, 3}, {4, 4}}},
        // Half-pixel steps round towards larger coordinates.
        {"shallow", 0, 0, 4, 1, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}}},
        {"shallow, reversed", 4, 1, 0, 0, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}}},
        {"steep", 3, 0, 4, 4, {{3, 0}, {3, 1}, {4, 2}, {4, 3}, {4, 4}}},
        {"rising",
         0,
         4,
         8,
         0,
         {{0, 4}, {1, 4}, {2, 3}, {3, 3}, {4, 2}, {5, 2}, {6, 1}, {7, 1}, {8, 0}}},
        {"across the plane",
         kIntMin,
         kIntMin,
         kIntMax,
         kIntMax,
         {{0, 0},
          {1, 1},
          {2, 2},
          {3, 3},
          {4, 4},
          {5, 5},
          {6, 6},
          {7, 7},
          {8, 8},
          {9, 9},
          {10, 10},
          {11, 11},
          {12, 12},
          {13, 13},
          {14, 14}}},
        {"vertical across the plane", 19, kIntMax, 19, kIntMin, Rectangle(19, 0, 19, 14)},
        {"outside", -100, -5, kIntMax, -3, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SurfaceWidget surface(QSize(20, 15), Qt::white);
        surface.drawLine(c.x1, c.y1, c.x2, c.y2, kInk);
        EXPECT_EQ(InkedPixels(surface), c.pixels);
    }
}

class SpriteTest : public SurfaceWidgetTest {
  protected:
    void SetUp() override {
        sprite = QImage(10, 10, QImage::Format_RGB32);
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) sprite.setPixel(x, y, qRgb(x * 20, y * 20, 7));
        }
        surface.setSpriteSource(sprite);
    }

    QImage sprite;
    SurfaceWidget surface{QSize(30, 20), Qt::white};
};

TEST_F(SpriteTest, CopiesTheSpritePlainly) {
    surface.copySprite(3, 4);
    const QImage& image = surface.image();
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) ASSERT_EQ(image.pixel(3 + x, 4 + y), sprite.pixel(x, y));
    }
    EXPECT_EQ(InkedPixels(surface), Rectangle(3, 4, 12, 13));
}

TEST_F(SpriteTest, ClipsAtEveryEdge) {
    surface.copySprite(-5, -6);
    surface.copySprite(25, 17);
    const QImage& image = surface.image();
    EXPECT_EQ(image.pixel(0, 0), sprite.pixel(5, 6));
    EXPECT_EQ(image.pixel(4, 3), sprite.pixel(9, 9));
    EXPECT_EQ(image.pixel(29, 19), sprite.pixel(4, 2));
    auto expected = Rectangle(0, 0, 4, 3);
    expected.merge(Rectangle(25, 17, 29, 19));
    EXPECT_EQ(InkedPixels(surface), expected);
    for (auto [x, y] : {std::pair{kIntMax, kIntMax},
                        {kIntMin, kIntMin},
                        {kIntMax - 5, 0},
                        {kIntMin, 5},
                        {-10, 0},
                        {30, 0}}) {
        surface.copySprite(x, y);
    }
    EXPECT_EQ(InkedPixels(surface), expected);
}

TEST_F(SpriteTest, TakesOnlyTheTopLeft10By10OfALargerImage) {
    QImage large(16, 16, QImage::Format_ARGB32);
    large.fill(qRgb(1, 2, 3));
    surface.setSpriteSource(large);
    surface.copySprite(0, 0);
    EXPECT_EQ(InkedPixels(surface), Rectangle(0, 0, 9, 9));
    EXPECT_EQ(surface.image().pixel(9, 9), qRgb(1, 2, 3));
}

TEST_F(SpriteTest, AWholeFillLeavesNothingOfWhatWasDrawnBefore) {
    // The panel is blanked every frame; what lay on it before must be gone, however drawn.
    struct Case {
        const char* what;
        std::function<void(SurfaceWidget&)> draw;
    };
    const Case cases[] = {
        {"sprites only", [](SurfaceWidget& s) { s.copySprite(3, 4), s.copySprite(-5, 15); }},
        {"sprites and a line",
         [](SurfaceWidget& s) { s.copySprite(3, 4), s.drawLine(0, 0, 29, 19, kInk); }},
        {"sprites and a fill",
         [](SurfaceWidget& s) { s.copySprite(3, 4), s.fillRect(20, 0, 25, 5, kInk); }},
        {"sprites and text", [](SurfaceWidget& s) { s.copySprite(3, 4), s.printText("8"); }},
        {"a new sprite source",
         [this](SurfaceWidget& s) {
             s.copySprite(3, 4);
             s.setSpriteSource(sprite.scaled(20, 20));
             s.copySprite(10, 5);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const double zoom : {1.0, 2.0}) {
            surface.setScale(zoom, 1.0);
            surface.setSpriteSource(sprite);
            surface.fillRect(0, 0, 29, 19, {255, 255, 255});
            surface.copySprite(12, 6);
            surface.fillRect(0, 0, 29, 19, {255, 255, 255});  // sprites only so far
            c.draw(surface);
            surface.fillRect(-1, -1, 40, 40, {255, 255, 255});
            EXPECT_TRUE(InkedPixels(surface).empty());
            surface.copySprite(0, 0);
            surface.fillRect(0, 0, 29, 19, kInk);  // another colour covers everything
            EXPECT_EQ(InkedPixels(surface).size(),
                      std::size_t(surface.image().width() * surface.image().height()));
        }
    }
}

TEST_F(SpriteTest, EachFrameOfMovingSpritesShowsExactlyThatFrame) {
    // The animation: a whole fill, then the sprites, frame after frame. Sprites stay, move a
    // little, change order, leave the panel, grow or shrink in number; the image may be read
    // after a frame, in its midst, or not at all for a while.
    using Frame = std::vector<std::pair<int32_t, int32_t>>;
    const std::vector<Frame> frames = {
        {{3, 4}, {12, 6}, {-5, 15}},
        {{3, 4}, {12, 6}, {-5, 15}},
        {{4, 5}, {10, 6}, {-4, 14}},
        {{10, 6}, {4, 5}},
        {{10, 6}, {4, 5}, {20, 10}, {25, 17}},
        {{0, 0}, {20, 0}, {0, 10}, {20, 10}},
        {},
        {{7, 7}},
        {{7, 7}, {8, 7}, {7, 8}},
        {{-9, -9}, {29, 19}, {8, 8}},
    };
    enum class Reads { AfterEachFrame, AfterEveryOtherFrame, AlsoAfterTheFirstSprite };
    for (const double zoom : {1.0, 1.5, 2.0}) {
        for (const Reads reads :
             {Reads::AfterEachFrame, Reads::AfterEveryOtherFrame, Reads::AlsoAfterTheFirstSprite}) {
            SCOPED_TRACE(testing::Message() << "zoom " << zoom << ", reads " << int(reads));
            SurfaceWidget panel(QSize(30, 20), Qt::white);
            panel.setScale(zoom, 1.0);
            const mainwindow::PixelScale scale(zoom);
            const int side = static_cast<int>(scale.length(10));
            QImage source(side, side, QImage::Format_RGB32);
            for (int y = 0; y < side; ++y) {
                for (int x = 0; x < side; ++x) source.setPixel(x, y, qRgb(x * 8, y * 8, 100));
            }
            panel.setSpriteSource(source);
            const QSize deviceSize = panel.image().size();
            QImage kept;  // a copy of an earlier frame, which later frames must leave alone
            QImage keptExpected;
            for (std::size_t f = 0; f < frames.size(); ++f) {
                SCOPED_TRACE(testing::Message() << "frame " << f);
                panel.fillRect(0, 0, 29, 19, {255, 255, 255});
                QImage expected(deviceSize, QImage::Format_RGB32);
                expected.fill(kPaper);
                QPainter painter(&expected);
                for (std::size_t i = 0; i < frames[f].size(); ++i) {
                    const auto [x, y] = frames[f][i];
                    panel.copySprite(x, y);
                    painter.drawImage(QPoint(static_cast<int>(scale.position(x)),
                                             static_cast<int>(scale.position(y))),
                                      source);
                    if (reads == Reads::AlsoAfterTheFirstSprite && i == 0) {
                        kept = panel.image();
                        keptExpected = expected.copy();
                    }
                }
                painter.end();
                if (reads == Reads::AfterEveryOtherFrame && f % 2 == 0)
                    continue;
                ASSERT_EQ(panel.image(), expected);
                if (!kept.isNull()) {
                    ASSERT_EQ(kept, keptExpected);
                }
                if (reads == Reads::AfterEachFrame) {
                    kept = panel.image();
                    keptExpected = expected;
                }
            }
        }
    }
}

TEST_F(SurfaceWidgetTest, CopiesNothingWithoutASprite) {
    SurfaceWidget surface(QSize(20, 20), Qt::white);
    surface.copySprite(0, 0);
    EXPECT_TRUE(InkedPixels(surface).empty());
}

TEST_F(SurfaceWidgetTest, LabelFontIsThe9PixelProportionalGothic) {
    const QFont font = GraphLabelFont();
    EXPECT_EQ(font.pixelSize(), 9);
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QFontInfo(font).pixelSize(), 9);
}

TEST_F(SurfaceWidgetTest, PrintsBlackTextFromItsTopLeftAndMovesDownALine) {
    SurfaceWidget surface(QSize(60, 40), Qt::white);
    surface.setTextFont(GraphLabelFont());
    surface.fillRect(0, 0, 59, 39, {255, 255, 255});
    surface.setTextPosition(10, 5);
    surface.printText("800");
    const auto first = InkedPixels(surface);
    ASSERT_FALSE(first.empty());
    for (auto [x, y] : first) {
        EXPECT_GE(x, 10);
        EXPECT_LT(x, 10 + 20);
        EXPECT_GE(y, 5);
        EXPECT_LT(y, 5 + 10);
    }
    // Black ink, shaded at the edges, on the untouched paper.
    int black = 0;
    const QImage& image = surface.image();
    for (auto [x, y] : first) {
        const QRgb pixel = image.pixel(x, y);
        EXPECT_TRUE(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel));
        if (qRed(pixel) < 64)
            ++black;
    }
    EXPECT_GT(black, 5);

    surface.printText("1");
    const auto both = InkedPixels(surface);
    EXPECT_GT(both.size(), first.size());
    for (const auto& pixel : both) {
        if (first.count(pixel) == 0) {
            EXPECT_GE(pixel.second, 5 + 9);
        }
    }
}

TEST_F(SurfaceWidgetTest, NumbersLookAsThePainterDrawsThem) {
    const QFont font = GraphLabelFont();
    const int ascent = QFontMetrics(font).ascent();
    for (const char* text : {"0", "800", "0.1", "-50", "799.900000000113", "1E+20", "2.5E-07"}) {
        SCOPED_TRACE(text);
        SurfaceWidget surface(QSize(120, 20), Qt::white);
        surface.setTextFont(font);
        surface.drawLine(0, 9, 119, 9, {192, 192, 192});  // ink blends with what lies below
        surface.setTextPosition(3, 4);
        surface.printText(text);

        QImage expected(120, 20, QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter painter(&expected);
        painter.setPen(QColor(192, 192, 192));
        painter.drawLine(0, 9, 119, 9);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(3, 4 + ascent), QString::fromLatin1(text));
        painter.end();
        EXPECT_EQ(surface.image(), expected);
    }
}

TEST_F(SurfaceWidgetTest, OtherTextsGoThroughThePainterBetweenDirectDrawing) {
    SurfaceWidget surface(QSize(60, 30), Qt::white);
    surface.setTextFont(GraphLabelFont());
    surface.setTextPosition(2, 2);
    surface.printText("圧力");
    surface.fillRect(0, 14, 59, 29, kInk);
    surface.printText("mmHg");  // one line lower (10 pixels), partly over the fill
    const auto inked = InkedPixels(surface);
    int textPixels = 0;
    for (auto [x, y] : inked) {
        if (y < 12) {
            ++textPixels;
            EXPECT_GE(x, 2);
            EXPECT_LT(x, 2 + 20);
        }
    }
    EXPECT_GT(textPixels, 20);
    // The second text darkened part of the fill.
    int black = 0;
    for (int y = 14; y < 30; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (qGray(surface.image().pixel(x, y)) < qGray(kInkPixel))
                ++black;
        }
    }
    EXPECT_GT(black, 5);
}

TEST_F(SurfaceWidgetTest, TextFarOutsideOrEmptyLeavesTheImageAlone) {
    SurfaceWidget surface(QSize(40, 20), Qt::white);
    surface.setTextFont(GraphLabelFont());
    for (auto [x, y] : {std::pair{kIntMax, 0},
                        {kIntMin, kIntMin},
                        {0, kIntMax},
                        {-500, 0},
                        {0, 100},
                        {0, -100}}) {
        surface.setTextPosition(x, y);
        surface.printText("12345");
        surface.printText("12345");
    }
    surface.setTextPosition(0, 0);
    surface.printText("");
    EXPECT_TRUE(InkedPixels(surface).empty());
}

TEST_F(SurfaceWidgetTest, ShowsTheOffScreenImageOnRefreshAndKeepsIt) {
    SurfaceWidget surface(QSize(40, 30), Qt::white);
    surface.setTextFont(GraphLabelFont());
    surface.show();
    surface.fillRect(5, 5, 20, 10, kInk);
    surface.setTextPosition(2, 15);
    surface.printText("0.1");
    surface.refresh();
    const QImage shown = surface.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, surface.image());
    // A second refresh with nothing drawn shows the same picture: the image persists.
    surface.refresh();
    EXPECT_EQ(surface.grab().toImage().convertToFormat(QImage::Format_RGB32), shown);
    EXPECT_EQ(surface.image().pixel(20, 10), kInkPixel);
}

// Counts the paint events that reach a widget.
class PaintCounter : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

TEST_F(SurfaceWidgetTest, DrawingWithoutRefreshShowsOnceTheHandlerHasReturned) {
    SurfaceWidget surface(QSize(40, 30), Qt::white);
    surface.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    QCoreApplication::processEvents();
    PaintCounter counter;
    surface.installEventFilter(&counter);
    // A plotted square: drawn, never refreshed.
    surface.fillRect(5, 5, 7, 7, kInk);
    surface.fillRect(9, 5, 11, 7, kInk);
    EXPECT_EQ(counter.paints, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }, 2000));
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);  // one paint for everything drawn meanwhile
    EXPECT_EQ(surface.grab().toImage().pixel(6, 6), kInkPixel);
}

// A logical place or length at a scale, to the nearest device pixel, halves upward.
int DevicePixels(int logical, double scale) {
    return static_cast<int>(std::floor(logical * scale + 0.5));
}

TEST_F(SurfaceWidgetTest, DrawsAtZoomTimesDevicePixelRatioInWholeUniformPixels) {
    struct Case {
        double zoom;
        double devicePixelRatio;
    };
    const Case cases[] = {{1.5, 1.0}, {2.0, 1.0}, {1.0, 2.0}, {1.25, 2.0}, {1.25, 1.0}};
    for (const Case& c : cases) {
        const double scale = c.zoom * c.devicePixelRatio;
        SCOPED_TRACE(testing::Message() << c.zoom << " x " << c.devicePixelRatio);
        SurfaceWidget surface(QSize(40, 30), Qt::white);
        surface.setScale(c.zoom, c.devicePixelRatio);
        EXPECT_EQ(surface.size(), QSize(DevicePixels(40, c.zoom), DevicePixels(30, c.zoom)));
        EXPECT_EQ(surface.image().size(), QSize(DevicePixels(40, scale), DevicePixels(30, scale)));
        EXPECT_DOUBLE_EQ(surface.deviceScale(), scale);

        surface.fillRect(2, 3, 4, 5, kInk);     // a 3 × 3 square
        surface.drawLine(10, 0, 10, 29, kInk);  // a line one pixel wide
        surface.drawLine(30, 7, 39, 7, kInk);
        const int side = DevicePixels(3, scale);
        const int line = DevicePixels(1, scale);
        const int x10 = DevicePixels(10, scale);
        const int x30 = DevicePixels(30, scale);
        const int y7 = DevicePixels(7, scale);
        const int height = surface.image().height();
        const int width = surface.image().width();
        std::set<std::pair<int, int>> expected =
            Rectangle(DevicePixels(2, scale), DevicePixels(3, scale),
                      DevicePixels(2, scale) + side - 1, DevicePixels(3, scale) + side - 1);
        expected.merge(Rectangle(x10, 0, x10 + line - 1, height - 1));
        expected.merge(Rectangle(x30, y7, width - 1, y7 + line - 1));
        EXPECT_EQ(InkedPixels(surface), expected);
    }
}

TEST_F(SurfaceWidgetTest, CopiesTheSpriteAndPrintsTextAtTheDeviceScale) {
    for (const double zoom : {1.5, 2.0}) {
        SCOPED_TRACE(zoom);
        SurfaceWidget surface(QSize(40, 30), Qt::white);
        surface.setScale(zoom, 1.0);
        const int side = DevicePixels(10, zoom);
        QImage sprite(side + 4, side + 4, QImage::Format_RGB32);  // only side × side is used
        for (int y = 0; y < sprite.height(); ++y) {
            for (int x = 0; x < sprite.width(); ++x) sprite.setPixel(x, y, qRgb(x * 9, y * 9, 7));
        }
        surface.setSpriteSource(sprite);
        surface.copySprite(25, 3);
        const int left = DevicePixels(25, zoom);
        const int top = DevicePixels(3, zoom);
        EXPECT_EQ(surface.image().copy(left, top, side, side), sprite.copy(0, 0, side, side));
        EXPECT_EQ(InkedPixels(surface), Rectangle(left, top, left + side - 1, top + side - 1));

        // Text is drawn in the font at its final size (rounded down), not enlarged from 9 pixels.
        SurfaceWidget text(QSize(40, 30), Qt::white);
        text.setScale(zoom, 1.0);
        text.setTextFont(GraphLabelFont());
        text.setTextPosition(2, 2);
        text.printText("800");
        QFont large = GraphLabelFont();
        large.setPixelSize(static_cast<int>(std::floor(9 * zoom)));
        QImage expected(text.image().size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter painter(&expected);
        painter.setFont(large);
        painter.setPen(Qt::black);
        painter.drawText(
            QPoint(DevicePixels(2, zoom), DevicePixels(2, zoom) + QFontMetrics(large).ascent()),
            QStringLiteral("800"));
        painter.end();
        EXPECT_EQ(text.image(), expected);
    }
}

TEST_F(SurfaceWidgetTest, ANewScaleRedrawsWhatWasDrawnSinceTheLastWholeFill) {
    // Axes whose labels all lie within the box as placed, so that no label's place depends
    // on the scale at which it was fitted.
    model::ExperimentSettings axes;
    model::SetDefaultSettings(axes);
    axes.grphWMax = 650;
    axes.grphHMax = 750;
    model::Experiment experiment;
    experiment.settings = axes;
    const auto draw = [&](SurfaceWidget& box, mainwindow::GraphState& state) {
        box.setTextFont(GraphLabelFont());
        box.fillRect(0, 0, 5, 5, kInk);  // blanked by the frame's erase
        mainwindow::DrawGraphFrame(box, axes, state);
        mainwindow::PlotPoint(box, experiment, state, 300, 31.4);
        mainwindow::PlotPoint(box, experiment, state, 500, 31.4);
        box.setTextPosition(100, 100);
        box.printText("abc");
    };
    for (const double zoom : {1.5, 2.0, 1.0}) {
        SCOPED_TRACE(zoom);
        SurfaceWidget rescaled(QSize(mainwindow::kGraphBoxWidth, mainwindow::kGraphBoxHeight),
                               Qt::white);
        mainwindow::GraphState rescaledState;
        draw(rescaled, rescaledState);
        rescaled.setScale(2.5, 1.0);
        rescaled.setScale(zoom, 1.0);
        SurfaceWidget fresh(QSize(mainwindow::kGraphBoxWidth, mainwindow::kGraphBoxHeight),
                            Qt::white);
        fresh.setScale(zoom, 1.0);
        mainwindow::GraphState freshState;
        draw(fresh, freshState);
        EXPECT_EQ(rescaled.image(), fresh.image());
        // The text position is the logic's: the next line follows the last text.
        rescaled.printText("d");
        fresh.printText("d");
        EXPECT_EQ(rescaled.image(), fresh.image());
    }
}

TEST_F(SurfaceWidgetTest, TextInkHoldsEveryInkedPixelInWholeLogicalPixels) {
    for (const double zoom : {1.0, 1.5, 2.0}) {
        for (const char* text : {"700", "-50", "0.1", "mmHg", "圧力"}) {
            SCOPED_TRACE(testing::Message() << zoom << " " << text);
            SurfaceWidget surface(QSize(60, 30), Qt::white);
            surface.setScale(zoom, 1.0);
            surface.setTextFont(GraphLabelFont());
            surface.setTextPosition(10, 10);
            surface.printText(text);
            const std::optional<mainwindow::TextInk> ink = surface.textInk(text);
            ASSERT_TRUE(ink.has_value());
            const auto inked = InkedPixels(surface);
            ASSERT_FALSE(inked.empty());
            int right = 0;
            for (auto [x, y] : inked) {
                EXPECT_GE(x, DevicePixels(10 + ink->left, zoom));
                EXPECT_LT(x, DevicePixels(10 + ink->right, zoom));
                EXPECT_GE(y, DevicePixels(10 + ink->top, zoom));
                EXPECT_LT(y, DevicePixels(10 + ink->bottom, zoom));
                right = std::max(right, x);
            }
            // Widened by less than a logical pixel on the right, where labels are fitted.
            EXPECT_GE(right + 1, DevicePixels(10 + ink->right - 1, zoom));
        }
    }
    SurfaceWidget surface(QSize(60, 30), Qt::white);
    surface.setTextFont(GraphLabelFont());
    EXPECT_FALSE(surface.textInk("").has_value());
    EXPECT_FALSE(surface.textInk(" ").has_value());
}

// The graph frame and two plotted states, drawn into the real graph box and read back.
class GraphBoxTest : public SurfaceWidgetTest {
  protected:
    void SetUp() override {
        box.setTextFont(GraphLabelFont());
        model::FillVaporPressureTable(experiment.table);
        model::SetDefaultSettings(experiment.settings);  // 27 °C, 1 mol, 0..700 L, 0..800 mmHg
        experiment.liquid = model::Water;
        experiment.satVolume = model::SaturationVolume(experiment);
        mainwindow::DrawGraphFrame(box, experiment.settings, state);
    }

    // Pixels in the rectangle (both corners included) darker than the grid.
    int DarkPixels(int left, int top, int right, int bottom) {
        const QImage& image = box.image();
        int dark = 0;
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                if (qGray(image.pixel(x, y)) < 128)
                    ++dark;
            }
        }
        return dark;
    }

    SurfaceWidget box{QSize(mainwindow::kGraphBoxWidth, mainwindow::kGraphBoxHeight), Qt::white};
    model::Experiment experiment;
    mainwindow::GraphState state;
};

TEST_F(GraphBoxTest, GridLinesAreGreyOnWhite) {
    const QImage& image = box.image();
    const QRgb grey = qRgb(192, 192, 192);
    // The labels of the pressure lines reach the line at x 15.
    for (int y : {285, 295, 305}) EXPECT_EQ(image.pixel(15, y), grey);
    for (int x : {58, 101, 144, 186, 229, 272}) {
        SCOPED_TRACE(testing::Message() << "x " << x);
        for (int y = 1; y < 320; y += 7) {
            if (y % 40 == 0)
                continue;
            ASSERT_EQ(image.pixel(x, y), grey) << "y " << y;
        }
        EXPECT_EQ(image.pixel(x + 1, 150), kPaper);
        EXPECT_EQ(image.pixel(x - 1, 150), kPaper);
    }
    for (int y : {0, 40, 80, 120, 160, 200, 240, 280, 320}) {
        SCOPED_TRACE(testing::Message() << "y " << y);
        for (int x = 16; x < 315; x += 5) ASSERT_EQ(image.pixel(x, y), grey) << "x " << x;
        if (y > 0) {
            EXPECT_EQ(image.pixel(40, y - 1), kPaper);
        }
        if (y < 320) {
            EXPECT_EQ(image.pixel(40, y + 1), kPaper);
        }
    }
    // Nothing right of the last line at 315, which is just outside the box, nor below 320
    // between the labels.
    EXPECT_EQ(image.pixel(40, 321), kPaper);
    EXPECT_EQ(image.pixel(35, 333), kPaper);
}

TEST_F(GraphBoxTest, EachLineHasItsLabel) {
    // Volume labels below the plot, from (X - 5, 325); "0" at 10, "300" at 139.
    EXPECT_GT(DarkPixels(10, 325, 16, 333), 3);
    EXPECT_GT(DarkPixels(139, 325, 155, 333), 8);
    // Nothing dark between two volume labels.
    EXPECT_EQ(DarkPixels(160, 321, 178, 333), 0);
    // Pressure labels left of the plot, 10 pixels above their line: "400" at (0, 150).
    EXPECT_GT(DarkPixels(0, 150, 14, 159), 8);
    EXPECT_EQ(DarkPixels(0, 161, 14, 168), 0);
}

TEST_F(GraphBoxTest, PlotsTheNewestStateRedAndSettlesThePreviousOne) {
    auto plot = [this](int32_t volume) {
        mainwindow::PlotPoint(box, experiment, state, volume,
                              model::PressureAtVolume(experiment, volume));
    };
    plot(300);  // (144, 307)
    const QImage& first = box.image();
    for (int y = 307; y <= 309; ++y) {
        for (int x = 144; x <= 146; ++x) ASSERT_EQ(first.pixel(x, y), qRgb(255, 0, 0));
    }
    EXPECT_EQ(first.pixel(147, 308), kPaper);
    EXPECT_EQ(first.pixel(145, 306), kPaper);
    plot(596);  // (270, 307)
    const QImage& second = box.image();
    for (int y = 307; y <= 309; ++y) {
        for (int x = 144; x <= 146; ++x) ASSERT_EQ(second.pixel(x, y), qRgb(0, 0, 192));
        for (int x = 270; x <= 272; ++x) ASSERT_EQ(second.pixel(x, y), qRgb(255, 0, 0));
    }
    // The same pixels on the screen after the box repaints.
    box.show();
    box.refresh();
    const QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.pixel(145, 308), qRgb(0, 0, 192));
    EXPECT_EQ(shown.pixel(271, 308), qRgb(255, 0, 0));
}

}  // namespace
}  // namespace kemora::ui
