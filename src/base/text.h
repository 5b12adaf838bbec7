// UTF-8 helpers: the windows count and edit texts in characters, a KeyAscii
// code is the character's code point, and the model's codecs read texts
// character by character. Below both the control layer and the model.
#pragma once

#include <string>
#include <vector>

namespace bx {

std::vector<std::string> utf8_chars(const std::string& s);
int utf8_length(const std::string& s);
// Where the character that starts at byte i of s ends (as utf8_chars splits).
size_t utf8_next(const std::string& s, size_t i);
int utf8_code(const std::string& ch);  // code point of one character
std::string utf8_encode(int code);
std::string join(const std::vector<std::string>& parts);

}  // namespace bx
