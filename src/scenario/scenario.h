#pragma once
// The scenario a teacher prepares and plays back: a title and up to 50 steps.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kemora::scenario {

// Values of `ScenarioStep::kind`. A plain enumeration because the field is a 16-bit number
// that a damaged file may fill with any value; players and lists treat others as unknown.
enum StepKind : int16_t {
    StepInitialSettings = 0,
    StepSetVolume = 1,
    StepShowGraph = 2,
    StepHideGraph = 3,
    StepClearGraph = 4,
    StepChangeLiquid = 5,
};

inline constexpr std::size_t kTitleLength = 30;  // characters
// The title's room in the file, in code page 932 bytes, and so the most the editor lets the
// user type: a double-byte character takes two.
inline constexpr std::size_t kTitleBytes = 30;
inline constexpr int32_t kMaxStepCount = 50;
inline constexpr std::size_t kStepSlotCount = 51;  // slot 0 is unused; step n is slot n

// One step of a scenario, held in a slot of `Scenario::steps`. Created zero-filled; a kind
// sets only the fields it uses. The field order and widths are those of the scenario file.
struct ScenarioStep {
    int16_t kind = 0;             // a StepKind, or anything a damaged file holds
    int32_t value = 0;            // StepSetVolume: litres; StepChangeLiquid: a model::Liquid or -1
    int32_t gradual = 0;          // StepSetVolume: non-zero moves in 5-litre steps
    int32_t mol = 0;              // mol
    double temperature = 0.0;     // as entered, °C (or K when temperatureUnit is Kelvin)
    int32_t temperatureUnit = 0;  // a model::TemperatureUnit
    int32_t pressureUnit = 0;     // a model::PressureUnit
    int32_t grphWMin = 0;         // litres
    int32_t grphWMax = 0;         // litres
    int32_t grphHMin = 0;         // whole number in the step's pressure unit
    int32_t grphHMax = 0;         // whole number in the step's pressure unit

    friend bool operator==(const ScenarioStep&, const ScenarioStep&) = default;
};

// A titled list of steps. The program holds one, `currentScenario`, owned by the main
// window's state; the editor changes it, the scenario file replaces it, playback reads it.
// Slot 0 and the slots above `stepCount` carry no meaning but are kept and saved as they are.
struct Scenario {
    // Exactly 30 characters. All NUL until a title is first assigned; shown up to the first NUL.
    std::array<char32_t, kTitleLength> title{};
    int32_t stepCount = 0;  // steps in use, 0..50 when made by the editor
    std::array<ScenarioStep, kStepSlotCount> steps{};

    friend bool operator==(const Scenario&, const Scenario&) = default;
};

// Keeps the first 30 characters of the UTF-8 text and fills the rest with spaces. Broken
// UTF-8 becomes U+FFFD.
void AssignTitle(Scenario& scenario, std::string_view utf8);

// The title as UTF-8, ending before its first NUL; trailing spaces are kept.
[[nodiscard]] std::string TitleText(const Scenario& scenario);

// The title as UTF-8 without the spaces at either end, ending before its first NUL.
[[nodiscard]] std::string TrimmedTitleText(const Scenario& scenario);

// Conversions between UTF-8 and characters, shared with the scenario file. Broken UTF-8 and
// values that are no Unicode scalar become U+FFFD.
[[nodiscard]] std::u32string DecodeUtf8(std::string_view utf8);
[[nodiscard]] std::string EncodeUtf8(std::u32string_view text);

}  // namespace kemora::scenario
