#include "model/freq_codec.h"

#include <algorithm>
#include <cmath>

#include "model/layouts.h"
#include "model/numtext.h"

namespace bx {

namespace {

bool in_codec_range(double mhz) { return mhz >= 0.0 && mhz < kFreqBcdLimitMhz; }

// One BCD nibble from a digit the arithmetic produced; held to 0..15 so that
// a rounding slip can never make a byte above 255.
unsigned nibble(double d) { return static_cast<unsigned>(std::clamp(d, 0.0, 15.0)); }

bool is_whole_number_text(const std::string& t) { return t.find('.') == std::string::npos; }

}  // namespace

bool Store_freq_bcd(std::string& text, MemImage& img, const Field& f, int i) {
    f.require(Codec::Freq_bcd, 4);
    if (!f.has(i)) return false;
    const double x = Val(text);
    if (!in_codec_range(x)) return false;
    // Snap down to the higher of the two grid points at or below the
    // frequency; a tie takes the 2.5 kHz point.
    const double k = x * 1000.0;
    const double a = std::floor((k + 0.001) / 2.5);
    const double point25 = 2.5 * a;
    const double r25 = std::floor((k - point25) * 100.0) / 100.0;
    const double b = std::floor((k + 0.001) / 6.25);
    const double point625 = 6.25 * b;
    const double r625 = std::floor((k - point625) * 100.0) / 100.0;
    const double mhz = (r625 < r25 ? point625 : point25) / 1000.0;
    if (!in_codec_range(mhz)) return false;

    std::string t = Num_text(mhz);
    // A whole number gets its point ("145" becomes "145."), then zeros up to
    // 9 characters.
    if (t.size() <= 3 && is_whole_number_text(t)) t += '.';
    if (t.size() < 9) t.append(9 - t.size(), '0');

    f.put(img, i, Freq_text_to_bcd(t));
    text = t;
    return true;
}

FreqBcd Read_freq_bcd(const MemImage& img, const Field& f, int i) {
    f.require(Codec::Freq_bcd, 4);
    FreqBcd b;
    for (int k = 0; k < 4; ++k) b[static_cast<size_t>(k)] = f.ref(img, i, k);
    return b;
}

FreqBcd Freq_text_to_bcd(std::string_view text) {
    const double x = Val(text);
    if (!in_codec_range(x)) return codec_choice::kFreqRefusedBcd;
    const double H = std::floor(x / 100.0);
    const double T = std::floor((x - 100.0 * H) / 10.0);
    const double U = std::floor(x - 100.0 * H - 10.0 * T);
    // The added 1e-9 keeps a fraction that a double holds slightly too small
    // (0.0125) from losing its last digit.
    const double y = (x - std::floor(x) + 0.000000001) * 1000.0;
    const double A = std::floor(y / 100.0);
    const double B = std::floor((y - 100.0 * A) / 10.0);
    const double C = std::floor(y - 100.0 * A - 10.0 * B);
    const double z = (y - std::floor(y) + 0.000000001) * 1000.0;
    const double D = std::floor(z / 100.0);
    const double E = std::floor((z - 100.0 * D) / 10.0);
    auto pack = [](double hi, double lo) { return static_cast<uint8_t>(16 * nibble(hi) + nibble(lo)); };
    return {pack(D, E), pack(B, C), pack(U, A), pack(H, T)};
}

std::string Freq_text_of(double mhz) {
    std::string t = Num_text(mhz);
    if (t.size() < 9) {
        // A whole number of 2 or 3 digits gets its point; so does a single
        // non-zero digit (5 MHz reads "5.000000", not "50000000"). Zero keeps
        // the plain "00000000" of an all-zero record.
        if (is_whole_number_text(t) && (t.size() == 2 || t.size() == 3 || (t.size() == 1 && t != "0")))
            t += '.';
        const size_t width = mhz >= 100.0 ? 9 : 8;
        if (t.size() < width) t.append(width - t.size(), '0');
    }
    return t;
}

std::string Freq_bcd_to_text(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3) {
    auto hi = [](uint8_t x) { return static_cast<double>(x / 16); };
    auto lo = [](uint8_t x) { return static_cast<double>(x % 16); };
    double v = 100.0 * hi(b3);
    v += 10.0 * lo(b3);
    v += hi(b2);
    v += 0.1 * lo(b2);
    v += 0.01 * hi(b1);
    v += 0.001 * lo(b1);
    v += 0.0001 * hi(b0);
    v += 0.00001 * lo(b0);
    return Freq_text_of(v);
}

int Chann_freq_check(const MemImage& img, const ValidationLimits& lim) {
    auto fails = [&](const Field& f, int c) {
        const FreqBcd b = Read_freq_bcd(img, f, c);
        if (std::all_of(b.begin(), b.end(), [](uint8_t x) { return x == kErased; })) return false;
        const double m = std::floor(Val(Freq_bcd_to_text(b)));
        return m < lim.A_low || lim.Between(m, m > lim.A_high) || lim.Above_top(m);
    };
    using layout::Chann_record::Rx_freq, layout::Chann_record::Tx_freq;
    for (int c = 0; c < Rx_freq.at.count; ++c)
        if (fails(Rx_freq, c) || fails(Tx_freq, c)) return c;
    return 255;
}

}  // namespace bx
