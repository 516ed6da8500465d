#pragma once
// Rows of texts as a CSV file.

#include <string>
#include <vector>

namespace kemora::mainwindow {

// The bytes of a CSV file that spreadsheet programs in Japan open with the right characters:
// UTF-8 with a byte-order mark, fields separated by commas, every row ended by CR LF. A
// field that holds a comma, a double quote, CR or LF is put in double quotes, its own
// double quotes doubled. The texts are UTF-8; the first row is the header.
[[nodiscard]] std::string CsvText(const std::vector<std::vector<std::string>>& rows);

}  // namespace kemora::mainwindow
