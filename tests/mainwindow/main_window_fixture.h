#pragma once
// A main window started on a settings file of the test's own, with a fake view.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "config/file_io.h"
#include "config/settings_file.h"
#include "fake_main_view.h"
#include "mainwindow/main_window_logic.h"
#include "support/temp_folder.h"

namespace kemora::mainwindow {

class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        configPath = config::ConfigFilePathIn(folder.string());
        logic = std::make_unique<MainWindowLogic>(
            state, view,
            [this] { return config::ReadFileBytes(configPath).value_or(std::string()); },
            [] { return 1000.5f; });
        view.onVolumeChange = [this] { logic->txtValue_Change(); };
    }

    // Water at 27 °C, 1 mol, axes 0..700 L and 0..800 in the given unit.
    void startWith27Degrees(int32_t pressureUnit = model::MmHg) {
        model::ExperimentSettings settings;
        model::SetDefaultSettings(settings);
        settings.pressureUnit = pressureUnit;
        startWith(settings);
    }
    void startWith(const model::ExperimentSettings& settings) {
        ASSERT_TRUE(config::SaveSettings(settings, configPath));
        start();
    }
    void start() {
        logic->Form_Load();
        logic->Form_Activate();
    }
    // Runs timer ticks until the next frame has been drawn.
    void drawNextFrame() {
        const std::size_t refreshes = view.cylinderSurface.callsOf(FakeSurface::Op::Refresh).size();
        for (int tick = 0; tick < 100; ++tick) {
            logic->Timer1_Timer();
            if (view.cylinderSurface.callsOf(FakeSurface::Op::Refresh).size() > refreshes)
                return;
        }
        FAIL() << "no frame drawn in 100 ticks";
    }
    int16_t layerState(int layer) const { return state.field.at(layer, 1).state; }

    testing_support::TempFolder tempFolder{"kemora-main"};
    const std::filesystem::path folder = tempFolder.path();
    std::string configPath;
    MainState state;
    FakeMainView view;
    std::unique_ptr<MainWindowLogic> logic;
};

}  // namespace kemora::mainwindow
