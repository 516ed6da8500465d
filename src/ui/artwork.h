#pragma once
// The main window's images: background, lid bar, molecule sprite and the picture buttons.
// Everything is painted in code when asked for, so the program needs no image files, and at
// any scale (device pixels per logical pixel), so that a zoomed window stays sharp: an image
// of w × h logical pixels is mainwindow::PixelScale's length of each at that scale.

#include <QImage>
#include <QRgb>

namespace kemora::ui {

// Colour of the window's frame; the button images are painted on it so that they blend in.
inline constexpr QRgb kFrameColor = qRgb(99, 101, 156);

// 800 × 560 window background: frame, black cylinder panel, white graph panel, the lighter
// control panel at the lower right and the sunken strip under the cylinder.
QImage BackgroundImage(double scale = 1.0);

// The silver bar that closes the cylinder: as wide as the lid, one row taller.
QImage LidImage(double scale = 1.0);

// 10 × 10 cyan ball on black corners, block-copied onto the black cylinder panel.
QImage MoleculeSprite(double scale = 1.0);

// The six images of the three picture buttons; On is the lit form of the same picture.
enum class ButtonImage { GrphClsOff, GrphClsOn, GrphSwOn, GrphSwOff, SinarioOn, SinarioOff };

// 81 × 51 opaque oval button on the frame colour. Only the top 47 rows are ever shown.
QImage ButtonPicture(ButtonImage which, double scale = 1.0);

}  // namespace kemora::ui
