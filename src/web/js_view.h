#pragma once
// The main window's controls as the page's JavaScript object provides them: each call of
// the logic goes to the method of the same name. Owned by web::MainWindow.

#include <emscripten/val.h>

#include "mainwindow/main_view.h"
#include "web/scaled_surface.h"

namespace kemora::web {

class JsView : public mainwindow::MainView {
  public:
    // `view` has the MainView methods, timeOfDay(), and the painters `cylinder` and `graphBox`.
    explicit JsView(emscripten::val view);

    [[nodiscard]] std::string volumeText() const override;
    void setVolumeText(std::string_view text) override;
    void setPressureText(std::string_view text) override;
    void setLidTop(int32_t top) override;
    void setUnitLabel(std::string_view text) override;
    void setVolumeMaximum(int32_t maximum) override;
    [[nodiscard]] int32_t liquidIndex() const override;
    void setLiquidIndex(int32_t index) override;
    void setCaption(const mainwindow::Caption& caption) override;
    void setButtonLit(mainwindow::PictureButton button, bool lit) override;
    void repaintWindow() override;
    [[nodiscard]] mainwindow::Surface& cylinder() override { return m_cylinder; }
    [[nodiscard]] mainwindow::Surface& graphBox() override { return m_graphBox; }
    void describeCylinder(const mainwindow::LayerSplit& layers) override;
    void describeGraph(const mainwindow::GraphReading& reading) override;

    [[nodiscard]] float timeOfDay() const;
    // The largest volume the arrows reach, as the logic last set it (litres).
    [[nodiscard]] int32_t volumeMaximum() const { return m_volumeMaximum; }
    [[nodiscard]] ScaledSurface& surface(int panel) { return panel == 0 ? m_cylinder : m_graphBox; }

  private:
    emscripten::val m_view;
    ScaledSurface m_cylinder;
    ScaledSurface m_graphBox;
    int32_t m_volumeMaximum;
};

}  // namespace kemora::web
