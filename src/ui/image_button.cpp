#include "ui/image_button.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>

namespace kemora::ui {
namespace {

// The focus ring: light on the dark frame around the pictures, with a dark edge inside so that
// it shows on the lit pictures too.
const QColor kRingColor(255, 220, 0);
const QColor kRingEdgeColor(0, 0, 0);
constexpr int kRingWidth = 3;  // pixels

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::TabFocus);
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
    if (!hasFocus())
        return;
    const QRect outer = rect().adjusted(1, 1, -2, -2);
    painter.setPen(QPen(kRingColor, kRingWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(outer);
    painter.setPen(QPen(kRingEdgeColor, 1));
    const int inset = kRingWidth - 1;
    painter.drawRect(outer.adjusted(inset, inset, -inset, -inset));
}

void ImageButton::keyPressEvent(QKeyEvent* event) {
    // Enter clicks on its release, as Space does, so that the release of the key that switched
    // scenario mode on does not go on to run a step.
    if (IsEnter(event->key())) {
        if (!event->isAutoRepeat())
            setDown(true);
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void ImageButton::keyReleaseEvent(QKeyEvent* event) {
    if (IsEnter(event->key())) {
        if (!event->isAutoRepeat() && isDown()) {
            setDown(false);
            click();
        }
        event->accept();
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}

}  // namespace kemora::ui
