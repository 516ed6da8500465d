#pragma once
// A main window that writes every call of the logic into a digest: the view's fields and
// both surfaces' drawing, in order. Texts leave ink by a fixed rule, the same in every build.

#include <functional>
#include <optional>
#include <string>

#include "lesson/digest.h"
#include "mainwindow/main_view.h"
#include "mainwindow/surface.h"

namespace kemora::lesson {

class RecordingSurface : public mainwindow::Surface {
  public:
    RecordingSurface(Digest& digest, char name) : m_digest(digest), m_name(1, name) {}

    void fillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb color) override;
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb color) override;
    void setTextPosition(int32_t x, int32_t y) override;
    void printText(std::string_view utf8) override;
    [[nodiscard]] std::optional<mainwindow::TextInk> textInk(std::string_view utf8) override;
    void copySprite(int32_t x, int32_t y) override;
    void refresh() override;

  private:
    Digest& m_digest;
    std::string m_name;
};

class RecordingView : public mainwindow::MainView {
  public:
    explicit RecordingView(Digest& digest)
        : m_digest(digest), m_cylinder(digest, 'C'), m_graphBox(digest, 'G') {}

    [[nodiscard]] std::string volumeText() const override { return m_volumeText; }
    void setVolumeText(std::string_view text) override;
    void setPressureText(std::string_view text) override;
    void setLidTop(int32_t top) override;
    void setUnitLabel(std::string_view text) override;
    void setVolumeMaximum(int32_t maximum) override;
    [[nodiscard]] int32_t liquidIndex() const override { return m_liquidIndex; }
    void setLiquidIndex(int32_t index) override;
    void setCaption(const mainwindow::Caption& caption) override;
    void setButtonLit(mainwindow::PictureButton button, bool lit) override;
    void repaintWindow() override;
    [[nodiscard]] mainwindow::Surface& cylinder() override { return m_cylinder; }
    [[nodiscard]] mainwindow::Surface& graphBox() override { return m_graphBox; }
    void describeCylinder(const mainwindow::LayerSplit& layers) override;
    void describeGraph(const mainwindow::GraphReading& reading) override;

    // The volume field's handler, run when the user's typing changes its text.
    void setVolumeHandler(std::function<void()> handler) { m_volumeChanged = std::move(handler); }
    // What the user does: types into the volume field, picks a liquid.
    void type(std::string_view text);
    void pickLiquid(int32_t index) { m_liquidIndex = index; }

  private:
    Digest& m_digest;
    RecordingSurface m_cylinder;
    RecordingSurface m_graphBox;
    std::function<void()> m_volumeChanged;
    std::string m_volumeText;
    int32_t m_liquidIndex = -1;
};

}  // namespace kemora::lesson
