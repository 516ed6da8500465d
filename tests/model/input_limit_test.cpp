#include "model/input_limit.h"

#include <gtest/gtest.h>

#include <string>

namespace kemora::model {
namespace {

TEST(AcceptsTypedText, CountsCodePage932BytesAndAlwaysLetsTheUserDelete) {
    struct Case {
        const char* name;
        std::string before;
        std::string after;
        int32_t limit;
        bool accepted;
    };
    const Case cases[] = {
        {"three single bytes fill three", "12", "123", 3, true},
        {"a fourth is refused", "123", "1234", 3, false},
        {"one double-byte and one single", "１", "１2", 3, true},
        {"two double-byte characters are four", "１", "１２", 3, false},
        {"a paste past the limit", "", "12345", 4, false},
        {"fifteen double-byte characters fill thirty", "", "あいうえおかきくけこさしすせそ", 30,
         true},
        {"a sixteenth does not", "あいうえおかきくけこさしすせそ",
         "あいうえおかきくけこさしすせそた", 30, false},
        {"a program's long text loses one character", "1013.25", "101.25", 4, true},
        {"and loses a run in the middle", "1013.25", "10125", 4, true},
        {"but takes none while over the limit", "1013.25", "1013.255", 4, false},
        {"a replacement over the limit is no deletion", "1013.25", "9013.25", 4, false},
        {"a shorter text that is no cut of the old one", "1013.25", "99999", 4, false},
        {"no limit", "", "123456789", 0, true},
        {"a negative limit is none", "", "123456789", -1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AcceptsTypedText(c.before, c.after, c.limit), c.accepted);
    }
}

}  // namespace
}  // namespace kemora::model
