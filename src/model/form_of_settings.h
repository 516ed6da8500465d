#pragma once
// The texts a settings form starts from: the settings in use, written as the fields show them.

#include "model/settings.h"
#include "model/settings_form.h"

namespace kemora::model {

// Whole numbers in plain decimal, the pressure axis's doubles in their shortest form (800,
// 0.5); a pressure unit outside the list selects no entry (-1).
[[nodiscard]] SettingsForm FormOfSettings(const ExperimentSettings& settings);

}  // namespace kemora::model
