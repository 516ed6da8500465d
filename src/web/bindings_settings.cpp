// The settings dialog's and the settings file's rules, as the page's 初期設定 and its
// CONFIG2.INI in the browser's storage use them.
#include <emscripten/bind.h>

#include <string>

#include "config/settings_import.h"
#include "model/input_limit.h"
#include "model/settings.h"
#include "model/settings_form.h"

namespace kemora::web {
namespace {

// The "初期値" button's values.
model::ExperimentSettings DefaultSettings() {
    model::ExperimentSettings settings;
    model::SetDefaultSettings(settings);
    return settings;
}

std::string PressureUnitText(int unit) {
    return std::string(model::PressureUnitText(unit));
}

int FieldByteLimit(int field) {
    return model::FieldByteLimit(static_cast<model::FormField>(field));
}

bool AcceptsTypedText(const std::string& before, const std::string& after, int limit) {
    return model::AcceptsTypedText(before, after, limit);
}

// A config::SettingsFileCheck: 0 usable, 1 too large, 2 not a settings file.
int CheckSettingsFile(const std::string& bytes) {
    return static_cast<int>(config::CheckSettingsFile(bytes));
}

}  // namespace
}  // namespace kemora::web

EMSCRIPTEN_BINDINGS(kemora_settings) {
    using namespace emscripten;
    using namespace kemora;

    function("SettingsFormOf", &model::SettingsFormOf);
    function("DefaultSettings", &web::DefaultSettings);
    function("PressureUnitText", &web::PressureUnitText);
    function("FieldByteLimit", &web::FieldByteLimit);
    function("AcceptsTypedText", &web::AcceptsTypedText);
    function("CheckSettingsFile", &web::CheckSettingsFile);
    constant("kMaxSettingsFileBytes", static_cast<double>(config::kMaxSettingsFileBytes));
}
