#include "mainwindow/csv_text.h"

#include <string_view>
#include <utility>

namespace kemora::mainwindow {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void AppendField(std::string& text, const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        text += field;
        return;
    }
    text += '"';
    for (char c : field) {
        if (c == '"')
            text += '"';
        text += c;
    }
    text += '"';
}

}  // namespace

std::string PlottedStatesCsv(const std::vector<PlottedState>& states,
                             const model::Experiment& current, const TableWords& words) {
    const TableSummary summary = SummarizeStates(states, current);
    const std::vector<TableColumn> columns(kAllColumns.begin(), kAllColumns.end());
    std::vector<std::vector<std::string>> rows{{}};
    for (TableColumn column : columns) rows.front().push_back(TableHeader(column, summary, words));
    for (std::vector<std::string>& row :
         TableRows(states, columns, summary, PressureDigits::AsComputed, words)) {
        rows.push_back(std::move(row));
    }
    return CsvText(rows);
}

std::string CsvText(const std::vector<std::vector<std::string>>& rows) {
    std::string text(kByteOrderMark);
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += ',';
            AppendField(text, row[i]);
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace kemora::mainwindow
