#pragma once
// The rule of an input field that takes only so many code page 932 bytes, as both front ends
// apply it to what the user types, pastes or drops.

#include <cstdint>
#include <string_view>

namespace kemora::model {

// Whether a field limited to `limit` bytes lets the user change its UTF-8 text from `before`
// to `after`: yes when `after` fits the limit (a double-byte character counts two), and when
// it only takes one run of characters out of `before`, so that a text the program set over
// the limit can still be shortened. A limit of 0 or less means no limit.
[[nodiscard]] bool AcceptsTypedText(std::string_view before, std::string_view after, int32_t limit);

}  // namespace kemora::model
