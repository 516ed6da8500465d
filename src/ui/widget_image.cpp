#include "ui/widget_image.h"

#include <QBuffer>
#include <QWidget>

namespace kemora::ui {

QImage WidgetImage(QWidget& widget, qreal pixelRatio) {
    QImage image(widget.size() * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

}  // namespace kemora::ui
