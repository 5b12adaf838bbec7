#include "editors/alignment/adj_rules.h"

#include <cmath>

#include "model/numtext.h"

namespace bx::adj_rules {

Number Check_number(const std::string& text, int max, int& value) {
    const std::string t = Trim(text);
    long long v = 0;
    for (char ch : t) {
        if (ch < '0' || ch > '9') return Number::Not_digits;
        // Past the limit the value no longer matters, only that it is too big.
        if (v <= max) v = v * 10 + (ch - '0');
    }
    if (v > max) return Number::Too_big;
    value = static_cast<int>(v);
    return Number::Ok;
}

bool Range_key_refused(const std::string& text_after) { return Range_key_refused(ui::TextCounts::of(text_after)); }

bool Range_key_refused(const ui::TextCounts& after) { return after.trimmed() > kRangeBoxChars; }

// Blanks are skipped only in front of the number: one after it has begun
// ends it like any other character ("14 5" is 14, not 145).
double Range_number(const std::string& text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    size_t a = 0;
    while (a < text.size() && blank(text[a])) ++a;
    size_t e = a;
    while (e < text.size() && !blank(text[e])) ++e;
    return Val(std::string_view(text).substr(a, e - a));
}

namespace {

int Whole(double v) {
    // Range numbers that matter lie far inside int; others are refused anyway.
    if (!(v > -1e6)) return -1000000;
    if (!(v < 1e6)) return 1000000;
    return static_cast<int>(std::trunc(v));
}

RangeLeave Passed(double l, double h, int band_low, int band_high) {
    RangeLeave r;
    r.low = Whole(l);
    r.high = Whole(h);
    r.store = band_low <= r.low && r.low <= r.high && r.high <= band_high;
    return r;
}

}  // namespace

RangeLeave Leave_low(double l, double h, int band_low, int band_high) {
    if (l < band_low) return {.message = 1, .reset_to = band_low};
    if (h < l) return {.message = 2, .reset_to = band_low};
    return Passed(l, h, band_low, band_high);
}

RangeLeave Leave_high(double l, double h, int band_low, int band_high) {
    if (h > band_high) return {.message = 3, .reset_to = band_high};
    if (l > h) return {.message = 4, .reset_to = band_high};
    return Passed(l, h, band_low, band_high);
}

std::array<int16_t, 3> Mhz_digits(int mhz) {
    const int hundreds = mhz / 100;
    const int rest = mhz - 100 * hundreds;
    const int tens = rest / 10;
    return {static_cast<int16_t>(hundreds), static_cast<int16_t>(tens), static_cast<int16_t>(rest - 10 * tens)};
}

std::string Range_text(int16_t d0, int16_t d1, int16_t d2) { return Str(100 * d0 + 10 * d1 + d2); }

std::string Password_text(std::span<const int16_t> cells) {
    std::string s;
    for (int16_t c : cells)
        if (c >= 0x20 && c <= 0x7E) s += static_cast<char>(c);
    return Trim(s);
}

std::string Level_item(int v) { return Str(v); }

}  // namespace bx::adj_rules
