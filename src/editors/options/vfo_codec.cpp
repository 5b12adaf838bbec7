#include "editors/options/vfo_codec.h"

#include <algorithm>
#include <cmath>

#include "editors/options/options_choices.h"
#include "model/numtext.h"

namespace bx::options {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Digit k of s, '0' beyond its end.
char digit_at(const std::string& s, size_t k) { return k < s.size() ? s[k] : '0'; }

}  // namespace

// ---- Decimal ----

Decimal Decimal::Parse(std::string_view text) {
    Decimal d;
    bool seen_sign = false, seen_point = false, seen_digit = false;
    for (char c : text) {
        if (is_blank(c)) continue;
        if ((c == '-' || c == '+') && !seen_sign && !seen_digit && !seen_point) {
            seen_sign = true;
            d.negative = c == '-';
        } else if (is_digit(c)) {
            seen_digit = true;
            (seen_point ? d.frac : d.whole) += c;
        } else if (c == '.' && !seen_point) {
            seen_point = true;
        } else {
            break;
        }
    }
    d.whole.erase(0, std::min(d.whole.find_first_not_of('0'), d.whole.size()));
    while (!d.frac.empty() && d.frac.back() == '0') d.frac.pop_back();
    if (d.zero()) d.negative = false;
    return d;
}

Decimal Decimal::Of(double v) { return Parse(Num_text(v)); }

int Compare(const Decimal& a, const Decimal& b) {
    if (a.negative != b.negative) return a.negative ? -1 : 1;
    const int sign = a.negative ? -1 : 1;
    int mag = 0;
    if (a.whole.size() != b.whole.size()) {
        mag = a.whole.size() < b.whole.size() ? -1 : 1;
    } else if (int c = a.whole.compare(b.whole); c != 0) {
        mag = c < 0 ? -1 : 1;
    } else {
        const size_t n = std::max(a.frac.size(), b.frac.size());
        for (size_t k = 0; k < n && mag == 0; ++k)
            if (digit_at(a.frac, k) != digit_at(b.frac, k)) mag = digit_at(a.frac, k) < digit_at(b.frac, k) ? -1 : 1;
    }
    return sign * mag;
}

// ---- frequency ----

std::string Freq_box_text(std::span<const uint8_t> b) {
    std::string t;
    for (size_t k = 0; k < b.size() && k < 8; ++k) {
        if (k == 3) t += '.';
        if (b[k] < 10) t += static_cast<char>('0' + b[k]);
    }
    if (b.size() < 4) t += '.';
    return t;
}

int Band_of(uint8_t byte0) { return byte0 == 1 ? 0 : 1; }

std::string Below_text(double low) { return Num_text(std::floor(low)) + ".02500"; }
std::string Above_text(double high) { return Num_text(std::floor(high - 1)) + ".62500"; }

FreqCommit Commit_freq(std::string_view text, double low, double high) {
    FreqCommit out;
    std::string now(text);
    const Decimal v = Decimal::Parse(text);
    if (Compare(v, Decimal::Of(low)) < 0) {
        out.out_of_range = true;
        now = Below_text(low);
    } else if (Compare(v, Decimal::Of(high)) > 0) {
        out.out_of_range = true;
        now = Above_text(high);
    }
    // Whole MHz, whole kHz beyond it, and the rest in tens of hertz.
    Decimal n = Decimal::Parse(now);
    if (n.negative) n = Decimal{};
    const std::string mhz = n.whole.empty() ? "0" : n.whole;
    std::string khz;
    for (size_t k = 0; k < 3; ++k) khz += digit_at(n.frac, k);
    int rest = (digit_at(n.frac, 3) - '0') * 10 + (digit_at(n.frac, 4) - '0');
    if (n.frac.size() > 5) {
        const char first = n.frac[5];
        const bool more = n.frac.find_first_not_of('0', 6) != std::string::npos;
        const bool half = first == '5' && !more;
        if (first > '5' || (first == '5' && more) ||
            (half && (!options_choice::kRestHalfToEven || rest % 2 != 0)))
            ++rest;
    }
    const char* quarter = rest < 25 ? "00" : rest < 50 ? "25" : rest < 75 ? "50" : "75";
    out.text = mhz + "." + khz + quarter;
    if (static_cast<int>(mhz.size()) <= options_choice::kFreqMhzDigits) {
        const std::string all = std::string(3 - mhz.size(), '0') + mhz + khz + quarter;
        FreqDigits d{};
        for (size_t k = 0; k < d.size(); ++k) d[k] = static_cast<uint8_t>(all[k] - '0');
        out.digits = d;
    }
    return out;
}

std::optional<std::string> Band_text(std::string_view text, double low, double high) {
    Decimal m = Decimal::Parse(text);
    m.frac.clear();
    if (m.whole.empty()) m.negative = false;
    if (Compare(m, Decimal::Of(low)) < 0 || Compare(m, Decimal::Of(high)) >= 0) return Below_text(low);
    return std::nullopt;
}

std::string Range_text(double low, double high) { return Num_text(low) + " - " + Num_text(high) + ".9950"; }

bool Freq_key_ok(int key, std::string_view text_after) {
    return Freq_key_ok(key, ui::TextCounts::of(std::string(text_after)));
}

// Blanks are one byte each: the counts in bytes are the rule's own.
bool Freq_key_ok(int key, const ui::TextCounts& after) {
    if (key == '.') return after.bytes - after.blanks > 1;
    if (key == 8) return true;
    if (key < '0' || key > '9') return false;
    return after.trimmed_bytes() <= kFreqBoxMax;
}

// ---- offset ----

int Offset_position(std::span<const uint8_t> bytes6) {
    constexpr int kLast = 1999;
    std::string n;
    for (uint8_t b : bytes6) n += std::to_string(b);
    n.erase(0, std::min(n.find_first_not_of('0'), n.size()));
    if (n.size() > 5) return kLast;
    const int khz = n.empty() ? 0 : std::stoi(n);
    if (khz > kLast * 50) return kLast;
    int q = khz / 50;
    const int r = khz % 50;
    if (r > 25 || (r == 25 && q % 2 != 0)) ++q;
    return q;
}

std::optional<std::array<uint8_t, 6>> Offset_digits(std::string_view item) {
    if (item.size() < 6 || item[2] != '.') return std::nullopt;
    std::array<uint8_t, 6> d{};
    const size_t at[5] = {0, 1, 3, 4, 5};
    for (size_t k = 0; k < 5; ++k) {
        if (!is_digit(item[at[k]])) return std::nullopt;
        d[k + 1] = static_cast<uint8_t>(item[at[k]] - '0');
    }
    return d;
}

// ---- tones ----

ToneShow Tone_show(uint8_t low, uint8_t high) {
    if ((low == 0 && high == 0) || low == 0xFF || high == 0xFF) return {0, {}};
    if (high == 0 && low <= 210) return {low + 50, {}};
    if (high == 0) return {-1, {}};  // a DCS position past the list
    const unsigned v = high * 256u + low;
    std::string t = Num_text(v / 10.0);
    if (v % 10 == 0) t += ".0";
    return {-1, t};
}

}  // namespace bx::options
