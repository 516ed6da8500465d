#pragma once

#include <QByteArray>
#include <QImage>

class QWidget;

namespace kemora::ui {

// The widget as a picture, drawn at `pixelRatio` device pixels per pixel of the window's
// layout. Pass the surface's device pixel ratio (times any zoom of the window) to get a
// picture as sharp as the screen shows it.
[[nodiscard]] QImage WidgetImage(QWidget& widget, qreal pixelRatio);

// The image as the bytes of a PNG file; empty when it cannot be encoded.
[[nodiscard]] QByteArray PngBytes(const QImage& image);

}  // namespace kemora::ui
