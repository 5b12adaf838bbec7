#include "base/text.h"

namespace bx {

static int seq_len(unsigned char c) {
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) return 2;
    if ((c & 0xF0) == 0xE0) return 3;
    if ((c & 0xF8) == 0xF0) return 4;
    return 1;  // a stray byte counts as one character
}

std::vector<std::string> utf8_chars(const std::string& s) {
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        size_t n = static_cast<size_t>(seq_len(static_cast<unsigned char>(s[i])));
        if (i + n > s.size()) n = s.size() - i;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

// Counts as utf8_chars splits, without building the pieces: a long text is
// measured in one pass over its bytes.
int utf8_length(const std::string& s) {
    int count = 0;
    for (size_t i = 0; i < s.size(); ++count) i = utf8_next(s, i);
    return count;
}

size_t utf8_next(const std::string& s, size_t i) {
    if (i >= s.size()) return s.size();
    const size_t n = static_cast<size_t>(seq_len(static_cast<unsigned char>(s[i])));
    return i + n > s.size() ? s.size() : i + n;
}

int utf8_code(const std::string& ch) {
    if (ch.empty()) return 0;
    auto c0 = static_cast<unsigned char>(ch[0]);
    int n = seq_len(c0);
    if (n == 1 || static_cast<int>(ch.size()) < n) return c0;
    int code = c0 & (0x7F >> n);
    for (int i = 1; i < n; ++i) code = (code << 6) | (static_cast<unsigned char>(ch[i]) & 0x3F);
    return code;
}

std::string utf8_encode(int c) {
    std::string s;
    if (c < 0) c = 0xFFFD;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

std::string join(const std::vector<std::string>& parts) {
    std::string s;
    for (const auto& p : parts) s += p;
    return s;
}

}  // namespace bx
