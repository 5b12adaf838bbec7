#include "model/codecs.h"

#include <algorithm>
#include <cmath>

#include "model/codec_choices.h"
#include "model/layouts.h"
#include "model/numtext.h"
#include "base/text.h"

namespace bx {

// ---- Tone_code ----

namespace {

// Rounds to the nearest whole number, halves to the even neighbour.
double round_half_even(double v) {
    const double f = std::floor(v);
    const double d = v - f;
    if (d > 0.5 || (d == 0.5 && std::fmod(f, 2.0) != 0.0)) return f + 1.0;
    return f;
}

ToneCode ctcss_code_of_tenths(double tenths) {
    constexpr double kMax = codec_choice::kCtcssMaxTenths;
    double v = 0.0;
    if (tenths >= kMax)
        v = kMax;
    else if (tenths > 0.0)
        v = std::min(round_half_even(tenths), kMax);
    const auto w = static_cast<unsigned>(v);
    return {static_cast<uint8_t>(w % 256), static_cast<uint8_t>(w / 256)};
}

// Digits "1".."9" are recognised by character order: a text from "1" up to
// "9" gives the number its leading digits make (a single digit, its value).
bool in_digit_order(std::string_view t) { return t >= "1" && t <= "9"; }

int leading_number(std::string_view t) {
    const double v = Val(t);
    return v > 255.0 ? 255 : static_cast<int>(v);
}

}  // namespace

std::string Tone_code_to_text(uint8_t low, uint8_t high, const ToneNameTable& names) {
    if ((low == 0x00 && high == 0x00) || (low == 0xFF && high == 0xFF)) return "OFF";
    if (high >= 0x01 && high <= 0x7F) {
        const int v = high * 256 + low;
        std::string t = Num_text(v / 10.0);
        if (v % 10 == 0) t += ".0";
        return t;
    }
    if (high == 0x00 && low <= 2 * kDcsCount) return names[static_cast<size_t>(low + kDcsFirstIndex - 1)];
    return std::string(codec_choice::kToneUnnamedText);
}

ToneCode Tone_index_to_code(int index, const ToneNameTable& names) {
    if (index >= 1 && index <= kCtcssCount) return ctcss_code_of_tenths(Val(names[static_cast<size_t>(index)]) * 10.0);
    if (index >= kDcsFirstIndex && index < kToneNames)
        return {static_cast<uint8_t>(index - (kDcsFirstIndex - 1)), 0x00};
    return {0x00, 0x00};
}

ToneCode Read_tone_code(const MemImage& img, const Field& f, int i) {
    f.require(Codec::Tone_code, 2);
    return {f.ref(img, i, 0), f.ref(img, i, 1)};
}

void Store_tone_code(MemImage& img, const Field& f, int i, ToneCode code) {
    f.require(Codec::Tone_code, 2);
    f.set(img, i, code.low | (code.high << 8));
}

ToneCode Ctcss_text_to_code(std::string_view hz_text) {
    const double hz = Val(hz_text);
    return ctcss_code_of_tenths(hz >= codec_choice::kCtcssMaxTenths ? codec_choice::kCtcssMaxTenths : hz * 10.0);
}

// ---- Dtmf_code ----

int Dtmf_char_to_code(std::string_view ch) {
    if (in_digit_order(ch)) return leading_number(ch);
    if (ch == "0") return 10;
    if (ch == "*") return 11;
    if (ch == "#") return 12;
    if (ch == "A" || ch == "a") return 13;
    if (ch == "B" || ch == "b") return 14;
    if (ch == "C" || ch == "c") return 15;
    if (ch == "D" || ch == "d") return 0;
    return 255;
}

std::string Dtmf_code_to_char(int code) {
    static const char* const kChars[16] = {"D", "1", "2", "3", "4", "5", "6", "7",
                                           "8", "9", "0", "*", "#", "A", "B", "C"};
    if (code < 0 || code > 15) return "";
    return kChars[code];
}

DtmfCodeField Dtmf_text_to_field(std::string_view text) {
    DtmfCodeField f;
    f.fill(kNoDtmf);
    const std::vector<std::string> chars = utf8_chars(std::string(text));
    const size_t n = std::min(chars.size(), f.size());
    for (size_t i = 0; i < n; ++i) f[i] = static_cast<uint8_t>(std::clamp(Dtmf_char_to_code(chars[i]), 0, 255));
    return f;
}

std::string Dtmf_field_to_text(std::span<const uint8_t> field) {
    std::string out;
    const size_t n = std::min(field.size(), static_cast<size_t>(kDtmfFieldLen));
    for (size_t i = 0; i < n; ++i) out += Dtmf_code_to_char(field[i]);
    return out;
}

// ---- Disp_char_code ----

namespace {
bool is_disp_char(int c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '+' || c == '-' || c == ' ';
}
}  // namespace

uint8_t Disp_char_to_code(std::string_view ch) {
    if (ch.size() != 1) return kDispOther;
    int c = static_cast<unsigned char>(ch[0]);
    if (c >= 'a' && c <= 'z') c = c - 'a' + 'A';
    return is_disp_char(c) ? static_cast<uint8_t>(c) : kDispOther;
}

std::string Disp_code_to_char(uint8_t code) {
    if (!is_disp_char(code)) return "";
    return std::string(1, static_cast<char>(code));
}

// ---- Hex_digit_code ----

int Hex_char_to_code(std::string_view ch) {
    if (ch == "0") return 0;
    if (in_digit_order(ch)) return leading_number(ch);
    if (ch.size() == 1) {
        const char c = ch[0];
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    }
    return 255;
}

// ---- Tone_freq_period ----

void Store_2tone_freq(MemImage& img, int i, int k, double f, double tone_tick_ms) {
    namespace Tones = layout::Sig_2tone_dec_tones;
    if (k < 0 || k >= static_cast<int>(std::size(Tones::Freq)) || !Tones::Records.has(i)) return;
    if (!(f >= codec_choice::kToneMinHz) || !(tone_tick_ms > 0.0)) return;  // no division by zero
    const double h = std::floor(f + 0.5);
    const double n = std::floor((1.0 / f) * 1000.0 / tone_tick_ms + 0.5);
    if (!(h <= codec_choice::kWordMax) || !(n >= 0.0 && n <= codec_choice::kWordMax)) return;
    const Field& hz = Tones::Freq[k];
    const Field& period = Tones::Period[k];
    hz.require(Codec::Hz_word, 2);
    period.require(Codec::Period_word, 2);
    hz.set(img, i, static_cast<int>(h));
    period.set(img, i, static_cast<int>(n));
}

// ---- Sig_5tone_std_list ----

const std::array<const char*, kSig5toneStds> Sig_5tone_std_list = {
    "CCIR1", "CCIR2", "PCCIR", "ZVEI1", "ZVEI2", "ZVEI3", "PZVEI", "DZVEI",
    "PDZVEI", "EEA", "EIA", "EURO", "CCITT", "NATEL", "MODAT",
};

std::string Sig_5tone_std_name(int index) {
    if (index < 0 || index >= kSig5toneStds) return "";
    return Sig_5tone_std_list[static_cast<size_t>(index)];
}

}  // namespace bx
