// The UTF-8 helpers agree on where characters end, malformed texts
// included: utf8_length and utf8_next count and step as utf8_chars splits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text.h"

TEST(Utf8, LengthAndStepsAgreeWithTheSplit) {
    const std::vector<std::string> texts = {
        "",
        "ABC 123",
        "\xE4\xBD\xA0\xE5\xA5\xBD",           // two three-byte characters
        "A\xC3\xA9" "B\xF0\x9F\x98\x80",      // two-byte, four-byte
        "\x80\xBF" "A",                       // stray continuation bytes
        "\xC3" "A",                           // a lead byte swallowing the next
        "AB\xE4\xBD",                         // cut short at the end
        "\xFF\xFE",                           // bytes no character starts with
    };
    for (const std::string& t : texts) {
        SCOPED_TRACE(testing::PrintToString(t));
        const std::vector<std::string> parts = bx::utf8_chars(t);
        EXPECT_EQ(bx::utf8_length(t), static_cast<int>(parts.size()));
        size_t at = 0;
        for (const std::string& p : parts) {
            const size_t next = bx::utf8_next(t, at);
            EXPECT_EQ(t.substr(at, next - at), p);
            at = next;
        }
        EXPECT_EQ(at, t.size());
        EXPECT_EQ(bx::utf8_next(t, t.size()), t.size());
    }
}
