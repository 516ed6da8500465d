#include "model/cp932.h"

#include <gtest/gtest.h>

namespace kemora::model {
namespace {

TEST(Cp932, ConvertsBothWays) {
    struct Case {
        const char* utf8;
        std::string cp932;
    };
    const Case cases[] = {
        {"", ""},           {"abc 123", "abc 123"},       {"実験1", "\x8E\xC0\x8C\xB1\x31"},
        {"水", "\x90\x85"}, {"ｱﾌﾟﾘ", "\xB1\xCC\xDF\xD8"}, {"～", "\x81\x60"},
        {"℃", "\x81\x8E"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(ToCp932(c.utf8), c.cp932);
        EXPECT_EQ(FromCp932(c.cp932), c.utf8);
        EXPECT_EQ(Cp932Length(c.utf8), c.cp932.size());
    }
}

TEST(Cp932, NulBytesPassThrough) {
    const std::string nuls(3, '\0');
    EXPECT_EQ(ToCp932(nuls), nuls);
    EXPECT_EQ(FromCp932(nuls), nuls);
}

TEST(Cp932, CharactersItCannotHoldBecomeAQuestionMark) {
    EXPECT_EQ(ToCp932("a😀b"), "a?b");
    EXPECT_EQ(ToCp932("é"), "?");
    EXPECT_EQ(Cp932Length("😀😀"), 2u);
    EXPECT_EQ(ToCp932("a\xFF"
                      "b"),
              "a?b");  // broken UTF-8
}

TEST(Cp932, BytesThatAreNotCp932BecomeTheReplacementCharacter) {
    // A lead byte cut off at the end, and a byte no character uses.
    EXPECT_EQ(FromCp932("a\x8E"), "a\xEF\xBF\xBD");
    EXPECT_EQ(FromCp932("\xA0z"), "\xEF\xBF\xBDz");
}

TEST(Cp932, LeadBytes) {
    EXPECT_TRUE(IsCp932LeadByte(0x81));
    EXPECT_TRUE(IsCp932LeadByte(0x9F));
    EXPECT_TRUE(IsCp932LeadByte(0xE0));
    EXPECT_TRUE(IsCp932LeadByte(0xFC));
    EXPECT_FALSE(IsCp932LeadByte(0x80));
    EXPECT_FALSE(IsCp932LeadByte(0xA0));
    EXPECT_FALSE(IsCp932LeadByte(0xB1));  // half-width katakana is single-byte
    EXPECT_FALSE(IsCp932LeadByte('1'));
}

}  // namespace
}  // namespace kemora::model
