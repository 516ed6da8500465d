#pragma once
// The program's icon as drawing records: the black cylinder under its silver lid, a layer of
// liquid molecules at the bottom and a few flying above, on the window's frame colour. The
// desktop paints its pixels from these records, and the same records give the SVG document
// that the browser edition installs with, so both show one icon.

#include <string>
#include <utility>
#include <vector>

#include "mainwindow/surface.h"

namespace kemora::mainwindow {

// Units of the square drawing the records are given in.
inline constexpr double kIconCanvas = 256;

// A point in units of the drawing, or a fraction of a shape's box.
struct IconPoint {
    double x;
    double y;
};

// A fill whose points are fractions of the filled shape's box, as SVG's objectBoundingBox
// reads them; so one gradient serves every molecule. A solid fill is its first stop's colour.
struct IconPaint {
    enum class Kind { Solid, Linear, Radial };
    Kind kind;
    IconPoint start;  // linear: where the first stop lies; radial: the centre
    IconPoint end;    // linear: where the last stop lies; radial: the focal point
    double radius;    // radial only
    std::vector<std::pair<double, Rgb>> stops;
};

struct IconShape {
    enum class Form { Box, Circle };
    Form form;
    double left, top, width, height;  // units of the drawing
    double corner;                    // rounding radius of a box
    const IconPaint* paint;           // one of the icon's own paints, which live as long as
                                      // the program
};

// The shapes in the order they are painted, the first at the back.
[[nodiscard]] std::vector<IconShape> AppIconShapes();

// The icon as an SVG document (UTF-8) drawn on kIconCanvas × kIconCanvas units.
[[nodiscard]] std::string AppIconSvg();

}  // namespace kemora::mainwindow
