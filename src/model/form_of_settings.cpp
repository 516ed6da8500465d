#include "model/form_of_settings.h"

#include "model/numbers.h"

namespace kemora::model {

SettingsForm FormOfSettings(const ExperimentSettings& settings) {
    SettingsForm form;
    form.mol = IntegerText(settings.mol);
    form.temperature = IntegerText(settings.temperature);
    const int32_t unit = settings.pressureUnit;
    form.pressureUnitIndex = unit == MmHg || unit == Atm || unit == HPa ? unit : -1;
    form.volumeMin = IntegerText(settings.grphWMin);
    form.volumeMax = IntegerText(settings.grphWMax);
    form.pressureMin = DoubleText(settings.grphHMin);
    form.pressureMax = DoubleText(settings.grphHMax);
    return form;
}

}  // namespace kemora::model
