#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include "mainwindow/pixel_scale.h"

class QWidget;

namespace kemora::dialogs {

// The dialogs' layouts are kept in twips as designed; 15 twips make a pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

// A place given in twips, in whole pixels (each figure rounded down on its own).
constexpr QRect Twips(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

// The zoom a dialog is shown at: the main window's, so that a class can read it too, but never
// larger than fits the screen of `owner` (the primary screen without one), frame included, so
// that its buttons stay within reach. Places and the
// font are zoomed by the main window's rule (mainwindow::PixelScale).
class DialogZoom {
  public:
    // `zoom` as device pixels per pixel; `designed` the dialog's size in pixels at zoom 1.
    DialogZoom(double zoom, QSize designed, const QWidget* owner);

    [[nodiscard]] double factor() const { return m_scale.factor(); }
    // A place given in twips, as Twips(), zoomed.
    [[nodiscard]] QRect twips(int left, int top, int width, int height) const;
    // A place given in pixels, zoomed.
    [[nodiscard]] QRect place(QRect pixels) const;
    [[nodiscard]] QSize size(QSize pixels) const;
    // The dialogs' text, zoomed.
    [[nodiscard]] QFont font() const;

  private:
    mainwindow::PixelScale m_scale;
};

}  // namespace kemora::dialogs
