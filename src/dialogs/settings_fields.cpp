#include "dialogs/settings_fields.h"

#include <QComboBox>
#include <QLineEdit>

#include "dialogs/field_messages.h"
#include "dialogs/limit_input_length.h"
#include "ui/utf8_text.h"

namespace kemora::dialogs {

void AddPressureUnits(QComboBox& list) {
    for (int32_t unit : {model::MmHg, model::Atm, model::HPa})
        list.addItem(ui::FromUtf8(model::PressureUnitText(unit)));
}

void NameSettingsFields(const SettingsFields& fields) {
    for (const model::FormField field :
         {model::FormField::Mol, model::FormField::Temperature, model::FormField::PressureUnit,
          model::FormField::VolumeMin, model::FormField::VolumeMax, model::FormField::PressureMin,
          model::FormField::PressureMax}) {
        SettingsFieldControl(fields, field)->setAccessibleName(FieldName(field));
    }
}

void LimitSettingsFields(const SettingsFields& fields) {
    for (const model::FormField field :
         {model::FormField::Mol, model::FormField::Temperature, model::FormField::VolumeMin,
          model::FormField::VolumeMax, model::FormField::PressureMin,
          model::FormField::PressureMax}) {
        LimitInputLength(*SettingsFieldControl(fields, field), model::FieldByteLimit(field));
    }
}

void FillSettingsFields(const SettingsFields& fields, const model::ExperimentSettings& settings) {
    const model::SettingsForm form = model::SettingsFormOf(settings);
    fields.pressureUnit->setCurrentIndex(form.pressureUnitIndex);
    fields.volumeMin->setText(ui::FromUtf8(form.volumeMin));
    fields.volumeMax->setText(ui::FromUtf8(form.volumeMax));
    fields.pressureMin->setText(ui::FromUtf8(form.pressureMin));
    fields.pressureMax->setText(ui::FromUtf8(form.pressureMax));
    fields.temperature->setText(ui::FromUtf8(form.temperature));
    fields.mol->setText(ui::FromUtf8(form.mol));
}

model::SettingsForm ReadSettingsFields(const SettingsFields& fields) {
    model::SettingsForm form;
    form.mol = ui::ToUtf8(fields.mol->text());
    form.temperature = ui::ToUtf8(fields.temperature->text());
    form.pressureUnitIndex = fields.pressureUnit->currentIndex();
    form.volumeMin = ui::ToUtf8(fields.volumeMin->text());
    form.volumeMax = ui::ToUtf8(fields.volumeMax->text());
    form.pressureMin = ui::ToUtf8(fields.pressureMin->text());
    form.pressureMax = ui::ToUtf8(fields.pressureMax->text());
    return form;
}

QWidget* SettingsFieldControl(const SettingsFields& fields, model::FormField field) {
    switch (field) {
        case model::FormField::Mol:
            return fields.mol;
        case model::FormField::Temperature:
            return fields.temperature;
        case model::FormField::PressureUnit:
            return fields.pressureUnit;
        case model::FormField::VolumeMin:
            return fields.volumeMin;
        case model::FormField::VolumeMax:
            return fields.volumeMax;
        case model::FormField::PressureMin:
            return fields.pressureMin;
        case model::FormField::PressureMax:
            return fields.pressureMax;
        case model::FormField::Volume:
            break;
    }
    return nullptr;
}

void FocusUnusableField(QWidget& control) {
    control.setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(&control))
        edit->selectAll();
}

}  // namespace kemora::dialogs
