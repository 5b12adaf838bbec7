// The channel rows apart from the window: record bytes to cell texts, the
// erase and new-channel bytes, picks, range rules and names.
#include <gtest/gtest.h>

#include <vector>

#include "editors/channels/chann_rows.h"

using namespace bx;

namespace {

struct Tables {
    ToneNameTable names;
    RadioIdent ident;
    Tables() { Load_code_tables(names, ident); }
};
const Tables& tables() {
    static const Tables t;
    return t;
}

std::vector<uint8_t> record(const MemImage& img, int r) {
    std::vector<uint8_t> v;
    for (int b = 0; b < 16; ++b) v.push_back(img(r, b));
    return v;
}
void put(MemImage& img, int r, const std::vector<uint8_t>& bytes) {
    for (size_t b = 0; b < bytes.size(); ++b) img(r, static_cast<int>(b)) = bytes[b];
}
const std::vector<uint8_t> kFF(16, 0xFF);

}  // namespace

TEST(ChannRows, RecordToCells) {
    struct Case {
        const char* what;
        std::vector<uint8_t> rec, name;
        std::vector<std::pair<int, std::string>> cells;  // column, text
    };
    const std::string d023n = tables().names[51];
    // 145.5 MHz receive, 146.0 MHz transmit.
    const std::vector<uint8_t> base = {0x00, 0x00, 0x55, 0x14, 0x00, 0x00, 0x60, 0x14,
                                       0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04};
    auto with = [&](std::initializer_list<std::pair<int, uint8_t>> bytes) {
        std::vector<uint8_t> r = base;
        for (auto [b, v] : bytes) r[static_cast<size_t>(b)] = v;
        return r;
    };
    const std::vector<Case> cases = {
        {"defaults",
         base,
         kFF,
         {{1, "VHF/UHF "}, {2, "145.50000"}, {3, "146.00000"}, {4, "OFF"}, {5, "OFF"}, {6, "HIGH"}, {7, "W"},
          {8, "OFF"}, {9, "OFF"}, {10, "ON"}, {11, "1"}, {12, "OFF"}, {13, "QT"}, {14, "OFF"}, {15, ""}}},
        {"receive only", with({{4, 0xFF}, {10, 0x00}, {11, 0x00}}), kFF, {{3, ""}, {5, ""}, {4, "OFF"}}},
        {"power bits 1", with({{14, 0x01}}), kFF, {{6, "LOW"}, {14, "OFF"}}},
        {"power bits 5", with({{14, 0x05}}), kFF, {{6, "HIGH"}}},
        {"power and scrambler", with({{14, 0x11}}), kFF, {{6, "LOW"}, {14, "ON"}}},
        {"scrambler past list", with({{14, 0x20}}), kFF, {{14, ""}}},
        {"tones off as FF FF", with({{8, 0xFF}, {9, 0xFF}, {10, 0xFF}, {11, 0xFF}}), kFF, {{4, "OFF"}, {5, "OFF"}}},
        {"CTCSS", with({{8, 0x75}, {9, 0x03}, {10, 0xE8}, {11, 0x03}}), kFF, {{4, "88.5"}, {5, "100.0"}}},
        {"DCS", with({{8, 0x01}, {10, 0x01}}), kFF, {{4, d023n}, {5, "D023N"}}},
        {"tones outside the tables", with({{8, 0xD3}, {9, 0x00}, {10, 0x00}, {11, 0x80}}), kFF, {{4, ""}, {5, ""}}},
        {"signal code 15", with({{12, 0x0E}}), kFF, {{11, "15"}}},
        {"signal code past list", with({{12, 0xFF}}), kFF, {{11, ""}}},
        {"5TONE and OR", with({{13, 0x23}}), kFF, {{12, "5TONE"}, {13, "OR"}}},
        {"signalling past lists", with({{13, 0x34}}), kFF, {{12, ""}, {13, ""}}},
        {"byte 15 bits", with({{15, 0x4A}}), kFF, {{7, "N"}, {8, "EOT"}, {9, "ON"}, {10, "OFF"}}},
        {"name with gaps", base, {0x41, 0xFF, 0x42, 0xFF, 0xFF, 0xFF}, {{15, "AB"}}},
        {"no name when byte 0 is FF", base, {0xFF, 0x41, 0x42, 0x43, 0x44, 0x45}, {{15, ""}}},
        {"lower case and blank skipped", base, {0x61, 0x20, 0x31, 0x5A, 0x7A, 0x2D}, {{15, "1Z"}}},
        {"251 and 253 as + and -", base, {0xFB, 0x41, 0xFD, 0xFC, 0xFE, 0x31}, {{15, "+A-1"}}},
        {"empty channel", {0xFF, 0x50, 0x45, 0x14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4},
         {0x41, 0x42, 0xFF}, {{1, ""}, {2, ""}, {3, ""}, {6, ""}, {10, ""}, {15, "AB"}}},
    };
    for (const Case& c : cases) {
        MemImage img;
        put(img, 7, c.rec);
        put(img, 256 + 7, c.name);
        ChannCells cells = Chann_row_cells(img, 7, tables().names);
        // The name column comes from the name alone (the window's erase of
        // an empty channel comes before it).
        cells[kColName] = Chann_name_text(img, 7);
        for (auto [col, text] : c.cells) EXPECT_EQ(cells[static_cast<size_t>(col)], text) << c.what << " col " << col;
        EXPECT_EQ(record(img, 7), c.rec) << c.what << ": showing changes no byte";
    }
}

TEST(ChannRows, EraseAndDefaultsKeepOtherRecords) {
    MemImage img;
    for (int r : {6, 7, 8, 256 + 6, 256 + 7, 256 + 8}) put(img, r, std::vector<uint8_t>(16, 0x12));
    Set_chann_default_records(img, 7);
    EXPECT_EQ(record(img, 7), (std::vector<uint8_t>{0x12, 0x12, 0x12, 0x12, 0x12, 0x12, 0x12, 0x12, 0, 0, 0, 0, 0, 0,
                                                    0, 4}));
    EXPECT_EQ(record(img, 256 + 7), kFF);
    put(img, 256 + 7, std::vector<uint8_t>(16, 0x41));
    Erase_chann_records(img, 7);
    EXPECT_EQ(record(img, 7), kFF);
    EXPECT_EQ(record(img, 256 + 7), kFF);
    for (int r : {6, 8, 256 + 6, 256 + 8}) EXPECT_EQ(record(img, r), std::vector<uint8_t>(16, 0x12)) << r;
    // The pair past the last channel is reachable.
    Erase_chann_records(img, 200);
    EXPECT_EQ(record(img, 456), kFF);
}

TEST(ChannRows, PicksWriteTheirBitsOnly) {
    struct Case {
        int col, pos;
        std::vector<std::pair<int, uint8_t>> before, after;  // byte, value
    };
    const std::vector<Case> cases = {
        {kColPower, 1, {{14, 0x10}}, {{14, 0x11}}},
        {kColPower, 0, {{14, 0xFD}}, {{14, 0xFC}}},
        // LOW is bits 0-2 = 1, so a bit 2 left over from a radio goes; HIGH
        // clears bits 0-1 only and still shows HIGH.
        {kColPower, 1, {{14, 0x05}}, {{14, 0x01}}},
        {kColPower, 1, {{14, 0x17}}, {{14, 0x11}}},
        {kColPower, 0, {{14, 0x05}}, {{14, 0x04}}},
        {kColWn, 1, {{15, 0x0F}}, {{15, 0x4F}}},
        {kColWn, 0, {{15, 0xFF}}, {{15, 0xBF}}},
        {kColPttId, 3, {{15, 0x44}}, {{15, 0x47}}},
        {kColBusyLock, 1, {{15, 0x00}}, {{15, 0x08}}},
        {kColScanAdd, 0, {{15, 0xFF}}, {{15, 0xFB}}},
        {kColSigCode, 14, {{12, 0x50}}, {{12, 0x5E}}},
        {kColOptSig, 2, {{13, 0x21}}, {{13, 0x22}}},
        {kColSqMode, 1, {{13, 0x03}}, {{13, 0x13}}},
        {kColScrambler, 1, {{14, 0x03}}, {{14, 0x13}}},
        // Tones: the receive tone's pick also becomes the transmit tone.
        {kColRxTone, 1, {{10, 0x55}, {12, 0x33}}, {{8, 0x9E}, {9, 0x02}, {10, 0x9E}, {11, 0x02}, {12, 0x33}}},
        {kColRxTone, 0, {{8, 0xFF}, {9, 0xFF}}, {{8, 0}, {9, 0}, {10, 0}, {11, 0}}},
        {kColTxTone, 51, {{8, 0x9E}, {9, 0x02}, {13, 0x21}}, {{8, 0x9E}, {9, 0x02}, {10, 1}, {11, 0}, {13, 0x21}}},
        {kColTxTone, 260, {}, {{10, 210}, {11, 0}}},
    };
    for (const Case& c : cases) {
        MemImage img;
        put(img, 3, std::vector<uint8_t>(16, 0x00));
        for (auto [b, v] : c.before) img(3, b) = v;
        std::vector<uint8_t> want = record(img, 3);
        for (auto [b, v] : c.after) want[static_cast<size_t>(b)] = v;
        Write_chann_pick(img, 3, c.col, c.pos, tables().names);
        EXPECT_EQ(record(img, 3), want) << "col " << c.col << " pos " << c.pos;
    }
}

TEST(ChannRows, RangeRules) {
    const ValidationLimits start{130, 179, 400, 520};
    struct Case {
        double f;
        bool leave_refuses, enter_refuses;
    };
    const Case cases[] = {
        {129.99999, true, true}, {130, false, false}, {179, false, false}, {179.5, false, true},
        {179.99999, false, true}, {180, true, true},  {399.99, true, true}, {400, false, false},
        {520, false, false},     {520.00001, true, true}, {0, true, true}, {1e308, true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Leave_rule_refuses(c.f, start), c.leave_refuses) << c.f;
        EXPECT_EQ(Enter_rule_refuses(c.f, start), c.enter_refuses) << c.f;
    }
    EXPECT_EQ(A_low_text(start), "130.00000");
    EXPECT_EQ(A_low_text({66, 88, 400, 470}), "66.00000");

    // A radio of one band reports band B as 0-0: band A alone, each rule
    // keeping its own top of band A.
    const ValidationLimits single{400, 470, 0, 0};
    const Case single_cases[] = {
        {0, true, true},         {399.99, true, true},  {400, false, false}, {455, false, false},
        {470, false, false},     {470.5, false, true},  {471, true, true},   {520, true, true},
    };
    for (const Case& c : single_cases) {
        EXPECT_EQ(Leave_rule_refuses(c.f, single), c.leave_refuses) << "single band " << c.f;
        EXPECT_EQ(Enter_rule_refuses(c.f, single), c.enter_refuses) << "single band " << c.f;
    }
    EXPECT_EQ(A_low_text(single), "400.00000");
}

TEST(ChannRows, TypedTexts) {
    const std::pair<const char*, const char*> enter[] = {
        {"145", "145.00000"}, {"88", "88.00000"}, {"145.5", "145.50000"}, {"145.0125678", "145.01256"},
    };
    for (auto [typed, shown] : enter) EXPECT_EQ(Enter_freq_text(typed), shown) << typed;

    struct Tone {
        const char* typed;
        bool custom;
        const char* cell;
        int code;
    };
    const Tone tones[] = {
        {"88.5", true, "88.5", 885},   {"100", true, "100.0", 1000}, {" 60 ", true, "60.0", 600},
        {"259.9", true, "259.9", 2599}, {"59.9", false, "", 0},       {"260", false, "", 0},
        {"D754I", false, "", 0},
    };
    for (const Tone& t : tones) {
        auto c = Custom_ctcss(t.typed);
        ASSERT_EQ(c.has_value(), t.custom) << t.typed;
        if (!c) continue;
        EXPECT_EQ(c->cell, t.cell) << t.typed;
        EXPECT_EQ(c->code.low | (c->code.high << 8), t.code) << t.typed;
    }

    struct Name {
        const char* typed;
        const char* cell;
        int length;
        std::vector<uint8_t> bytes;
    };
    // A name keeps digits, capitals, "+" (251) and "-" (253), packed from
    // byte 0; everything else is dropped before the cut to six, and the
    // cell is what the record shows back.
    const Name names[] = {
        {"ab-cd", "AB-CD", 5, {0x41, 0x42, 0xFD, 0x43, 0x44, 0xFF}},
        {" abcdefgh ", "ABCDEF", 8, {0x41, 0x42, 0x43, 0x44, 0x45, 0x46}},
        {"a b", "AB", 2, {0x41, 0x42, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"é1", "1", 1, {0x31, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"éb1", "B1", 2, {0x42, 0x31, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"-AB", "-AB", 3, {0xFD, 0x41, 0x42, 0xFF, 0xFF, 0xFF}},
        {"+1", "+1", 2, {0xFB, 0x31, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"_X", "X", 1, {0x58, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"A+B-C", "A+B-C", 5, {0x41, 0xFB, 0x42, 0xFD, 0x43, 0xFF}},
        {"x9-Q_Z7", "X9-QZ7", 6, {0x58, 0x39, 0xFD, 0x51, 0x5A, 0x37}},
        {"a-b+c-d+", "A-B+C-", 8, {0x41, 0xFD, 0x42, 0xFB, 0x43, 0xFD}},
        {"ééééééé", "", 0, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"abcde ", "ABCDE", 5, {0x41, 0x42, 0x43, 0x44, 0x45, 0xFF}},
        {"", "", 0, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const Name& n : names) {
        EXPECT_EQ(Chann_name_cell(n.typed), n.cell) << n.typed;
        EXPECT_EQ(Chann_name_length(n.typed), n.length) << n.typed;
        MemImage img;
        put(img, 256 + 4, std::vector<uint8_t>(16, 0x30));
        Store_chann_name(img, 4, Chann_name_cell(n.typed));
        std::vector<uint8_t> want = n.bytes;
        want.resize(16, 0x30);  // bytes 6-15 are not written
        EXPECT_EQ(record(img, 256 + 4), want) << n.typed;
        EXPECT_EQ(Chann_name_text(img, 4), n.cell) << n.typed;
    }
}

TEST(ChannRows, FormatStrings) {
    EXPECT_EQ(Chann_format_string(0),
              "^Channel|^  Band  |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^TX Power|^ W/N "
              "|^PTT-ID|^BusyLock|^Scan_Add|^SigCode|^Opisug|^Spmute|^SCR|^CH-Name");
    EXPECT_EQ(Chann_format_string(-1),
              "^信道号|^ 工作频段 |^接收频率(MHZ)|^发射频率(MHZ)|^QT/DQT 解码|^QT/DQT 编码|^发射功率|^信道带宽"
              "|^PTT-ID|^繁忙锁定|^扫描添加|^信令码|^可选信令|^静音方式|^扰频|信 道 名 称");
}
