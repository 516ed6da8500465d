#include "scenario/scenario.h"

#include <algorithm>

namespace kemora::scenario {
namespace {

constexpr char32_t kReplacementCharacter = U'\uFFFD';

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The range the second byte of a sequence must lie in, which rules out overlong forms,
// surrogates and values above U+10FFFF.
struct SequenceRule {
    std::size_t length;
    unsigned char secondMin;
    unsigned char secondMax;
};

SequenceRule RuleFor(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF)
        return {2, 0x80, 0xBF};
    if (lead == 0xE0)
        return {3, 0xA0, 0xBF};
    if (lead == 0xED)
        return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF)
        return {3, 0x80, 0xBF};
    if (lead == 0xF0)
        return {4, 0x90, 0xBF};
    if (lead == 0xF4)
        return {4, 0x80, 0x8F};
    if (lead >= 0xF1 && lead <= 0xF3)
        return {4, 0x80, 0xBF};
    return {0, 0, 0};
}

bool IsScalarValue(char32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

std::u32string_view UntilFirstNul(const Scenario& scenario) {
    const std::u32string_view title(scenario.title.data(), scenario.title.size());
    return title.substr(0, title.find(U'\0'));
}

}  // namespace

std::u32string DecodeUtf8(std::string_view utf8) {
    std::u32string text;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            text += static_cast<char32_t>(lead);
            ++i;
            continue;
        }
        const SequenceRule rule = RuleFor(lead);
        // Take the longest valid beginning of the sequence; a broken one becomes a single
        // replacement character and decoding goes on after the bytes it took.
        char32_t c = lead & (rule.length == 2 ? 0x1F : rule.length == 3 ? 0x0F : 0x07);
        std::size_t taken = 1;
        while (taken < rule.length && i + taken < utf8.size()) {
            const auto byte = static_cast<unsigned char>(utf8[i + taken]);
            const bool fits = taken == 1 ? byte >= rule.secondMin && byte <= rule.secondMax
                                         : IsContinuation(byte);
            if (!fits)
                break;
            c = (c << 6) | (byte & 0x3F);
            ++taken;
        }
        text += (rule.length != 0 && taken == rule.length) ? c : kReplacementCharacter;
        i += taken;
    }
    return text;
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string utf8;
    for (char32_t c : text) {
        if (!IsScalarValue(c))
            c = kReplacementCharacter;
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (c >> 12));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (c >> 18));
            utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

void AssignTitle(Scenario& scenario, std::string_view utf8) {
    const std::u32string text = DecodeUtf8(utf8);
    scenario.title.fill(U' ');
    std::copy_n(text.begin(), std::min(text.size(), kTitleLength), scenario.title.begin());
}

std::string TitleText(const Scenario& scenario) {
    return EncodeUtf8(UntilFirstNul(scenario));
}

std::string TrimmedTitleText(const Scenario& scenario) {
    std::u32string_view title = UntilFirstNul(scenario);
    const std::size_t first = title.find_first_not_of(U' ');
    if (first == std::u32string_view::npos)
        return {};
    title = title.substr(first, title.find_last_not_of(U' ') - first + 1);
    return EncodeUtf8(title);
}

}  // namespace kemora::scenario
