// Any bytes as the settings file: loading never fails, and what a save writes loads back to
// the values saved (doubles as their 15-digit text reads) and saves again to the same bytes.
// The view keys beside the experiment's keep their values through saves of either.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "config/file_io.h"
#include "config/settings_file.h"
#include "config/view_settings.h"
#include "model/numbers.h"
#include "scratch_file.h"

namespace {

using kemora::model::ExperimentSettings;

// The value a double has after it was written as text and read back.
double AsWritten(double value) {
    const auto read = kemora::model::ParseNumber(kemora::model::DoubleText(value));
    if (!read)
        std::abort();
    return *read;
}

bool SameDouble(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace kemora;
    const std::string& path = fuzzing::ScratchFilePath();
    fuzzing::PutBytes(path, std::string_view(reinterpret_cast<const char*>(data), size));

    ExperimentSettings loaded;
    config::LoadSettings(loaded, path);
    const config::ViewSettings view = config::LoadViewSettings(path);
    const std::optional<int32_t> zoom = config::LoadZoom(path);
    if (!config::SaveViewSettings(view, path) || (zoom && !config::SaveZoom(*zoom, path)))
        std::abort();
    if (!config::SaveSettings(loaded, path))
        std::abort();
    const auto saved = config::ReadFileBytes(path);

    ExperimentSettings reloaded;
    config::LoadSettings(reloaded, path);
    ExperimentSettings expected = loaded;
    expected.grphHMin = AsWritten(loaded.grphHMin);
    expected.grphHMax = AsWritten(loaded.grphHMax);
    if (reloaded.temperature != expected.temperature || reloaded.mol != expected.mol ||
        reloaded.temperatureUnit != expected.temperatureUnit ||
        reloaded.pressureUnit != expected.pressureUnit || reloaded.grphWMin != expected.grphWMin ||
        reloaded.grphWMax != expected.grphWMax ||
        !SameDouble(reloaded.grphHMin, expected.grphHMin) ||
        !SameDouble(reloaded.grphHMax, expected.grphHMax))
        std::abort();

    if (!config::SaveSettings(reloaded, path) || config::ReadFileBytes(path) != saved)
        std::abort();
    if (config::LoadViewSettings(path) != view || config::LoadZoom(path) != zoom)
        std::abort();
    return 0;
}
