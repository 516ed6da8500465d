#include "dialogs/system_info.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fakes.h"
#include "support/temp_folder.h"

namespace kemora::dialogs {
namespace {

namespace fs = std::filesystem;
using fakes::FakeLauncher;
using fakes::FakeRegistry;

const std::string kKey = "SOFTWARE\\Test";

// --- GetKeyValue ---------------------------------------------------------------------------

struct ReadCase {
    const char* name;
    uint32_t type;
    std::string stored;
    std::string expected;
};

TEST(GetKeyValue, TurnsTheStoredBytesIntoText) {
    using namespace std::string_literals;
    const ReadCase cases[] = {
        {"text with its NUL", kRegTypeText, "/usr/bin/tool\0"s, "/usr/bin/tool"},
        {"text without a NUL", kRegTypeText, "/usr/bin/tool", "/usr/bin/tool"},
        {"only the last NUL goes", kRegTypeText, "ab\0\0"s, "ab\0"s},
        {"a NUL inside stays", kRegTypeText, "a\0b"s, "a\0b"s},
        {"empty value", kRegTypeText, "", ""},
        {"a lone NUL", kRegTypeText, "\0"s, ""},
        {"a value filling the buffer", kRegTypeText, std::string(kValueBufferSize, 'x'),
         std::string(kValueBufferSize, 'x')},
        {"number", kRegTypeNumber32, "\x78\x56\x34\x12", "&h12345678"},
        {"small number, high bytes zero", kRegTypeNumber32, "\x05\0\0\0"s, "&h5"},
        {"zero", kRegTypeNumber32, "\0\0\0\0"s, "&h0"},
        {"largest number", kRegTypeNumber32, "\xFF\xFF\xFF\xFF", "&hFFFFFFFF"},
        {"zero bytes inside the number", kRegTypeNumber32, "\0\0\xAB\0"s, "&hAB0000"},
        {"binary leaves the text", 3, "xyz", "before"},
        {"expandable text leaves the text", 2, "abc\0"s, "before"},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRegistry registry;
        registry.setValue(kHkeyLocalMachine, kKey, "Name", c.type, c.stored);
        std::string keyVal = "before";
        EXPECT_TRUE(GetKeyValue(registry, kHkeyLocalMachine, kKey, "Name", keyVal));
        EXPECT_EQ(keyVal, c.expected);
        EXPECT_TRUE(registry.allKeysClosed());
        EXPECT_FALSE(registry.misused);
    }
}

TEST(GetKeyValue, OpensTheKeyAsTheToolRegistrationExpects) {
    FakeRegistry registry;
    registry.setValue(0x80000001, kKey, "Name", kRegTypeText, "x");
    std::string keyVal;
    ASSERT_TRUE(GetKeyValue(registry, 0x80000001, kKey, "Name", keyVal));
    ASSERT_EQ(registry.openCalls.size(), 1u);
    EXPECT_EQ(registry.openCalls[0].keyRoot, 0x80000001u);
    EXPECT_EQ(registry.openCalls[0].keyName, kKey);
    EXPECT_EQ(registry.openCalls[0].options, 0u);
    EXPECT_EQ(registry.openCalls[0].accessMask, 0x2003Fu);
}

TEST(GetKeyValue, FailsWithEmptyTextAndClosesWhatItOpened) {
    struct FailCase {
        const char* name;
        bool keyExists;
        std::string stored;  // under "Other" when the key exists
    };
    const FailCase cases[] = {
        {"missing key", false, ""},
        {"missing value", true, ""},
        {"value longer than the buffer", true, std::string(kValueBufferSize + 1, 'x')},
    };
    for (const FailCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRegistry registry;
        if (c.keyExists)
            registry.addKey(kHkeyLocalMachine, kKey);
        if (!c.stored.empty()) {
            registry.setValue(kHkeyLocalMachine, kKey, "Name", kRegTypeText, c.stored);
        }
        std::string keyVal = "before";
        EXPECT_FALSE(GetKeyValue(registry, kHkeyLocalMachine, kKey, "Name", keyVal));
        EXPECT_EQ(keyVal, "");
        EXPECT_TRUE(registry.allKeysClosed());
        EXPECT_FALSE(registry.misused);
    }
}

TEST(GetKeyValue, ReadsNoFurtherThanTheBufferWhenTheSizeIsOverstated) {
    FakeRegistry registry;
    registry.setValue(kHkeyLocalMachine, kKey, "Name", kRegTypeText, "abc");
    registry.overstateSizesBy(5000);
    std::string keyVal;
    EXPECT_TRUE(GetKeyValue(registry, kHkeyLocalMachine, kKey, "Name", keyVal));
    EXPECT_EQ(keyVal.size(), kValueBufferSize - 1);  // the buffer less its last NUL
    EXPECT_EQ(keyVal.substr(0, 4), std::string("abc\0", 4));
    EXPECT_TRUE(registry.allKeysClosed());
}

// --- StartSysInfo --------------------------------------------------------------------------

class StartSysInfoTest : public ::testing::Test {
  protected:
    void registerProgram(const std::string& program) {
        registry.setValue(kHkeyLocalMachine, std::string(kSysInfoKey), "PATH", kRegTypeText,
                          program + '\0');
    }
    void registerSharedTools(const std::string& sharedFolder) {
        registry.setValue(kHkeyLocalMachine, std::string(kSharedToolsKey), "MSINFO", kRegTypeText,
                          sharedFolder + '\0');
    }
    void expectNothingLeftOpen() const {
        EXPECT_TRUE(registry.allKeysClosed());
        EXPECT_FALSE(registry.misused);
    }

    testing_support::TempFolder tempFolder{"kemora-sysinfo"};
    const fs::path folder = tempFolder.path();
    FakeRegistry registry;
    FakeLauncher launcher;
};

TEST_F(StartSysInfoTest, StartsTheProgramOfTheFirstKey) {
    registerProgram("/opt/tools/sysinfo");
    registerSharedTools(folder.string());
    std::ofstream(folder / "MSINFO32.EXE") << "x";
    EXPECT_EQ(StartSysInfo(registry, launcher), SysInfoStart::Started);
    EXPECT_EQ(launcher.started, std::vector<std::string>{"/opt/tools/sysinfo"});
    expectNothingLeftOpen();
}

TEST_F(StartSysInfoTest, IsUnavailableWhenNeitherKeyIsFound) {
    EXPECT_EQ(StartSysInfo(registry, launcher), SysInfoStart::Unavailable);
    EXPECT_TRUE(launcher.started.empty());
    ASSERT_EQ(registry.openCalls.size(), 2u);
    EXPECT_EQ(registry.openCalls[0].keyName, kSysInfoKey);
    EXPECT_EQ(registry.openCalls[1].keyName, kSharedToolsKey);
}

TEST_F(StartSysInfoTest, IsUnavailableWhenTheSharedFolderLacksTheToolsFile) {
    registerSharedTools(folder.string());
    fs::create_directory(folder / "MSINFO32.EXE.d");
    EXPECT_EQ(StartSysInfo(registry, launcher), SysInfoStart::Unavailable);
    EXPECT_TRUE(launcher.started.empty());

    // A folder of that name is not the tool either.
    fs::create_directory(folder / "MSINFO32.EXE");
    EXPECT_EQ(StartSysInfo(registry, launcher), SysInfoStart::Unavailable);
    EXPECT_TRUE(launcher.started.empty());
    expectNothingLeftOpen();
}

TEST_F(StartSysInfoTest, StartsTheToolsFileOfTheSharedFolder) {
    registerSharedTools(folder.string());
    std::ofstream(folder / "MSINFO32.EXE") << "x";
    EXPECT_EQ(StartSysInfo(registry, launcher), SysInfoStart::Started);
    EXPECT_EQ(launcher.started, std::vector<std::string>{folder.string() + "/MSINFO32.EXE"});
    expectNothingLeftOpen();
}

TEST_F(StartSysInfoTest, AStartThatFailsMakesItUnavailable) {
    launcher.succeeds = false;
    registerProgram("/opt/tools/sysinfo");
    EXPECT_EQ(StartSysInfo(registry, launcher), SysInfoStart::Unavailable);
    EXPECT_EQ(launcher.started.size(), 1u);

    registry = FakeRegistry();
    launcher.started.clear();
    registerSharedTools(folder.string());
    std::ofstream(folder / "MSINFO32.EXE") << "x";
    EXPECT_EQ(StartSysInfo(registry, launcher), SysInfoStart::Unavailable);
    EXPECT_EQ(launcher.started.size(), 1u);
}

TEST_F(StartSysInfoTest, AFirstKeyThatNamesNoProgramStartsNothing) {
    // A value of another type leaves the text empty.
    registry.setValue(kHkeyLocalMachine, std::string(kSysInfoKey), "PATH", 3, "ignored");
    EXPECT_EQ(StartSysInfo(registry, launcher), SysInfoStart::Unavailable);
    // A NUL inside would cut the program's name short.
    registerProgram(std::string("/opt/tools/sys\0info", 19));
    EXPECT_EQ(StartSysInfo(registry, launcher), SysInfoStart::Unavailable);
    EXPECT_TRUE(launcher.started.empty());
    expectNothingLeftOpen();
}

// --- The search-path registry --------------------------------------------------------------

class PathRegistryTest : public StartSysInfoTest {
  protected:
    // Makes a file `name` in the subfolder `sub` with the given permissions; returns its path.
    std::string makeFile(const std::string& sub, std::string_view name,
                         fs::perms permissions = fs::perms::owner_all) {
        fs::create_directories(folder / sub);
        const fs::path path = folder / sub / name;
        std::ofstream(path) << "#!/bin/sh\n";
        fs::permissions(path, permissions);
        return path.string();
    }
    std::string dir(const std::string& sub) const { return (folder / sub).string(); }
};

TEST_F(PathRegistryTest, FindsTheFirstToolOfTheListOnTheSearchPath) {
    const std::string_view first = kSystemInfoTools[0];
    const std::string_view second = kSystemInfoTools[1];
    const std::string inA = makeFile("a", second);
    const std::string firstInB = makeFile("b", first);
    makeFile("c", first);
    // The order of the list decides before the order of the folders.
    EXPECT_EQ(FindSystemInfoTool(dir("a") + ":" + dir("b") + ":" + dir("c")), firstInB);
    EXPECT_EQ(FindSystemInfoTool(dir("a")), inA);
    EXPECT_EQ(FindSystemInfoTool(dir("a") + ":"), inA);
    EXPECT_EQ(FindSystemInfoTool(""), std::nullopt);
    EXPECT_EQ(FindSystemInfoTool(dir("empty-missing")), std::nullopt);
}

TEST_F(PathRegistryTest, SkipsWhatCannotBeRun) {
    const std::string_view tool = kSystemInfoTools[0];
    makeFile("plain", tool, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_directories(folder / "folder" / tool);
    const std::string runnable = makeFile("runnable", tool);
    EXPECT_EQ(FindSystemInfoTool(dir("plain") + ":" + dir("folder") + ":" + dir("runnable")),
              runnable);
    EXPECT_EQ(FindSystemInfoTool(dir("plain") + ":" + dir("folder")), std::nullopt);
}

TEST_F(PathRegistryTest, IgnoresEmptyAndRelativeFolders) {
    makeFile("rel", kSystemInfoTools[0]);
    makeFile("", kSystemInfoTools[0]);
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    const std::optional<std::string> found = FindSystemInfoTool(":rel:./rel::.");
    fs::current_path(before);
    EXPECT_EQ(found, std::nullopt);
}

TEST_F(PathRegistryTest, AnswersOnlyTheSystemInformationKey) {
    const std::string tool = makeFile("bin", kSystemInfoTools[2]);
    PathRegistry pathRegistry(dir("bin"));
    std::string keyVal;
    EXPECT_TRUE(GetKeyValue(pathRegistry, kHkeyLocalMachine, kSysInfoKey, kSysInfoValue, keyVal));
    EXPECT_EQ(keyVal, tool);
    // Registry names ignore case.
    keyVal.clear();
    EXPECT_TRUE(GetKeyValue(pathRegistry, kHkeyLocalMachine,
                            "software\\microsoft\\shared tools\\msinfo", "path", keyVal));
    EXPECT_EQ(keyVal, tool);

    EXPECT_FALSE(
        GetKeyValue(pathRegistry, kHkeyLocalMachine, kSharedToolsKey, kSharedToolsValue, keyVal));
    EXPECT_FALSE(GetKeyValue(pathRegistry, 0x80000001, kSysInfoKey, kSysInfoValue, keyVal));
    EXPECT_FALSE(GetKeyValue(pathRegistry, kHkeyLocalMachine, kSysInfoKey, "Other", keyVal));
    EXPECT_FALSE(GetKeyValue(pathRegistry, kHkeyLocalMachine, std::string(kSysInfoKey) + "X",
                             kSysInfoValue, keyVal));

    PathRegistry withoutTool(dir("nothing-here"));
    EXPECT_FALSE(GetKeyValue(withoutTool, kHkeyLocalMachine, kSysInfoKey, kSysInfoValue, keyVal));
}

TEST_F(PathRegistryTest, TheButtonStartsTheToolFoundOnTheSearchPath) {
    const std::string tool = makeFile("bin", kSystemInfoTools[4]);
    PathRegistry pathRegistry(dir("other") + ":" + dir("bin"));
    EXPECT_EQ(StartSysInfo(pathRegistry, launcher), SysInfoStart::Started);
    EXPECT_EQ(launcher.started, std::vector<std::string>{tool});

    launcher.started.clear();
    PathRegistry withoutTool(dir("other"));
    EXPECT_EQ(StartSysInfo(withoutTool, launcher), SysInfoStart::Unavailable);
    EXPECT_TRUE(launcher.started.empty());
}

}  // namespace
}  // namespace kemora::dialogs
