#include "dialogs/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "dialogs/dialog_controls.h"
#include "mainwindow/zoom.h"

namespace kemora::dialogs {
namespace {

// Room for the window's frame, which keeps its size at every zoom: a title bar and borders.
constexpr int kFrameAllowance = 64;

double ZoomThatFits(double zoom, QSize designed, const QWidget* owner) {
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return zoom;
    const QSize area = screen->availableGeometry().size();
    const int fit =
        mainwindow::FitZoom({designed.width(), designed.height()},
                            {area.width() - kFrameAllowance, area.height() - kFrameAllowance});
    return std::min(zoom, mainwindow::ZoomFactor(fit));
}

}  // namespace

DialogZoom::DialogZoom(double zoom, QSize designed, const QWidget* owner)
    : m_scale(ZoomThatFits(zoom, designed, owner)) {}

QRect DialogZoom::twips(int left, int top, int width, int height) const {
    return place(Twips(left, top, width, height));
}

QRect DialogZoom::place(QRect pixels) const {
    const mainwindow::DeviceRect device =
        m_scale.rect(pixels.x(), pixels.y(), pixels.width(), pixels.height());
    return QRect(static_cast<int>(device.x), static_cast<int>(device.y),
                 static_cast<int>(device.width), static_cast<int>(device.height));
}

QSize DialogZoom::size(QSize pixels) const {
    return place(QRect(QPoint(0, 0), pixels)).size();
}

QFont DialogZoom::font() const {
    QFont font = DialogFont();
    font.setPixelSize(static_cast<int>(m_scale.length(font.pixelSize())));
    return font;
}

}  // namespace kemora::dialogs
