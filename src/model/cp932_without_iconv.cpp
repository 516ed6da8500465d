// Code page 932 for C libraries without iconv's "CP932": the generated tables.
#include "model/cp932.h"

#include "model/cp932_table.h"

namespace kemora::model {

std::string ToCp932(std::string_view utf8) {
    return cp932_table::Encode(utf8);
}

std::string FromCp932(std::string_view cp932) {
    return cp932_table::Decode(cp932);
}

std::size_t Cp932Length(std::string_view utf8) {
    return ToCp932(utf8).size();
}

}  // namespace kemora::model
