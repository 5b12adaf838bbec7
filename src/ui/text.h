// UTF-8 helpers: the windows count and edit texts in characters, and a
// KeyAscii code is the character's code point.
#pragma once

#include <string>
#include <vector>

namespace ui {

std::vector<std::string> utf8_chars(const std::string& s);
int utf8_length(const std::string& s);
int utf8_code(const std::string& ch);  // code point of one character
std::string utf8_encode(int code);
std::string join(const std::vector<std::string>& parts);

}  // namespace ui
