#include "ui/artwork.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPoint>

#include <string>

namespace kemora::ui {
namespace {

// Mean of the grey level over the rows that the window shows of a button.
double ShownBrightness(const QImage& image) {
    constexpr int kShownRows = 47;
    double sum = 0;
    for (int y = 0; y < kShownRows; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            sum += qGray(image.pixel(x, y));
        }
    }
    return sum / (kShownRows * image.width());
}

std::string Describe(QRgb pixel) {
    return "RGB(" + std::to_string(qRed(pixel)) + ", " + std::to_string(qGreen(pixel)) + ", " +
           std::to_string(qBlue(pixel)) + ")";
}

TEST(ArtworkTest, ImagesHaveTheirSizesAndAreOpaque24Bit) {
    struct Case {
        const char* name;
        QImage image;
        QSize size;
    };
    const Case cases[] = {
        {"background", BackgroundImage(), {800, 560}},
        {"lid", LidImage(), {377, 15}},
        {"sprite", MoleculeSprite(), {10, 10}},
        {"GrphClsOff", ButtonPicture(ButtonImage::GrphClsOff), {81, 51}},
        {"GrphClsOn", ButtonPicture(ButtonImage::GrphClsOn), {81, 51}},
        {"GrphSwOn", ButtonPicture(ButtonImage::GrphSwOn), {81, 51}},
        {"GrphSwOff", ButtonPicture(ButtonImage::GrphSwOff), {81, 51}},
        {"SinarioOn", ButtonPicture(ButtonImage::SinarioOn), {81, 51}},
        {"SinarioOff", ButtonPicture(ButtonImage::SinarioOff), {81, 51}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.image.size(), c.size);
        EXPECT_FALSE(c.image.hasAlphaChannel());
        EXPECT_TRUE(c.image.format() == QImage::Format_RGB32 ||
                    c.image.format() == QImage::Format_RGB888)
            << "format " << c.image.format();
    }
}

TEST(ArtworkTest, BackgroundPanelsSitWhereTheControlsNeedThem) {
    const QImage background = BackgroundImage();
    struct Case {
        QPoint at;
        QRgb expected;
    };
    const Case cases[] = {
        // Frame: the left margin, behind the picture buttons, between graph and control panel.
        {{5, 300}, kFrameColor},
        {{600, 30}, kFrameColor},
        {{795, 200}, kFrameColor},
        // Black cylinder panel, at its corners and where no picture box covers it.
        {{35, 0}, qRgb(0, 0, 0)},
        {{409, 477}, qRgb(0, 0, 0)},
        {{36, 200}, qRgb(0, 0, 0)},
        {{200, 10}, qRgb(0, 0, 0)},
        // White graph panel, at its corners and inside.
        {{445, 61}, qRgb(255, 255, 255)},
        {{763, 399}, qRgb(255, 255, 255)},
        {{600, 230}, qRgb(255, 255, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "at " << c.at.x() << ", " << c.at.y());
        EXPECT_EQ(Describe(background.pixel(c.at)), Describe(c.expected));
    }
}

TEST(ArtworkTest, SpriteIsACyanBallOnBlackCorners) {
    const QImage sprite = MoleculeSprite();
    for (const QPoint corner : {QPoint(0, 0), QPoint(9, 0), QPoint(0, 9), QPoint(9, 9)}) {
        SCOPED_TRACE(testing::Message() << "corner " << corner.x() << ", " << corner.y());
        EXPECT_EQ(Describe(sprite.pixel(corner)), Describe(qRgb(0, 0, 0)));
    }
    const QRgb centre = sprite.pixel(5, 5);
    EXPECT_GT(qGreen(centre), qRed(centre) + 80) << Describe(centre);
    EXPECT_GT(qBlue(centre), qRed(centre) + 80) << Describe(centre);
}

TEST(ArtworkTest, LitButtonIsBrighterThanItsRestingForm) {
    struct Case {
        const char* name;
        ButtonImage on;
        ButtonImage off;
    };
    const Case cases[] = {
        {"GrphCls", ButtonImage::GrphClsOn, ButtonImage::GrphClsOff},
        {"GrphSw", ButtonImage::GrphSwOn, ButtonImage::GrphSwOff},
        {"Sinario", ButtonImage::SinarioOn, ButtonImage::SinarioOff},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage on = ButtonPicture(c.on);
        const QImage off = ButtonPicture(c.off);
        EXPECT_GT(ShownBrightness(on), ShownBrightness(off));
        // The buttons lie on the frame, so their corners must be the frame colour.
        EXPECT_EQ(Describe(on.pixel(0, 0)), Describe(kFrameColor));
        EXPECT_EQ(Describe(off.pixel(80, 50)), Describe(kFrameColor));
    }
}

}  // namespace
}  // namespace kemora::ui
