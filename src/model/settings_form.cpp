#include "model/settings_form.h"

#include "model/numbers.h"

namespace kemora::model {

int32_t FieldByteLimit(FormField field) {
    switch (field) {
        case FormField::Mol:
        case FormField::Temperature:
        case FormField::VolumeMin:
        case FormField::VolumeMax:
            return 3;
        case FormField::PressureMin:
        case FormField::PressureMax:
        case FormField::Volume:
            return 4;
        case FormField::PressureUnit:
            break;
    }
    return 0;
}

SettingsForm SettingsFormOf(const ExperimentSettings& settings) {
    SettingsForm form;
    form.mol = IntegerText(settings.mol);
    form.temperature = IntegerText(settings.temperature);
    form.pressureUnitIndex =
        settings.pressureUnit >= MmHg && settings.pressureUnit <= HPa ? settings.pressureUnit : -1;
    form.volumeMin = IntegerText(settings.grphWMin);
    form.volumeMax = IntegerText(settings.grphWMax);
    form.pressureMin = DoubleText(settings.grphHMin);
    form.pressureMax = DoubleText(settings.grphHMax);
    return form;
}

std::optional<FieldProblem> ReadWholeField(std::string_view text, FormField field, int32_t& value) {
    const WholeNumberReading reading = ReadWholeNumber(text);
    if (!reading.value) {
        return FieldProblem{field, reading.failure == WholeNumberFailure::OutOfRange
                                       ? FieldFailure::OutOfRange
                                       : FieldFailure::NoNumber};
    }
    value = *reading.value;
    return std::nullopt;
}

std::optional<FieldProblem> ReadNumberField(std::string_view text, FormField field, double& value) {
    const std::optional<double> number = ParseNumber(text);
    if (!number)
        return FieldProblem{field, FieldFailure::NoNumber};
    value = *number;
    return std::nullopt;
}

std::optional<FieldProblem> ReadPressureUnitField(int32_t index, int32_t& value) {
    if (index < MmHg || index > HPa)
        return FieldProblem{FormField::PressureUnit, FieldFailure::NothingChosen};
    value = index;
    return std::nullopt;
}

SettingsFormReading ReadSettingsForm(const SettingsForm& form, const ExperimentSettings& current) {
    ExperimentSettings next = current;
    // In the order the fields stand, so that the user hears of the topmost problem first.
    std::optional<FieldProblem> problem = ReadWholeField(form.mol, FormField::Mol, next.mol);
    if (!problem)
        problem = ReadWholeField(form.temperature, FormField::Temperature, next.temperature);
    if (!problem)
        problem = ReadPressureUnitField(form.pressureUnitIndex, next.pressureUnit);
    if (!problem)
        problem = ReadWholeField(form.volumeMin, FormField::VolumeMin, next.grphWMin);
    if (!problem)
        problem = ReadWholeField(form.volumeMax, FormField::VolumeMax, next.grphWMax);
    if (!problem)
        problem = ReadNumberField(form.pressureMin, FormField::PressureMin, next.grphHMin);
    if (!problem)
        problem = ReadNumberField(form.pressureMax, FormField::PressureMax, next.grphHMax);
    if (problem)
        return {std::nullopt, problem};
    return {next, std::nullopt};
}

}  // namespace kemora::model
