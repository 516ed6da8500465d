#pragma once
// A MainView for tests: keeps each control's value and draws into fake surfaces. A text the
// logic sets is only shown; a text typed runs the volume handler, as the real field's edits do.

#include <functional>
#include <map>
#include <string>

#include "fake_surface.h"
#include "mainwindow/main_view.h"
#include "mainwindow/panel_sizes.h"

namespace kemora::mainwindow {

class FakeMainView : public MainView {
  public:
    [[nodiscard]] std::string volumeText() const override { return volume; }
    void setVolumeText(std::string_view text) override {
        volume = std::string(text);
        ++volumeSets;
    }
    void setPressureText(std::string_view text) override {
        pressure = std::string(text);
        ++pressureSets;
    }
    void setLidTop(int32_t top) override { lidTop = top; }
    void setUnitLabel(std::string_view text) override { unitLabel = std::string(text); }
    void setVolumeMaximum(int32_t maximum) override { volumeMaximum = maximum; }
    [[nodiscard]] int32_t liquidIndex() const override { return liquid; }
    void setLiquidIndex(int32_t index) override { liquid = index; }
    void setCaption(const Caption& parts) override { caption = parts; }
    void setButtonLit(PictureButton button, bool lit) override { buttonLit[button] = lit; }
    void repaintWindow() override { ++repaints; }
    [[nodiscard]] Surface& cylinder() override { return cylinderSurface; }
    [[nodiscard]] Surface& graphBox() override { return graphSurface; }
    void describeCylinder(const LayerSplit& layers) override { cylinderLayers = layers; }
    void describeGraph(const GraphReading& reading) override { graphReading = reading; }

    // Types a text into the volume field, as the user would: a changed text runs the handler.
    void type(std::string_view text) {
        if (volume == text)
            return;
        volume = std::string(text);
        if (onVolumeChange)
            onVolumeChange();
    }

    std::function<void()> onVolumeChange;
    std::string volume = "0";
    int volumeSets = 0;  // texts the logic set
    std::string pressure = "0";
    int pressureSets = 0;  // each run of the volume handler on a number sets it once
    int32_t lidTop = 250;
    std::string unitLabel = "mmHg";
    int32_t volumeMaximum = 200;
    int32_t liquid = -1;
    Caption caption;
    std::map<PictureButton, bool> buttonLit;
    int repaints = 0;
    FakeSurface cylinderSurface{kCylinderWidth, kCylinderHeight};
    FakeSurface graphSurface{kGraphBoxWidth, kGraphBoxHeight, Rgb{255, 255, 255}};
    LayerSplit cylinderLayers;
    GraphReading graphReading;
};

}  // namespace kemora::mainwindow
