#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

#include "mainwindow/pixel_scale.h"

namespace kemora::ui {

// The one place that decides the main window's device geometry: it keeps each control's
// place and font as designed, in the window's logical pixels, and sets them zoomed through
// mainwindow::PixelScale whenever the zoom changes or a place moves. Owned by the window;
// the widgets belong to their Qt parents.
class ZoomLayout {
  public:
    // Puts `widget` at `logical`, zoomed; a widget placed before moves.
    void place(QWidget* widget, QRect logical);
    // Gives `widget` the font `logical`, sized in logical pixels, zoomed.
    void setFont(QWidget* widget, const QFont& logical);

    // Places and sizes every widget for `zoom` (device pixels per logical pixel).
    void apply(double zoom);

    // Where `widget` was placed, in logical pixels; an empty rectangle for one never placed.
    [[nodiscard]] QRect logicalPlace(const QWidget* widget) const;
    [[nodiscard]] QRect map(QRect logical) const;
    [[nodiscard]] QSize map(QSize logical) const;

  private:
    struct Entry {
        QPointer<QWidget> widget;
        QRect place;
        bool placed = false;
        QFont font;
        bool hasFont = false;
    };
    Entry& entryFor(QWidget* widget);
    void show(const Entry& entry) const;

    std::vector<Entry> m_entries;
    mainwindow::PixelScale m_scale{1.0};
};

}  // namespace kemora::ui
