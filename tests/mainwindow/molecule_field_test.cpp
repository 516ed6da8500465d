#include "mainwindow/molecule_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace kemora::mainwindow {
namespace {

std::function<float()> FixedTime(float seconds) {
    return [seconds] { return seconds; };
}

TEST(InitMolecules, LaysEveryMoleculeOutAtItsPlaceInTheLiquidBlock) {
    MoleculeField field;
    field.at(4, 5).state = StateVapor;
    field.at(4, 5).x = 999;
    InitMolecules(field, FixedTime(1234.5f));
    for (int layer = 1; layer <= MoleculeField::kLayers; ++layer) {
        for (int column = 1; column <= MoleculeField::kColumns; ++column) {
            SCOPED_TRACE(testing::Message() << "layer " << layer << ", column " << column);
            const Molecule& m = field.at(layer, column);
            EXPECT_EQ(m.state, StateAllLiquid);
            EXPECT_EQ(m.homeX, 10 * (column - 1));
            EXPECT_EQ(m.homeY, 457 - 10 * layer);
            EXPECT_EQ(m.x, m.homeX);
            EXPECT_EQ(m.y, m.homeY);
            EXPECT_EQ(m.tick, 1);
            EXPECT_GE(m.phase, 0);
            EXPECT_LE(m.phase, 4);
            EXPECT_FALSE(m.dx == 0 && m.dy == 0);
        }
    }
    EXPECT_EQ(field.at(1, 1).x, 0);
    EXPECT_EQ(field.at(1, 1).y, 447);
    EXPECT_EQ(field.at(15, 37).x, 360);
    EXPECT_EQ(field.at(15, 37).y, 307);
}

TEST(InitMolecules, VelocitiesAndPhasesFollowTheTimeOfDay) {
    struct Case {
        float seconds;
        int layer;
        int column;
        int32_t dx, dy, phase;
    };
    const Case cases[] = {
        // t 0: draw 0, speeds (3, 3); (1 × 1) mod 4 = 1 points right and up.
        {0.0f, 1, 1, 4, -2, 0},
        {0.0f, 2, 2, 5, 5, 0},   // mod 4 = 0: right and down
        {0.0f, 1, 2, -1, 5, 0},  // mod 4 = 2: left and down
        {0.0f, 1, 3, -3, 0, 0},  // mod 4 = 3: left and up
        // 2.5 rounds to 2 (draw 2, speeds (4, 2)), 3.5 to 4 (draw 4, speeds (5, 1)).
        {0.5f, 1, 5, 6, -2, 2},
        {0.5f, 1, 7, -4, 1, 4},
        // The single-precision 43210.12109375 × 111 is 4796323.44 in double precision: draw
        // 3. A single-precision product (4796323.5) would round to draw 4.
        {43210.123f, 3, 37, 0, -3, 3},
        {43210.123f, 15, 37, -3, 0, 2},
        // Both speeds 0 become 1: 0.069 × 87 gives draw 1, speeds (2, 4) against 29 mod 3 = 2
        // and 29 mod 5 = 4.
        {0.069f, 3, 29, 1, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "t " << c.seconds << ", layer " << c.layer << ", column " << c.column);
        MoleculeField field;
        InitMolecules(field, FixedTime(c.seconds));
        const Molecule& m = field.at(c.layer, c.column);
        EXPECT_EQ(m.dx, c.dx);
        EXPECT_EQ(m.dy, c.dy);
        EXPECT_EQ(m.phase, c.phase);
    }
}

TEST(InitMolecules, ReadsTheTimeAnewForEachMoleculeInLayerOrder) {
    MoleculeField field;
    int calls = 0;
    // Each molecule sees its own running number: draw (n × layer × column) mod 5.
    InitMolecules(field, [&calls] { return static_cast<float>(calls++); });
    EXPECT_EQ(calls, 555);
    const int n = (2 - 1) * 37 + (3 - 1);  // the 40th call
    EXPECT_EQ(field.at(2, 3).phase, (n * 2 * 3) % 5);
}

TEST(InitMolecules, AnyClockValueGivesADrawFrom0To4) {
    const float inf = std::numeric_limits<float>::infinity();
    const float values[] = {-1.0f, -12345.6f, std::nanf(""), inf, -inf, 3.0e38f};
    for (float seconds : values) {
        SCOPED_TRACE(testing::Message() << "t " << seconds);
        MoleculeField field;
        InitMolecules(field, FixedTime(seconds));
        for (const auto& layer : field.molecules) {
            for (const Molecule& m : layer) {
                EXPECT_GE(m.phase, 0);
                EXPECT_LE(m.phase, 4);
            }
        }
    }
    // -1 × 1 leaves the remainder 4, not -1.
    MoleculeField field;
    InitMolecules(field, FixedTime(-1.0f));
    EXPECT_EQ(field.at(1, 1).phase, 4);
}

TEST(InitMolecules, SystemTimeOfDayIsWithinADay) {
    const float seconds = SystemTimeOfDay();
    EXPECT_GE(seconds, 0.0f);
    EXPECT_LT(seconds, 86401.0f);  // a leap second included
}

// One molecule at rest in the liquid block, its phase and tick as InitMolecules leaves them.
Molecule LiquidMolecule(int16_t state, int32_t phase) {
    Molecule m;
    m.state = state;
    m.homeX = m.x = 100;
    m.homeY = m.y = 407;
    m.tick = 1;
    m.phase = phase;
    m.dx = 7;
    m.dy = 7;
    return m;
}

TEST(MoveMolecule, LiquidWobblesThroughTheOffsetsOneStepEveryFifthMove) {
    for (int16_t state : {int16_t{StateLiquid}, int16_t{StateAllLiquid}}) {
        SCOPED_TRACE(testing::Message() << "state " << state);
        MoleculeField field;
        field.at(5, 11) = LiquidMolecule(state, 0);
        const int32_t offsets[][2] = {{0, 0}, {0, 0}, {0, -2}, {2, 0}, {0, 2}, {-2, 0}, {0, 0}};
        int32_t expectX = 100;
        int32_t expectY = 407;
        int move = 0;
        for (const auto& offset : offsets) {
            // Tick 1 after the layout: the first step on the 4th move, then every 5th.
            const int until = move == 0 ? 4 : move + 5;
            for (; move < until - 1; ++move) {
                MoveMolecule(field, 11, 5);
                EXPECT_EQ(field.at(5, 11).x, expectX) << "move " << move + 1;
                EXPECT_EQ(field.at(5, 11).y, expectY) << "move " << move + 1;
            }
            MoveMolecule(field, 11, 5);
            ++move;
            expectX = 100 + offset[0];
            expectY = 407 + offset[1];
            EXPECT_EQ(field.at(5, 11).x, expectX) << "move " << move;
            EXPECT_EQ(field.at(5, 11).y, expectY) << "move " << move;
            EXPECT_EQ(field.at(5, 11).tick, 0);
        }
        EXPECT_EQ(move, 34);
        EXPECT_EQ(field.at(5, 11).phase, 1);
        EXPECT_EQ(field.at(5, 11).dx, 7);  // velocity untouched
    }
}

TEST(MoveMolecule, FormerVaporJumpsHomeAtItsNextWobbleStep) {
    MoleculeField field;
    Molecule m = LiquidMolecule(StateLiquid, 3);
    m.x = 250;
    m.y = 30;
    m.tick = 4;
    field.at(1, 1) = m;
    MoveMolecule(field, 1, 1);
    EXPECT_EQ(field.at(1, 1).x, 102);
    EXPECT_EQ(field.at(1, 1).y, 407);
    EXPECT_EQ(field.at(1, 1).phase, 4);
}

TEST(MoveMolecule, APhaseOutsideTheCycleRestartsIt) {
    for (int32_t phase : {6, -1, std::numeric_limits<int32_t>::min()}) {
        MoleculeField field;
        Molecule m = LiquidMolecule(StateLiquid, phase);
        m.tick = 4;
        field.at(1, 1) = m;
        MoveMolecule(field, 1, 1);
        EXPECT_EQ(field.at(1, 1).x, 100);
        EXPECT_EQ(field.at(1, 1).y, 407);
        EXPECT_EQ(field.at(1, 1).phase, 1);
    }
}

TEST(MoveMolecule, OtherStatesAndPositionsOutsideTheGridMoveNothing) {
    MoleculeField field;
    InitMolecules(field, FixedTime(0.0f));
    for (int16_t state : {int16_t{0}, int16_t{4}, int16_t{-1}}) {
        field.at(2, 2).state = state;
        const Molecule before = field.at(2, 2);
        for (int i = 0; i < 10; ++i) MoveMolecule(field, 2, 2);
        EXPECT_EQ(field.at(2, 2).x, before.x);
        EXPECT_EQ(field.at(2, 2).tick, before.tick);
    }
    const MoleculeField before = field;
    const std::pair<int, int> outside[] = {{0, 1}, {38, 1}, {1, 0}, {1, 16}, {-5, -5}};
    for (auto [column, layer] : outside) {
        MoveMolecule(field, column, layer);
    }
    for (int layer = 1; layer <= 15; ++layer) {
        for (int column = 1; column <= 37; ++column) {
            EXPECT_EQ(field.at(layer, column).tick, before.at(layer, column).tick);
        }
    }
}

TEST(MoveMolecule, VaporFliesAndBouncesOffWallsBottomAndLid) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    struct Case {
        const char* what;
        int32_t lidTop;
        int32_t x, y, dx, dy;              // before the move
        int32_t newX, newY, newDx, newDy;  // after it
    };
    const Case cases[] = {
        {"free flight", 0, 100, 200, 3, -2, 103, 198, 3, -2},
        {"left edge itself", 0, 0, 200, -3, 1, -3, 201, -3, 1},
        {"past the left edge", 0, -3, 200, -3, 1, 0, 201, 3, 1},
        {"right limit itself", 0, 361, 200, 4, 1, 365, 201, 4, 1},
        {"past the right limit", 0, 365, 200, 4, 1, 361, 201, -4, 1},
        {"bottom limit itself", 0, 50, 447, 1, 2, 51, 449, 1, 2},
        {"past the bottom limit", 0, 50, 449, 1, 2, 51, 447, 1, -2},
        {"at the lid", 100, 50, 100, 1, -3, 51, 97, 1, -3},
        // Put under the lid and turned in the same move, before dy is added.
        {"above the lid", 100, 50, 90, 1, -3, 51, 104, 1, 3},
        {"above the lid, falling", 100, 50, 90, 1, 3, 51, 98, 1, -3},
        // Under a lid below the bottom limit the second test turns it back again.
        {"lid below the bottom", 500, 50, 300, 1, 2, 51, 503, 1, 2},
        {"lid above the panel", -100, 50, -50, 1, -3, 51, -53, 1, -3},
        {"corner", 300, 370, 250, 5, -4, 365, 305, -5, 4},
        {"lid at the top of the range", kMax, 50, 0, 1, -3, 51, kMax - 3, 1, -3},
        {"lid at the bottom of the range", kMin, 50, kMin + 1, 1, -5, 51, kMin, 1, -5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MoleculeField field;
        field.lidTop = c.lidTop;
        Molecule& m = field.at(9, 20);
        m.state = StateVapor;
        m.x = c.x;
        m.y = c.y;
        m.dx = c.dx;
        m.dy = c.dy;
        m.tick = 2;
        MoveMolecule(field, 20, 9);
        EXPECT_EQ(m.x, c.newX);
        EXPECT_EQ(m.y, c.newY);
        EXPECT_EQ(m.dx, c.newDx);
        EXPECT_EQ(m.dy, c.newDy);
        EXPECT_EQ(m.tick, 2);
    }
}

TEST(MoveMolecule, VaporStaysBetweenWallsBottomAndLidOverManyFrames) {
    MoleculeField field;
    InitMolecules(field, FixedTime(45678.9f));
    field.lidTop = 120;
    for (auto& layer : field.molecules) {
        for (Molecule& m : layer) m.state = StateVapor;
    }
    for (int frame = 0; frame < 2000; ++frame) {
        for (int layer = 1; layer <= 15; ++layer) {
            for (int column = 1; column <= 37; ++column) {
                MoveMolecule(field, column, layer);
                const Molecule& m = field.at(layer, column);
                // At most one frame's speed past a limit (7 across, 9 down at most).
                ASSERT_GE(m.x, -7);
                ASSERT_LE(m.x, 361 + 7);
                ASSERT_GE(m.y, 120 - 9);
                ASSERT_LE(m.y, 447 + 9);
            }
        }
    }
}

class SetLayerStatesTest : public testing::Test {
  protected:
    void SetUp() override {
        experiment.satVolume = 596;
        experiment.liqVolume = 0;
        InitMolecules(field, FixedTime(0.0f));
    }

    // The state of each layer, bottom first, checked to be shared by all its molecules.
    std::vector<int16_t> LayerStates() const {
        std::vector<int16_t> states;
        for (int layer = 1; layer <= 15; ++layer) {
            const int16_t state = field.at(layer, 1).state;
            for (int column = 2; column <= 37; ++column) {
                EXPECT_EQ(field.at(layer, column).state, state);
            }
            states.push_back(state);
        }
        return states;
    }

    model::Experiment experiment;
    MoleculeField field;
};

TEST_F(SetLayerStatesTest, SplitsTheLayersByVolume) {
    const int16_t A = StateAllLiquid;
    const int16_t L = StateLiquid;
    const int16_t V = StateVapor;
    struct Case {
        int32_t volume;
        std::vector<int16_t> states;
    };
    const Case cases[] = {
        {300, {L, L, L, L, L, L, L, V, V, V, V, V, V, V, V}},  // 7.55 vapor layers: 8
        {19, {L, L, L, L, L, L, L, L, L, L, L, L, L, L, L}},   // 0 vapor layers
        {20, {L, L, L, L, L, L, L, L, L, L, L, L, L, L, V}},
        {590, {V, V, V, V, V, V, V, V, V, V, V, V, V, V, V}},  // 15 while still two-phase
        {596, {V, V, V, V, V, V, V, V, V, V, V, V, V, V, V}},
        {100000, {V, V, V, V, V, V, V, V, V, V, V, V, V, V, V}},
        {0, {A, A, A, A, A, A, A, A, A, A, A, A, A, A, A}},
        {-40, {A, A, A, A, A, A, A, A, A, A, A, A, A, A, A}},
        {std::numeric_limits<int32_t>::min(), {A, A, A, A, A, A, A, A, A, A, A, A, A, A, A}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "volume " << c.volume);
        SetLayerStates(field, experiment, c.volume);
        EXPECT_EQ(LayerStates(), c.states);
    }
}

TEST_F(SetLayerStatesTest, LeavesPositionsVelocitiesTicksAndPhasesAlone) {
    field.at(3, 3).x = 77;
    field.at(3, 3).tick = 4;
    const MoleculeField before = field;
    SetLayerStates(field, experiment, 300);
    for (int layer = 1; layer <= 15; ++layer) {
        for (int column = 1; column <= 37; ++column) {
            const Molecule& a = field.at(layer, column);
            const Molecule& b = before.at(layer, column);
            EXPECT_TRUE(a.x == b.x && a.y == b.y && a.dx == b.dx && a.dy == b.dy &&
                        a.tick == b.tick && a.phase == b.phase && a.homeX == b.homeX &&
                        a.homeY == b.homeY);
        }
    }
}

TEST_F(SetLayerStatesTest, NoSubstanceMakesEveryPositiveVolumeVapor) {
    experiment.satVolume = 0;
    SetLayerStates(field, experiment, 1);
    EXPECT_EQ(LayerStates(), std::vector<int16_t>(15, StateVapor));
}

TEST_F(SetLayerStatesTest, AVaporCountOutsideTheLayersStaysWithinThem) {
    // A negative all-liquid volume lets the count fall below 0 inside the two-phase range.
    experiment.liqVolume = -1000;
    experiment.satVolume = 100;
    SetLayerStates(field, experiment, -900);
    EXPECT_EQ(LayerStates(), std::vector<int16_t>(15, StateLiquid));
}

}  // namespace
}  // namespace kemora::mainwindow
