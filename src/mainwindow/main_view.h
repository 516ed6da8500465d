#pragma once
// What the main window's logic asks of the window: its controls and drawing surfaces.

#include <cstdint>
#include <string>
#include <string_view>

#include "mainwindow/caption.h"
#include "mainwindow/picture_descriptions.h"
#include "mainwindow/surface.h"

namespace kemora::mainwindow {

// The three picture buttons above the graph; each shows its lit or its resting image. The
// scenario and graph buttons are lit exactly while their mode is on, so the menu items that
// mirror them take their check marks from here too.
enum class PictureButton { Sinario, GrphSw, GrphCls };

// The main window's controls, seen from its logic. Implemented by the toolkit layer and
// by the fakes of the tests; the logic holds it by reference.
class MainView {
  public:
    virtual ~MainView() = default;

    // The volume field txtValue. Setting the text only shows it: the logic runs its own
    // handler where it sets the text, so a view runs txtValue_Change for the user's edits
    // alone.
    [[nodiscard]] virtual std::string volumeText() const = 0;
    virtual void setVolumeText(std::string_view text) = 0;

    virtual void setPressureText(std::string_view text) = 0;  // txtAturyoku
    virtual void setLidTop(int32_t top) = 0;                  // top edge of picTenjyou
    virtual void setUnitLabel(std::string_view text) = 0;     // lblPress
    virtual void setVolumeMaximum(int32_t maximum) = 0;       // UpDownOndo, litres

    // The liquid selector cmbLiquid: the selected entry counted from 0, -1 when none.
    [[nodiscard]] virtual int32_t liquidIndex() const = 0;
    virtual void setLiquidIndex(int32_t index) = 0;

    virtual void setCaption(const Caption& caption) = 0;
    virtual void setButtonLit(PictureButton button, bool lit) = 0;
    virtual void repaintWindow() = 0;

    [[nodiscard]] virtual Surface& cylinder() = 0;  // picBack
    [[nodiscard]] virtual Surface& graphBox() = 0;  // picGrph

    // What the two pictures show, for screen readers; told after every handler that may have
    // changed it, so the same value often comes again.
    virtual void describeCylinder(const LayerSplit& layers) = 0;
    virtual void describeGraph(const GraphReading& reading) = 0;

  protected:
    MainView() = default;
    MainView(const MainView&) = default;
    MainView& operator=(const MainView&) = default;
};

}  // namespace kemora::mainwindow
