// A text as a JSON string, for the desktop tools whose output the browser tests read.
#pragma once

#include <string>
#include <string_view>

namespace kemora::testing_support {

inline std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

}  // namespace kemora::testing_support
