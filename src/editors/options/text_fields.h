// The options editor's text fields: the two power-on message lines (six
// display characters each, centred) and the three DTMF code fields (ANI and
// the two PTT-ID codes, 16 bytes each), with their key limits and the ANI
// checks.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/codecs.h"
#include "ui/typing.h"

namespace bx::options {

constexpr int kPonLineLen = 6;
using PonLine = std::array<uint8_t, kPonLineLen>;
// The most characters a line's box takes, blanks at either end aside: a
// seventh can be typed; only the first six are stored.
constexpr int kPonBoxChars = kPonLineLen + 1;

// A message line as stored: the text without outer blanks, at most its first
// six characters, centred in blanks (an odd surplus puts the extra blank at
// the end); a character the display cannot show, an inner blank included,
// is stored as 11.
PonLine Pon_line_encode(std::string_view text);
// What the line's box shows: its displayable characters in order, blanks
// inside dropped, one blank at the end when the last byte is a blank.
std::string Pon_line_text(std::span<const uint8_t> line);
// Whether a typed key is refused, given the text it would make: when that
// text without outer blanks holds more than kPonBoxChars characters.
bool Pon_key_refused(std::string_view text_after);
bool Pon_key_refused(const ui::TextCounts& after);

// A code field as stored: the text without outer blanks, one DTMF code per
// character (255 for one that is no DTMF digit), at most 16, 0xFF after.
DtmfCodeField Code_field_encode(std::string_view text);
// What the field's box shows: the characters of its codes, in order.
std::string Code_field_text(std::span<const uint8_t> field);
// Whether a typed key is refused, given the text it would make: when that
// text holds more than kDtmfFieldLen characters, blanks counted.
bool Code_key_refused(std::string_view text_after);
// Whether a code box takes typed character `key`: one that a DTMF code
// stores (Dtmf_code_key_ok), so the box never shows a character its field
// would hold as a hole. Control keys (Backspace, Enter) are no characters
// and pass.
bool Code_char_ok(int key);
// Whether an ANI text can still become one that the ANI checks accept by
// typing more: at most five characters, and some completion to three to
// five passes the range check.
bool Ani_can_pass(std::string_view text);

// The ANI checks when its box is left.
enum class AniCheck { Ok, Length, Range };
AniCheck Ani_check(std::string_view text);

}  // namespace bx::options
