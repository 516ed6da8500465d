#pragma once
// std::bit_cast where the standard library has it; elsewhere the same reinterpretation of
// an object's bytes through memcpy.

#include <bit>
#include <cstring>
#include <type_traits>

namespace kemora::scenario {

#if __cpp_lib_bit_cast >= 201806L
using std::bit_cast;
#else
template <typename To, typename From>
requires(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
         std::is_trivially_copyable_v<From>) To bit_cast(const From& from) {
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}
#endif

}  // namespace kemora::scenario
