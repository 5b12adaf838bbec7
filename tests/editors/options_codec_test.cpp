// The options editor's values without its window: VFO frequencies, band and
// range texts, offsets and tones, the power-on lines, the code fields and
// the ANI checks.
#include <gtest/gtest.h>

#include <vector>

#include "editors/options/option_rows.h"
#include "editors/options/text_fields.h"
#include "editors/options/vfo_codec.h"

using namespace bx::options;

namespace {
std::vector<uint8_t> v(std::initializer_list<int> l) {
    std::vector<uint8_t> out;
    for (int x : l) out.push_back(static_cast<uint8_t>(x));
    return out;
}
std::vector<uint8_t> digits_of(const std::optional<FreqDigits>& d) {
    return d ? std::vector<uint8_t>(d->begin(), d->end()) : std::vector<uint8_t>{};
}
}  // namespace

TEST(OptionsVfoCodec, CommitNormalisesOnTheDecimalDigits) {
    struct Case {
        const char* typed;
        double low, high;
        bool out_of_range;
        const char* text;
        std::vector<uint8_t> digits;
    };
    const Case cases[] = {
        {"145.005", 136, 174, false, "145.00500", v({1, 4, 5, 0, 0, 5, 0, 0})},
        {"145", 136, 174, false, "145.00000", v({1, 4, 5, 0, 0, 0, 0, 0})},
        {"136.0125", 136, 174, false, "136.01250", v({1, 3, 6, 0, 1, 2, 5, 0})},
        {"136.00625", 136, 174, false, "136.00625", v({1, 3, 6, 0, 0, 6, 2, 5})},
        {"136.01875", 136, 174, false, "136.01875", v({1, 3, 6, 0, 1, 8, 7, 5})},
        {"136.0187", 136, 174, false, "136.01850", v({1, 3, 6, 0, 1, 8, 5, 0})},
        {"136.9999", 136, 174, false, "136.99975", v({1, 3, 6, 9, 9, 9, 7, 5})},
        {"136..5", 136, 174, false, "136.00000", v({1, 3, 6, 0, 0, 0, 0, 0})},
        // Values a binary fraction would get wrong.
        {"145.035", 136, 174, false, "145.03500", v({1, 4, 5, 0, 3, 5, 0, 0})},
        {"136.0249999", 136, 174, false, "136.02475", v({1, 3, 6, 0, 2, 4, 7, 5})},
        {"470.0625", 400, 520, false, "470.06250", v({4, 7, 0, 0, 6, 2, 5, 0})},
        // A rest of exactly 245 Hz rounds to 240 Hz (halves to even).
        {"136.000245", 136, 174, false, "136.00000", v({1, 3, 6, 0, 0, 0, 0, 0})},
        {"136.000255", 136, 174, false, "136.00025", v({1, 3, 6, 0, 0, 0, 2, 5})},
        // Limits: equal passes; beyond is replaced, then normalised.
        {"174", 136, 174, false, "174.00000", v({1, 7, 4, 0, 0, 0, 0, 0})},
        {"136", 136, 174, false, "136.00000", v({1, 3, 6, 0, 0, 0, 0, 0})},
        {"174.5", 136, 174, true, "173.62500", v({1, 7, 3, 6, 2, 5, 0, 0})},
        {"100", 136, 174, true, "136.02500", v({1, 3, 6, 0, 2, 5, 0, 0})},
        {"", 136, 174, true, "136.02500", v({1, 3, 6, 0, 2, 5, 0, 0})},
        {".", 136, 174, true, "136.02500", v({1, 3, 6, 0, 2, 5, 0, 0})},
        // Fewer than three MHz digits are stored with zeros in front.
        {"87.5", 80, 108, false, "87.50000", v({0, 8, 7, 5, 0, 0, 0, 0})},
        {"5.5", 0, 10, false, "5.50000", v({0, 0, 5, 5, 0, 0, 0, 0})},
        // Four MHz digits have no place in the record.
        {"1234.5", 0, 5000, false, "1234.50000", {}},
    };
    for (const Case& c : cases) {
        FreqCommit r = Commit_freq(c.typed, c.low, c.high);
        EXPECT_EQ(r.out_of_range, c.out_of_range) << c.typed;
        EXPECT_EQ(r.text, c.text) << c.typed;
        EXPECT_EQ(digits_of(r.digits), c.digits) << c.typed;
    }
}

TEST(OptionsVfoCodec, FrequencyBoxBandAndRange) {
    EXPECT_EQ(Freq_box_text(v({1, 3, 6, 0, 2, 5, 0, 0})), "136.02500");
    EXPECT_EQ(Freq_box_text(v({0, 8, 7, 5, 0, 0, 0, 0})), "087.50000");
    EXPECT_EQ(Freq_box_text(v({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})), ".");
    EXPECT_EQ(Freq_box_text(v({4, 10, 0, 0, 6, 2, 5, 0})), "40.06250");
    EXPECT_EQ(Band_of(1), 0);
    EXPECT_EQ(Band_of(4), 1);
    EXPECT_EQ(Band_of(0xFF), 1);

    EXPECT_EQ(Band_text("136.02500", 400, 520), "400.02500");
    EXPECT_EQ(Band_text("174.00000", 136, 174), "136.02500");  // whole MHz not below the upper limit
    EXPECT_EQ(Band_text("135.9", 136, 174), "136.02500");
    EXPECT_EQ(Band_text(".", 400, 520), "400.02500");
    EXPECT_EQ(Band_text("173.99", 136, 174), std::nullopt);
    EXPECT_EQ(Band_text("136", 136, 174), std::nullopt);
    EXPECT_EQ(Range_text(130, 179), "130 - 179.9950");
    EXPECT_EQ(Range_text(400, 520), "400 - 520.9950");
}

TEST(OptionsVfoCodec, FrequencyKeyFilter) {
    struct Case {
        int key;
        const char* text;  // what the key would make of the box's text
        bool ok;
    };
    const Case cases[] = {
        {'.', ".", false},         {'.', " . ", false},      {'.', "1.", true},        {'.', "136..", true},
        {8, "", true},             {8, "136.0250", true},    {'a', "a", false},        {'-', "1-", false},
        {' ', "1 ", false},        {'5', "5", true},         {'5', "136.02505", true}, {'5', "136.025005", false},
        {'5', " 136.02505 ", true},
    };
    for (const Case& c : cases) EXPECT_EQ(Freq_key_ok(c.key, c.text), c.ok) << c.key << " '" << c.text << "'";
}

TEST(OptionsVfoCodec, OffsetPositionAndDigits) {
    struct Case {
        std::vector<uint8_t> bytes;
        int position;
    };
    const Case cases[] = {
        {v({0, 0, 1, 6, 2, 5}), 32},  // 32.5 to the even 32
        {v({0, 1, 0, 6, 5, 5}), 213},
        {v({0, 0, 0, 0, 7, 5}), 2},   // 1.5 to 2
        {v({0, 0, 0, 0, 0, 0}), 0},
        {v({0, 9, 9, 9, 5, 0}), 1999},
        {v({0, 9, 9, 9, 7, 4}), 1999},  // past the last position
        {v({1, 0, 0, 0, 0, 0}), 1999},
        {v({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), 1999},
        {v({0, 0, 0, 12, 0, 0}), 24},  // 1200 kHz: bytes above 9 are written plainly
    };
    for (const Case& c : cases) EXPECT_EQ(Offset_position(c.bytes), c.position) << testing::PrintToString(c.bytes);

    EXPECT_EQ(Offset_item(0), "00.000MHZ");
    EXPECT_EQ(Offset_item(1), "00.050MHZ");
    EXPECT_EQ(Offset_item(10), "00.500MHZ");
    EXPECT_EQ(Offset_item(20), "01.000MHZ");
    EXPECT_EQ(Offset_item(249), "12.450MHZ");
    EXPECT_EQ(Offset_item(1999), "99.950MHZ");
    auto d = Offset_digits("10.650MHZ");
    ASSERT_TRUE(d);
    EXPECT_EQ(std::vector<uint8_t>(d->begin(), d->end()), v({0, 1, 0, 6, 5, 0}));
    EXPECT_FALSE(Offset_digits("1.650MHZ"));
    EXPECT_FALSE(Offset_digits(""));
}

TEST(OptionsVfoCodec, ToneDisplay) {
    struct Case {
        uint8_t low, high;
        int position;
        const char* text;
    };
    const Case cases[] = {
        {0x9E, 0x02, -1, "67.0"},  {0x00, 0x00, 0, ""},       {0xFF, 0xFF, 0, ""},   {0x12, 0xFF, 0, ""},
        {0xFF, 0x00, 0, ""},       {0x01, 0x00, 51, ""},      {0x6A, 0x00, 156, ""}, {0xD2, 0x00, 260, ""},
        {0xD3, 0x00, -1, ""},      {0xFE, 0x00, -1, ""},      {0x00, 0x01, -1, "25.6"},
        {0x75, 0x03, -1, "88.5"},  {0xED, 0x09, -1, "254.1"}, {0xFE, 0xFE, -1, "6527.8"},
    };
    for (const Case& c : cases) {
        ToneShow s = Tone_show(c.low, c.high);
        EXPECT_EQ(s.position, c.position) << int(c.low) << " " << int(c.high);
        EXPECT_EQ(s.text, c.text) << int(c.low) << " " << int(c.high);
    }
}

TEST(OptionsTextFields, PowerOnLines) {
    struct Case {
        const char* typed;
        std::vector<uint8_t> bytes;
        const char* shown;  // after a redraw
    };
    const Case cases[] = {
        {"HI", v({32, 32, 72, 73, 32, 32}), "HI "},
        {"ABC", v({32, 65, 66, 67, 32, 32}), "ABC "},
        {"A", v({32, 32, 65, 32, 32, 32}), "A "},
        {"ABCD", v({32, 65, 66, 67, 68, 32}), "ABCD "},
        {"hello", v({72, 69, 76, 76, 79, 32}), "HELLO "},
        {"WELCOM", v({87, 69, 76, 67, 79, 77}), "WELCOM"},
        {"ABCDEFG", v({65, 66, 67, 68, 69, 70}), "ABCDEF"},
        {"A B", v({32, 65, 11, 66, 32, 32}), "AB "},
        {"  ", v({32, 32, 32, 32, 32, 32}), " "},
        {"", v({32, 32, 32, 32, 32, 32}), " "},
        {"a#", v({32, 32, 65, 11, 32, 32}), "A "},
        {"中文", v({32, 32, 11, 11, 32, 32}), " "},
    };
    for (const Case& c : cases) {
        PonLine line = Pon_line_encode(c.typed);
        EXPECT_EQ(std::vector<uint8_t>(line.begin(), line.end()), c.bytes) << c.typed;
        EXPECT_EQ(Pon_line_text(line), c.shown) << c.typed;
    }
    EXPECT_EQ(Pon_line_text(v({0xFF, 0, 11, 43, 45, 32})), "+- ");
    // Judged on the text the key makes: a seventh character can be typed.
    EXPECT_FALSE(Pon_key_refused("ABCDEFG"));
    EXPECT_TRUE(Pon_key_refused("ABCDEFGH"));
    EXPECT_FALSE(Pon_key_refused("  ABCDEFG  "));
}

TEST(OptionsTextFields, CodeFieldsAndAniChecks) {
    const uint8_t F = 0xFF;
    struct Case {
        const char* typed;
        std::vector<uint8_t> head;  // first bytes; the rest 0xFF
        const char* shown;
    };
    const Case cases[] = {
        {"123", v({1, 2, 3}), "123"},
        {"12#", v({1, 2, 12}), "12#"},
        {"1 2", v({1, F, 2}), "12"},
        {"0D*", v({10, 0, 11}), "0D*"},
        {" abcd ", v({13, 14, 15, 0}), "ABCD"},
        {"1234567890ABCD*#99", v({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, 15, 0, 11, 12}), "1234567890ABCD*#"},
        {"", {}, ""},
    };
    for (const Case& c : cases) {
        bx::DtmfCodeField f = Code_field_encode(c.typed);
        std::vector<uint8_t> want = c.head;
        want.resize(16, F);
        EXPECT_EQ(std::vector<uint8_t>(f.begin(), f.end()), want) << c.typed;
        EXPECT_EQ(Code_field_text(f), c.shown) << c.typed;
    }
    EXPECT_EQ(Code_field_text(v({8, 0, 8, 0, 8, F, 16, 200})), "8D8D8");
    EXPECT_FALSE(Code_key_refused("1234567890123456"));  // the text the key makes
    EXPECT_TRUE(Code_key_refused("12345678901234567"));

    struct Ani {
        const char* text;
        AniCheck want;
    };
    const Ani anis[] = {
        {"", AniCheck::Length},      {"12", AniCheck::Length},   {"123456", AniCheck::Length},
        {" 12 ", AniCheck::Length},  {"123", AniCheck::Ok},      {"8D8D8", AniCheck::Ok},
        {"1A234", AniCheck::Ok},     {"1A2", AniCheck::Ok},      {"12#45", AniCheck::Ok},
        {"00000", AniCheck::Ok},     {"999", AniCheck::Ok},      {"E502", AniCheck::Range},
        {"000", AniCheck::Range},    {"0000", AniCheck::Range},  {"0*1", AniCheck::Range},
        {"9A1", AniCheck::Range},    {"A12", AniCheck::Range},   {"*12", AniCheck::Range},
    };
    for (const Ani& a : anis) EXPECT_EQ(Ani_check(a.text), a.want) << a.text;
}
