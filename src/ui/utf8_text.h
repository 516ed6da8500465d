#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kemora::ui {

// The core keeps its texts in UTF-8; the Qt layer converts them where they meet its widgets.
inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

}  // namespace kemora::ui
