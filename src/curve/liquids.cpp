#include "curve/liquids.h"

namespace kemora::curve {

model::Experiment WithLiquid(const model::Experiment& experiment, int32_t liquid) {
    model::Experiment copy = experiment;
    copy.liquid = liquid;
    return copy;
}

bool ReadsColumnOf(int32_t liquid, int32_t column) {
    const auto columnOf = [](int32_t value) {
        return value == model::Water || value == model::Ethanol ? value : model::DiethylEther;
    };
    return columnOf(liquid) == columnOf(column);
}

}  // namespace kemora::curve
