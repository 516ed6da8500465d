// The scenario editor's part of the JavaScript face: the title as the editor shows it, what
// its fields let the user type, the texts its first page starts from, and the name a saved
// scenario gets.
#include <emscripten/bind.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "model/cp932.h"
#include "model/settings_form.h"
#include "scenario/scenario.h"
#include "scenario/scenario_file.h"
#include "web/main_window.h"

namespace kemora::web {
namespace {

// The title as held, trailing spaces kept, up to its first NUL.
std::string ScenarioTitleText(const MainWindow& window) {
    return scenario::TitleText(window.currentScenario());
}

// The title as a loaded file shows it: no spaces at either end.
std::string ScenarioTrimmedTitle(const MainWindow& window) {
    return scenario::TrimmedTitleText(window.currentScenario());
}

// The code page 932 bytes the user may type into the editor's field `id` (its element id);
// 0 for no limit.
int32_t SinarioByteLimit(std::string_view id) {
    struct Limit {
        std::string_view id;
        model::FormField field;
    };
    static constexpr Limit kFields[] = {
        {"txtMol", model::FormField::Mol},
        {"txtContainer", model::FormField::Temperature},
        {"txtGrphWMin", model::FormField::VolumeMin},
        {"txtGrphWMax", model::FormField::VolumeMax},
        {"txtPressWMin", model::FormField::PressureMin},
        {"txtPressWMax", model::FormField::PressureMax},
        {"txtTemp", model::FormField::Volume},
    };
    if (id == "txtTTl")
        return static_cast<int32_t>(scenario::kTitleBytes);
    for (const Limit& limit : kFields) {
        if (limit.id == id)
            return model::FieldByteLimit(limit.field);
    }
    return 0;
}

// Whether `text` fits the limit of the editor's field `id`.
bool SinarioTextFits(const std::string& id, const std::string& text) {
    const int32_t limit = SinarioByteLimit(id);
    return limit <= 0 || model::Cp932Length(text) <= static_cast<std::size_t>(limit);
}

std::string WithScenarioExtension(const std::string& name) {
    return scenario::WithScenarioExtension(name);
}

}  // namespace
}  // namespace kemora::web

EMSCRIPTEN_BINDINGS(kemora_scenario) {
    using namespace emscripten;
    using namespace kemora;

    function("ScenarioTitleText", &web::ScenarioTitleText);
    function("ScenarioTrimmedTitle", &web::ScenarioTrimmedTitle);
    function("SinarioTextFits", &web::SinarioTextFits);
    function("WithScenarioExtension", &web::WithScenarioExtension);
    constant("kMaxStepCount", scenario::kMaxStepCount);
}
