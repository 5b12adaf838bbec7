#include "model/code_tables.h"

#include <gtest/gtest.h>

#include "model/numtext.h"

TEST(ToneNameTable, EntriesWithTheirPadding) {
    bx::ToneNameTable names;
    bx::RadioIdent ident{};
    bx::Load_code_tables(names, ident);
    const struct {
        int index;
        const char* text;
    } cases[] = {
        {0, "   OFF      "},  {1, "   67.0    "},  {9, "   88.5    "},  {10, "  91.5    "},
        {12, "  97.4    "},   {13, "  100.0   "},  {50, "  254.1   "},  {51, "  D023N   "},
        {99, "  D266N   "},   {100, " D271N   "},  {155, " D754N   "},  {156, " D023I   "},
        {204, " D266I   "},   {260, " D754I   "},
    };
    for (const auto& c : cases) EXPECT_EQ(names[static_cast<size_t>(c.index)], c.text) << c.index;
    for (int i = 0; i < bx::kToneNames; ++i) {
        const size_t len = i == 0 ? 12 : i <= 9 ? 11 : i <= 99 ? 10 : 9;
        EXPECT_EQ(names[static_cast<size_t>(i)].size(), len) << i;
    }
    EXPECT_EQ(bx::Trim(names[10]), "91.5");
    EXPECT_EQ(ident, (bx::RadioIdent{'R', 'A', 'V', 'O'}));
}

TEST(ModelTable, RowsAndLimits) {
    bx::ModelTable t;
    double a_low = -1, a_high = -1;
    bx::Load_model_table(t, 0, a_low, a_high);
    EXPECT_EQ(a_low, 130);
    EXPECT_EQ(a_high, 179);
    using Row = std::array<int16_t, 4>;
    EXPECT_EQ(t.Band_table[0], (Row{130, 179, 400, 520}));
    EXPECT_EQ(t.Band_table[1], (Row{136, 174, 240, 250}));
    EXPECT_EQ(t.Band_table[2], (Row{144, 146, 430, 440}));
    EXPECT_EQ(t.Band_table[3], (Row{400, 471, 0, 0}));
    EXPECT_EQ(t.Band_table[6], (Row{66, 89, 0, 0}));
    EXPECT_EQ(t.Band_table[10], (Row{0, 0, 0, 0}));
    EXPECT_EQ(t.Model_names[0], "VHF0/UHF0");
    EXPECT_EQ(t.Model_names[2], "VHF2/UHF2");
    EXPECT_EQ(t.Model_names[3], "");
    // The rows between and after: the single-band models and the empty ones.
    EXPECT_EQ(t.Model_names[1], "VHF1/UHF1");
    EXPECT_EQ(t.Band_table[4], (Row{450, 521, 0, 0}));
    EXPECT_EQ(t.Band_table[5], (Row{100, 701, 0, 0}));
    for (int m = 7; m <= 9; ++m) EXPECT_EQ(t.Band_table[static_cast<size_t>(m)], (Row{0, 0, 0, 0})) << m;
    for (int m = 3; m < bx::kModels; ++m) EXPECT_EQ(t.Model_names[static_cast<size_t>(m)], "") << m;

    bx::Load_model_table(t, 5, a_low, a_high);
    EXPECT_EQ(a_low, 100);
    EXPECT_EQ(a_high, 701);
    for (int bad : {11, -1}) {
        bx::Load_model_table(t, bad, a_low, a_high);
        EXPECT_EQ(a_low, 100);
        EXPECT_EQ(a_high, 701);
    }
}
