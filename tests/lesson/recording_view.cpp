#include "lesson/recording_view.h"

namespace kemora::lesson {
namespace {

int64_t ColorNumber(mainwindow::Rgb color) {
    return int64_t{color.r} << 16 | int64_t{color.g} << 8 | color.b;
}

}  // namespace

void RecordingSurface::fillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                mainwindow::Rgb color) {
    m_digest << m_name + "fill" << int64_t{x1} << int64_t{y1} << int64_t{x2} << int64_t{y2}
             << ColorNumber(color);
}

void RecordingSurface::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                mainwindow::Rgb color) {
    m_digest << m_name + "line" << int64_t{x1} << int64_t{y1} << int64_t{x2} << int64_t{y2}
             << ColorNumber(color);
}

void RecordingSurface::setTextPosition(int32_t x, int32_t y) {
    m_digest << m_name + "at" << int64_t{x} << int64_t{y};
}

void RecordingSurface::printText(std::string_view utf8) {
    m_digest << m_name + "text" << utf8;
}

std::optional<mainwindow::TextInk> RecordingSurface::textInk(std::string_view utf8) {
    if (utf8.empty())
        return std::nullopt;
    // Six pixels a byte and twelve high, from one pixel in: any fixed rule will do.
    return mainwindow::TextInk{1, 1, static_cast<int32_t>(6 * utf8.size()), 12};
}

void RecordingSurface::copySprite(int32_t x, int32_t y) {
    m_digest << m_name + "sprite" << int64_t{x} << int64_t{y};
}

void RecordingSurface::refresh() {
    m_digest << m_name + "refresh";
}

void RecordingView::setVolumeText(std::string_view text) {
    m_digest << "volumeText" << text;
    m_volumeText = text;
}

void RecordingView::type(std::string_view text) {
    m_digest << "typed" << text;
    if (text == m_volumeText)
        return;
    m_volumeText = text;
    if (m_volumeChanged)
        m_volumeChanged();
}

void RecordingView::setPressureText(std::string_view text) {
    m_digest << "pressureText" << text;
}

void RecordingView::setLidTop(int32_t top) {
    m_digest << "lidTop" << int64_t{top};
}

void RecordingView::setUnitLabel(std::string_view text) {
    m_digest << "unitLabel" << text;
}

void RecordingView::setVolumeMaximum(int32_t maximum) {
    m_digest << "volumeMaximum" << int64_t{maximum};
}

void RecordingView::setLiquidIndex(int32_t index) {
    m_digest << "liquidIndex" << int64_t{index};
    m_liquidIndex = index;
}

void RecordingView::setCaption(const mainwindow::Caption& caption) {
    m_digest << "caption" << caption.title << int64_t{caption.step.value_or(-1)};
}

void RecordingView::setButtonLit(mainwindow::PictureButton button, bool lit) {
    m_digest << "buttonLit" << static_cast<int64_t>(button) << lit;
}

void RecordingView::repaintWindow() {
    m_digest << "repaint";
}

void RecordingView::describeCylinder(const mainwindow::LayerSplit& layers) {
    m_digest << "cylinderLayers" << int64_t{layers.liquidLayers} << int64_t{layers.vaporLayers};
}

void RecordingView::describeGraph(const mainwindow::GraphReading& reading) {
    m_digest << "graphReading" << reading.shown;
    if (reading.newest) {
        m_digest << int64_t{reading.newest->volume} << reading.newest->pressureText
                 << reading.newest->unitText;
    }
}

}  // namespace kemora::lesson
