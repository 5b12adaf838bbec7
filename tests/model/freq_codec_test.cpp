#include "model/freq_codec.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "model/layouts.h"

using bx::FreqBcd;
namespace Chann = bx::layout::Chann_record;
using bx::MemImage;

namespace {

FreqBcd bytes_at(const MemImage& img, int rec, int first) {
    return {img(rec, first), img(rec, first + 1), img(rec, first + 2), img(rec, first + 3)};
}

void put(MemImage& img, int rec, int first, FreqBcd b) {
    for (int i = 0; i < 4; ++i) img(rec, first + i) = b[static_cast<size_t>(i)];
}

const bx::ValidationLimits kStartLimits{130, 179, 400, 520};

}  // namespace

TEST(StoreFreqBcd, SnapsPadsAndPacks) {
    const struct {
        const char* typed;
        const char* text;
        FreqBcd bytes;
    } cases[] = {
        {"145.0125", "145.01250", {0x50, 0x12, 0x50, 0x14}},
        {"145.013", "145.01250", {0x50, 0x12, 0x50, 0x14}},   // both grids meet: the tie keeps it
        {"145.00625", "145.00625", {0x25, 0x06, 0x50, 0x14}},  // on the 6.25 kHz grid
        {"145.007", "145.00625", {0x25, 0x06, 0x50, 0x14}},    // 6.25 point nearer below
        {"145.003", "145.00250", {0x50, 0x02, 0x50, 0x14}},    // 2.5 point nearer below
        {"145.0049", "145.00250", {0x50, 0x02, 0x50, 0x14}},   // never rounds up
        {"145", "145.00000", {0x00, 0x00, 0x50, 0x14}},
        {"438.5", "438.50000", {0x00, 0x00, 0x85, 0x43}},
        {" 136.025 ", "136.02500", {0x00, 0x25, 0x60, 0x13}},
        {"999.99", "999.99000", {0x00, 0x90, 0x99, 0x99}},
        {"87.5", "87.500000", {0x00, 0x00, 0x75, 0x08}},  // below 100 MHz: still 9 characters
        {"50", "50.000000", {0x00, 0x00, 0x00, 0x05}},
        {"5", "5.0000000", {0x00, 0x00, 0x50, 0x00}},
        {"1.5", "1.5000000", {0x00, 0x00, 0x15, 0x00}},  // one point only
        {"", "0.0000000", {0x00, 0x00, 0x00, 0x00}},
        {"abc", "0.0000000", {0x00, 0x00, 0x00, 0x00}},
    };
    for (const auto& c : cases) {
        MemImage img;
        std::string t = c.typed;
        EXPECT_TRUE(bx::Store_freq_bcd(t, img, Chann::Tx_freq, 7)) << c.typed;
        EXPECT_EQ(t, c.text) << c.typed;
        EXPECT_EQ(bytes_at(img, 7, 4), c.bytes) << c.typed;
        // Only the four bytes change.
        EXPECT_EQ(bytes_at(img, 7, 0), (FreqBcd{0xFF, 0xFF, 0xFF, 0xFF})) << c.typed;
        EXPECT_EQ(img(7, 8), 0xFF);
    }
}

TEST(StoreFreqBcd, RefusesWhatNoFourBytesHold) {
    for (const char* typed : {"-5", "-0.001", "1000", "1234.5", "999.9999999"}) {
        MemImage img;
        std::string t = typed;
        EXPECT_FALSE(bx::Store_freq_bcd(t, img, Chann::Rx_freq, 3)) << typed;
        EXPECT_EQ(t, typed);
        EXPECT_EQ(img, MemImage{}) << typed;
    }
    MemImage img;
    std::string t = "145";
    EXPECT_FALSE(bx::Store_freq_bcd(t, img, Chann::Rx_freq, 200));
    EXPECT_FALSE(bx::Store_freq_bcd(t, img, Chann::Rx_freq, -1));
    // A field that is not four BCD bytes is a caller's fault, not a refusal.
    EXPECT_THROW(bx::Store_freq_bcd(t, img, Chann::Rx_tone, 0), std::logic_error);
    EXPECT_THROW(bx::Store_freq_bcd(t, img, bx::layout::Fm_record::Freq, 0), std::logic_error);
    EXPECT_EQ(t, "145");
    EXPECT_EQ(img, MemImage{});
    EXPECT_TRUE(bx::Store_freq_bcd(t, img, Chann::Tx_freq, 199));
    EXPECT_EQ(bytes_at(img, 199, 4), (FreqBcd{0x00, 0x00, 0x50, 0x14}));
}

TEST(FreqTextToBcd, PacksDigitsAndRefusesOutOfRange) {
    EXPECT_EQ(bx::Freq_text_to_bcd("145.01250"), (FreqBcd{0x50, 0x12, 0x50, 0x14}));
    EXPECT_EQ(bx::Freq_text_to_bcd("0.0125"), (FreqBcd{0x50, 0x12, 0x00, 0x00}));  // 0.0125 held short
    EXPECT_EQ(bx::Freq_text_to_bcd("470.99375"), (FreqBcd{0x75, 0x93, 0x09, 0x47}));
    EXPECT_EQ(bx::Freq_text_to_bcd("0"), (FreqBcd{0, 0, 0, 0}));
    EXPECT_EQ(bx::Freq_text_to_bcd("-1"), (FreqBcd{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(bx::Freq_text_to_bcd("1000"), (FreqBcd{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(bx::Freq_text_to_bcd("1" + std::string(400, '9')), (FreqBcd{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(FreqBcdToText, FormatsFiveDecimals) {
    const struct {
        FreqBcd b;
        const char* text;
    } cases[] = {
        {{0x00, 0x00, 0x50, 0x14}, "145.00000"},
        {{0x50, 0x12, 0x50, 0x14}, "145.01250"},
        {{0x25, 0x06, 0x50, 0x14}, "145.00625"},
        {{0x00, 0x00, 0x50, 0x08}, "85.00000"},
        {{0x00, 0x00, 0x00, 0x01}, "10.00000"},
        {{0x00, 0x00, 0x00, 0x00}, "00000000"},
        {{0x00, 0x00, 0x50, 0x00}, "5.000000"},  // a single digit gets its point
        {{0x00, 0x00, 0x05, 0x00}, ".5000000"},
        {{0x00, 0x00, 0x15, 0x00}, "1.500000"},  // and a short text never a second one
        {{0x00, 0x50, 0x00, 0x00}, ".0500000"},
        {{0x00, 0x00, 0xA0, 0x14}, "150.00000"},  // nibble A counts 10
        {{0xFF, 0x12, 0x50, 0x14}, "145.01365"},
        {{0xFF, 0xFF, 0xFF, 0xFF}, "1666.66665"},  // 9 or more characters stay as they are
    };
    for (const auto& c : cases)
        EXPECT_EQ(bx::Freq_bcd_to_text(c.b[0], c.b[1], c.b[2], c.b[3]), c.text) << c.text;
}

TEST(FreqBcd, EveryGridTextSurvivesTheRoundTrip) {
    // Every 2.5 kHz point of 144-146 MHz and 6.25 kHz point of 438-440 MHz
    // (every fraction either grid has) stores and reads back.
    for (int khz_x2 = 144000 * 2; khz_x2 <= 146000 * 2; khz_x2 += 5) {
        MemImage img;
        std::string t = bx::Freq_text_of(khz_x2 / 2000.0);
        ASSERT_TRUE(bx::Store_freq_bcd(t, img, Chann::Rx_freq, 0));
        ASSERT_EQ(bx::Freq_bcd_to_text(bx::Read_freq_bcd(img, Chann::Rx_freq, 0)), t) << t;
    }
    for (int step = 438000 * 4; step <= 440000 * 4; step += 25) {
        MemImage img;
        std::string t = bx::Freq_text_of(step / 4000.0);
        ASSERT_TRUE(bx::Store_freq_bcd(t, img, Chann::Tx_freq, 199));
        ASSERT_EQ(bx::Freq_bcd_to_text(bx::Read_freq_bcd(img, Chann::Tx_freq, 199)), t) << t;
    }
}

TEST(ChannFreqCheck, BandEdgesInWholeMegahertz) {
    const struct {
        const char* mhz;
        bool passes;
    } cases[] = {
        {"129.99", false}, {"130", true},     {"179.99", true}, {"180", false},
        {"399.99", false}, {"400", true},     {"520.5", true},  {"521", false},
        {"0", false},      {"999.9", false},  {"250", false},
    };
    for (const auto& c : cases) {
        for (int first : {0, 4}) {
            MemImage img;
            put(img, 42, first, bx::Freq_text_to_bcd(c.mhz));
            EXPECT_EQ(bx::Chann_freq_check(img, kStartLimits), c.passes ? 255 : 42)
                << c.mhz << " at byte " << first;
        }
    }
}

TEST(ChannFreqCheck, WhichBytesAreTested) {
    MemImage img;
    EXPECT_EQ(bx::Chann_freq_check(img, kStartLimits), 255);  // all empty

    // Receive passes, transmit fails.
    put(img, 9, 0, {0x00, 0x00, 0x50, 0x14});
    put(img, 9, 4, {0x00, 0x00, 0x00, 0x60});
    EXPECT_EQ(bx::Chann_freq_check(img, kStartLimits), 9);

    // No receive frequency: the transmit frequency is still tested.
    img = MemImage{};
    put(img, 9, 4, {0x00, 0x00, 0x00, 0x60});
    EXPECT_EQ(bx::Chann_freq_check(img, kStartLimits), 9);

    // First byte 0xFF alone does not make an empty frequency: nibbles count 15.
    img = MemImage{};
    put(img, 9, 0, {0xFF, 0x12, 0x50, 0x14});  // 145.01365
    EXPECT_EQ(bx::Chann_freq_check(img, kStartLimits), 255);
    put(img, 9, 0, {0xFF, 0x00, 0x00, 0x00});  // 0.00165
    EXPECT_EQ(bx::Chann_freq_check(img, kStartLimits), 9);

    // The first failing channel wins; channel 199 is the last one tested.
    img = MemImage{};
    put(img, 150, 0, {0, 0, 0, 0x60});
    put(img, 20, 4, {0, 0, 0, 0x60});
    EXPECT_EQ(bx::Chann_freq_check(img, kStartLimits), 20);
    img = MemImage{};
    put(img, 200, 0, {0, 0, 0, 0x60});
    EXPECT_EQ(bx::Chann_freq_check(img, kStartLimits), 255);
    put(img, 199, 0, {0, 0, 0, 0x60});
    EXPECT_EQ(bx::Chann_freq_check(img, kStartLimits), 199);
}

TEST(ChannFreqCheck, ReadsTheLimitsItIsGiven) {
    MemImage img;
    put(img, 0, 0, bx::Freq_text_to_bcd("145"));
    EXPECT_EQ(bx::Chann_freq_check(img, {136, 174, 400, 480}), 255);
    EXPECT_EQ(bx::Chann_freq_check(img, {146, 174, 400, 480}), 0);
    EXPECT_EQ(bx::Chann_freq_check(img, {400, 471, 0, 0}), 0);
}

// A band of 0-0 is no band: a radio of one band reports its band B so, and
// the check then takes band A alone (in whole MHz, as for two bands).
TEST(ChannFreqCheck, BandBOfZeroIsNoBand) {
    struct Case {
        const char* mhz;
        bx::ValidationLimits lim;
        bool passes;
    } cases[] = {
        {"450", {400, 470, 0, 0}, true},       {"400", {400, 470, 0, 0}, true},
        {"470.99", {400, 470, 0, 0}, true},    {"471", {400, 470, 0, 0}, false},
        {"399.9", {400, 470, 0, 0}, false},    {"145", {400, 470, 0, 0}, false},
        {"145", {136, 174, 0, 0}, true},       {"200", {136, 174, 0, 0}, false},
        // A band B that only starts or only ends at 0 is still a band.
        {"450", {400, 470, 0, 480}, true},     {"475", {400, 470, 0, 480}, true},
        {"481", {400, 470, 0, 480}, false},
    };
    for (const Case& c : cases) {
        MemImage img;
        put(img, 7, 4, bx::Freq_text_to_bcd(c.mhz));
        EXPECT_EQ(bx::Chann_freq_check(img, c.lim), c.passes ? 255 : 7)
            << c.mhz << " with band B " << c.lim.B_low << "-" << c.lim.B_high;
    }
}

TEST(ValidationLimits, BandPickedByAVfo) {
    struct Case {
        bx::ValidationLimits lim;
        int band;
        double low, high;
    } cases[] = {
        {{136, 174, 400, 480}, 0, 136, 174},
        {{136, 174, 400, 480}, 1, 400, 480},
        {{400, 470, 0, 0}, 0, 400, 470},
        {{400, 470, 0, 0}, 1, 400, 470},  // no band B: band A's
    };
    for (const Case& c : cases) {
        double low = -1, high = -1;
        c.lim.Band(c.band, low, high);
        EXPECT_EQ(low, c.low) << c.band;
        EXPECT_EQ(high, c.high) << c.band;
    }
    EXPECT_TRUE((bx::ValidationLimits{136, 174, 400, 480}.Has_B()));
    EXPECT_FALSE((bx::ValidationLimits{400, 470, 0, 0}.Has_B()));
}
