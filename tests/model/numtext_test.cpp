#include "model/numtext.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <locale>

using bx::Num_text;
using bx::Val;

TEST(Val, ReadsTheLeadingDecimalNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"145.0125", 145.0125}, {"  145.5abc", 145.5}, {"", 0},     {"abc", 0},      {".", 0},
        {"-", 0},               {".5", 0.5},          {"-.5", -0.5}, {"+7", 7},      {"--5", 0},
        {"5-3", 5},             {"1.2.3", 1.2},       {"1 45.5", 145.5}, {"\t12\r\n", 12},
        {"1e3", 1},             {"0x1F", 0},          {"007", 7},    {"438.5 MHz", 438.5},
    };
    for (const auto& c : cases) EXPECT_EQ(Val(c.text), c.value) << '"' << c.text << '"';
}

TEST(Val, HugeTextsStayFinite) {
    const std::string big = "1" + std::string(400, '0');
    EXPECT_EQ(Val(big), DBL_MAX);
    EXPECT_EQ(Val("-" + big), -DBL_MAX);
    EXPECT_EQ(Val("." + std::string(400, '0') + "1"), 0.0);
}

TEST(NumText, ShortestFormFifteenDigitsNoExponent) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.5, ".5"},
        {-0.5, "-.5"},
        {145.0125, "145.0125"},
        {145.0 + 0.01 * 1 + 0.002 + 0.0015 + 0.00015, "145.01365"},
        {0.1 + 0.2, ".3"},
        {2.0 / 3.0, ".666666666666667"},
        {100, "100"},
        {1e20, "100000000000000000000"},
        {123456789012345678.0, "123456789012346000"},
        {1e-5, ".00001"},
        {-12.25, "-12.25"},
        {0.0, "0"},
        {-0.0, "0"},
        {std::numeric_limits<double>::quiet_NaN(), "0"},
        {std::numeric_limits<double>::infinity(), "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(Num_text(c.value), c.text) << c.value;
}

namespace {
struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};
}  // namespace

TEST(NumText, LocaleChangesNothing) {
    const std::locale old = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    EXPECT_EQ(Val("3.25"), 3.25);
    EXPECT_EQ(Val("3,25"), 3.0);
    EXPECT_EQ(Num_text(3.25), "3.25");
    std::locale::global(old);
}

TEST(Trim, RemovesOuterBlanksOnly) {
    EXPECT_EQ(bx::Trim("  D023N   "), "D023N");
    EXPECT_EQ(bx::Trim("   "), "");
    EXPECT_EQ(bx::Trim(" a b "), "a b");
}

TEST(NumText, StrPutsABlankWhereANegativeNumberHasItsSign) {
    EXPECT_EQ(bx::Str(136), " 136");
    EXPECT_EQ(bx::Str(0), " 0");
    EXPECT_EQ(bx::Str(-7), "-7");
}
