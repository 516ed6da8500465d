#include "mainwindow/csv_text.h"

#include <gtest/gtest.h>

namespace kemora::mainwindow {
namespace {

TEST(CsvText, ByteOrderMarkCommasAndCrLfWithQuotesWhereNeeded) {
    struct Case {
        const char* name;
        std::vector<std::vector<std::string>> rows;
        std::string bytes;
    };
    const Case cases[] = {
        {"no rows", {}, "\xEF\xBB\xBF"},
        {"plain",
         {{"容量 (L)", "圧力 (mmHg)"}, {"300", "31.37707"}},
         "\xEF\xBB\xBF容量 (L),圧力 (mmHg)\r\n300,31.37707\r\n"},
        {"empty fields", {{"", "a", ""}}, "\xEF\xBB\xBF,a,\r\n"},
        {"comma", {{"1,5", "x"}}, "\xEF\xBB\xBF\"1,5\",x\r\n"},
        {"quotes", {{"say \"hi\""}}, "\xEF\xBB\xBF\"say \"\"hi\"\"\"\r\n"},
        {"line breaks", {{"a\r\nb", "c\nd"}}, "\xEF\xBB\xBF\"a\r\nb\",\"c\nd\"\r\n"},
        {"a lone quote is kept inside quotes", {{"\""}}, "\xEF\xBB\xBF\"\"\"\"\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CsvText(c.rows), c.bytes);
    }
}

}  // namespace
}  // namespace kemora::mainwindow
