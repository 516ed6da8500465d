#pragma once
// The program's icon in the main window's style: the black cylinder under its silver lid, a
// layer of liquid molecules at the bottom and a few flying above, on the window's frame colour.
// Painted from the core's drawing records, which also give the SVG document, so both show the
// same.

#include <QByteArray>
#include <QIcon>
#include <QImage>

namespace kemora::ui {

// The icon as a square of `size` pixels, transparent around its rounded corners.
[[nodiscard]] QImage AppIconImage(int size);

// The icon as an SVG document drawn on 256 × 256 units.
[[nodiscard]] QByteArray AppIconSvg();

// The window icon: the painted sizes that desktops ask for.
[[nodiscard]] QIcon AppIcon();

}  // namespace kemora::ui
