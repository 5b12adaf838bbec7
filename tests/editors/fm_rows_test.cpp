// The FM preset rows apart from the window: digits to text, record to
// cells, typed texts to cells and cells back to the record.
#include <gtest/gtest.h>

#include <vector>

#include "editors/fm/fm_rows.h"

using namespace bx;

namespace {
std::vector<uint8_t> record(const MemImage& img, int r) {
    std::vector<uint8_t> v;
    for (int b = 0; b < 16; ++b) v.push_back(img(r, b));
    return v;
}
void put(MemImage& img, int r, const std::vector<uint8_t>& bytes) {
    for (size_t b = 0; b < bytes.size(); ++b) img(r, static_cast<int>(b)) = bytes[b];
}
}  // namespace

TEST(FmRows, CovFreq) {
    struct Case {
        std::array<int, 8> d;
        const char* text;
    };
    const Case cases[] = {
        {{0, 8, 8, 9, 0, 0, 0, 0}, "88.90000"},   {{1, 0, 0, 7, 0, 0, 0, 0}, "100.70000"},
        {{0, 9, 0, 0, 0, 0, 0, 0}, "90.00000"},   {{1, 0, 0, 0, 0, 0, 0, 0}, "100.00000"},
        {{1, 0, 8, 0, 0, 0, 0, 0}, "108.00000"},  {{0, 8, 7, 5, 5, 0, 0, 0}, "87.55000"},
        {{0, 9, 9, 9, 9, 9, 9, 9}, "99.99999"},   {{0, 0, 5, 5, 0, 0, 0, 0}, "5.500000"},
        {{0, 0, 5, 0, 0, 0, 0, 0}, "5.000000"},   {{0, 0, 0, 0, 0, 0, 0, 0}, "00000000"},
        // Digits above 9 count with their value, by place.
        {{0, 8, 12, 0, 0, 0, 0, 0}, "92.00000"},  {{0, 9, 9, 10, 0, 0, 0, 0}, "100.00000"},
        {{255, 255, 255, 255, 255, 255, 255, 255}, "28333.33305"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Cov_Freq(c.d[0], c.d[1], c.d[2], c.d[3], c.d[4], c.d[5], c.d[6], c.d[7]), c.text) << c.text;
}

TEST(FmRows, RecordToCells) {
    struct Case {
        std::vector<uint8_t> rec;
        const char* freq;
        const char* name;
    };
    const Case cases[] = {
        {{0, 8, 8, 9, 0, 0, 0, 0, 0xFF, 0xFF, 0x41, 0x42, 0x43, 0xFF, 0xFF, 0xFF}, "88.90000", "ABC"},
        {{0, 8, 8, 9, 0, 0, 0, 0, 0x41, 0x42, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "88.90000", "ABC"},
        {{0, 8, 8, 9, 0, 0, 0, 0, 0x41, 0x20, 0x42, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "88.90000", "AB"},
        {{0, 8, 8, 9, 0, 0, 0, 0, 0xE9, 0x00, 0x01, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF}, "88.90000", "éþ"},
        {{1, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "100.00000", ""},
        {{0, 0, 0, 5, 0, 0, 0, 0, 0x41, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "", ""},
        {std::vector<uint8_t>(16, 0), "", ""},
    };
    for (const Case& c : cases) {
        MemImage img;
        put(img, 770, c.rec);
        FmCells cells = Fm_row_cells(img, 3);
        EXPECT_EQ(cells.freq, c.freq);
        EXPECT_EQ(cells.name, c.name);
    }
    MemImage erased;  // all 0xFF: not empty
    EXPECT_EQ(Fm_row_cells(erased, 1).freq, "28333.33305");
    EXPECT_EQ(Fm_row_cells(erased, 1).name, "");
}

TEST(FmRows, TypedTextsToCells) {
    const std::pair<const char*, const char*> freqs[] = {
        {"88", "88.00000"},          {"100", "100.00000"}, {"87.5", "87.50000"},  {"101.25", "101.25000"},
        {"108", "108.00000"},        {"088.5", "88.50000"}, {"99.999999", "99.99999"}, {" 9 9.6", "99.60000"},
        {"088.10000", "88.10000"},   {"87.", "87.00000"},
    };
    for (auto [typed, cell] : freqs) EXPECT_EQ(Fm_freq_cell(typed), cell) << typed;
    EXPECT_EQ(Fm_low_cell(), "87.00000");

    struct Name {
        const char* typed;
        const char* cell;
        int length;
    };
    const Name names[] = {
        {"radio1", "RADIO1", 6}, {" fm ", "FM", 2},        {"abcdefgh", "ABCDEF", 8},
        {"a b", "AB", 2},        {"é中x", "éX", 2}, {"", "", 0},
        {"abcdef g", "ABCDEF", 7}, {"a\tb\x7f", "AB\x7f", 3},
    };
    for (const Name& n : names) {
        EXPECT_EQ(Fm_name_cell(n.typed), n.cell) << n.typed;
        EXPECT_EQ(Fm_name_length(n.typed), n.length) << n.typed;
    }
}

TEST(FmRows, CellsToRecord) {
    struct Case {
        const char* freq;
        const char* name;
        std::vector<uint8_t> rec;
    };
    const std::vector<uint8_t> old = {9, 9, 9, 9, 9, 9, 9, 9, 1, 2, 3, 4, 5, 6, 7, 8};
    const Case cases[] = {
        {"88.00000", "", {0, 8, 8, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"100.00000", "RADIO1", {1, 0, 0, 0, 0, 0, 0, 0, 'R', 'A', 'D', 'I', 'O', '1', 0xFF, 0xFF}},
        {"99.99999", "FM", {0, 9, 9, 9, 9, 9, 9, 9, 0xFF, 0xFF, 0xFF, 'F', 'M', 0xFF, 0xFF, 0xFF}},
        {"87.50000", "ABCDE", {0, 8, 7, 5, 0, 0, 0, 0, 0xFF, 'A', 'B', 'C', 'D', 'E', 0xFF, 0xFF}},
        {"108.00000", "ABC", {1, 0, 8, 0, 0, 0, 0, 0, 0xFF, 0xFF, 'A', 'B', 'C', 0xFF, 0xFF, 0xFF}},
        {"88.9", "A B", {0, 8, 8, 9, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 'A', 'B', 0xFF, 0xFF, 0xFF}},
        {"99.6", "é", {0, 9, 9, 6, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xE9, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"", "ABC", {0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        // Malformed frequency texts leave the digits alone.
        {"92.00000x", "A", {9, 9, 9, 9, 9, 9, 9, 9, 0xFF, 0xFF, 0xFF, 'A', 0xFF, 0xFF, 0xFF, 0xFF}},
        {"28333.33305", "", {9, 9, 9, 9, 9, 9, 9, 9, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"88.123456", "", {9, 9, 9, 9, 9, 9, 9, 9, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const Case& c : cases) {
        MemImage img;
        put(img, 783, old);
        put(img, 782, old);
        Store_fm_cells(img, 16, c.freq, c.name);
        EXPECT_EQ(record(img, 783), c.rec) << c.freq << " " << c.name;
        EXPECT_EQ(record(img, 782), old);
    }
    // The frequency edited, the name not: a preset with a frequency keeps
    // its name bytes; an empty one takes the cell's name; an emptied
    // frequency still empties the preset.
    MemImage img;
    put(img, 783, old);
    Store_fm_cells(img, 16, "88.5", "ZZ", true);
    EXPECT_EQ(record(img, 783), (std::vector<uint8_t>{0, 8, 8, 5, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8}));
    put(img, 783, std::vector<uint8_t>(16, 0));
    Store_fm_cells(img, 16, "88.5", "ZZ", true);
    EXPECT_EQ(record(img, 783), (std::vector<uint8_t>{0, 8, 8, 5, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 'Z', 'Z', 0xFF, 0xFF, 0xFF}));
    Store_fm_cells(img, 16, "", "ZZ", true);
    EXPECT_EQ(record(img, 783), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}
