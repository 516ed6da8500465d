#pragma once
// Code page 932 by tables generated from iconv (src/model/cp932_mapping.inc), for C libraries
// without iconv's "CP932". Gives exactly the bytes and texts of ToCp932 and FromCp932 over
// iconv, replacements included.

#include <string>
#include <string_view>

namespace kemora::model::cp932_table {

[[nodiscard]] std::string Encode(std::string_view utf8);
[[nodiscard]] std::string Decode(std::string_view cp932);

}  // namespace kemora::model::cp932_table
