// Loading the settings file: the file a save of the defaults writes, and a 50 MB file of short
// lines whose section holds the eight keys only at its end.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "config/settings_file.h"
#include "model/settings.h"

namespace {

using namespace kemora;
namespace fs = std::filesystem;

// A file of the benchmark's own in the temporary folder, removed when the benchmark ends.
class BenchFile {
  public:
    BenchFile(const std::string& name, const std::string& bytes)
        : m_path(fs::temp_directory_path() /
                 ("kemora-bench-" + std::to_string(::getpid()) + "-" + name)) {
        std::ofstream(m_path, std::ios::binary) << bytes;
    }
    ~BenchFile() {
        std::error_code ignored;
        fs::remove(m_path, ignored);
    }
    BenchFile(const BenchFile&) = delete;
    BenchFile& operator=(const BenchFile&) = delete;
    [[nodiscard]] std::string path() const { return m_path.string(); }

  private:
    fs::path m_path;
};

void Load(benchmark::State& state, const std::string& path) {
    model::ExperimentSettings settings;
    for (auto _ : state) {
        config::LoadSettings(settings, path);
        benchmark::DoNotOptimize(settings);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(fs::file_size(path)));
}

// The 505 bytes that saving the defaults into a new file writes. Goal: at most 20 µs.
void BM_LoadSettingsDefaultFile(benchmark::State& state) {
    model::ExperimentSettings defaults;
    model::SetDefaultSettings(defaults);
    const BenchFile file("default.ini", "");
    if (!config::SaveSettings(defaults, file.path())) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    Load(state, file.path());
}
BENCHMARK(BM_LoadSettingsDefaultFile)->Unit(benchmark::kMicrosecond);

// 50 MB of five-byte lines before the eight keys. Goal: at most 300 ms.
void BM_LoadSettings50MbOfShortLines(benchmark::State& state) {
    constexpr std::size_t kFileBytes = 50'000'000;
    std::string bytes = "[DATA]\r\n";
    bytes.reserve(kFileBytes + 1000);
    while (bytes.size() < kFileBytes) bytes += "a=1\r\n";
    bytes +=
        "temperature=27\r\nmol=2\r\ntemperatureUnit=0\r\npressureUnit=1\r\n"
        "grphWMin=0\r\ngrphWMax=700\r\ngrphHMin=0\r\ngrphHMax=2\r\n";
    const BenchFile file("large.ini", bytes);
    Load(state, file.path());
}
BENCHMARK(BM_LoadSettings50MbOfShortLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
