// The one filter every password box uses (the read and write windows, the
// password change window, the editors' boxes).
//
// A password is at most six printable ASCII characters (0x20-0x7E); blanks
// before and after the text don't count. On the wire and in the radio it is
// six raw character codes, left-aligned, padded with blanks, case kept.
//
// - Typing: a key other than a printable ASCII character is refused, and so
//   is one whose text (the selection replaced by it) would hold more than six
//   characters, blanks at either end aside, or a blank after six characters;
//   Backspace (8) always passes.
// - Text set by code or pasted: only printable ASCII characters are kept,
//   and of the trimmed text only its first six characters (the blanks in
//   front stay, everything after the sixth goes).
//
// Install it with Use_password_filter(box) after the box's own KeyPress and
// Change handlers are set: it runs before them, the KeyPress handler sees
// only keys it let pass, and the Change handler sees only filtered texts.
// Windows that prefer to call it from their own handlers use
// Password_key and Password_clean directly.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace ui {

class TextBox;
struct TextCounts;

inline constexpr int kPasswordLength = 6;

// A character a password may hold.
constexpr bool Password_char_ok(int code) { return code >= 0x20 && code <= 0x7E; }

// The key rule: zeroes KeyAscii when the key is refused, given the text it
// would make.
void Password_key(const std::string& text_after, int& KeyAscii);
// The same, given the counts of the printable ASCII characters of that text
// (as the text itself when it holds nothing else).
void Password_key(const TextCounts& after, int& KeyAscii);

// The text a password box keeps of the given one.
std::string Password_clean(const std::string& text);

// The six character codes of a password text: the trimmed text's first six
// printable ASCII characters, left-aligned, padded with blanks.
std::array<uint8_t, kPasswordLength> Password_slots(const std::string& text);

// Puts the filter on the box (see above).
void Use_password_filter(TextBox& box);

}  // namespace ui
