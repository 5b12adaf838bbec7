#include "model/numtext.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace bx {

namespace {
bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

double Val(std::string_view text) {
    // Gather the number's characters without the blanks, then convert them
    // with the locale-independent converter.
    std::string num;
    bool negative = false, seen_sign = false, seen_point = false, seen_digit = false;
    bool whole_nonzero = false;  // a non-zero digit before the point
    for (char c : text) {
        if (is_blank(c)) continue;
        if ((c == '-' || c == '+') && !seen_sign && !seen_digit && !seen_point) {
            seen_sign = true;
            negative = (c == '-');
        } else if (c >= '0' && c <= '9') {
            seen_digit = true;
            if (!seen_point && c != '0') whole_nonzero = true;
            num += c;
        } else if (c == '.' && !seen_point) {
            seen_point = true;
            num += c;
        } else {
            break;
        }
    }
    if (!seen_digit) return 0.0;
    double v = 0.0;
    const auto res = std::from_chars(num.data(), num.data() + num.size(), v, std::chars_format::fixed);
    if (res.ec == std::errc::result_out_of_range)
        v = whole_nonzero ? std::numeric_limits<double>::max() : 0.0;
    else if (res.ec != std::errc())
        v = 0.0;
    return negative ? -v : v;
}

std::string Num_text(double v) {
    if (!std::isfinite(v) || v == 0.0) return "0";
    // 15 significant digits in scientific form: d.dddddddddddddde[+-]xx.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 14);
    const std::string sci(buf, res.ptr);
    const size_t epos = sci.find('e');
    std::string digits;
    for (size_t i = 0; i < epos; ++i)
        if (sci[i] != '.') digits += sci[i];
    const int exp10 = std::stoi(sci.substr(epos + 1));
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int n = static_cast<int>(digits.size());
    const int point = exp10 + 1;  // digits before the decimal point
    std::string out = v < 0 ? "-" : "";
    if (point <= 0) {
        out += '.';
        out.append(static_cast<size_t>(-point), '0');
        out += digits;
    } else if (point >= n) {
        out += digits;
        out.append(static_cast<size_t>(point - n), '0');
    } else {
        out += digits.substr(0, static_cast<size_t>(point));
        out += '.';
        out += digits.substr(static_cast<size_t>(point));
    }
    return out;
}

std::string Trim(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    return std::string(text.substr(b, e - b));
}

std::string Str(int v) {
    std::string s = v >= 0 ? " " : "";
    s += std::to_string(v);
    return s;
}

}  // namespace bx
