#include "mainwindow/molecule_field.h"

#include <cassert>
#include <chrono>
#include <ctime>

#include "mainwindow/saturating.h"
#include "model/numbers.h"

namespace kemora::mainwindow {
namespace {

// A sprite's left edge turns at 0 and at the panel's width less the sprite, its top edge at
// the lid and at the panel's height less the sprite.
constexpr int32_t kRightLimit = kCylinderWidth - kSpriteSize;
constexpr int32_t kBottomLimit = kCylinderHeight - kSpriteSize;
constexpr Rgb kCylinderColor{0, 0, 0};

// Directions by (layer × column) mod 4: right and down, right and up, left and down,
// left and up.
struct Direction {
    int32_t dx;
    int32_t dy;
};
constexpr std::array<Direction, 4> kDirectionsByProduct{{{1, 1}, {1, -1}, {-1, 1}, {-1, -1}}};

// Speed factors by the draw d from the time of day.
struct Speeds {
    int32_t kx;
    int32_t ky;
};
constexpr std::array<Speeds, 5> kSpeedsByDraw{{{3, 3}, {2, 4}, {4, 2}, {1, 5}, {5, 1}}};

// (t × n) rounded half to even, then its remainder by 5 taken non-negative, so that a
// clock that runs backwards or goes wild still gives one of the five draws. Products
// beyond the 32-bit range saturate before the remainder, NaN counts as 0.
int32_t SpeedDraw(float timeOfDay, int32_t n) {
    const int32_t rounded = model::RoundHalfEven(static_cast<double>(timeOfDay) * n);
    const int32_t remainder = rounded % 5;
    return remainder < 0 ? remainder + 5 : remainder;
}

void MoveVapor(Molecule& m, int32_t lidTop) {
    if (m.x < 0 || m.x > kRightLimit)
        m.dx = SaturatingNegate(m.dx);
    if (m.y < lidTop) {
        m.y = SaturatingAdd(lidTop, 1);
        m.dy = SaturatingNegate(m.dy);
    }
    // Not an else of the lid test: a molecule that the lid has just put below the bottom
    // limit turns back a second time.
    if (m.y < lidTop || m.y > kBottomLimit)
        m.dy = SaturatingNegate(m.dy);
    m.x = SaturatingAdd(m.x, m.dx);
    m.y = SaturatingAdd(m.y, m.dy);
}

void MoveLiquid(Molecule& m) {
    if (m.tick <= 3) {
        ++m.tick;
        return;
    }
    // A phase that no operation produced restarts the cycle instead of reading outside it.
    const int32_t phase = (m.phase >= 0 && m.phase <= 5) ? m.phase : 0;
    m.x = SaturatingAdd(m.homeX, wobbleDX[static_cast<std::size_t>(phase)]);
    m.y = SaturatingAdd(m.homeY, wobbleDY[static_cast<std::size_t>(phase)]);
    m.tick = 0;
    m.phase = phase == 5 ? 0 : phase + 1;
}

}  // namespace

Molecule& MoleculeField::at(int layer, int column) {
    assert(layer >= 1 && layer <= kLayers && column >= 1 && column <= kColumns);
    return molecules[static_cast<std::size_t>(layer - 1)][static_cast<std::size_t>(column - 1)];
}

const Molecule& MoleculeField::at(int layer, int column) const {
    assert(layer >= 1 && layer <= kLayers && column >= 1 && column <= kColumns);
    return molecules[static_cast<std::size_t>(layer - 1)][static_cast<std::size_t>(column - 1)];
}

float SystemTimeOfDay() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    const double fraction = duration<double>(now - system_clock::from_time_t(seconds)).count();
    const double sinceMidnight = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    return static_cast<float>(sinceMidnight + fraction);
}

void InitMolecules(MoleculeField& field, const std::function<float()>& timeOfDay) {
    for (int32_t i = 1; i <= MoleculeField::kLayers; ++i) {
        for (int32_t j = 1; j <= MoleculeField::kColumns; ++j) {
            Molecule& m = field.at(i, j);
            m.homeX = m.x = kSpriteSize * (j - 1);
            m.homeY = m.y = kCylinderHeight - kSpriteSize * i;
            m.state = StateAllLiquid;
            m.tick = 1;
            const Direction& direction = kDirectionsByProduct[static_cast<std::size_t>(i * j % 4)];
            const int32_t d = SpeedDraw(timeOfDay ? timeOfDay() : 0.0f, i * j);
            const Speeds& k = kSpeedsByDraw[static_cast<std::size_t>(d)];
            m.dx = direction.dx * k.kx + j % 3;
            m.dy = direction.dy * k.ky + j % 5;
            if (m.dx == 0 && m.dy == 0)
                m.dx = m.dy = 1;
            m.phase = d;
        }
    }
}

void MoveMolecule(MoleculeField& field, int column, int layer) {
    if (layer < 1 || layer > MoleculeField::kLayers || column < 1 ||
        column > MoleculeField::kColumns) {
        return;
    }
    Molecule& m = field.at(layer, column);
    switch (m.state) {
        case StateVapor:
            MoveVapor(m, field.lidTop);
            break;
        case StateLiquid:
        case StateAllLiquid:
            MoveLiquid(m);
            break;
        default:
            break;
    }
}

void SetLayerStates(MoleculeField& field, const model::Experiment& experiment, int32_t volume) {
    int64_t liquidLayers = 0;  // counted from the bottom; the rest are vapor
    int16_t liquidState = StateLiquid;
    switch (model::PhaseAt(experiment, volume)) {
        case model::Phase::AllLiquid:
            liquidLayers = MoleculeField::kLayers;
            liquidState = StateAllLiquid;
            break;
        case model::Phase::AllVapor:
            liquidLayers = 0;
            break;
        case model::Phase::LiquidAndVapor:
            liquidLayers =
                MoleculeField::kLayers - int64_t{model::VaporRowCount(experiment, volume)};
            break;
    }
    for (int layer = 1; layer <= MoleculeField::kLayers; ++layer) {
        const int16_t state = layer <= liquidLayers ? liquidState : int16_t{StateVapor};
        for (Molecule& m : field.molecules[static_cast<std::size_t>(layer - 1)]) m.state = state;
    }
}

void DrawMoleculeFrame(MoleculeField& field, const model::Experiment& experiment, int32_t volume,
                       Surface& cylinder) {
    SetLayerStates(field, experiment, volume);
    cylinder.fillRect(0, 0, kCylinderWidth, kCylinderHeight, kCylinderColor);
    // The bottom layer is drawn last, over the others.
    for (int layer = MoleculeField::kLayers; layer >= 1; --layer) {
        for (int column = 1; column <= MoleculeField::kColumns; ++column) {
            MoveMolecule(field, column, layer);
            const Molecule& molecule = field.at(layer, column);
            cylinder.copySprite(molecule.x, molecule.y);
        }
    }
}

}  // namespace kemora::mainwindow
