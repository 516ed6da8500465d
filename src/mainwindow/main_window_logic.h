#pragma once
// The main window's behaviour: its load and activation, the volume handler, the animation
// timer, the graph buttons, the playback keys, the pause and the reset, against the MainView
// interface.

#include <functional>
#include <string>
#include <string_view>

#include "mainwindow/keyboard.h"
#include "mainwindow/main_state.h"
#include "mainwindow/main_view.h"

namespace kemora::mainwindow {

// Milliseconds between two ticks of the animation's timer: close to the finest step of a
// desktop timer, which the animation's pace is counted in.
inline constexpr int kTimerInterval = 16;

// The settings file's bytes as they are now, empty when there is none: read from disk by the
// desktop program, from the browser's storage by the page. Asked afresh at every activation,
// since a dialog may have saved new settings meanwhile.
using SettingsSource = std::function<std::string()>;

// The handlers of the main window. Holds the shared state and the view by reference; the
// toolkit layer calls one handler per event, all on the user-interface thread.
class MainWindowLogic {
  public:
    // `timeOfDay` gives the seconds since midnight that seed the molecules' velocities.
    MainWindowLogic(MainState& state, MainView& view, SettingsSource settings,
                    std::function<float()> timeOfDay);

    void Form_Load();
    void Form_Activate();
    void txtValue_Change();
    void Timer1_Timer();
    void picGrphSw_Click();
    void picGrphCls_Click();
    void picSinario_Click();
    // Where a key of the window goes in the present mode; `volumeFieldFocused` while txtValue
    // has the focus.
    [[nodiscard]] KeyRoute routeKey(int keyCode, bool volumeFieldFocused) const;
    // A released key; a playback key runs the next step in scenario mode.
    void Form_KeyUp(int keyCode);

    // Stops or restarts the molecules' movement. While they stand still the timer keeps the
    // liquid shown in the selector and the model together, but runs no frame and no gradual
    // change.
    void SetAnimationPaused(bool paused);
    // Starts the experiment afresh: stops a gradual change, redraws the graph frame while the
    // graph is shown, then sets the volume to 0 through the volume field, so that everything
    // follows as for a typed 0 (the handler runs even when the field already reads "0").
    void menu_reset_Click();

  private:
    // The selector's liquid reaches the model, with its saturation volume.
    void pollLiquid();
    // Shows `text` in the volume field and, when the field held another text, runs
    // txtValue_Change as typing it would.
    void showVolume(std::string_view text);
    // The pressure field follows a change of the liquid or the settings at once, worded as
    // the volume handler words it; nothing is plotted. A volume field without a number leaves
    // it, and so does the start, until the volume handler first words it.
    void showPressure();
    void describePictures();

    MainState& m_state;
    MainView& m_view;
    SettingsSource m_settings;
    std::function<float()> m_timeOfDay;
    bool m_pressureWorded = false;  // the volume handler has worded the pressure field
};

// The pressure field's text for `volume` litres: the pressure in the settings' unit, with
// that unit's decimals.
[[nodiscard]] std::string PressureText(const model::Experiment& experiment, int32_t volume);

// y of the lid's top edge for `volume` litres: 250 at 0, 0 at the width of the volume axis.
// An axis without width leaves the lid at 250.
[[nodiscard]] int32_t LidTopFor(const model::ExperimentSettings& settings, int32_t volume);

// Timer ticks to skip after a frame, from the volume text's number (litres, not rounded).
[[nodiscard]] int16_t FrameWaitFor(const model::Experiment& experiment, double volume);

}  // namespace kemora::mainwindow
