#pragma once
// How the printed worksheet's table of plotted states is laid out: blocks of columns side by
// side, rows top to bottom and then on in the next block, and a last line that counts the
// states left out when they do not all fit.

#include <cstddef>

#include "mainwindow/plotted_table.h"

namespace kemora::mainwindow {

inline constexpr double kTableColumnWidth = 21;  // mm
inline constexpr double kTableRowHeight = 4.2;   // mm, the header's and each state's
inline constexpr double kTableBlockGap = 6;      // mm between blocks

// The table in room of `width` × `height` millimetres. Each block repeats the header in its
// first row. Nothing is printed when not even one state's row fits under a header.
struct PrintedTable {
    std::size_t rowsPerBlock = 0;  // rows of states under each header; 0 when none fits
    std::size_t blocks = 0;        // blocks printed, each with its header; at least 1 with room
    RowsOnPage rows;               // the states shown, from the first, and those left out

    // Lines under the headers: a row per shown state, and the note of the left-out ones.
    [[nodiscard]] std::size_t lines() const { return rows.shown + (rows.omitted > 0 ? 1 : 0); }

    friend bool operator==(const PrintedTable&, const PrintedTable&) = default;
};

[[nodiscard]] PrintedTable LayOutPrintedTable(std::size_t stateCount, std::size_t columnCount,
                                              double width, double height);

// Where line `line` of the table goes: its block from the left and its row from the top, the
// header being row 0.
struct TablePlace {
    std::size_t block = 0;
    std::size_t row = 0;

    friend bool operator==(const TablePlace&, const TablePlace&) = default;
};
[[nodiscard]] TablePlace PlaceOfLine(const PrintedTable& table, std::size_t line);

}  // namespace kemora::mainwindow
