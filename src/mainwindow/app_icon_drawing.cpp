#include "mainwindow/app_icon_drawing.h"

#include <cstdio>
#include <map>

namespace kemora::mainwindow {
namespace {

const IconPaint kBackground{IconPaint::Kind::Linear,
                            {0, 0},
                            {0, 1},
                            0,
                            {{0.0, {128, 130, 190}}, {0.5, {99, 101, 156}}, {1.0, {62, 64, 106}}}};
// The cylinder's glass walls, lit from the left like the window's.
const IconPaint kLeftWall{
    IconPaint::Kind::Linear,
    {0, 0},
    {1, 0},
    0,
    {{0.0, {48, 50, 84}}, {0.35, {196, 200, 230}}, {0.6, {128, 132, 182}}, {1.0, {30, 31, 52}}}};
const IconPaint kRightWall{IconPaint::Kind::Linear, {1, 0}, {0, 0}, 0, kLeftWall.stops};
const IconPaint kInside{IconPaint::Kind::Solid, {}, {}, 0, {{0.0, {0, 0, 0}}}};
const IconPaint kFoot{IconPaint::Kind::Linear,
                      {0, 0},
                      {0, 1},
                      0,
                      {{0.0, {214, 216, 232}}, {0.3, {170, 173, 200}}, {1.0, {62, 64, 102}}}};
const IconPaint kLid{IconPaint::Kind::Linear,
                     {0, 0},
                     {0, 1},
                     0,
                     {{0.0, {70, 72, 82}},
                      {0.1, {168, 170, 180}},
                      {0.25, {248, 249, 252}},
                      {0.45, {206, 208, 216}},
                      {0.75, {150, 152, 164}},
                      {0.92, {104, 106, 118}},
                      {1.0, {52, 54, 62}}}};
// The molecule sprite's cyan ball, lit from the upper left.
const IconPaint kMolecule{
    IconPaint::Kind::Radial,
    {0.5, 0.5},
    {0.34, 0.32},
    0.5,
    {{0.0, {236, 255, 255}}, {0.25, {110, 236, 255}}, {0.7, {0, 168, 212}}, {1.0, {0, 58, 92}}}};

constexpr double kMoleculeRadius = 6.5;

IconShape Molecule(double x, double y) {
    return {IconShape::Form::Circle,
            x - kMoleculeRadius,
            y - kMoleculeRadius,
            2 * kMoleculeRadius,
            2 * kMoleculeRadius,
            0,
            &kMolecule};
}

// Six significant digits, no trailing zeros: the shortest text that keeps the drawing's units.
std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string ColourName(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.r, colour.g, colour.b);
    return text;
}

std::string Attribute(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + value + "\"";
}

std::string GradientSvg(const IconPaint& paint, int id) {
    const bool linear = paint.kind == IconPaint::Kind::Linear;
    std::string text = linear ? "<linearGradient" : "<radialGradient";
    text += Attribute("id", "p" + std::to_string(id));
    if (linear) {
        text += Attribute("x1", Number(paint.start.x)) + Attribute("y1", Number(paint.start.y)) +
                Attribute("x2", Number(paint.end.x)) + Attribute("y2", Number(paint.end.y));
    } else {
        text += Attribute("cx", Number(paint.start.x)) + Attribute("cy", Number(paint.start.y)) +
                Attribute("r", Number(paint.radius)) + Attribute("fx", Number(paint.end.x)) +
                Attribute("fy", Number(paint.end.y));
    }
    text += ">";
    for (const auto& [at, colour] : paint.stops)
        text += "<stop" + Attribute("offset", Number(at)) +
                Attribute("stop-color", ColourName(colour)) + "/>";
    text += linear ? "</linearGradient>\n" : "</radialGradient>\n";
    return text;
}

std::string ShapeSvg(const IconShape& shape, const std::string& fill) {
    if (shape.form == IconShape::Form::Circle) {
        return "<circle" + Attribute("cx", Number(shape.left + shape.width / 2)) +
               Attribute("cy", Number(shape.top + shape.height / 2)) +
               Attribute("r", Number(shape.width / 2)) + Attribute("fill", fill) + "/>\n";
    }
    return "<rect" + Attribute("x", Number(shape.left)) + Attribute("y", Number(shape.top)) +
           Attribute("width", Number(shape.width)) + Attribute("height", Number(shape.height)) +
           Attribute("rx", Number(shape.corner)) + Attribute("fill", fill) + "/>\n";
}

}  // namespace

std::vector<IconShape> AppIconShapes() {
    std::vector<IconShape> shapes = {
        {IconShape::Form::Box, 16, 16, 224, 224, 40, &kBackground},
        {IconShape::Form::Box, 62, 30, 10, 186, 0, &kLeftWall},
        {IconShape::Form::Box, 184, 30, 10, 186, 0, &kRightWall},
        {IconShape::Form::Box, 72, 30, 112, 186, 0, &kInside},
        {IconShape::Form::Box, 52, 214, 152, 14, 4, &kFoot},
        {IconShape::Form::Box, 72, 84, 112, 14, 0, &kLid},
    };
    // Three layers of liquid, the middle one set between the others.
    for (int layer = 0; layer < 3; ++layer) {
        const bool between = layer == 1;
        for (int i = 0; i < (between ? 7 : 8); ++i)
            shapes.push_back(Molecule(79 + 14 * i + (between ? 7 : 0), 207 - 13 * layer));
    }
    // Vapor between the liquid and the lid.
    for (const IconPoint at : {IconPoint{96, 116}, IconPoint{152, 110}, IconPoint{124, 138},
                               IconPoint{168, 148}, IconPoint{86, 154}, IconPoint{140, 164}})
        shapes.push_back(Molecule(at.x, at.y));
    return shapes;
}

std::string AppIconSvg() {
    std::map<const IconPaint*, int> paintIds;
    std::string gradients;
    std::string body;
    for (const IconShape& shape : AppIconShapes()) {
        const auto [entry, added] =
            paintIds.emplace(shape.paint, static_cast<int>(paintIds.size()));
        const bool solid = shape.paint->kind == IconPaint::Kind::Solid;
        if (added && !solid)
            gradients += GradientSvg(*shape.paint, entry->second);
        body += ShapeSvg(shape, solid ? ColourName(shape.paint->stops.front().second)
                                      : "url(#p" + std::to_string(entry->second) + ")");
    }
    const std::string side = Number(kIconCanvas);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"" +
           Attribute("width", side) + Attribute("height", side) +
           Attribute("viewBox", "0 0 " + side + " " + side) + ">\n<defs>\n" + gradients +
           "</defs>\n" + body + "</svg>\n";
}

}  // namespace kemora::mainwindow
