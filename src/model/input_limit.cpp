#include "model/input_limit.h"

#include <algorithm>
#include <cstddef>

#include "model/cp932.h"

namespace kemora::model {
namespace {

// True when `after` is `before` with one run of bytes taken out.
bool OnlyRemoves(std::string_view before, std::string_view after) {
    if (after.size() >= before.size())
        return false;
    const auto prefix = static_cast<std::size_t>(
        std::mismatch(after.begin(), after.end(), before.begin()).first - after.begin());
    const auto suffix = static_cast<std::size_t>(
        std::mismatch(after.rbegin(), after.rend() - static_cast<std::ptrdiff_t>(prefix),
                      before.rbegin())
            .first -
        after.rbegin());
    return prefix + suffix == after.size();
}

}  // namespace

bool AcceptsTypedText(std::string_view before, std::string_view after, int32_t limit) {
    return limit <= 0 || Cp932Length(after) <= static_cast<std::size_t>(limit) ||
           OnlyRemoves(before, after);
}

}  // namespace kemora::model
