#pragma once
// Rows of texts as a CSV file.

#include <string>
#include <vector>

#include "mainwindow/plotted_table.h"

namespace kemora::mainwindow {

// The bytes of a CSV file that spreadsheet programs in Japan open with the right characters:
// UTF-8 with a byte-order mark, fields separated by commas, every row ended by CR LF. A
// field that holds a comma, a double quote, CR or LF is put in double quotes, its own
// double quotes doubled. The texts are UTF-8; the first row is the header.
[[nodiscard]] std::string CsvText(const std::vector<std::vector<std::string>>& rows);

// The plotted states as a CSV file: a header row, then a row per state, in every column of
// kAllColumns in that order, in the newest state's units, pressures with all their computed
// digits. `current` stands for the states when there are none.
[[nodiscard]] std::string PlottedStatesCsv(const std::vector<PlottedState>& states,
                                           const model::Experiment& current,
                                           const TableWords& words);

}  // namespace kemora::mainwindow
