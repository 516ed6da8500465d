#include "model/cp932_table.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>

#include "model/cp932.h"
#include "model/utf8.h"

namespace kemora::model::cp932_table {
namespace {

struct Cp932Code {
    char32_t codePoint;
    uint16_t bytes;  // a single byte as 0x00XX
};

#include "model/cp932_mapping.inc"

static_assert(std::is_sorted(std::begin(kEncoding), std::end(kEncoding),
                             [](const Cp932Code& a, const Cp932Code& b) {
                                 return a.codePoint < b.codePoint;
                             }));

// The code point of the well-formed UTF-8 sequence at the start of `text`, or nothing for
// an overlong form, a surrogate, a code point past U+10FFFF or a broken or cut sequence.
std::optional<char32_t> DecodeUtf8(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80)
        return lead;
    const std::size_t length = Utf8SequenceLength(lead);
    if (length == 1 || text.size() < length)
        return std::nullopt;
    char32_t point = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        point = point << 6 | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < kSmallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return std::nullopt;
    return point;
}

// Row of kDoubleByte for a lead byte.
std::size_t LeadRow(unsigned char lead) {
    return lead <= 0x9F ? lead - 0x81u : lead - 0xE0u + (0x9Fu - 0x81u + 1u);
}

}  // namespace

std::string Encode(std::string_view utf8) {
    std::string out;
    while (!utf8.empty()) {
        const auto point = DecodeUtf8(utf8);
        utf8.remove_prefix(
            std::min(utf8.size(), Utf8SequenceLength(static_cast<unsigned char>(utf8[0]))));
        if (point && *point >= kDroppedFirst && *point <= kDroppedLast)
            continue;
        const auto found =
            point ? std::lower_bound(
                        std::begin(kEncoding), std::end(kEncoding), *point,
                        [](const Cp932Code& code, char32_t p) { return code.codePoint < p; })
                  : std::end(kEncoding);
        if (found == std::end(kEncoding) || found->codePoint != *point) {
            out += kCp932Replacement;
        } else {
            if (found->bytes > 0xFF)
                out += static_cast<char>(found->bytes >> 8);
            out += static_cast<char>(found->bytes & 0xFF);
        }
    }
    return out;
}

std::string Decode(std::string_view cp932) {
    std::string out;
    while (!cp932.empty()) {
        const auto lead = static_cast<unsigned char>(cp932[0]);
        if (!IsCp932LeadByte(lead)) {
            cp932.remove_prefix(1);
            if (kSingleByte[lead] < 0) {
                out += kUtf8Replacement;
            } else {
                AppendUtf8(out, static_cast<char32_t>(kSingleByte[lead]));
            }
            continue;
        }
        const uint16_t point =
            cp932.size() < 2 ? 0 : kDoubleByte[LeadRow(lead)][static_cast<unsigned char>(cp932[1])];
        cp932.remove_prefix(std::min<std::size_t>(cp932.size(), 2));
        if (point == 0) {
            out += kUtf8Replacement;
        } else {
            AppendUtf8(out, point);
        }
    }
    return out;
}

}  // namespace kemora::model::cp932_table
