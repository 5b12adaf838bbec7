#include "editors/signalling/five_tone_rules.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace ft = bx::five_tone;

TEST(FiveToneRules, TextsOfStoredBytes) {
    EXPECT_EQ(ft::Period_text(0), "20");
    EXPECT_EQ(ft::Period_text(5), "70");
    EXPECT_EQ(ft::Period_text(18), "200");
    EXPECT_EQ(ft::Period_text(255), "2570");
    EXPECT_EQ(ft::Digit_text(9), "9");
    EXPECT_EQ(ft::Digit_text(10), "A");
    EXPECT_EQ(ft::Digit_text(15), "F");
    EXPECT_EQ(ft::Digit_text(16), " ");
    EXPECT_EQ(ft::Digit_text(255), " ");
    const std::vector<uint8_t> frame{1, 2, 0xFF, 0x0F, 0x10};
    EXPECT_EQ(ft::Frame_text(frame), "12 F ");
    EXPECT_EQ(ft::Tone_label(0, 0), "1981.0");
    EXPECT_EQ(ft::Tone_label(15, 0), "");
    EXPECT_EQ(ft::Tone_label(-1, 3), "");
}

TEST(FiveToneRules, FrameBoxText) {
    struct Case {
        const char* text;
        ft::FrameBytes bytes;
        ft::FrameLeave leave;
    } cases[] = {
        {"12345", {1, 2, 3, 4, 5}, ft::FrameLeave::Copy},
        {"aBc", {10, 11, 12, 0xFF, 0xFF}, ft::FrameLeave::Refuse},
        {"  ab  ", {10, 11, 0xFF, 0xFF, 0xFF}, ft::FrameLeave::Refuse},
        {"1 3", {1, 0xFF, 3, 0xFF, 0xFF}, ft::FrameLeave::Refuse},
        {" fedcb ", {15, 14, 13, 12, 11}, ft::FrameLeave::Copy},
        {"", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, ft::FrameLeave::Keep},
        {"     ", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, ft::FrameLeave::Keep},
        {"123456789", {1, 2, 3, 4, 5}, ft::FrameLeave::Refuse},
        {"1g\xe4\xb8\xad", {1, 0xFF, 0xFF, 0xFF, 0xFF}, ft::FrameLeave::Refuse},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ft::Frame_bytes(c.text), c.bytes) << c.text;
        EXPECT_EQ(ft::Frame_leave(c.text), c.leave) << c.text;
    }
}

TEST(FiveToneRules, FrameKeys) {
    for (int key : std::initializer_list<int>{'0', '9', 'a', 'f', 'A', 'F', 13}) {
        // Judged on the text the key makes.
        EXPECT_TRUE(ft::Frame_key_passes("12345", key)) << key;
        EXPECT_FALSE(ft::Frame_key_passes("123456", key)) << key;
    }
    EXPECT_TRUE(ft::Frame_key_passes(" 12345 ", '5'));  // judged trimmed
    for (int key : std::initializer_list<int>{'g', 'G', '-', ' ', 'z', 0x4E2D, 27}) EXPECT_FALSE(ft::Frame_key_passes("", key)) << key;
    EXPECT_TRUE(ft::Frame_key_passes("12345", 8));
    EXPECT_TRUE(ft::Frame_key_passes("", 8));
}

TEST(FiveToneRules, Lists) {
    const auto delays = ft::List_items(ft::ListKind::Delays);
    ASSERT_EQ(delays.size(), 101u);
    EXPECT_EQ(delays[25], "250");
    EXPECT_EQ(delays.back(), "1000");
    const auto resets = ft::List_items(ft::ListKind::ResetTimes);
    ASSERT_EQ(resets.size(), 80u);
    EXPECT_EQ(resets[0], "100");
    EXPECT_EQ(resets[59], "6000");
    const auto periods = ft::List_items(ft::ListKind::Periods);
    ASSERT_EQ(periods.size(), 19u);
    EXPECT_EQ(periods[3], "50");
    EXPECT_EQ(periods.back(), "200");
    const auto digits = ft::List_items(ft::ListKind::Digits);
    ASSERT_EQ(digits.size(), 16u);
    EXPECT_EQ(digits[12], "C");
    const auto names = ft::List_items(ft::ListKind::StdNames);
    ASSERT_EQ(names.size(), 15u);
    EXPECT_EQ(names[4], "ZVEI2");
    EXPECT_EQ(ft::Shown_pos(0, 15), 0);
    EXPECT_EQ(ft::Shown_pos(14, 15), 14);
    EXPECT_EQ(ft::Shown_pos(15, 15), -1);
    EXPECT_EQ(ft::Shown_pos(255, 101), -1);
}
