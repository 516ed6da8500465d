#include "mainwindow/printed_table.h"

#include <gtest/gtest.h>

namespace kemora::mainwindow {
namespace {

// Blocks of 21 mm per column, 6 mm apart; rows of 4.2 mm, the first one the header's.
TEST(PrintedTable, BlocksSideBySideAndANoteForTheRest) {
    struct Case {
        const char* name;
        std::size_t states;
        std::size_t columns;
        double width;   // mm
        double height;  // mm
        PrintedTable table;
    };
    const Case cases[] = {
        // 50 mm: the header and 10 rows (11 × 4.2 = 46.2, 12 × 4.2 = 50.4).
        {"all fit in one block", 7, 3, 140, 50, {10, 1, {7, 0}}},
        // Three columns take 63 mm; two blocks need 63 + 6 + 63 = 132 mm.
        {"the second block begins", 12, 3, 140, 50, {10, 2, {12, 0}}},
        {"exactly two blocks full", 20, 3, 140, 50, {10, 2, {20, 0}}},
        {"one too many: the last line counts the rest", 21, 3, 140, 50, {10, 2, {19, 2}}},
        {"131 mm holds one block only", 21, 3, 131, 50, {10, 1, {9, 12}}},
        // Six columns take 126 mm, wider than the room: one block all the same.
        {"a block wider than the room", 4, 6, 100, 50, {10, 1, {4, 0}}},
        {"no states: a header", 0, 3, 140, 50, {10, 1, {0, 0}}},
        {"room for the header alone", 5, 3, 140, 8, {0, 0, {0, 0}}},
        {"no room", 5, 3, 140, -3, {0, 0, {0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LayOutPrintedTable(c.states, c.columns, c.width, c.height), c.table);
    }
}

TEST(PrintedTable, LinesFillABlockTopDownThenTheNext) {
    const PrintedTable table = LayOutPrintedTable(21, 3, 140, 50);  // 10 rows a block
    struct Case {
        std::size_t line;
        TablePlace place;
    };
    const Case cases[] = {{0, {0, 1}}, {9, {0, 10}}, {10, {1, 1}}, {19, {1, 10}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(PlaceOfLine(table, c.line), c.place);
    }
    EXPECT_EQ(table.lines(), 20u);  // 19 states and the note of the 2 others
}

}  // namespace
}  // namespace kemora::mainwindow
