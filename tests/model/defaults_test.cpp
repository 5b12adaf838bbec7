#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/codecs.h"
#include "model/defaults.h"
#include "model/factory_choices.h"
#include "model/layouts.h"
#include "support/fixture.h"

using namespace bx;

namespace {

using Bytes = std::vector<int>;

Bytes rec(const MemImage& img, int r) {
    Bytes out;
    for (int b = 0; b < kRecordBytes; ++b) out.push_back(img(r, b));
    return out;
}

// The 16 bytes of a DTMF digit text as a code field.
Bytes dtmf(const char* digits) {
    const DtmfCodeField f = Dtmf_text_to_field(digits);
    return Bytes(f.begin(), f.end());
}

Bytes cat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

constexpr int FF = 0xFF;
const Bytes kFF16(16, FF);

// Bytes some builder may write at start-up; every other byte stays 0xFF.
bool written_at_startup(int r, int b) {
    if (r <= 199) return true;                                  // channels
    if (r >= 224 && r <= 243) return !((r == 241 || r == 243) && b >= 12);  // options, VFO A and B
    if (r >= 512 && r <= 575) return (r - 512) % 16 != 15;     // tone tables, slot 15 never
    if (r >= 576 && r <= 590) return b <= 2;                    // 5-tone standards
    if (r >= 592 && r <= 607) return true;                      // 5-tone codes and settings
    if (r >= 656 && r <= 687) return true;                      // DTMF
    if (r >= 720 && r <= 783) return true;                      // 2-tone and FM
    return false;
}

class FactoryImage : public bxtest::ProgramTest {
protected:
    void SetUp() override { prog.start(); }
    const MemImage& img() const { return app.Mem_image; }
};

TEST_F(FactoryImage, BytesNoBuilderWritesStayErased) {
    for (int r = 0; r < kImageRecords; ++r)
        for (int b = 0; b < kRecordBytes; ++b)
            if (!written_at_startup(r, b)) {
                ASSERT_EQ(img()(r, b), FF) << "record " << r << " byte " << b;
            }
}

TEST_F(FactoryImage, OptionBlockAndVfoRecords) {
    const struct {
        int r;
        Bytes bytes;
    } cases[] = {
        {224, {1, 2, 5, 0, 0, 5, 10, 0, 0, 1, 0, 0, 0, 0, 3, 0}},
        {225, {0, 0, 0, 0, 0, 0, 0, 10, 0, 1, 199, 5, 0, 0, 1, 0}},
        {226, {2, 3, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 10, 1, 5, 0}},
        {227, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {232, {0, 0, 0, 0, 31, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {236, {'W', 'E', 'L', 'C', 'O', 'M', 'V', 'Z', '4', '1', '5', '0', FF, FF, FF, FF}},
        {237, {8, 0, 8, 0, 8, FF, FF, FF, FF, FF, FF, FF, FF, FF, FF, FF}},
        {238, {1, 2, 3, 4, 5, FF, FF, FF, FF, FF, FF, FF, FF, FF, FF, FF}},
        {239, dtmf(factory::kPttIdEnd)},
        {240, {1, 3, 6, 0, 2, 5, 0, 0, 0, 1, 0, 6, 5, 5, 0, 0}},
        {241, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, FF, FF, FF, FF}},
        {242, {4, 7, 0, 0, 6, 2, 5, 0, 0, 0, 1, 6, 2, 5, 0, 0}},
        {243, {0, 0, 0, 0, 14, 0, 0, 0, 0, 0, 0, 0, FF, FF, FF, FF}},
    };
    // The builder on its own.
    MemImage built;
    OptionSettings settings{};
    Load_option_defaults(settings, built);
    for (const auto& c : cases) EXPECT_EQ(rec(built, c.r), c.bytes) << "record " << c.r;
    // After start-up the options editor has shown the VFO records once, which
    // puts each offset on its list's 50 kHz grid (10.650 and 1.600 MHz).
    for (const auto& c : cases) {
        Bytes want = c.bytes;
        if (c.r == 240) want = {1, 3, 6, 0, 2, 5, 0, 0, 0, 1, 0, 6, 5, 0, 0, 0};
        if (c.r == 242) want = {4, 7, 0, 0, 6, 2, 5, 0, 0, 0, 1, 6, 0, 0, 0, 0};
        EXPECT_EQ(rec(img(), c.r), want) << "record " << c.r;
    }
    // Positions without a factory value hold 0 from the zeroed mirror, not
    // 0xFF, up to the power-on message at 0x0EC0.
    for (int r : {228, 229, 230, 231, 233, 234, 235}) EXPECT_EQ(rec(img(), r), Bytes(16, 0)) << "record " << r;
    // The editor's mirror holds the block as written.
    for (int p = 0; p < 256; ++p) ASSERT_EQ(app.Option_settings[static_cast<size_t>(p)], img()(224 + p / 16, p % 16));
    EXPECT_EQ(app.Option_settings[256], 0);
}

TEST_F(FactoryImage, ChannelRecords) {
    const Bytes tail = {0, 0, 0, 4};
    const struct {
        int k;
        Bytes freq, tone;
    } cases[] = {
        {0, {0x00, 0x25, 0x50, 0x15}, {0x9E, 0x02}}, {1, {0x00, 0x00, 0x61, 0x13}, {0xE8, 0x03}},
        {2, {0x00, 0x50, 0x39, 0x17}, {0xF9, 0x04}}, {3, {0x00, 0x25, 0x00, 0x40}, {0xF3, 0x07}},
        {4, {0x00, 0x50, 0x99, 0x47}, {FF, FF}},     {5, {0x00, 0x00, 0x65, 0x43}, {0xC7, 0x09}},
        {6, {0x00, 0x00, 0x55, 0x15}, {0xD2, 0x00}}, {199, {0x00, 0x25, 0x06, 0x48}, {FF, FF}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rec(img(), c.k), cat(cat(cat(cat(c.freq, c.freq), c.tone), c.tone), tail)) << "channel " << c.k;
    for (int k : {7, 100, 198}) EXPECT_EQ(rec(img(), k), kFF16) << "channel " << k;
    for (int k = 0; k < 200; ++k) ASSERT_EQ(rec(img(), 256 + k), kFF16) << "name " << k;
}

TEST_F(FactoryImage, FmPresets) {
    const struct {
        int r;
        Bytes bytes;
    } cases[] = {
        {768, {0, 8, 8, 9, 0, 0, 0, 0, 0x4B, 0x45, 0x4C, 0x56, 0x4F, FF, FF, FF}},
        {769, {0, 9, 0, 4, 0, 0, 0, 0, 0x43, 0x43, 0x54, 0x56, 0x31, FF, FF, FF}},
        {771, {0, 9, 2, 3, 0, 0, 0, 0, 0x4A, 0x54, 0x5A, 0x53, 0x32, FF, FF, FF}},
        {773, {0, 9, 5, 5, 0, 0, 0, 0, 0x44, 0x55, 0x52, 0x4D, 0x41, FF, FF, FF}},
        {775, {0, 9, 6, 9, 0, 0, 0, 0, 0x43, 0x43, 0x54, 0x56, 0x34, FF, FF, FF}},
        {777, {0, 9, 8, 3, 0, 0, 0, 0, 0x4C, 0x4F, 0x58, 0x45, FF, FF, FF, FF}},
        {779, {1, 0, 3, 9, 0, 0, 0, 0, 0x43, 0x43, 0x54, 0x56, 0x36, FF, FF, FF}},
        {781, {1, 0, 0, 7, 0, 0, 0, 0, 0x44, 0x4E, 0x5A, 0x53, 0x33, FF, FF, FF}},
        {783, {1, 0, 5, 9, 0, 0, 0, 0, 0x43, 0x43, 0x54, 0x56, 0x39, FF, FF, FF}},
    };
    for (const auto& c : cases) EXPECT_EQ(rec(img(), c.r), c.bytes) << "record " << c.r;
    const Bytes empty = {0, 0, 0, 0, 0, 0, 0, 0, FF, FF, FF, FF, FF, FF, FF, FF};
    for (int r = 770; r <= 782; r += 2) EXPECT_EQ(rec(img(), r), empty) << "record " << r;
}

TEST_F(FactoryImage, DtmfArea) {
    EXPECT_EQ(rec(img(), 656), cat({2, 10, 2, 10, 2}, Bytes(11, FF)));
    EXPECT_EQ(rec(img(), 670), cat({3, 10, 3, 10, 3}, Bytes(11, FF)));
    EXPECT_EQ(rec(img(), 671), cat({3, 3}, Bytes(14, FF)));
    for (int r = 657; r <= 669; ++r) EXPECT_EQ(rec(img(), r), kFF16) << "record " << r;
    const char* const commands[] = {factory::kDtmfCmdInspection, factory::kDtmfCmdMonitor, factory::kDtmfCmdAlarm,
                                    factory::kDtmfCmdStun,       factory::kDtmfCmdKill,    factory::kDtmfCmdRevive};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(rec(img(), 672 + i), dtmf(commands[i])) << "record " << 672 + i;
    for (int r = 678; r <= 684; ++r) EXPECT_EQ(rec(img(), r), kFF16) << "record " << r;
    EXPECT_EQ(rec(img(), 685), dtmf(factory::kDtmfMasterId));
    EXPECT_EQ(rec(img(), 686), dtmf(factory::kDtmfViceId));
    EXPECT_EQ(rec(img(), 687), cat({1, 31, 3, 0, 11, 12, 4, 79}, Bytes(8, FF)));
}

TEST_F(FactoryImage, TwoToneArea) {
    const struct {
        int r;
        Bytes bytes;
    } cases[] = {
        {720, {0xBD, 0x07, FF, FF, FF, FF, FF, FF, 0x64, 0x04, FF, FF, FF, FF, FF, FF}},
        {721, {0x4E, 0x05, FF, FF, FF, FF, FF, FF, 0xA6, 0x05, FF, FF, FF, FF, FF, FF}},
        {722, {0x04, 0x06, FF, FF, FF, FF, FF, FF, 0x68, 0x06, FF, FF, FF, FF, FF, FF}},
        {731, {0x98, 0x08, FF, FF, FF, FF, FF, FF, 0xCA, 0x03, FF, FF, FF, FF, FF, FF}},
        {732, {0x24, 0x04, FF, FF, FF, FF, FF, FF, 0x88, 0x04, FF, FF, FF, FF, FF, FF}},
        {733, {0x78, 0x05, FF, FF, FF, FF, FF, FF, 0xFA, 0x05, FF, FF, FF, FF, FF, FF}},
        {734, {0x86, 0x06, FF, FF, FF, FF, FF, FF, 0x26, 0x07, FF, FF, FF, FF, FF, FF}},
        {735, cat({60, 60, 30}, Bytes(13, FF))},
        {736, {0, 1, 1, 4, 2, 2, 8, 3, 3, 9, 0, 4, FF, FF, FF, FF}},
        {737, {0, 1, 1, 4, 2, 2, 8, 3, 3, 9, 0, 4, FF, FF, FF, FF}},
        {749, {0, 1, 1, 4, 2, 2, 8, 3, 3, 9, 0, 4, FF, FF, FF, FF}},
        {750, {9, 0, 4, 8, 3, 3, 4, 2, 2, 0, 1, 1, FF, FF, FF, FF}},
        {752, {0xBD, 0x07, 0x64, 0x04, 0xAD, 0x04, 0xFB, 0x04, 0x8B, 0x04, 0x02, 0x08, 0x85, 0x07, 0x0F, 0x07}},
        {767, cat({59}, Bytes(15, FF))},
    };
    for (const auto& c : cases) EXPECT_EQ(rec(img(), c.r), c.bytes) << "record " << c.r;
    for (int r : {723, 730, 738, 748, 751, 754, 764}) EXPECT_EQ(rec(img(), r), kFF16) << "record " << r;
    // The other decode tones, by frequency word.
    namespace T = layout::Sig_2tone_dec_tones;
    const struct {
        int entry;
        int hz[4];
    } tones[] = {{2, {1358, 1446, 1540, 1640}}, {14, {2200, 970, 1060, 1160}}, {15, {1400, 1530, 1670, 1830}}};
    for (const auto& t : tones)
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(T::Freq[k].get(img(), t.entry - 1), t.hz[k]) << "entry " << t.entry << " tone " << k;
            EXPECT_GT(T::Period[k].get(img(), t.entry - 1), 0);
        }
}

TEST_F(FactoryImage, FiveToneArea) {
    const int period[15] = {8, 5, 5, 5, 5, 5, 5, 5, 5, 2, 1, 8, 5, 5, 2};
    for (int s = 0; s < 15; ++s) {
        const Bytes r = rec(img(), 576 + s);
        EXPECT_EQ(Bytes(r.begin(), r.begin() + 3), (Bytes{period[s], 10, 14})) << "standard " << s;
    }
    EXPECT_EQ(rec(img(), 592), (Bytes{1, 2, 3, 4, 5, 3, 4, 5, 6, 7, 5, 6, 7, 8, 9, 0}));
    EXPECT_EQ(rec(img(), 606), (Bytes{2, 3, 4, 5, 6, 4, 5, 6, 7, 8, 6, 7, 8, 9, 0, 14}));
    for (int r = 593; r <= 605; ++r) EXPECT_EQ(rec(img(), r), kFF16) << "record " << r;
    EXPECT_EQ(rec(img(), 607), (Bytes{20, 20, 20, 0, FF, FF, FF, FF, 0, 1, 6, 59, FF, FF, FF, FF}));
    // The tone tables come first: the hertz low bytes of CCIR1.
    EXPECT_EQ(rec(img(), 512), (Bytes{0xBD, 0x64, 0xAD, 0xFB, 0x4E, 0xA6, 0x04, 0x68, 0xD3, 0x44, 0x60, 0xA2, 0xC7,
                                       0xDF, 0x3E, 0x1F}));
}

TEST_F(FactoryImage, AlignmentTables) {
    const AdjTable& d = app.Adj_defaults;
    auto row = [&](int c) {
        Bytes out;
        for (int r = 0; r < kAdjCells; ++r) out.push_back(d(c, r));
        return out;
    };
    EXPECT_EQ(row(0), (Bytes{12, 13, 13, 13, 13, 13, 14, 15, 15, 15, 15, 15, 15, 15, 15, 15}));
    EXPECT_EQ(row(1), (Bytes{12, 12, 13, 13, 13, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12}));
    EXPECT_EQ(row(2), (Bytes{6, 5, 5, 5, 5, 5, 6, 6, 7, 6, 6, 6, 7, 7, 7, 7}));
    EXPECT_EQ(row(3), Bytes(16, 5));
    EXPECT_EQ(row(4), (Bytes{38, 35, 36, 37, 38, 39, 41, 43, 45, 48, 48, 48, 48, 48, 48, 48}));
    EXPECT_EQ(row(5), (Bytes{8, 8, 8, 5, 5, 5, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(row(6), (Bytes{38, 31, 32, 33, 34, 35, 36, 37, 39, 41, 41, 41, 41, 41, 41, 41}));
    EXPECT_EQ(row(7), (Bytes{1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(row(8), (Bytes{60, 21, 16, 9, 15, 15, 15, 12, 12, 2, 2, 128, 50, 0, 0, 0}));
    EXPECT_EQ(row(9), (Bytes{1, 3, 0, 1, 7, 9, 4, 0, 0, 4, 8, 0, 0, 0, 0, 0}));
    for (int c = 10; c <= 30; ++c) EXPECT_EQ(row(c), Bytes(16, 0)) << "record " << c;
    const std::string pw = std::string(factory::kAdjUserPassword) + factory::kAdjSuperPassword;
    EXPECT_EQ(row(31), cat(Bytes(pw.begin(), pw.end()), {0, 0, 0, 0}));
    EXPECT_EQ(app.Adj_table, app.Adj_defaults);
}

// The factory choices are digits of the lengths their fields take.
TEST(FactoryChoices, AreDigitCodes) {
    const struct {
        const char* text;
        size_t len;
    } cases[] = {{factory::kPttIdEnd, 5},          {factory::kDtmfCmdInspection, 3}, {factory::kDtmfCmdMonitor, 3},
                 {factory::kDtmfCmdAlarm, 3},     {factory::kDtmfCmdStun, 3},       {factory::kDtmfCmdKill, 3},
                 {factory::kDtmfCmdRevive, 3},    {factory::kDtmfMasterId, 5},      {factory::kDtmfViceId, 5},
                 {factory::kAdjUserPassword, 6},  {factory::kAdjSuperPassword, 6}};
    for (const auto& c : cases) {
        EXPECT_EQ(std::string(c.text).size(), c.len) << c.text;
        const DtmfCodeField f = Dtmf_text_to_field(c.text);
        EXPECT_EQ(Dtmf_field_to_text(f), c.text);
    }
}

// ---- each builder writes its own area only, and the same bytes whatever
// the area held before ----

struct Builder {
    const char* name;
    std::function<void(MemImage&)> run;
    std::function<bool(int r, int b)> in_area;
};

MemImage pattern(int seed) {
    MemImage img;
    for (int r = 0; r < kImageRecords; ++r)
        for (int b = 0; b < kRecordBytes; ++b) img(r, b) = static_cast<uint8_t>((r * 31 + b * 7 + seed) & 0xFF);
    return img;
}

TEST(Builders, WriteTheirAreaOnlyAndAlwaysTheSameBytes) {
    OptionSettings settings{};
    const Builder builders[] = {
        {"Load_chann_defaults", Load_chann_defaults, [](int r, int) { return r <= 199; }},
        {"Load_fm_defaults", Load_fm_defaults, [](int r, int) { return r >= 768 && r <= 783; }},
        {"Load_option_defaults", [&](MemImage& m) { Load_option_defaults(settings, m); },
         [](int r, int b) { return r >= 224 && r <= 243 && !((r == 241 || r == 243) && b >= 12); }},
        {"Load_dtmf_defaults", Load_dtmf_defaults, [](int r, int) { return r >= 656 && r <= 687; }},
        {"Load_2tone_defaults", [](MemImage& m) { Load_2tone_defaults(m); },
         [](int r, int) { return r >= 720 && r <= 767; }},
        {"Load_5tone_defaults", Load_5tone_defaults,
         [](int r, int b) {
             return (r >= 512 && r <= 575 && (r - 512) % 16 != 15) || (r >= 576 && r <= 590 && b <= 2) ||
                    (r >= 592 && r <= 607);
         }},
    };
    const MemImage a = pattern(0), b = pattern(0x5A);
    for (const Builder& bld : builders) {
        SCOPED_TRACE(bld.name);
        MemImage x = a, y = b;
        bld.run(x);
        bld.run(y);
        int outside_changed = 0, inside_differs = 0;
        for (int r = 0; r < kImageRecords; ++r)
            for (int k = 0; k < kRecordBytes; ++k) {
                if (!bld.in_area(r, k)) {
                    outside_changed += (x(r, k) != a(r, k)) + (y(r, k) != b(r, k));
                } else {
                    inside_differs += x(r, k) != y(r, k);
                }
            }
        EXPECT_EQ(outside_changed, 0);
        EXPECT_EQ(inside_differs, 0);
        MemImage again = x;
        bld.run(again);
        EXPECT_EQ(again, x);
    }
}

TEST(Builders, OptionDefaultsKeepTheSettingsWithoutFactoryValue) {
    OptionSettings s{};
    for (int16_t p : {Option_ofs_Sc_Add, Option_ofs_Pri_Sc, Option_ofs_Pri_Ch, Option_ofs_ANI_L, Option_ofs_4,
                      Option_ofs_28, int16_t{100}})
        s[static_cast<size_t>(p)] = 7;
    s[Option_ofs_tot] = 30;
    MemImage img;
    Load_option_defaults(s, img);
    for (int p : {0x10, 0x11, 0x12, 0x29, 0x04, 0x1C, 100}) EXPECT_EQ(img.at_addr(0x0E00 + p), 7) << p;
    EXPECT_EQ(img.at_addr(0x0E05), 5);
    EXPECT_EQ(s[Option_ofs_tot], 5);
}

TEST(Builders, AlignmentDefaultsWriteTheirCellsOnly) {
    AdjTable t;
    for (int c = 0; c < kAdjRecords; ++c)
        for (int r = 0; r < kAdjCells; ++r) t(c, r) = 0x55;
    Load_adj_defaults(t);
    EXPECT_EQ(t(8, 11), 128);
    EXPECT_EQ(t(9, 10), 8);
    for (int c = 10; c <= 30; ++c)
        for (int r = 0; r < kAdjCells; ++r) ASSERT_EQ(t(c, r), 0x55);
    for (int r = 12; r < kAdjCells; ++r) EXPECT_EQ(t(31, r), 0x55);
    AdjTable again = t;
    Load_adj_defaults(again);
    EXPECT_EQ(again, t);
}

// ---- the stores the builders use ----

TEST(StoreCtcssTone, Cases) {
    const struct {
        const char* text;
        bool stored;
        int low, high;
    } cases[] = {
        {"FF", true, 0xFF, 0xFF}, {"67.0", true, 0x9E, 0x02}, {"250.3", true, 0xC7, 0x09},
        {"0", false, 0x11, 0x22}, {"255", false, 0x11, 0x22}, {"300", false, 0x11, 0x22},
        {"", false, 0x11, 0x22},  {"-5", false, 0x11, 0x22},  {"ff", false, 0x11, 0x22},
        {"25.56", true, 0x00, 0x01},  // 255.6 tenths round up to 256: the low byte carries
        {"0.25", true, 0x02, 0x00},   // 2.5 tenths: halves go to the even neighbour
    };
    for (const auto& c : cases) {
        MemImage img;
        img(3, 8) = 0x11;
        img(3, 9) = 0x22;
        EXPECT_EQ(Store_ctcss_tone(img, c.text, layout::Chann_record::Rx_tone, 3), c.stored) << c.text;
        EXPECT_EQ(img(3, 8), c.low) << c.text;
        EXPECT_EQ(img(3, 9), c.high) << c.text;
        EXPECT_EQ(img(3, 10), 0xFF) << c.text;
    }
    MemImage img;
    const MemImage before = img;
    EXPECT_FALSE(Store_ctcss_tone(img, "67.0", layout::Chann_record::Tx_tone, 200));
    EXPECT_FALSE(Store_ctcss_tone(img, "67.0", layout::Chann_record::Tx_tone, -1));
    // A field that is no tone code is a caller's fault, not a refusal.
    EXPECT_THROW(Store_ctcss_tone(img, "67.0", layout::Chann_record::Rx_freq, 3), std::logic_error);
    EXPECT_THROW(Store_ctcss_tone(img, "67.0", layout::Sig_2tone_enc_record::Tone_1, 3), std::logic_error);
    EXPECT_EQ(img, before);
}

TEST(StoreFm, FrequencyDigitsAndName) {
    const struct {
        double mhz;
        Bytes digits;
    } freqs[] = {
        {88.9, {0, 8, 8, 9, 0, 0, 0, 0}},   {87.55, {0, 8, 7, 5, 5, 0, 0, 0}}, {107.95, {1, 0, 7, 9, 5, 0, 0, 0}},
        {99.99999, {0, 9, 9, 9, 9, 9, 9, 9}}, {0, {0, 0, 0, 0, 0, 0, 0, 0}},
        // Digits below 10 Hz are cut, not rounded.
        {88.123456, {0, 8, 8, 1, 2, 3, 4, 5}}, {999.999999, {9, 9, 9, 9, 9, 9, 9, 9}},
    };
    for (const auto& f : freqs) {
        MemImage img;
        Store_fm_freq(img, f.mhz, 2);
        EXPECT_EQ(rec(img, 770), cat(f.digits, Bytes(8, FF))) << f.mhz;
    }
    for (double bad : {-1.0, 1000.0, -0.001}) {
        MemImage img;
        const MemImage before = img;
        Store_fm_freq(img, bad, 2);
        EXPECT_EQ(img, before) << bad;
    }
    MemImage img;
    std::string name = "  AB C  ";
    Store_fm_name(img, name, 0);
    EXPECT_EQ(name, "AB C");
    EXPECT_EQ(rec(img, 768), cat(Bytes(8, FF), {'A', 'B', ' ', 'C', FF, FF, FF, FF}));
    // A name longer than the field stops at byte 15: the next preset is untouched.
    std::string long_name = "ABCDEFGHIJ";
    Store_fm_name(img, long_name, 0);
    EXPECT_EQ(rec(img, 768), cat(Bytes(8, FF), {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}));
    EXPECT_EQ(rec(img, 769), kFF16);
}

TEST(Store2tonePair, WholeHertzLowByteFirst) {
    MemImage img;
    Store_2tone_pair(img, 0, 1980.6, 1124.4);
    EXPECT_EQ(rec(img, 720), (Bytes{0xBD, 0x07, FF, FF, FF, FF, FF, FF, 0x64, 0x04, FF, FF, FF, FF, FF, FF}));
    Store_2tone_pair(img, 1, 70000, -3);
    EXPECT_EQ(rec(img, 721), (Bytes{0xFF, 0xFF, FF, FF, FF, FF, FF, FF, 0x00, 0x00, FF, FF, FF, FF, FF, FF}));
}

}  // namespace
