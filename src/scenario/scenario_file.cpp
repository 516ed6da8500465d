#include "scenario/scenario_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "config/file_io.h"
#include "model/cp932.h"
#include "scenario/bit_cast.h"

namespace kemora::scenario {
namespace {

constexpr std::size_t kStepCountOffset = 30;

static_assert(kStepsOffset == kStepCountOffset + 4);
static_assert(kScenarioFileSize == kStepsOffset + kStepSlotCount * kStepRecordSize);

// Little-endian writing into a buffer of the final size.
class Writer {
  public:
    explicit Writer(std::string& bytes) : m_bytes(bytes) {}
    void seek(std::size_t offset) { m_offset = offset; }
    void unsignedBytes(uint64_t value, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) {
            m_bytes[m_offset++] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    }
    void int16(int16_t value) { unsignedBytes(static_cast<uint16_t>(value), 2); }
    void int32(int32_t value) { unsignedBytes(static_cast<uint32_t>(value), 4); }
    void float64(double value) { unsignedBytes(bit_cast<uint64_t>(value), 8); }

  private:
    std::string& m_bytes;
    std::size_t m_offset = 0;
};

// Little-endian reading from a record known to hold 2380 bytes.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}
    void seek(std::size_t offset) { m_offset = offset; }
    uint64_t unsignedBytes(std::size_t size) {
        uint64_t value = 0;
        for (std::size_t i = 0; i < size; ++i) {
            value |= uint64_t{static_cast<unsigned char>(m_bytes[m_offset++])} << (8 * i);
        }
        return value;
    }
    int16_t int16() { return static_cast<int16_t>(static_cast<uint16_t>(unsignedBytes(2))); }
    int32_t int32() { return static_cast<int32_t>(static_cast<uint32_t>(unsignedBytes(4))); }
    double float64() { return bit_cast<double>(unsignedBytes(8)); }

  private:
    std::string_view m_bytes;
    std::size_t m_offset = 0;
};

// The title in code page 932, cut to 30 bytes without splitting a double-byte character and
// filled with spaces. A never-assigned title's NULs become zero bytes.
std::string EncodeTitle(const Scenario& scenario) {
    const std::string encoded = model::ToCp932(
        EncodeUtf8(std::u32string_view(scenario.title.data(), scenario.title.size())));
    std::size_t kept = 0;
    while (kept < encoded.size()) {
        const bool doubleByte = model::IsCp932LeadByte(static_cast<uint8_t>(encoded[kept]));
        const std::size_t next = kept + (doubleByte ? 2 : 1);
        if (next > kTitleBytes || next > encoded.size())
            break;
        kept = next;
    }
    std::string field = encoded.substr(0, kept);
    field.resize(kTitleBytes, ' ');
    return field;
}

// Zero bytes come back as NULs, bytes that are no code page 932 as U+FFFD; the result is
// cut or filled with spaces to exactly 30 characters.
std::array<char32_t, kTitleLength> DecodeTitle(std::string_view field) {
    const std::u32string text = DecodeUtf8(model::FromCp932(field));
    std::array<char32_t, kTitleLength> title{};
    title.fill(U' ');
    std::copy_n(text.begin(), std::min(text.size(), kTitleLength), title.begin());
    return title;
}

}  // namespace

std::string EncodeScenario(const Scenario& scenario) {
    std::string bytes(kScenarioFileSize, '\0');
    const std::string title = EncodeTitle(scenario);
    std::copy(title.begin(), title.end(), bytes.begin());
    Writer writer(bytes);
    writer.seek(kStepCountOffset);
    writer.int32(scenario.stepCount);
    for (std::size_t k = 0; k < kStepSlotCount; ++k) {
        const ScenarioStep& step = scenario.steps[k];
        writer.seek(kStepsOffset + k * kStepRecordSize);
        writer.int16(step.kind);
        writer.int32(step.value);
        writer.int32(step.gradual);
        writer.int32(step.mol);
        writer.float64(step.temperature);
        writer.int32(step.temperatureUnit);
        writer.int32(step.pressureUnit);
        writer.int32(step.grphWMin);
        writer.int32(step.grphWMax);
        writer.int32(step.grphHMin);
        writer.int32(step.grphHMax);
    }
    return bytes;
}

ScenarioFileResult DecodeScenario(std::string_view bytes, Scenario& scenario) {
    if (bytes.size() < kScenarioFileSize)
        return ScenarioFileResult::TooShort;
    Reader reader(bytes);
    reader.seek(kStepCountOffset);
    const int32_t stepCount = reader.int32();
    if (stepCount < 0 || stepCount > kMaxStepCount)
        return ScenarioFileResult::BadStepCount;

    Scenario decoded;
    decoded.title = DecodeTitle(bytes.substr(0, kTitleBytes));
    decoded.stepCount = stepCount;
    for (std::size_t k = 0; k < kStepSlotCount; ++k) {
        ScenarioStep& step = decoded.steps[k];
        reader.seek(kStepsOffset + k * kStepRecordSize);
        step.kind = reader.int16();
        step.value = reader.int32();
        step.gradual = reader.int32();
        step.mol = reader.int32();
        step.temperature = reader.float64();
        step.temperatureUnit = reader.int32();
        step.pressureUnit = reader.int32();
        step.grphWMin = reader.int32();
        step.grphWMax = reader.int32();
        step.grphHMin = reader.int32();
        step.grphHMax = reader.int32();
    }
    scenario = decoded;
    return ScenarioFileResult::Ok;
}

ScenarioFileResult WriteScenarioFile(const Scenario& currentScenario, const std::string& path) {
    return config::WriteFileAtomically(path, EncodeScenario(currentScenario))
               ? ScenarioFileResult::Ok
               : ScenarioFileResult::CannotWrite;
}

ScenarioFileResult ReadScenarioFile(Scenario& currentScenario, const std::string& path) {
    // Bytes past the record count for nothing, however many there are.
    const std::optional<std::string> bytes = config::ReadFilePrefix(path, kScenarioFileSize);
    if (!bytes)
        return ScenarioFileResult::CannotOpen;
    return DecodeScenario(*bytes, currentScenario);
}

std::string WithScenarioExtension(std::string_view path) {
    const std::size_t nameStart = path.rfind('/') + 1;  // 0 without a folder
    const std::string_view name = path.substr(nameStart);
    const std::size_t dot = name.rfind('.');
    std::string named(path);
    if (dot == std::string_view::npos || dot == 0)
        return named += kScenarioExtension;
    if (dot + 1 == name.size())
        return named += kScenarioExtension.substr(1);
    return named;
}

}  // namespace kemora::scenario
