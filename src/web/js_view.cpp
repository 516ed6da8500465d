#include "web/js_view.h"

#include <string>

#include "mainwindow/panel_sizes.h"
#include "mainwindow/up_down_value.h"

namespace kemora::web {

using emscripten::val;

JsView::JsView(val view)
    : m_view(view),
      m_cylinder(view["cylinder"], mainwindow::kCylinderWidth, mainwindow::kCylinderHeight),
      m_graphBox(view["graphBox"], mainwindow::kGraphBoxWidth, mainwindow::kGraphBoxHeight),
      m_volumeMaximum(mainwindow::kVolumeStartMaximum) {}

std::string JsView::volumeText() const {
    return m_view.call<std::string>("volumeText");
}

void JsView::setVolumeText(std::string_view text) {
    m_view.call<void>("setVolumeText", std::string(text));
}

void JsView::setPressureText(std::string_view text) {
    m_view.call<void>("setPressureText", std::string(text));
}

void JsView::setLidTop(int32_t top) {
    m_view.call<void>("setLidTop", top);
}

void JsView::setUnitLabel(std::string_view text) {
    m_view.call<void>("setUnitLabel", std::string(text));
}

void JsView::setVolumeMaximum(int32_t maximum) {
    m_volumeMaximum = maximum;
    m_view.call<void>("setVolumeMaximum", maximum);
}

int32_t JsView::liquidIndex() const {
    return m_view.call<int32_t>("liquidIndex");
}

void JsView::setLiquidIndex(int32_t index) {
    m_view.call<void>("setLiquidIndex", index);
}

void JsView::setCaption(const mainwindow::Caption& caption) {
    val object = val::object();
    object.set("title", caption.title);
    object.set("step", caption.step ? val(*caption.step) : val::null());
    m_view.call<void>("setCaption", object);
}

void JsView::setButtonLit(mainwindow::PictureButton button, bool lit) {
    m_view.call<void>("setButtonLit", static_cast<int>(button), lit);
}

void JsView::repaintWindow() {
    m_view.call<void>("repaintWindow");
}

void JsView::describeCylinder(const mainwindow::LayerSplit& layers) {
    val object = val::object();
    object.set("liquidLayers", layers.liquidLayers);
    object.set("vaporLayers", layers.vaporLayers);
    m_view.call<void>("describeCylinder", object);
}

void JsView::describeGraph(const mainwindow::GraphReading& reading) {
    val object = val::object();
    object.set("shown", reading.shown);
    val newest = val::null();
    if (reading.newest) {
        newest = val::object();
        newest.set("volume", reading.newest->volume);
        newest.set("pressureText", reading.newest->pressureText);
        newest.set("unitText", reading.newest->unitText);
    }
    object.set("newest", newest);
    m_view.call<void>("describeGraph", object);
}

float JsView::timeOfDay() const {
    return m_view.call<float>("timeOfDay");
}

}  // namespace kemora::web
