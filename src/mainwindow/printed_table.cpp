#include "mainwindow/printed_table.h"

#include <algorithm>
#include <cmath>

namespace kemora::mainwindow {
namespace {

// A count of whole things, from their number as a fraction; none for a number that is not
// at least 1 (NaN included).
std::size_t WholeCount(double fits) {
    fits = std::floor(fits);
    if (!(fits >= 1))
        return 0;
    // Far beyond any page; keeps the conversion defined.
    return static_cast<std::size_t>(std::min(fits, 1e6));
}

}  // namespace

PrintedTable LayOutPrintedTable(std::size_t stateCount, std::size_t columnCount, double width,
                                double height) {
    PrintedTable table;
    // The header takes the first row of the height.
    table.rowsPerBlock = WholeCount(height / kTableRowHeight - 1);
    if (table.rowsPerBlock == 0)
        return table;
    const double blockWidth = kTableColumnWidth * static_cast<double>(columnCount);
    // A block narrower than the room is printed all the same, cut at its right.
    const std::size_t across = std::max<std::size_t>(
        1, WholeCount((width + kTableBlockGap) / (blockWidth + kTableBlockGap)));
    table.rows = FitRows(stateCount, across * table.rowsPerBlock);
    table.blocks =
        std::max<std::size_t>(1, (table.lines() + table.rowsPerBlock - 1) / table.rowsPerBlock);
    return table;
}

TablePlace PlaceOfLine(const PrintedTable& table, std::size_t line) {
    if (table.rowsPerBlock == 0)
        return {};
    return {line / table.rowsPerBlock, line % table.rowsPerBlock + 1};
}

}  // namespace kemora::mainwindow
