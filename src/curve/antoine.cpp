#include "curve/antoine.h"

#include <cmath>

#include "model/equilibrium.h"

namespace kemora::curve {
namespace {

// The constants tabulated in Lange's Handbook of Chemistry. Water and ethanol carry the
// handbook's ranges; diethyl ether's reaches from -60 °C to just past its boiling point
// (34.6 °C), as the other two end at or just past theirs.
constexpr AntoineConstants kWater{8.07131, 1730.63, 233.426, 1.0, 100.0};
constexpr AntoineConstants kEthanol{8.20417, 1642.89, 230.300, -57.0, 80.0};
constexpr AntoineConstants kDiethylEther{6.92032, 1064.07, 228.800, -60.0, 35.0};

}  // namespace

const AntoineConstants& AntoineConstantsOf(int32_t liquid) {
    switch (model::LiquidOf(liquid)) {
        case model::Water:
            return kWater;
        case model::Ethanol:
            return kEthanol;
        case model::DiethylEther:
            break;
    }
    return kDiethylEther;
}

double AntoineMmHg(const AntoineConstants& constants, double celsius) {
    return std::pow(10.0, constants.a - constants.b / (constants.c + celsius));
}

}  // namespace kemora::curve
