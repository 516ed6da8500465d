#include "curve/liquids.h"

namespace kemora::curve {

model::Experiment WithLiquid(const model::Experiment& experiment, int32_t liquid) {
    model::Experiment copy = experiment;
    copy.liquid = liquid;
    return copy;
}

bool ReadsColumnOf(int32_t liquid, int32_t column) {
    return model::LiquidOf(liquid) == model::LiquidOf(column);
}

}  // namespace kemora::curve
