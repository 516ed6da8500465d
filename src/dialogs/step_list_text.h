#pragma once

#include <QString>

#include "scenario/step_list.h"

namespace kemora::dialogs {

// The line of the scenario editor's step list for one step.
[[nodiscard]] QString StepListText(const scenario::StepListEntry& entry);

}  // namespace kemora::dialogs
