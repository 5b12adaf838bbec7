// The alignment editor's value rules as pure functions: what a numeric box
// accepts, the range boxes' key filter and leave checks, the range and
// password texts the pages show, and the level lists' entries. The window
// (frm_adj_txp.h) applies them to its controls and the table.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "ui/typing.h"

namespace bx::adj_rules {

// ---- numeric boxes (power, squelch, compensation) ----
enum class Number : uint8_t {
    Ok,          // value holds the number (an empty text is 0)
    Not_digits,  // a character other than 0-9 in the trimmed text
    Too_big,     // digits only, but above the box's limit
};
Number Check_number(const std::string& text, int max, int& value);

// ---- range boxes (the limited working range of a band) ----
// The most characters a range box takes, blanks at either end aside.
constexpr int kRangeBoxChars = 4;
// The key filter, given the text the key would make (or its counts): refused
// when that text, trimmed, holds more than kRangeBoxChars characters.
bool Range_key_refused(const std::string& text_after);
bool Range_key_refused(const ui::TextCounts& after);

// The number a range box's text begins with, blanks in front skipped (0
// when none).
double Range_number(const std::string& text);

// What leaving a range box does. message 0: the checks passed; 1-4: the
// message shown, the box then takes reset_to. store: the band's six cells
// take the whole parts low and high (only when the checks passed and
// band low <= low <= high <= band high).
struct RangeLeave {
    int message = 0;
    int reset_to = 0;
    bool store = false;
    int low = 0, high = 0;
};
RangeLeave Leave_low(double l, double h, int band_low, int band_high);
RangeLeave Leave_high(double l, double h, int band_low, int band_high);

// A whole-MHz limit as three one-digit cells, hundreds first (0..999).
std::array<int16_t, 3> Mhz_digits(int mhz);
// The range box text of three digit cells: the number with a blank in
// front (" 130").
std::string Range_text(int16_t d0, int16_t d1, int16_t d2);

// ---- passwords ----
// What a password box shows of its six cells: the codes 0x20-0x7E in
// order (other codes show nothing), without the blanks at both ends.
std::string Password_text(std::span<const int16_t> cells);

// ---- level lists ----
// Entry v of a level list: the number with a blank in front (" 7").
std::string Level_item(int v);

}  // namespace bx::adj_rules
