// The VFO records' values as the options editor shows and stores them:
// frequency texts and digits, the band and its range, the offset position
// and digits, tones, and the frequency box's key filter. Frequencies are
// worked on as decimal digits, never as binary fractions, so 136.025 stays
// 136.025 and no byte value overflows a number.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/typing.h"

namespace bx::options {

// The decimal number a text begins with, as its digits: blanks are skipped,
// then an optional sign, digits and at most one point; the first other
// character ends it. whole has no leading zeros ("" for zero), frac no
// trailing zeros.
struct Decimal {
    bool negative = false;
    std::string whole;
    std::string frac;

    static Decimal Parse(std::string_view text);
    // A limit in MHz (a double holding a plain decimal value).
    static Decimal Of(double v);
    bool zero() const { return whole.empty() && frac.empty(); }
};
// -1, 0 or 1 as a is below, equal to or above b.
int Compare(const Decimal& a, const Decimal& b);

// ---- frequency ----

using FreqDigits = std::array<uint8_t, 8>;

// The frequency box's text of record bytes 0-7: the digits of bytes 0-2, a
// point, the digits of bytes 3-7; a byte of 10 or more is left out.
std::string Freq_box_text(std::span<const uint8_t> bytes8);

// Band list position of frequency byte 0: 0 (VHF) for 1, else 1 (UHF).
int Band_of(uint8_t byte0);

// What a commit makes of the frequency box's text, given the working limits.
struct FreqCommit {
    bool out_of_range = false;       // the range message is due
    std::string text;                // the box's new text
    std::optional<FreqDigits> digits;  // the bytes to store (none: too many MHz digits)
};
FreqCommit Commit_freq(std::string_view text, double low, double high);

// The text a commit's range check puts in place of a value below low or
// above high.
std::string Below_text(double low);
std::string Above_text(double high);

// The band change's replacement: the lower limit's whole MHz and ".02500"
// when the whole MHz of the text lies below low or not below high; empty
// when the text may stay.
std::optional<std::string> Band_text(std::string_view text, double low, double high);
// The range box: "130 - 179.9950" for limits 130 and 179.
std::string Range_text(double low, double high);

// The frequency box's key filter: whether a typed key (a character code, 8
// for Backspace) is taken, given the text it would make: Backspace always;
// a digit while that text holds at most kFreqBoxMax characters (outer
// blanks aside); "." when something besides it stands there.
bool Freq_key_ok(int key, std::string_view text_after);
bool Freq_key_ok(int key, const ui::TextCounts& after);
// Longer texts than this are refused by the length guard.
constexpr int kFreqBoxMax = 9;

// ---- offset ----

// The offset list position of record bytes 8-13 (each byte written plainly
// one after another, read as kHz, divided by 50, halves to even, at most
// the last position 1999).
int Offset_position(std::span<const uint8_t> bytes6);
// Record bytes 8-13 of an offset item's text ("10.650MHZ" gives 0 1 0 6 5
// 0); none when the text is not of that shape.
std::optional<std::array<uint8_t, 6>> Offset_digits(std::string_view item);

// ---- tones ----

// How a tone code shows in a tone list: a position, or (position -1) a text
// that is no position of its own.
struct ToneShow {
    int position = -1;
    std::string text;
};
ToneShow Tone_show(uint8_t low, uint8_t high);

}  // namespace bx::options
