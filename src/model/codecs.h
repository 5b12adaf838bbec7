// The small codes the editors store in the image: CTCSS/DCS tones, DTMF
// digits and their 16-byte fields, display characters, hex digits, the
// frequency-and-period pair of a 2-tone decode tone and the 5-tone standard
// names. Every function works on values only and keeps no state.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/code_tables.h"
#include "model/field.h"
#include "model/mem_image.h"

namespace bx {

// ---- Tone_code: 2 bytes, low byte first ----
struct ToneCode {
    uint8_t low = 0, high = 0;
    bool operator==(const ToneCode&) const = default;
};

// The text of a tone code: "OFF" for 0x0000 and 0xFFFF; for a high byte of
// 0x01..0x7F the CTCSS value in tenths divided by 10 ("67.0", "131.8"); for
// a high byte 0 and a low byte 1..210 entry low + 50 of the tone name table
// with its padding. Any other code names no tone and gives the empty text.
std::string Tone_code_to_text(uint8_t low, uint8_t high, const ToneNameTable& names);

// The code of entry `index` of a tone list made of the 261 table entries:
// 0 gives 0x00 0x00; 1..50 the CTCSS value of the entry; 51..260 the DCS
// position index - 50. An index outside 0..260 gives 0x00 0x00 (off).
ToneCode Tone_index_to_code(int index, const ToneNameTable& names);

// The code in the Tone_code field f, instance i, and a code stored there, low
// byte first (layout::Chann_record::Rx_tone, layout::Vfo_record::Tx_tone, ...).
// std::out_of_range for an instance outside the field, std::logic_error for
// a field of another kind.
ToneCode Read_tone_code(const MemImage& img, const Field& f, int i);
void Store_tone_code(MemImage& img, const Field& f, int i, ToneCode code);

// A CTCSS frequency typed as text (hertz), stored in tenths of a hertz: the
// value times 10, rounded to the nearest whole number (halves to even), as
// low and high byte. The stored value is held within 0..0xFFFF.
ToneCode Ctcss_text_to_code(std::string_view hz_text);

// ---- Dtmf_code ----
constexpr uint8_t kNoDtmf = 0xFF;
constexpr int kDtmfFieldLen = 16;
using DtmfCodeField = std::array<uint8_t, kDtmfFieldLen>;

// The code of one DTMF character: "1".."9" 1..9, "0" 10, "*" 11, "#" 12,
// "A"/"a".."C"/"c" 13..15, "D"/"d" 0, anything else 255.
int Dtmf_char_to_code(std::string_view ch);
// The character of a code 0..15; 16 and above give the empty text.
std::string Dtmf_code_to_char(int code);

// A DTMF text as a 16-byte field: one code per character from byte 0 on,
// unused bytes 0xFF. A text of more than 16 characters keeps its first 16.
DtmfCodeField Dtmf_text_to_field(std::string_view text);
// The characters of up to 16 field bytes joined in order; a byte that names
// no character (0xFF included) is skipped.
std::string Dtmf_field_to_text(std::span<const uint8_t> field);

// ---- Disp_char_code ----
constexpr uint8_t kDispOther = 11;
// The display code of a one-character text: the ASCII code of "0".."9",
// "A".."Z" (lower case as upper case), "+", "-" and blank; 11 otherwise
// (the empty text and longer texts included).
uint8_t Disp_char_to_code(std::string_view ch);
// The one-character text of a display code; the empty text for other codes.
std::string Disp_code_to_char(uint8_t code);

// ---- Hex_digit_code ----
constexpr uint8_t kNoHex = 0xFF;
// "0".."9" 0..9, "A".."F" and "a".."f" 10..15, anything else 255.
int Hex_char_to_code(std::string_view ch);

// ---- Tone_freq_period ----
// The milliseconds of one count of the radio's 2.304 MHz tone timer.
constexpr double kToneTickMs = 0.000434028;

// Writes tone k (0..3, tones A..D) of frequency f hertz into 2-tone decode
// entry i (instance 0..14 of layout::Sig_2tone_dec_tones): the whole hertz
// floor(f + 0.5) into Freq[k] and the period
// floor((1 / f) * 1000 / tone_tick_ms + 0.5) in timer counts into Period[k],
// each word low byte first. Nothing is stored when f is below 1 Hz, when
// either word would not fit in 16 bits (f below about 35.2 Hz or above
// 65535 Hz), when tone_tick_ms is not positive, or when i or k lies outside
// its range.
void Store_2tone_freq(MemImage& img, int i, int k, double f, double tone_tick_ms);

// ---- Sig_5tone_std_list ----
constexpr int kSig5toneStds = 15;
extern const std::array<const char*, kSig5toneStds> Sig_5tone_std_list;
// The name of standard 0..14; the empty text for any other index.
std::string Sig_5tone_std_name(int index);

}  // namespace bx
