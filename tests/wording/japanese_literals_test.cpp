#include "japanese_literals.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kemora::wording {
namespace {

namespace fs = std::filesystem;

TEST(FindJapaneseLiterals, FindsJapaneseInEveryKindOfStringLiteralOnly) {
    struct Case {
        const char* name;
        const char* source;
        std::vector<JapaneseLiteral> found;
    };
    const Case cases[] = {
        {"plain literal", "const char* a = \"容量\";", {{1, "容量"}}},
        {"ASCII literal", "const char* a = \"volume\";", {}},
        {"line comment", "int a;  // 容量を設定します\n", {}},
        {"block comment over lines", "/* 容量\n を */ int a = 1;\n\"ｱ\"", {{3, "ｱ"}}},
        {"comment marker inside a literal", "f(\"// 圧力\");", {{1, "// 圧力"}}},
        {"literal marker inside a comment", "// say \"圧力\"\nf();", {}},
        {"escaped quote", R"(f("a\"水\"b");)", {{1, R"(a\"水\"b)"}}},
        {"a quote as a character", R"(c = '"'; s = "水";)", {{1, "水"}}},
        {"character literal", "c = u'水';", {}},
        {"prefixed literals", "a = u8\"水\"; b = L\"x\"; c = U\"エ\";", {{1, "水"}, {1, "エ"}}},
        {"raw literal", "s = R\"(温度\n\"を\")\";", {{1, "温度\n\"を\""}}},
        {"raw literal with a delimiter", "s = u8R\"x(a)\" 温度 )x\";", {{1, "a)\" 温度 "}}},
        {"digit separators are no quotes", "n = 1'000'000; s = \"水\";", {{1, "水"}}},
        {"identifier ending in R", "FOR\"(x)\"; s = \"水\";", {{1, "水"}}},
        {"ideographic space", "s = \"a　b\";", {{1, "a　b"}}},
        {"full-width tilde", "s = \"～\";", {{1, "～"}}},
        {"degree sign is not Japanese", "s = \"°C ℃\";", {}},
        {"unclosed literal ends at the line", "s = \"abc\n\"水\";", {{2, "水"}}},
        {"broken UTF-8", "s = \"\xE6\xB0\";", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindJapaneseLiterals(c.source), c.found);
    }
}

// The toolkit-free core returns values and reasons; every sentence the user reads is worded
// in the Qt layer, where it can be translated.
TEST(CoreSources, HoldNoJapaneseTextInStringLiterals) {
    const fs::path sources = KEMORA_SOURCE_DIR;
    for (const char* folder : {"model", "config", "scenario", "mainwindow"}) {
        SCOPED_TRACE(folder);
        int files = 0;
        for (const fs::directory_entry& entry : fs::directory_iterator(sources / folder)) {
            const fs::path& path = entry.path();
            if (path.extension() != ".h" && path.extension() != ".cpp")
                continue;
            ++files;
            std::ifstream in(path, std::ios::binary);
            std::ostringstream text;
            text << in.rdbuf();
            for (const JapaneseLiteral& literal : FindJapaneseLiterals(text.str()))
                ADD_FAILURE() << path.string() << ":" << literal.line << ": \"" << literal.content
                              << "\" belongs in the Qt layer, through tr()";
        }
        EXPECT_GT(files, 0) << "no sources found in " << (sources / folder).string();
    }
}

}  // namespace
}  // namespace kemora::wording
