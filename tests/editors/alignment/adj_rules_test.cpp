// The alignment editor's value rules on their own: numeric boxes, the range
// boxes' key filter and leave checks, the range and password texts.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "editors/alignment/adj_rules.h"

using namespace bx::adj_rules;

namespace {

TEST(AdjRules, NumericBoxTexts) {
    struct Case {
        const char* text;
        int max;
        Number verdict;
        int value;
    };
    const Case cases[] = {
        {"", 15, Number::Ok, 0},        {"007", 15, Number::Ok, 7},         {" 5 ", 15, Number::Ok, 5},
        {"15", 15, Number::Ok, 15},     {"16", 15, Number::Too_big, 0},     {"100", 100, Number::Ok, 100},
        {"101", 100, Number::Too_big, 0}, {"10", 10, Number::Ok, 10},       {"12", 10, Number::Too_big, 0},
        {"-1", 15, Number::Not_digits, 0}, {"1.5", 15, Number::Not_digits, 0}, {"1 2", 15, Number::Not_digits, 0},
        {"a", 15, Number::Not_digits, 0}, {"+3", 15, Number::Not_digits, 0},
        {"99999999999999999999999", 100, Number::Too_big, 0},
        {"０", 15, Number::Not_digits, 0},  // a full-width digit is no digit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int v = 0;
        EXPECT_EQ(Check_number(c.text, c.max, v), c.verdict);
        if (c.verdict == Number::Ok) {
            EXPECT_EQ(v, c.value);
        }
    }
}

TEST(AdjRules, RangeKeyFilterCountsTheTrimmedCharacters) {
    // Judged on the text the key makes: four characters pass, a fifth not.
    EXPECT_FALSE(Range_key_refused(""));
    EXPECT_FALSE(Range_key_refused(" 1305"));  // the display's blank does not count
    EXPECT_FALSE(Range_key_refused("130 "));
    EXPECT_TRUE(Range_key_refused("13050"));
    EXPECT_TRUE(Range_key_refused(" 13050 "));
    EXPECT_TRUE(Range_key_refused("从从从从从"));  // characters, not bytes
    EXPECT_FALSE(Range_key_refused("从从从从"));
}

TEST(AdjRules, RangeLeaveChecksAndStore) {
    struct Case {
        bool low_box;
        double l, h;
        int lo, hi;
        int message, reset_to;
        bool store;
        int low, high;
    };
    const Case cases[] = {
        {true, 136, 174, 130, 179, 0, 0, true, 136, 174},
        {false, 130, 179, 130, 179, 0, 0, true, 130, 179},
        {false, 150, 150, 130, 179, 0, 0, true, 150, 150},  // equal limits pass
        {false, 130, 180, 130, 179, 3, 179, false, 0, 0},
        {true, 129, 179, 130, 179, 1, 130, false, 0, 0},
        {true, 150, 140, 130, 179, 2, 130, false, 0, 0},
        {false, 150, 140, 130, 179, 4, 179, false, 0, 0},
        {false, 400, 520, 400, 520, 0, 0, true, 400, 520},
        // The low box is not compared with the band top: its leave passes,
        // but a pair outside the band stores nothing.
        {true, 150, 200, 130, 179, 0, 0, false, 150, 200},
        {false, 0, 170, 130, 179, 0, 0, false, 0, 170},
        // Whole parts are stored.
        {true, 150.7, 170.2, 130, 179, 0, 0, true, 150, 170},
        {false, 1e300, 1e300, 130, 179, 3, 179, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.low_box ? "low " : "high ") << c.l << " " << c.h);
        const RangeLeave r = c.low_box ? Leave_low(c.l, c.h, c.lo, c.hi) : Leave_high(c.l, c.h, c.lo, c.hi);
        EXPECT_EQ(r.message, c.message);
        if (c.message != 0) {
            EXPECT_EQ(r.reset_to, c.reset_to);
            EXPECT_FALSE(r.store);
            continue;
        }
        EXPECT_EQ(r.store, c.store);
        EXPECT_EQ(r.low, c.low);
        EXPECT_EQ(r.high, c.high);
    }
}

TEST(AdjRules, RangeNumbersAndTexts) {
    EXPECT_EQ(Range_number(" 130"), 130);
    EXPECT_EQ(Range_number("150A"), 150);
    EXPECT_EQ(Range_number("abc"), 0);
    // Blanks count only in front: one after the first digit ends the number.
    EXPECT_EQ(Range_number("14 5"), 14);
    EXPECT_EQ(Range_number("  1 30"), 1);
    EXPECT_EQ(Range_number("- 5"), 0);
    EXPECT_EQ(Range_number("\t-12.5x"), -12.5);
    EXPECT_EQ(Mhz_digits(136), (std::array<int16_t, 3>{1, 3, 6}));
    EXPECT_EQ(Mhz_digits(520), (std::array<int16_t, 3>{5, 2, 0}));
    EXPECT_EQ(Mhz_digits(99), (std::array<int16_t, 3>{0, 9, 9}));
    EXPECT_EQ(Range_text(1, 3, 0), " 130");
    EXPECT_EQ(Range_text(4, 8, 0), " 480");
    EXPECT_EQ(Range_text(9, 12, 15), " 1035");  // digits are not checked
    EXPECT_EQ(Level_item(0), " 0");
    EXPECT_EQ(Level_item(127), " 127");
}

TEST(AdjRules, PasswordTexts) {
    struct Case {
        std::array<int16_t, 6> cells;
        const char* text;
    };
    const Case cases[] = {
        {{'1', '2', '3', '4', '5', '6'}, "123456"},
        {{'a', 'B', 'c', ' ', ' ', ' '}, "aBc"},
        {{' ', 'A', 'B', ' ', ' ', ' '}, "AB"},  // centred: shown trimmed
        {{'A', ' ', 'B', ' ', ' ', ' '}, "A B"},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, ""},
        {{'A', 11, 'B', 0, 0x7F, '~'}, "AB~"},  // codes outside 0x20-0x7E show nothing
    };
    for (const Case& c : cases) EXPECT_EQ(Password_text(c.cells), c.text);
}

}  // namespace
