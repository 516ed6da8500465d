#include "mainwindow/app_icon_drawing.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

namespace kemora::mainwindow {
namespace {

TEST(AppIconDrawingTest, ShapesLieOnTheCanvasAndGradientsRunFromStartToEnd) {
    const auto shapes = AppIconShapes();
    ASSERT_FALSE(shapes.empty());
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        SCOPED_TRACE(i);
        const IconShape& shape = shapes[i];
        EXPECT_GT(shape.width, 0);
        EXPECT_GT(shape.height, 0);
        EXPECT_GE(shape.left, 0);
        EXPECT_GE(shape.top, 0);
        EXPECT_LE(shape.left + shape.width, kIconCanvas);
        EXPECT_LE(shape.top + shape.height, kIconCanvas);
        ASSERT_NE(shape.paint, nullptr);
        const auto& stops = shape.paint->stops;
        ASSERT_FALSE(stops.empty());
        if (shape.paint->kind == IconPaint::Kind::Solid)
            continue;
        // Both painters take a gradient's ends from its first and last stops.
        EXPECT_EQ(stops.front().first, 0.0);
        EXPECT_EQ(stops.back().first, 1.0);
        for (std::size_t s = 1; s < stops.size(); ++s)
            EXPECT_LT(stops[s - 1].first, stops[s].first);
    }
    // The rounded square behind everything.
    EXPECT_EQ(shapes.front().form, IconShape::Form::Box);
    EXPECT_GT(shapes.front().corner, 0);
}

TEST(AppIconDrawingTest, SvgDrawsEveryShapeWithFillsItDefines) {
    const std::string svg = AppIconSvg();
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
    EXPECT_NE(svg.find("viewBox=\"0 0 256 256\""), std::string::npos);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");

    std::set<std::string> defined;
    const std::regex id("<(linear|radial)Gradient id=\"(p[0-9]+)\"");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), id); it != std::sregex_iterator();
         ++it)
        EXPECT_TRUE(defined.insert((*it)[2]).second) << "defined twice: " << (*it)[2];

    int rects = 0;
    int circles = 0;
    const std::regex shape("<(rect|circle) [^>]*fill=\"([^\"]*)\"/>");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), shape);
         it != std::sregex_iterator(); ++it) {
        ((*it)[1] == "rect" ? rects : circles) += 1;
        const std::string fill = (*it)[2];
        SCOPED_TRACE(fill);
        std::smatch reference;
        if (std::regex_match(fill, reference, std::regex("url\\(#(p[0-9]+)\\)")))
            EXPECT_TRUE(defined.contains(reference[1]));
        else
            EXPECT_TRUE(std::regex_match(fill, std::regex("#[0-9a-f]{6}")));
    }
    int boxes = 0;
    int balls = 0;
    for (const IconShape& s : AppIconShapes())
        (s.form == IconShape::Form::Box ? boxes : balls) += 1;
    EXPECT_EQ(rects, boxes);
    EXPECT_EQ(circles, balls);
    // Six-digit numbers without trailing zeros, as the installed files always had them.
    EXPECT_NE(svg.find("<stop offset=\"0.35\" stop-color=\"#c4c8e6\"/>"), std::string::npos);
    EXPECT_NE(svg.find("<circle cx=\"79\" cy=\"207\" r=\"6.5\""), std::string::npos);
}

}  // namespace
}  // namespace kemora::mainwindow
