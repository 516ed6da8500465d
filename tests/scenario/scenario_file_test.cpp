#include "scenario/scenario_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "config/file_io.h"
#include "support/child_process.h"
#include "support/posix_system.h"
#include "support/temp_folder.h"
#include "support/unprivileged.h"

namespace kemora::scenario {
namespace {

namespace fs = std::filesystem;

std::string Spaces(std::size_t count) {
    return std::string(count, ' ');
}

template <typename Text>
Text Repeat(const Text& text, std::size_t count) {
    Text result;
    for (std::size_t i = 0; i < count; ++i) result += text;
    return result;
}
std::string Repeat(const char* text, std::size_t count) {
    return Repeat(std::string(text), count);
}
std::u32string Repeat(const char32_t* text, std::size_t count) {
    return Repeat(std::u32string(text), count);
}

// Offset of the first byte in which the two differ, or -1 when they are equal.
long FirstDifference(const std::string& a, const std::string& b) {
    const std::size_t size = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < size; ++i) {
        if (a[i] != b[i])
            return static_cast<long>(i);
    }
    return a.size() == b.size() ? -1 : static_cast<long>(size);
}

// Every slot holds different values, out-of-range kinds and extremes included, so that a
// slot or field read from the wrong place cannot go unnoticed.
Scenario FilledScenario(int32_t stepCount) {
    Scenario scenario;
    scenario.stepCount = stepCount;
    for (std::size_t k = 0; k < kStepSlotCount; ++k) {
        const auto i = static_cast<int32_t>(k);
        ScenarioStep& step = scenario.steps[k];
        step.kind = static_cast<int16_t>(i * 700 - 20000);
        step.value = i * 1000 - 7;
        step.gradual = -i;
        step.mol = i + 1;
        step.temperature = -273.5 + i * 12.125;
        step.temperatureUnit = i % 3;
        step.pressureUnit = INT32_MIN + i;
        step.grphWMin = INT32_MAX - i;
        step.grphWMax = i * i;
        step.grphHMin = -i * i;
        step.grphHMax = 800 + i;
    }
    return scenario;
}

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) bytes += static_cast<char>(v);
    return bytes;
}

std::string TitleBytes(const std::string& bytes) {
    return bytes.substr(0, 30);
}

TEST(ScenarioBytes, EmptyScenarioIsAllZeroBytes) {
    EXPECT_EQ(EncodeScenario(Scenario{}), std::string(kScenarioFileSize, '\0'));
}

TEST(ScenarioBytes, EveryFieldAtItsOffsetLittleEndian) {
    Scenario scenario;
    scenario.stepCount = 0x04030201;
    ScenarioStep& first = scenario.steps[1];
    first.kind = StepInitialSettings;
    first.temperature = 25.0;
    ScenarioStep& last = scenario.steps[50];
    last.kind = 0x0201;
    last.value = 0x06050403;
    last.gradual = -2;
    last.mol = 0x0A090807;
    last.temperature = -2.5;
    last.temperatureUnit = 0x0E0D0C0B;
    last.pressureUnit = 0x1211100F;
    last.grphWMin = INT32_MIN;
    last.grphWMax = INT32_MAX;
    last.grphHMin = 0x16151413;
    last.grphHMax = 0x1A191817;

    std::string expected(kScenarioFileSize, '\0');
    expected.replace(30, 4, Bytes({0x01, 0x02, 0x03, 0x04}));
    // Step 1 starts at byte 80; its temperature lies at 14..21 of the slot.
    expected.replace(80 + 14, 8, Bytes({0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x39, 0x40}));
    // Step 50 starts at byte 2334 and ends with the file.
    expected.replace(2334, 46,
                     Bytes({0x01, 0x02,                                      // kind
                            0x03, 0x04, 0x05, 0x06,                          // value
                            0xFE, 0xFF, 0xFF, 0xFF,                          // gradual
                            0x07, 0x08, 0x09, 0x0A,                          // mol
                            0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0xC0,  // temperature
                            0x0B, 0x0C, 0x0D, 0x0E,                          // temperatureUnit
                            0x0F, 0x10, 0x11, 0x12,                          // pressureUnit
                            0x00, 0x00, 0x00, 0x80,                          // grphWMin
                            0xFF, 0xFF, 0xFF, 0x7F,                          // grphWMax
                            0x13, 0x14, 0x15, 0x16,                          // grphHMin
                            0x17, 0x18, 0x19, 0x1A}));                       // grphHMax
    EXPECT_EQ(FirstDifference(EncodeScenario(scenario), expected), -1);
}

TEST(ScenarioBytes, TitleIsCodePage932CutToThirtyBytesAndFilledWithSpaces) {
    struct Case {
        std::string typed;
        std::string field;
    };
    const Case cases[] = {
        {"実験1", Bytes({0x8E, 0xC0, 0x8C, 0xB1, 0x31}) + Spaces(25)},
        {"", Spaces(30)},
        {Repeat("あ", 16), Repeat("\x82\xA0", 15)},
        // A double-byte character that would end past byte 30 is left out whole.
        {"a" + Repeat("あ", 15), "a" + Repeat("\x82\xA0", 14) + " "},
        {Repeat("a", 29) + "あ", Repeat("a", 29) + " "},
        // Half-width katakana takes one byte.
        {Repeat("a", 29) + "ｱ", Repeat("a", 29) + "\xB1"},
        {"😀é", "??" + Spaces(28)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Scenario scenario;
        AssignTitle(scenario, c.typed);
        EXPECT_EQ(TitleBytes(EncodeScenario(scenario)), c.field);
    }
}

TEST(ScenarioBytes, TitleReadsBackAsThirtyCharacters) {
    struct Case {
        std::string field;
        std::u32string title;
        std::string shown;
    };
    const Case cases[] = {
        {Bytes({0x8E, 0xC0, 0x8C, 0xB1, 0x31}) + Spaces(25), U"実験1" + std::u32string(27, U' '),
         "実験1" + Spaces(27)},
        {std::string(30, '\0'), std::u32string(30, U'\0'), ""},
        {"AB" + std::string(28, '\0'), U"AB" + std::u32string(28, U'\0'), "AB"},
        {Repeat("\x82\xA0", 15), Repeat(U"あ", 15) + std::u32string(15, U' '),
         Repeat("あ", 15) + Spaces(15)},
        // A lead byte without its second byte, and a byte no character uses.
        {Repeat("a", 29) + "\x82", std::u32string(29, U'a') + U"\uFFFD",
         Repeat("a", 29) + "\uFFFD"},
        {"\xA0" + Spaces(29), U"\uFFFD" + std::u32string(29, U' '), "\uFFFD" + Spaces(29)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.field));
        std::string bytes(kScenarioFileSize, '\0');
        bytes.replace(0, 30, c.field);
        Scenario scenario;
        ASSERT_EQ(DecodeScenario(bytes, scenario), ScenarioFileResult::Ok);
        EXPECT_EQ(std::u32string(scenario.title.begin(), scenario.title.end()), c.title);
        EXPECT_EQ(TitleText(scenario), c.shown);
    }
}

TEST(ScenarioBytes, DecodingRefusesBadRecordsAndKeepsTheScenario) {
    struct Case {
        const char* name;
        std::string bytes;
        ScenarioFileResult result;
    };
    const auto withCount = [](std::initializer_list<int> count) {
        std::string bytes(kScenarioFileSize, '\0');
        bytes.replace(30, 4, Bytes(count));
        return bytes;
    };
    const Case cases[] = {
        {"empty", "", ScenarioFileResult::TooShort},
        {"one byte short", std::string(kScenarioFileSize - 1, '\0'), ScenarioFileResult::TooShort},
        {"count -1", withCount({0xFF, 0xFF, 0xFF, 0xFF}), ScenarioFileResult::BadStepCount},
        {"count 51", withCount({51, 0, 0, 0}), ScenarioFileResult::BadStepCount},
        {"count 256", withCount({0, 1, 0, 0}), ScenarioFileResult::BadStepCount},
        {"most negative count", withCount({0, 0, 0, 0x80}), ScenarioFileResult::BadStepCount},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Scenario scenario = FilledScenario(3);
        AssignTitle(scenario, "実験1");
        const Scenario before = scenario;
        EXPECT_EQ(DecodeScenario(c.bytes, scenario), c.result);
        EXPECT_EQ(scenario, before);
    }
}

TEST(ScenarioBytes, DecodingTakesEveryCountFromZeroToFiftyAndAnyStepContent) {
    for (int32_t count : {0, 1, 50}) {
        SCOPED_TRACE(count);
        // FilledScenario holds kinds far outside 0..5 and every other field out of range.
        const Scenario written = FilledScenario(count);
        Scenario read;
        ASSERT_EQ(DecodeScenario(EncodeScenario(written), read), ScenarioFileResult::Ok);
        EXPECT_EQ(read, written);
    }
}

TEST(ScenarioBytes, OnlyTheFirst2380BytesAreRead) {
    Scenario written = FilledScenario(7);
    AssignTitle(written, "長い");
    const std::string bytes = EncodeScenario(written) + std::string(500, '\x33');
    Scenario read;
    ASSERT_EQ(DecodeScenario(bytes, read), ScenarioFileResult::Ok);
    EXPECT_EQ(read, written);
}

class ScenarioFileTest : public testing::Test {
  protected:
    std::string pathOf(const char* name) const { return (folder / name).string(); }
    std::size_t entriesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }
    testing_support::TempFolder tempFolder{"kemora-scenario"};
    const fs::path folder = tempFolder.path();
};

TEST_F(ScenarioFileTest, SavingRightAfterStartWritesAllZeroBytes) {
    const std::string path = pathOf("empty.so2");
    ASSERT_EQ(WriteScenarioFile(Scenario{}, path), ScenarioFileResult::Ok);
    EXPECT_EQ(config::ReadFileBytes(path), std::string(kScenarioFileSize, '\0'));
}

TEST_F(ScenarioFileTest, RoundTripKeepsEveryFieldOfEverySlot) {
    struct Case {
        const char* name;
        bool assignTitle;
        std::string title;
    };
    const Case cases[] = {
        {"never-assigned title", false, ""},
        {"typed title", true, "実験1"},
        {"empty typed title", true, ""},
        {"title filling all 30 bytes", true, "気体 " + Repeat("あ", 12) + "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Three steps of which the last was deleted: slot 3 and up keep their leftovers.
        Scenario written = FilledScenario(2);
        if (c.assignTitle)
            AssignTitle(written, c.title);
        const std::string path = pathOf("round.so2");
        ASSERT_EQ(WriteScenarioFile(written, path), ScenarioFileResult::Ok);
        EXPECT_EQ(fs::file_size(path), kScenarioFileSize);

        Scenario currentScenario = FilledScenario(40);
        AssignTitle(currentScenario, "前のシナリオ");
        ASSERT_EQ(ReadScenarioFile(currentScenario, path), ScenarioFileResult::Ok);
        EXPECT_EQ(currentScenario, written);
        EXPECT_EQ(currentScenario.stepCount, 2);
        EXPECT_EQ(TrimmedTitleText(currentScenario), c.title);
    }
}

TEST_F(ScenarioFileTest, ReadingRefusesBadFilesAndKeepsTheScenario) {
    std::string badCount(kScenarioFileSize, '\0');
    badCount[30] = 51;
    ASSERT_TRUE(config::WriteFileAtomically(pathOf("short.so2"), std::string(2379, '\0')));
    ASSERT_TRUE(config::WriteFileAtomically(pathOf("empty.so2"), ""));
    ASSERT_TRUE(config::WriteFileAtomically(pathOf("count.so2"), badCount));
    fs::create_directories(folder / "folder.so2");
    struct Case {
        const char* name;
        ScenarioFileResult result;
    };
    const Case cases[] = {
        {"missing.so2", ScenarioFileResult::CannotOpen},
        {"folder.so2", ScenarioFileResult::CannotOpen},
        {"short.so2", ScenarioFileResult::TooShort},
        {"empty.so2", ScenarioFileResult::TooShort},
        {"count.so2", ScenarioFileResult::BadStepCount},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Scenario currentScenario = FilledScenario(5);
        AssignTitle(currentScenario, "実験1");
        const Scenario before = currentScenario;
        EXPECT_EQ(ReadScenarioFile(currentScenario, pathOf(c.name)), c.result);
        EXPECT_EQ(currentScenario, before);
    }
    EXPECT_FALSE(fs::exists(pathOf("missing.so2")));
}

// Bytes this process has read from files so far.
long long BytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string name;
    long long value = 0;
    while (io >> name >> value) {
        if (name == "rchar:")
            return value;
    }
    return -1;
}

TEST_F(ScenarioFileTest, ReadingTakesOnlyTheRecordOfAHugeFile) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoProcFileSystem);
    Scenario written = FilledScenario(6);
    AssignTitle(written, "大きなファイル");
    const std::string path = pathOf("huge.so2");
    ASSERT_TRUE(config::WriteFileAtomically(path, EncodeScenario(written)));
    constexpr std::uintmax_t kHugeSize = 256 * 1024 * 1024;  // bytes, sparse on disk
    fs::resize_file(path, kHugeSize);

    Scenario currentScenario;
    const long long before = BytesReadSoFar();
    ASSERT_GE(before, 0);
    EXPECT_EQ(ReadScenarioFile(currentScenario, path), ScenarioFileResult::Ok);
    EXPECT_LT(BytesReadSoFar() - before, 64 * 1024);
    EXPECT_EQ(currentScenario, written);
}

TEST_F(ScenarioFileTest, ReadingRefusesFifosAndDevicesAtOnce) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoSpecialFiles);
    ASSERT_EQ(::mkfifo(pathOf("pipe.so2").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", folder / "zero.so2");
    for (const char* name : {"pipe.so2", "zero.so2"}) {
        SCOPED_TRACE(name);
        const std::string path = pathOf(name);
        EXPECT_TRUE(testing_support::RunInChild(
            [&] {
                Scenario currentScenario = FilledScenario(3);
                const Scenario before = currentScenario;
                return ReadScenarioFile(currentScenario, path) == ScenarioFileResult::CannotOpen &&
                       currentScenario == before;
            },
            5));
    }
}

TEST_F(ScenarioFileTest, ReadOnlyFileOfTheUsersOwnIsNotSavedOver) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoUsers);
    // The owner saves; when the tests run as root that is nobody, in a folder it may write into.
    fs::permissions(folder, fs::perms::all);
    const std::string path = pathOf("kept.so2");
    Scenario old = FilledScenario(3);
    AssignTitle(old, "元のシナリオ");
    EXPECT_TRUE(testing_support::RunUnprivileged([&] {
        if (WriteScenarioFile(old, path) != ScenarioFileResult::Ok)
            return false;
        fs::permissions(path, fs::perms::owner_read);
        return WriteScenarioFile(FilledScenario(9), path) == ScenarioFileResult::CannotWrite;
    }));
    Scenario currentScenario;
    ASSERT_EQ(ReadScenarioFile(currentScenario, path), ScenarioFileResult::Ok);
    EXPECT_EQ(currentScenario, old);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read);
    EXPECT_EQ(entriesInFolder(), 1u);
}

TEST_F(ScenarioFileTest, WritingOverALongerFileLeavesExactly2380Bytes) {
    const std::string path = pathOf("long.so2");
    ASSERT_TRUE(config::WriteFileAtomically(path, std::string(5000, 'x')));
    Scenario scenario = FilledScenario(4);
    AssignTitle(scenario, "上書き");
    ASSERT_EQ(WriteScenarioFile(scenario, path), ScenarioFileResult::Ok);
    EXPECT_EQ(config::ReadFileBytes(path), EncodeScenario(scenario));
    EXPECT_EQ(entriesInFolder(), 1u);
}

TEST_F(ScenarioFileTest, FailedWriteKeepsTheFileThatWasThere) {
    KEMORA_SKIP_WITHOUT_POSIX(testing_support::kNoUsers);
    Scenario old = FilledScenario(3);
    AssignTitle(old, "元のシナリオ");
    const std::string path = pathOf("keep.so2");
    ASSERT_EQ(WriteScenarioFile(old, path), ScenarioFileResult::Ok);
    fs::permissions(path, fs::perms::all);
    // A folder nobody may write into, its owner included: the new file cannot be put in place.
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    const Scenario replacement = FilledScenario(9);
    EXPECT_TRUE(testing_support::RunUnprivileged(
        [&] { return WriteScenarioFile(replacement, path) == ScenarioFileResult::CannotWrite; }));
    Scenario currentScenario;
    ASSERT_EQ(ReadScenarioFile(currentScenario, path), ScenarioFileResult::Ok);
    EXPECT_EQ(currentScenario, old);
    EXPECT_EQ(entriesInFolder(), 1u);
}

TEST_F(ScenarioFileTest, WritingWhereNoFileCanBeFails) {
    fs::create_directories(folder / "taken.so2" / "inside");
    EXPECT_EQ(WriteScenarioFile(Scenario{}, pathOf("taken.so2")), ScenarioFileResult::CannotWrite);
    EXPECT_TRUE(fs::is_directory(folder / "taken.so2" / "inside"));
    EXPECT_EQ(WriteScenarioFile(Scenario{}, pathOf("no/such/folder.so2")),
              ScenarioFileResult::CannotWrite);
    EXPECT_EQ(entriesInFolder(), 1u);
}

TEST(WithScenarioExtension, AddsTheExtensionOnlyWhereTheNameHasNone) {
    struct Case {
        const char* typed;
        const char* saved;
    };
    const Case cases[] = {
        {"/home/t/lesson", "/home/t/lesson.so2"},
        {"/home/t/lesson.so2", "/home/t/lesson.so2"},
        {"/home/t/lesson.SO2", "/home/t/lesson.SO2"},
        {"/home/t/lesson.txt", "/home/t/lesson.txt"},
        {"/home/t/v1.2/lesson", "/home/t/v1.2/lesson.so2"},
        {"/home/t/.lesson", "/home/t/.lesson.so2"},
        {"/home/t/lesson.", "/home/t/lesson.so2"},
        {"lesson", "lesson.so2"},
        {"実験１", "実験１.so2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(WithScenarioExtension(c.typed), c.saved);
    }
}

}  // namespace
}  // namespace kemora::scenario
