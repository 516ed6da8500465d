#pragma once
// A scenario step made in one line, for tests that build scenarios.

#include <cstdint>

#include "scenario/scenario.h"

namespace kemora::testing_support {

inline scenario::ScenarioStep StepOf(int16_t kind, int32_t value = 0, int32_t gradual = 0) {
    scenario::ScenarioStep step;
    step.kind = kind;
    step.value = value;
    step.gradual = gradual;
    return step;
}

}  // namespace kemora::testing_support
