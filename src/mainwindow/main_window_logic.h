#pragma once
// The main window's behaviour: its load and activation, the volume handler, the animation
// timer, the graph buttons and the playback keys, against the MainView interface.

#include <functional>
#include <string>

#include "mainwindow/main_state.h"
#include "mainwindow/main_view.h"

namespace kemora::mainwindow {

// Key codes of the keys that run the next scenario step.
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyDown = 40;

// The handlers of the main window. Holds the shared state and the view by reference; the
// toolkit layer calls one handler per event, all on the user-interface thread.
class MainWindowLogic {
  public:
    // `configPath` is the settings file read at every activation; `timeOfDay` gives the
    // seconds since midnight that seed the molecules' velocities.
    MainWindowLogic(MainState& state, MainView& view, std::string configPath,
                    std::function<float()> timeOfDay);

    void Form_Load();
    void Form_Activate();
    void txtValue_Change();
    void Timer1_Timer();
    void picGrphSw_Click();
    void picGrphCls_Click();
    void picSinario_Click();
    void Form_KeyUp(int keyCode);

  private:
    MainState& m_state;
    MainView& m_view;
    std::string m_configPath;
    std::function<float()> m_timeOfDay;
};

// Decimals of the pressure field for a pressure unit: "0.0", "0.000" or "0".
[[nodiscard]] int PressureDecimals(int32_t pressureUnit);

// y of the lid's top edge for `volume` litres: 250 at 0, 0 at the width of the volume axis.
// An axis without width leaves the lid at 250.
[[nodiscard]] int32_t LidTopFor(const model::ExperimentSettings& settings, int32_t volume);

// Timer ticks to skip after a frame, from the volume text's number (litres, not rounded).
[[nodiscard]] int16_t FrameWaitFor(const model::Experiment& experiment, double volume);

}  // namespace kemora::mainwindow
