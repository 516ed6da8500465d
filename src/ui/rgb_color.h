#pragma once
// The core's colours as Qt's.

#include <QColor>

#include "mainwindow/surface.h"

namespace kemora::ui {

inline QColor ColorOf(mainwindow::Rgb color) {
    return {color.r, color.g, color.b};
}

}  // namespace kemora::ui
