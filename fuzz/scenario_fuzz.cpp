// Any bytes as a scenario file: the decoder and the file reader agree, a refused record
// leaves the scenario alone, and an accepted one encodes back to its bytes (the title once it
// went through code page 932 a first time).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "scenario/scenario_file.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace kemora::scenario;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string untouched = EncodeScenario(Scenario{});

    Scenario decoded;
    const ScenarioFileResult result = DecodeScenario(bytes, decoded);

    const std::string& path = kemora::fuzzing::ScratchFilePath();
    kemora::fuzzing::PutBytes(path, bytes);
    Scenario read;
    if (ReadScenarioFile(read, path) != result || EncodeScenario(read) != EncodeScenario(decoded))
        std::abort();

    if (result != ScenarioFileResult::Ok) {
        if (EncodeScenario(decoded) != untouched)
            std::abort();
        return 0;
    }
    constexpr std::size_t kTitleBytes = kStepsOffset - 4;
    const std::string encoded = EncodeScenario(decoded);
    if (encoded.size() != kScenarioFileSize ||
        encoded.substr(kTitleBytes) != bytes.substr(kTitleBytes, kScenarioFileSize - kTitleBytes))
        std::abort();
    Scenario again;
    if (DecodeScenario(encoded, again) != ScenarioFileResult::Ok ||
        EncodeScenario(again) != encoded)
        std::abort();
    return 0;
}
