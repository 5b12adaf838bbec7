// The 2-tone editor's pure rules: how a stored byte or word shows as cell
// text, how a typed tone is judged, and what the decode list offers in each
// kind of column. The window (frm_2tone.h) only applies them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/field.h"
#include "model/lang.h"

namespace bx::two_tone {

// Lowest and highest tone the editor accepts, in hertz.
inline constexpr int kMinHz = 300;
inline constexpr int kMaxHz = 3000;

// ---- texts of stored values ----
// An encode tone word: 300..3000 as its digits and ".0", anything else empty.
std::string Enc_tone_text(int f);
// A decode tone word: 0 and 0xFFFF (both bytes 255) empty, any other value
// as its digits and ".0", without a range test.
std::string Dec_tone_text(int f);
// A pair code 0..11 as "A-B" .. "D-C"; anything else empty.
std::string Pair_text(int b);
// A response code: 255 empty, 0..3 its name, 4..254 the name of code 0.
std::string Resp_text(int b, const std::array<std::string, 4>& names);
// An alert number: 0..16 as digits, anything else empty.
std::string Alert_text(int b);

// ---- judging typed tones (v is the text's value, Val) ----
// The encode cell: accepted when v >= 300 and v rounded half up is at most
// 3000; the stored hertz are v rounded half up. Judged on the double, so no
// text overflows.
std::optional<int> Enc_tone_value(double v);
// A decode tone box: v rounded half to even, then 300..3000.
std::optional<int> Dec_tone_value(double v);

// ---- the decode grid's columns ----
enum class DecKind { Pair, Resp, Alert };
struct DecColumn {
    DecKind kind;
    int preset;         // list position selected when the list opens
    int store_offset;   // byte stored = list position + store_offset
    const Field* fields;  // the field of decoder d is fields[d]
};
// Columns 1..12: the decoder (0..3) and the kind of column c.
int Dec_decoder(int c);
const DecColumn& Dec_column(int c);
// The list's items for a kind, in list order, in the current language.
std::vector<std::string> Dec_items(DecKind kind, const std::array<std::string, 4>& resp_names);
// The column of decoder d's pair code.
inline int Pair_col(int d) { return 3 * d + 1; }

}  // namespace bx::two_tone
