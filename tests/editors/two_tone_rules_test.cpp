// The 2-tone editor's text rules and the two ways a typed tone is judged,
// at their boundaries.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "editors/signalling/two_tone_rules.h"
#include "model/lang.h"
#include "model/numtext.h"

namespace tt = bx::two_tone;

namespace {

bx::LangTexts English() {
    bx::LangTexts t;
    bx::Set_lang_texts(t, 0);
    return t;
}

}  // namespace

TEST(TwoToneRules, TextsOfStoredValues) {
    const auto names = English().Sig_2tone_resp_names;
    struct Case {
        std::string got, want;
    } cases[] = {
        {tt::Enc_tone_text(300), "300.0"},     {tt::Enc_tone_text(3000), "3000.0"},
        {tt::Enc_tone_text(1981), "1981.0"},   {tt::Enc_tone_text(299), ""},
        {tt::Enc_tone_text(3001), ""},         {tt::Enc_tone_text(0), ""},
        {tt::Enc_tone_text(0xFFFF), ""},       {tt::Dec_tone_text(0x00FF), "255.0"},
        {tt::Dec_tone_text(0xFFFF), ""},       {tt::Dec_tone_text(0), ""},
        {tt::Dec_tone_text(0xFF00), "65280.0"}, {tt::Dec_tone_text(5), "5.0"},
        {tt::Pair_text(0), "A-B"},             {tt::Pair_text(7), "C-B"},
        {tt::Pair_text(11), "D-C"},            {tt::Pair_text(12), ""},
        {tt::Pair_text(255), ""},              {tt::Resp_text(0, names), "0.None"},
        {tt::Resp_text(3, names), "3.Alert+Transpond"}, {tt::Resp_text(7, names), "0.None"},
        {tt::Resp_text(254, names), "0.None"}, {tt::Resp_text(255, names), ""},
        {tt::Alert_text(0), "0"},              {tt::Alert_text(16), "16"},
        {tt::Alert_text(17), ""},              {tt::Alert_text(255), ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
}

// Typed texts through Val, as the window reads them: the encode cell rounds
// half up and refuses from 3000.5 on; a tone box rounds half to even first.
TEST(TwoToneRules, JudgingTypedTones) {
    struct Case {
        const char* text;
        std::optional<int> enc, dec;
    } cases[] = {
        {"300", 300, 300},
        {"299.6", std::nullopt, 300},
        {"299.5", std::nullopt, 300},  // the even neighbour
        {"298.5", std::nullopt, std::nullopt},
        {"3000.4", 3000, 3000},
        {"3000.5", std::nullopt, 3000},
        {"3000.6", std::nullopt, std::nullopt},
        {"1234.5", 1235, 1234},
        {"1000.5", 1001, 1000},
        {"1001.5", 1002, 1002},
        {"", std::nullopt, std::nullopt},
        {".", std::nullopt, std::nullopt},
        {"-1000", std::nullopt, std::nullopt},
        {"99999999999999999999999999", std::nullopt, std::nullopt},
        {"1e308", std::nullopt, std::nullopt},
        {"1000abc", 1000, 1000},
        {"1000.0.5", 1000, 1000},
    };
    for (const Case& c : cases) {
        const double v = bx::Val(c.text);
        EXPECT_EQ(tt::Enc_tone_value(v), c.enc) << c.text;
        EXPECT_EQ(tt::Dec_tone_value(v), c.dec) << c.text;
    }
}

// The three kinds of decode column: items, preset and stored value.
TEST(TwoToneRules, DecodeColumnKinds) {
    const auto names = English().Sig_2tone_resp_names;
    for (int c = 1; c <= 12; ++c) {
        const tt::DecColumn& col = tt::Dec_column(c);
        EXPECT_EQ(tt::Dec_decoder(c), (c - 1) / 3);
        const auto items = tt::Dec_items(col.kind, names);
        switch ((c - 1) % 3) {
            case 0:
                EXPECT_EQ(col.kind, tt::DecKind::Pair);
                ASSERT_EQ(items.size(), 12u);
                EXPECT_EQ(items[static_cast<size_t>(col.preset)], "A-B");
                EXPECT_EQ(col.store_offset, 0);
                break;
            case 1:
                EXPECT_EQ(col.kind, tt::DecKind::Resp);
                ASSERT_EQ(items.size(), 4u);
                EXPECT_EQ(items[static_cast<size_t>(col.preset)], "2.Transpond");
                EXPECT_EQ(col.store_offset, 0);
                break;
            default:
                EXPECT_EQ(col.kind, tt::DecKind::Alert);
                ASSERT_EQ(items.size(), 16u);
                EXPECT_EQ(items[static_cast<size_t>(col.preset)], "1");
                EXPECT_EQ(items.back(), "16");
                EXPECT_EQ(col.store_offset, 1);
                break;
        }
        EXPECT_EQ(col.fields[tt::Dec_decoder(c)].byte, c - 1);
    }
}
