#include "model/five_tone.h"

#include <gtest/gtest.h>

namespace {

std::array<uint8_t, 16> record(const bx::MemImage& img, int r) {
    std::array<uint8_t, 16> out{};
    for (int b = 0; b < 16; ++b) out[static_cast<size_t>(b)] = img(r, b);
    return out;
}

int divider(int s, int d) {
    const auto& t = bx::Sig_5tone_tone_table();
    return t.Sig_5tone_div_low[static_cast<size_t>(s)][static_cast<size_t>(d)] +
           256 * t.Sig_5tone_div_high[static_cast<size_t>(s)][static_cast<size_t>(d)];
}

}  // namespace

TEST(Sig5toneTables, ImageRecords) {
    bx::MemImage img;
    for (int r : {527, 543, 559, 575})
        for (int b = 0; b < 16; ++b) img(r, b) = 0xAB;
    bx::Load_5tone_tables(img);
    using R = std::array<uint8_t, 16>;
    EXPECT_EQ(record(img, 512), (R{0xBD, 0x64, 0xAD, 0xFB, 0x4E, 0xA6, 0x04, 0x68, 0xD3, 0x44, 0x60, 0xA2, 0xC7,
                                   0xDF, 0x3E, 0x1F}));
    EXPECT_EQ(record(img, 560), (R{4, 8, 7, 7, 6, 6, 5, 5, 5, 4, 3, 9, 4, 9, 4, 8}));
    // CCIR1 digit 0, 1981 Hz: hertz 0x07BD, divider 1163 = 0x048B.
    EXPECT_EQ(img(528, 0), 0x07);
    EXPECT_EQ(img(544, 0), 0x8B);
    // EURO digit 0, 979.8 Hz: hertz 979, divider 2351.
    EXPECT_EQ(img(523, 0), 0xD3);
    EXPECT_EQ(img(539, 0), 0x03);
    EXPECT_EQ(img(555, 0), 0x2F);
    EXPECT_EQ(img(571, 0), 0x09);
    // Slot 15 of each block keeps its bytes; nothing outside the tables changes.
    R kept;
    kept.fill(0xAB);
    for (int r : {527, 543, 559, 575}) EXPECT_EQ(record(img, r), kept) << r;
    EXPECT_EQ(img(511, 0), 0xFF);
    EXPECT_EQ(img(576, 0), 0xFF);

    bx::MemImage again = img;
    bx::Load_5tone_tables(again);
    EXPECT_EQ(again, img);
}

TEST(Sig5toneTables, DividersAndHertz) {
    const struct {
        int s, d, hz, div;
    } cases[] = {
        {0, 0, 1981, 1163},  {0, 1, 1124, 2049}, {11, 0, 979, 2351},
        // Exact quotients get one less.
        {0, 10, 2400, 959}, {3, 8, 2000, 1151}, {12, 9, 1800, 1279}, {10, 0, 600, 3839}, {12, 0, 400, 5759},
        {11, 2, 832, 2767},  {11, 8, 510, 4511},  {14, 0, 657, 3504},  {14, 14, 487, 4726},
    };
    const auto& t = bx::Sig_5tone_tone_table();
    for (const auto& c : cases) {
        const auto s = static_cast<size_t>(c.s), d = static_cast<size_t>(c.d);
        EXPECT_EQ(t.Sig_5tone_freq_low[s][d] + 256 * t.Sig_5tone_freq_high[s][d], c.hz) << c.s << "," << c.d;
        EXPECT_EQ(divider(c.s, c.d), c.div) << c.s << "," << c.d;
    }
}

TEST(Sig5toneTables, TextsAndEmptyTones) {
    const auto& t = bx::Sig_5tone_tone_table();
    EXPECT_EQ(t.Sig_5tone_freq_text[0][0], "   1981.0  ");
    EXPECT_EQ(t.Sig_5tone_freq_text[0][11], "   930.0   ");
    EXPECT_EQ(t.Sig_5tone_freq_text[11][0], "   979.8   ");
    EXPECT_EQ(t.Sig_5tone_freq_text[14][0], "   657.5   ");
    const struct {
        int s;
        std::vector<int> digits;
    } empty[] = {{5, {11, 12, 13, 15}}, {11, {10, 11, 12, 13, 15}}, {14, {10, 11, 12, 13, 15}},
                 {2, {15}},             {8, {15}},                  {12, {15}}};
    int empties = 0;
    for (const auto& e : empty) {
        for (int d : e.digits) {
            const auto s = static_cast<size_t>(e.s), dd = static_cast<size_t>(d);
            EXPECT_EQ(t.Sig_5tone_freq_text[s][dd], "   0.0     ");
            EXPECT_EQ(t.Sig_5tone_freq_low[s][dd] + t.Sig_5tone_freq_high[s][dd] + t.Sig_5tone_div_low[s][dd] +
                          t.Sig_5tone_div_high[s][dd],
                      0);
            ++empties;
        }
    }
    int zero_texts = 0;
    for (int s = 0; s < 15; ++s)
        for (int d = 0; d < 16; ++d) zero_texts += t.Sig_5tone_freq_text[static_cast<size_t>(s)][static_cast<size_t>(d)] == "   0.0     ";
    EXPECT_EQ(zero_texts, empties);
    for (int d = 0; d < 16; ++d) EXPECT_EQ(t.Sig_5tone_freq_text[15][static_cast<size_t>(d)], "");
}

TEST(Sig5toneTables, FirstLastAndBoundaryTonesOfEveryStandard) {
    // Digits 0, 9, A, E and F of each standard: the first and last digit,
    // both sides of the step from decimal to hex digits, and E, the last tone
    // EURO and MODAT have.
    const struct {
        int s;
        std::array<const char*, 5> texts;
    } cases[] = {
        {0, {"   1981.0  ", "   1860.0  ", "   2400.0  ", "   2110.0  ", "   1055.0  "}},  // CCIR1
        {1, {"   1981.0  ", "   1860.0  ", "   2400.0  ", "   2110.0  ", "   1055.0  "}},  // CCIR2
        {2, {"   1981.0  ", "   1860.0  ", "   1050.0  ", "   2110.0  ", "   0.0     "}},  // PCCIR
        {3, {"   2400.0  ", "   2200.0  ", "   2800.0  ", "   2600.0  ", "   680.0   "}},  // ZVEI1
        {4, {"   2400.0  ", "   2200.0  ", "   885.0   ", "   970.0   ", "   2600.0  "}},  // ZVEI2
        {5, {"   2200.0  ", "   2000.0  ", "   885.0   ", "   2400.0  ", "   0.0     "}},  // ZVEI3
        {6, {"   2400.0  ", "   2200.0  ", "   970.0   ", "   2600.0  ", "   680.0   "}},  // PZVEI
        {7, {"   2200.0  ", "   2000.0  ", "   825.0   ", "   2400.0  ", "   680.0   "}},  // DZVEI
        {8, {"   2200.0  ", "   2000.0  ", "   825.0   ", "   2400.0  ", "   0.0     "}},  // PDZVEI
        {9, {"   1981.0  ", "   1860.0  ", "   1055.0  ", "   2110.0  ", "   2247.0  "}},  // EEA
        {10, {"   600.0   ", "   1869.0  ", "   2151.0  ", "   459.0   ", "   1091.0  "}},  // EIA
        {11, {"   979.8   ", "   470.8   ", "   0.0     ", "   1062.9  ", "   0.0     "}},  // EURO
        {12, {"   400.0   ", "   1800.0  ", "   1900.0  ", "   2300.0  ", "   0.0     "}},  // CCITT
        {13, {"   1633.0  ", "   1477.0  ", "   1995.0  ", "   1805.0  ", "   2694.0  "}},  // NATEL
        {14, {"   657.5   ", "   1987.5  ", "   0.0     ", "   487.5   ", "   0.0     "}},  // MODAT
    };
    const auto& t = bx::Sig_5tone_tone_table();
    const int digits[5] = {0, 9, 10, 14, 15};
    for (const auto& c : cases)
        for (size_t i = 0; i < 5; ++i)
            EXPECT_EQ(t.Sig_5tone_freq_text[static_cast<size_t>(c.s)][static_cast<size_t>(digits[i])], c.texts[i])
                << "standard " << c.s << " digit " << digits[i];
}
