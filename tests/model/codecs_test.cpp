#include "model/codecs.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "model/layouts.h"
#include "model/numtext.h"

using bx::ToneCode;

namespace {

bx::ToneNameTable loaded_names() {
    bx::ToneNameTable names;
    bx::RadioIdent ident;
    bx::Load_code_tables(names, ident);
    return names;
}

}  // namespace

TEST(ToneCode, Decodes) {
    const bx::ToneNameTable names = loaded_names();
    const struct {
        uint8_t low, high;
        std::string text;
    } cases[] = {
        {0x00, 0x00, "OFF"},       {0xFF, 0xFF, "OFF"},        {0x9E, 0x02, "67.0"},
        {0x26, 0x05, "131.8"},     {0xED, 0x09, "254.1"},      {0x00, 0x01, "25.6"},
        {0xFF, 0x7F, "3276.7"},    {0x01, 0x00, "  D023N   "}, {0x69, 0x00, " D754N   "},
        {0x6A, 0x00, " D023I   "}, {0xD2, 0x00, " D754I   "},
        // Codes that name no tone.
        {0xD3, 0x00, ""}, {0xFF, 0x00, ""}, {0x00, 0x80, ""}, {0x9E, 0xC2, ""}, {0xFE, 0xFF, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bx::Tone_code_to_text(c.low, c.high, names), c.text) << int(c.low) << "," << int(c.high);
}

TEST(ToneCode, EncodesListEntries) {
    const bx::ToneNameTable names = loaded_names();
    const struct {
        int index;
        ToneCode code;
    } cases[] = {
        {0, {0x00, 0x00}},   {1, {0x9E, 0x02}},   {13, {0xE8, 0x03}}, {50, {0xED, 0x09}},
        {51, {0x01, 0x00}},  {155, {0x69, 0x00}}, {156, {0x6A, 0x00}}, {260, {0xD2, 0x00}},
        {-1, {0x00, 0x00}},  {261, {0x00, 0x00}},
    };
    for (const auto& c : cases) EXPECT_EQ(bx::Tone_index_to_code(c.index, names), c.code) << c.index;
}

TEST(ToneCode, EveryListEntryDecodesToItsOwnName) {
    const bx::ToneNameTable names = loaded_names();
    for (int i = 0; i < bx::kToneNames; ++i) {
        const ToneCode code = bx::Tone_index_to_code(i, names);
        EXPECT_EQ(bx::Trim(bx::Tone_code_to_text(code.low, code.high, names)), bx::Trim(names[static_cast<size_t>(i)]))
            << i;
    }
}

TEST(ToneCode, TypedCtcssRoundsAndCarries) {
    const struct {
        const char* hz;
        ToneCode code;
    } cases[] = {
        {"67.0", {0x9E, 0x02}},  {"259.9", {0x27, 0x0A}}, {"60", {0x58, 0x02}},
        {"67.25", {0xA0, 0x02}},  // 672.5: halves go to the even neighbour
        {"67.75", {0xA6, 0x02}},  // 677.5
        {"25.59", {0x00, 0x01}},  // 255.9 rounds to 256: carries into the high byte
        {"6553.5", {0xFF, 0xFF}}, {"99999", {0xFF, 0xFF}}, {"-5", {0x00, 0x00}}, {"", {0x00, 0x00}},
    };
    for (const auto& c : cases) EXPECT_EQ(bx::Ctcss_text_to_code(c.hz), c.code) << c.hz;
}

// A tone code goes into a tone field low byte first, also where the field
// crosses into the instance's second record; other fields are refused.
TEST(ToneCode, ThroughTheFieldsOfChannelsAndVfos) {
    namespace layout = bx::layout;
    bx::MemImage img;
    bx::Store_tone_code(img, layout::Chann_record::Tx_tone, 4, {0x9E, 0x02});
    EXPECT_EQ(img(4, 10), 0x9E);
    EXPECT_EQ(img(4, 11), 0x02);
    bx::Store_tone_code(img, layout::Vfo_record::Rx_tone, layout::Vfo_B, {0xD2, 0x00});
    EXPECT_EQ(img(243, 0), 0xD2);
    EXPECT_EQ(img(243, 1), 0x00);
    EXPECT_EQ(bx::Read_tone_code(img, layout::Vfo_record::Rx_tone, layout::Vfo_B), (ToneCode{0xD2, 0x00}));
    EXPECT_EQ(bx::Read_tone_code(img, layout::Chann_record::Rx_tone, 4), (ToneCode{0xFF, 0xFF}));
    const bx::MemImage before = img;
    EXPECT_THROW(bx::Store_tone_code(img, layout::Chann_record::Tx_freq, 4, {1, 2}), std::logic_error);
    EXPECT_THROW(bx::Store_tone_code(img, layout::Chann_record::Tx_tone, 200, {1, 2}), std::out_of_range);
    EXPECT_THROW(bx::Read_tone_code(img, layout::Sig_2tone_enc_record::Tone_1, 0), std::logic_error);
    EXPECT_EQ(img, before);
}

TEST(DtmfCode, Characters) {
    const struct {
        const char* ch;
        int code;
    } cases[] = {
        {"1", 1},  {"9", 9},   {"0", 10},  {"*", 11},  {"#", 12},  {"A", 13}, {"a", 13}, {"B", 14},
        {"c", 15}, {"D", 0},   {"d", 0},   {"E", 255}, {"", 255},  {" ", 255}, {"中", 255}, {"12", 12},
    };
    for (const auto& c : cases) EXPECT_EQ(bx::Dtmf_char_to_code(c.ch), c.code) << c.ch;
    const char* chars[16] = {"D", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "*", "#", "A", "B", "C"};
    for (int code = 0; code < 16; ++code) {
        EXPECT_EQ(bx::Dtmf_code_to_char(code), chars[code]);
        EXPECT_EQ(bx::Dtmf_char_to_code(chars[code]), code);
    }
    for (int code : {16, 0xFF, -1, 1000}) EXPECT_EQ(bx::Dtmf_code_to_char(code), "") << code;
}

TEST(DtmfCodeField, StoresAndShows) {
    using F = bx::DtmfCodeField;
    auto field = [](std::initializer_list<uint8_t> head) {
        F f;
        f.fill(0xFF);
        std::copy(head.begin(), head.end(), f.begin());
        return f;
    };
    EXPECT_EQ(bx::Dtmf_text_to_field(""), field({}));
    EXPECT_EQ(bx::Dtmf_text_to_field("12#"), field({1, 2, 12}));
    EXPECT_EQ(bx::Dtmf_text_to_field("1中2"), field({1, 0xFF, 2}));  // one character, one byte
    EXPECT_EQ(bx::Dtmf_text_to_field("0123456789*#ABCDDDDD"),
              field({10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 0}));  // first 16 kept
    EXPECT_EQ(bx::Dtmf_field_to_text(field({1, 0xFF, 2})), "12");  // 0xFF is skipped, not an end
    EXPECT_EQ(bx::Dtmf_field_to_text(field({0x10, 13, 0x80})), "A");
    EXPECT_EQ(bx::Dtmf_field_to_text(field({})), "");
    EXPECT_EQ(bx::Dtmf_field_to_text(bx::Dtmf_text_to_field("0123456789*#ABCD")), "0123456789*#ABCD");
}

TEST(DispCharCode, BothDirections) {
    const struct {
        const char* ch;
        uint8_t code;
    } cases[] = {
        {"0", 0x30}, {"9", 0x39}, {"A", 0x41}, {"a", 0x41}, {"z", 0x5A}, {"+", 0x2B},
        {"-", 0x2D}, {" ", 0x20}, {"_", 11},   {"", 11},    {"AB", 11},  {"中", 11},
    };
    for (const auto& c : cases) EXPECT_EQ(bx::Disp_char_to_code(c.ch), c.code) << c.ch;
    int shown = 0;
    for (int code = 0; code < 256; ++code) {
        const std::string ch = bx::Disp_code_to_char(static_cast<uint8_t>(code));
        if (ch.empty()) continue;
        ++shown;
        EXPECT_EQ(bx::Disp_char_to_code(ch), code) << code;
    }
    EXPECT_EQ(shown, 10 + 26 + 3);
    EXPECT_EQ(bx::Disp_code_to_char(11), "");
    EXPECT_EQ(bx::Disp_code_to_char(0x61), "");
}

TEST(HexDigitCode, Characters) {
    const struct {
        const char* ch;
        int code;
    } cases[] = {
        {"0", 0},   {"1", 1},   {"9", 9},  {"A", 10}, {"F", 15}, {"a", 10},
        {"f", 15},  {"G", 255}, {"", 255}, {" ", 255}, {"-", 255},
    };
    for (const auto& c : cases) EXPECT_EQ(bx::Hex_char_to_code(c.ch), c.code) << c.ch;
}

TEST(Store2toneFreq, FrequencyAndPeriodWords) {
    const struct {
        double f;
        uint8_t f_lo, f_hi, p_lo, p_hi;
    } cases[] = {
        {300, 0x2C, 0x01, 0x00, 0x1E},  {1000, 0xE8, 0x03, 0x00, 0x09}, {1124, 0x64, 0x04, 0x02, 0x08},
        {1981, 0xBD, 0x07, 0x8B, 0x04}, {3000, 0xB8, 0x0B, 0x00, 0x03},
    };
    for (const auto& c : cases) {
        for (int k = 0; k < 4; ++k) {
            bx::MemImage img;
            bx::Store_2tone_freq(img, 3, k, c.f, bx::kToneTickMs);
            bx::MemImage want;
            want(755, 2 * k) = c.f_lo;
            want(755, 2 * k + 1) = c.f_hi;
            want(755, 2 * k + 8) = c.p_lo;
            want(755, 2 * k + 9) = c.p_hi;
            EXPECT_EQ(img, want) << c.f << " tone " << k;
        }
    }
}

TEST(Store2toneFreq, StoresNothingThatDoesNotFit) {
    const struct {
        int entry, k;
        double f, tick;
    } cases[] = {
        {0, 0, 0, bx::kToneTickMs},     {0, 0, 0.5, bx::kToneTickMs},
        {0, 0, -300, bx::kToneTickMs},  {0, 0, 35, bx::kToneTickMs},   // period > 65535 counts
        {0, 0, 70000, bx::kToneTickMs}, {0, 0, 1000, 0},                 // tick not set
        {0, 4, 1000, bx::kToneTickMs},  {0, -1, 1000, bx::kToneTickMs},
        {15, 0, 1000, bx::kToneTickMs}, {-1, 0, 1000, bx::kToneTickMs},
    };
    for (const auto& c : cases) {
        bx::MemImage img;
        bx::Store_2tone_freq(img, c.entry, c.k, c.f, c.tick);
        EXPECT_EQ(img, bx::MemImage{}) << c.f << " k " << c.k << " entry " << c.entry;
    }
    bx::MemImage img;
    bx::Store_2tone_freq(img, 0, 0, 36, bx::kToneTickMs);  // the lowest that fits
    EXPECT_EQ(img(752, 0), 36);
    EXPECT_EQ(img(752, 8) + 256 * img(752, 9), 64000);
}

TEST(Sig5toneStdName, NamesAndOutsideIndexes) {
    EXPECT_EQ(bx::Sig_5tone_std_name(0), "CCIR1");
    EXPECT_EQ(bx::Sig_5tone_std_name(8), "PDZVEI");
    EXPECT_EQ(bx::Sig_5tone_std_name(14), "MODAT");
    for (int i : {15, 255, -1}) EXPECT_EQ(bx::Sig_5tone_std_name(i), "") << i;
}
