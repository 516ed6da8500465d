#include "ui/image_button.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace kemora::ui {

ImageButton::ImageButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageButton::setImage(const QPixmap& image) {
    m_image = image;
    update();
}

void ImageButton::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    painter.drawPixmap(0, 0, m_image);
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace kemora::ui
