#include "model/cp932_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "model/cp932.h"
#include "model/utf8.h"

namespace kemora::model {
namespace {

// The tables must convert exactly as iconv does, so that the build without iconv reads and
// writes the same bytes. Where the core itself uses the tables there is nothing to compare.
#ifdef KEMORA_CP932_BY_ICONV
constexpr bool kIconvAtHand = true;
#else
constexpr bool kIconvAtHand = false;
#endif
constexpr const char* kNoIconv = "code page 932 goes through these tables in this build";

std::string Utf8(char32_t c) {
    std::string s;
    AppendUtf8(s, c);
    return s;
}

std::string Hex(const std::string& bytes) {
    std::string text;
    for (const char byte : bytes) {
        constexpr char kDigits[] = "0123456789ABCDEF";
        text += kDigits[static_cast<unsigned char>(byte) >> 4];
        text += kDigits[static_cast<unsigned char>(byte) & 0xF];
        text += ' ';
    }
    return text;
}

TEST(Cp932Table, DecodesEverySingleAndDoubleByteCodeAsIconv) {
    if (!kIconvAtHand)
        GTEST_SKIP() << kNoIconv;
    for (unsigned first = 0; first < 256; ++first) {
        const std::string single(1, static_cast<char>(first));
        ASSERT_EQ(cp932_table::Decode(single), FromCp932(single)) << Hex(single);
        for (unsigned second = 0; second < 256; ++second) {
            const std::string pair{static_cast<char>(first), static_cast<char>(second)};
            ASSERT_EQ(cp932_table::Decode(pair), FromCp932(pair)) << Hex(pair);
        }
    }
}

TEST(Cp932Table, EncodesEveryCodePointAsIconv) {
    if (!kIconvAtHand)
        GTEST_SKIP() << kNoIconv;
    // A block of consecutive code points at a time; each point alone where a block differs.
    constexpr char32_t kBlock = 512;
    for (char32_t first = 0; first <= 0x10FFFF; first += kBlock) {
        std::string block;
        for (char32_t c = first; c < first + kBlock; ++c) {
            if (c < 0xD800 || c > 0xDFFF)
                block += Utf8(c);
        }
        if (cp932_table::Encode(block) == ToCp932(block))
            continue;
        for (char32_t c = first; c < first + kBlock; ++c) {
            const std::string one = Utf8(c);
            ASSERT_EQ(Hex(cp932_table::Encode(one)), Hex(ToCp932(one)))
                << "U+" << std::hex << uint32_t{c};
        }
    }
}

TEST(Cp932Table, ReplacesBrokenUtf8AsIconv) {
    if (!kIconvAtHand)
        GTEST_SKIP() << kNoIconv;
    // Every pair of bytes, then every lead of a longer sequence with every second byte and
    // third bytes on both sides of the continuation range, cut short or followed by more.
    using namespace std::string_literals;
    const std::string thirds = "\x00\x41\x7F\x80\x8F\x90\x9F\xA0\xBF\xC0\xE3\xFF"s;
    for (unsigned first = 0; first < 256; ++first) {
        for (unsigned second = 0; second < 256; ++second) {
            const std::string pair{static_cast<char>(first), static_cast<char>(second)};
            ASSERT_EQ(Hex(cp932_table::Encode(pair)), Hex(ToCp932(pair))) << Hex(pair);
            if (first < 0xE0 || first > 0xF4)
                continue;
            for (const char third : thirds) {
                for (const std::string tail : {"", "\x80", "\x80z", "zz"}) {
                    const std::string text = pair + third + tail;
                    ASSERT_EQ(Hex(cp932_table::Encode(text)), Hex(ToCp932(text))) << Hex(text);
                }
            }
        }
    }
}

}  // namespace
}  // namespace kemora::model
