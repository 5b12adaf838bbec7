// Reading and writing numbers in texts, the same way everywhere and in every
// locale: the editors, the codecs and the files all go through these two.
#pragma once

#include <string>
#include <string_view>

namespace bx {

// The leading decimal number of a text: blanks (space, tab, CR, LF) are
// skipped wherever they stand, an optional sign, digits and one "." are taken,
// and reading stops at the first other character. "." is the decimal point
// whatever the locale; there is no exponent form. A text without a digit
// reads as 0. The result is always finite (a number beyond the range of a
// double reads as the largest double of its sign).
double Val(std::string_view text);

// A number as text: its shortest decimal form with at most 15 significant
// digits, "." as the point, no exponent, no "0" before the point of a value
// below 1 (0.5 gives ".5", -0.5 gives "-.5"), no leading blank. Zero, -0 and
// a value that is not finite give "0".
std::string Num_text(double v);

// A whole number as the status panels and the dialogs show it: decimal,
// with a blank where a negative number has its "-" (7 gives " 7", -7 "-7").
std::string Str(int v);

// The text without leading and trailing blanks (spaces only).
std::string Trim(std::string_view text);

}  // namespace bx
