#include "ui/zoom_layout.h"

#include <algorithm>

namespace kemora::ui {

void ZoomLayout::place(QWidget* widget, QRect logical) {
    Entry& entry = entryFor(widget);
    entry.place = logical;
    entry.placed = true;
    widget->setGeometry(map(logical));
}

void ZoomLayout::setFont(QWidget* widget, const QFont& logical) {
    Entry& entry = entryFor(widget);
    entry.font = logical;
    entry.hasFont = true;
    show(entry);
}

void ZoomLayout::apply(double zoom) {
    m_scale = mainwindow::PixelScale(zoom);
    std::erase_if(m_entries, [](const Entry& entry) { return entry.widget.isNull(); });
    for (const Entry& entry : m_entries) show(entry);
}

QRect ZoomLayout::logicalPlace(const QWidget* widget) const {
    const auto found = std::find_if(
        m_entries.begin(), m_entries.end(),
        [widget](const Entry& entry) { return entry.placed && entry.widget == widget; });
    return found != m_entries.end() ? found->place : QRect();
}

QRect ZoomLayout::map(QRect logical) const {
    const mainwindow::DeviceRect device =
        m_scale.rect(logical.x(), logical.y(), logical.width(), logical.height());
    return QRect(static_cast<int>(device.x), static_cast<int>(device.y),
                 static_cast<int>(device.width), static_cast<int>(device.height));
}

QSize ZoomLayout::map(QSize logical) const {
    return map(QRect(QPoint(0, 0), logical)).size();
}

ZoomLayout::Entry& ZoomLayout::entryFor(QWidget* widget) {
    const auto found =
        std::find_if(m_entries.begin(), m_entries.end(),
                     [widget](const Entry& entry) { return entry.widget == widget; });
    if (found != m_entries.end())
        return *found;
    return m_entries.emplace_back(Entry{widget, {}, false, {}, false});
}

void ZoomLayout::show(const Entry& entry) const {
    if (entry.hasFont) {
        QFont font = entry.font;
        // Fonts of the window are sized in pixels; one without is left as it is.
        if (entry.font.pixelSize() > 0)
            font.setPixelSize(static_cast<int>(m_scale.length(entry.font.pixelSize())));
        entry.widget->setFont(font);
    }
    if (entry.placed)
        entry.widget->setGeometry(map(entry.place));
}

}  // namespace kemora::ui
