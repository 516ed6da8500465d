#include "dialogs/settings_fields.h"

#include <QComboBox>
#include <QLineEdit>

#include "dialogs/limit_input_length.h"
#include "model/numbers.h"
#include "ui/utf8_text.h"

namespace kemora::dialogs {

void LimitSettingsFields(const SettingsFields& fields) {
    LimitInputLength(*fields.mol, 3);
    LimitInputLength(*fields.temperature, 3);
    LimitInputLength(*fields.volumeMin, 3);
    LimitInputLength(*fields.volumeMax, 3);
    LimitInputLength(*fields.pressureMin, 4);
    LimitInputLength(*fields.pressureMax, 4);
}

void FillSettingsFields(const SettingsFields& fields, const model::ExperimentSettings& settings) {
    const int32_t unit = settings.pressureUnit;
    fields.pressureUnit->setCurrentIndex(unit >= 0 && unit < fields.pressureUnit->count() ? unit
                                                                                          : -1);
    fields.volumeMin->setText(ui::FromUtf8(model::IntegerText(settings.grphWMin)));
    fields.volumeMax->setText(ui::FromUtf8(model::IntegerText(settings.grphWMax)));
    fields.pressureMin->setText(ui::FromUtf8(model::DoubleText(settings.grphHMin)));
    fields.pressureMax->setText(ui::FromUtf8(model::DoubleText(settings.grphHMax)));
    fields.temperature->setText(ui::FromUtf8(model::IntegerText(settings.temperature)));
    fields.mol->setText(ui::FromUtf8(model::IntegerText(settings.mol)));
}

}  // namespace kemora::dialogs
