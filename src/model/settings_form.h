#pragma once
// The settings as a user types them into a form (the settings dialog, the scenario editor's
// first page), and the checks that turn the texts into numbers or say which field is wrong.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/settings.h"

namespace kemora::model {

// An input field that takes a setting or a volume. The forms name their fields alike, so that
// one wording of each problem serves them all.
enum class FormField {
    Mol,
    Temperature,
    PressureUnit,
    VolumeMin,    // of the volume axis
    VolumeMax,    // of the volume axis
    PressureMin,  // of the pressure axis
    PressureMax,  // of the pressure axis
    Volume,       // the scenario editor's set-volume page
};

// How many code page 932 bytes the user may type into a field (a double-byte character counts
// two): 3 for the amount, the temperature and the volume axis, 4 for the pressure axis and the
// set-volume page's volume; 0, no limit, for the unit list, which takes no typing.
[[nodiscard]] int32_t FieldByteLimit(FormField field);

// Why a field's content cannot be used.
enum class FieldFailure {
    NoNumber,       // the text holds no number
    OutOfRange,     // a number, but no whole number of 32 bits
    NothingChosen,  // a list without a selected entry
};

// The first field of a form that cannot be used, and why.
struct FieldProblem {
    FormField field = FormField::Mol;
    FieldFailure failure = FieldFailure::NoNumber;

    friend bool operator==(const FieldProblem&, const FieldProblem&) = default;
};

// The texts of a settings form as the user left them, in UTF-8.
struct SettingsForm {
    std::string mol;                 // mol
    std::string temperature;         // °C
    int32_t pressureUnitIndex = -1;  // entry of the unit list, -1 when none is selected
    std::string volumeMin;           // litres
    std::string volumeMax;           // litres
    std::string pressureMin;         // in the chosen pressure unit
    std::string pressureMax;         // in the chosen pressure unit
};

// The texts a form shows for `settings`: whole numbers as digits with "-" for negatives, the
// pressure axis with at most 15 significant digits; a pressure unit outside the list selects
// no entry (-1).
[[nodiscard]] SettingsForm SettingsFormOf(const ExperimentSettings& settings);

// A field's whole number (halves to the even neighbour), or the problem with it.
[[nodiscard]] std::optional<FieldProblem> ReadWholeField(std::string_view text, FormField field,
                                                         int32_t& value);

// A field's number as typed, fraction included, or the problem with it.
[[nodiscard]] std::optional<FieldProblem> ReadNumberField(std::string_view text, FormField field,
                                                          double& value);

// A unit list's entry as a PressureUnit; NothingChosen outside 0..2.
[[nodiscard]] std::optional<FieldProblem> ReadPressureUnitField(int32_t index, int32_t& value);

// The settings dialog's reading: either `settings` or the first problem.
struct SettingsFormReading {
    std::optional<ExperimentSettings> settings;
    std::optional<FieldProblem> problem;
};

// The settings dialog's form read top to bottom (amount, temperature, unit, volume axis,
// pressure axis); the amount, the temperature and the volume axis as whole numbers, the
// pressure axis as typed. The temperature unit is kept from `current`.
[[nodiscard]] SettingsFormReading ReadSettingsForm(const SettingsForm& form,
                                                   const ExperimentSettings& current);

}  // namespace kemora::model
