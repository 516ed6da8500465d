#include "model/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "model/utf8.h"

namespace kemora::model {
namespace {

struct IconvCloser {
    void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

IconvHandle OpenConverter(const char* to, const char* from) {
    iconv_t handle = iconv_open(to, from);
    if (handle == reinterpret_cast<iconv_t>(-1))
        return nullptr;
    return IconvHandle(handle);
}

// Converts the whole input; an unconvertible or broken sequence becomes `replacement` and
// the converter skips `skip(byte)` input bytes. NUL bytes pass through.
template <typename Skip>
std::string Convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement, Skip skip) {
    std::string output;
    const IconvHandle converter = OpenConverter(to, from);
    if (!converter)
        return output;
    const auto handle = static_cast<iconv_t>(converter.get());
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[256];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(handle, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        // EILSEQ or EINVAL: replace the sequence and go on after it.
        output += replacement;
        const std::size_t step = std::min(inLeft, skip(static_cast<unsigned char>(*in)));
        in += step;
        inLeft -= step;
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
    }
    return output;
}

}  // namespace

std::string ToCp932(std::string_view utf8) {
    return Convert("CP932", "UTF-8", utf8, std::string_view(&kCp932Replacement, 1),
                   Utf8SequenceLength);
}

std::string FromCp932(std::string_view cp932) {
    return Convert("UTF-8", "CP932", cp932, kUtf8Replacement,
                   [](unsigned char lead) { return std::size_t{IsCp932LeadByte(lead) ? 2u : 1u}; });
}

std::size_t Cp932Length(std::string_view utf8) {
    return ToCp932(utf8).size();
}

}  // namespace kemora::model
