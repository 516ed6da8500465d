#pragma once

#include "model/settings.h"

class QComboBox;
class QLineEdit;

namespace kemora::dialogs {

// The controls that show the experiment settings in the settings dialog and on the scenario
// editor's first page. The dialog owns the controls; this only points at them.
struct SettingsFields {
    QLineEdit* mol;
    QLineEdit* temperature;
    QComboBox* pressureUnit;
    QLineEdit* volumeMin;
    QLineEdit* volumeMax;
    QLineEdit* pressureMin;
    QLineEdit* pressureMax;
};

// Limits the typed text: three bytes for the whole numbers, four for the pressure bounds.
void LimitSettingsFields(const SettingsFields& fields);

// Shows `settings`; a pressure unit outside the list selects no entry.
void FillSettingsFields(const SettingsFields& fields, const model::ExperimentSettings& settings);

}  // namespace kemora::dialogs
