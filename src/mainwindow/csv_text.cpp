#include "mainwindow/csv_text.h"

#include <string_view>

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
