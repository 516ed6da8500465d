#pragma once

#include "model/settings.h"
#include "model/settings_form.h"

class QComboBox;
class QLineEdit;
class QWidget;

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

// Fills a unit list with the pressure units' symbols, entry n for PressureUnit n.
void AddPressureUnits(QComboBox& list);

// Names each control for screen readers as the messages name its field.
void NameSettingsFields(const SettingsFields& fields);

// Limits the typed text: three bytes for the whole numbers, four for the pressure bounds.
void LimitSettingsFields(const SettingsFields& fields);

// Shows `settings`; a pressure unit outside the list selects no entry.
void FillSettingsFields(const SettingsFields& fields, const model::ExperimentSettings& settings);

// The fields' texts and the selected unit as the user left them.
[[nodiscard]] model::SettingsForm ReadSettingsFields(const SettingsFields& fields);

// The control that shows `field`; null for a field the settings have not (the volume).
[[nodiscard]] QWidget* SettingsFieldControl(const SettingsFields& fields, model::FormField field);

// Points the user at a field that cannot be used: the focus on it, a text selected whole.
void FocusUnusableField(QWidget& control);

}  // namespace kemora::dialogs
