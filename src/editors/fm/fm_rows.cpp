#include "editors/fm/fm_rows.h"

#include <algorithm>
#include <cstdint>

#include "editors/fm/fm_choices.h"
#include "model/numtext.h"
#include "base/text.h"

namespace bx {

namespace fr = layout::Fm_record;

const std::array<FmColumn, kFmCols> Fm_columns = {{
    {kFmColNumber, "^FM 频 道 号", "^FM  Channel", FmRule::Number, false, nullptr},
    {kFmColFreq, "^  接  收  频  率 (MHZ)  ", "^ Receive Frequency (MHZ)", FmRule::Freq, true, &fr::Freq},
    {kFmColName, "^     电    台    名    称    ", "^ FM Station Name  ", FmRule::Name, true, &fr::Name},
}};

std::string Fm_format_string(int16_t lang_chinese) {
    std::string s;
    for (const FmColumn& c : Fm_columns) {
        if (!s.empty()) s += '|';
        s += lang_chinese != 0 ? c.head_chn : c.head_eng;
    }
    return s;
}

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The padding of a frequency text: a whole number of one to three digits
// gets its point (a lone 0 does not), then zeros up to 9 characters from
// 100 MHz up, 8 below.
std::string pad_freq(std::string t, bool hundred_up) {
    if (t.size() < 9) {
        const bool whole = t.find('.') == std::string::npos;
        if (whole && (t.size() == 2 || t.size() == 3 || (t.size() == 1 && t != "0"))) t += '.';
        const size_t width = hundred_up ? 9 : 8;
        if (t.size() < width) t.append(width - t.size(), '0');
    }
    return t;
}

// The digits and point of a text's leading number, read as Val reads it
// (blanks skipped, one point, stop at the first other character); the sign
// is dropped, as only positive values reach here.
std::string number_chars(const std::string& text) {
    std::string num;
    bool point = false, digit = false, sign = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
        if ((c == '+' || c == '-') && !sign && !digit && !point) {
            sign = true;
        } else if (is_digit(c)) {
            digit = true;
            num += c;
        } else if (c == '.' && !point) {
            point = true;
            num += c;
        } else {
            break;
        }
    }
    return num;
}

std::vector<std::string> chars_of(const std::string& t) { return utf8_chars(t); }

std::string upper_ascii(std::string t) {
    for (char& c : t)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return t;
}

}  // namespace

std::string Cov_Freq(int m_freq0, int m_freq1, int m_freq2, int m_freq3, int m_freq4, int m_freq5, int m_freq6,
                     int m_freq7) {
    // The value in units of 10 Hz, exactly.
    const int d[8] = {m_freq0, m_freq1, m_freq2, m_freq3, m_freq4, m_freq5, m_freq6, m_freq7};
    int64_t v = 0;
    for (int x : d) v = v * 10 + x;
    const int64_t whole = v / 100000, frac = v % 100000;
    std::string t = whole == 0 && frac != 0 ? std::string() : std::to_string(whole);
    if (frac != 0) {
        std::string f = std::to_string(frac);
        f.insert(0, 5 - f.size(), '0');
        while (f.back() == '0') f.pop_back();
        t += "." + f;
    }
    return pad_freq(t, whole >= 100);
}

FmCells Fm_row_cells(const MemImage& img, int n) {
    FmCells out;
    const int i = n - 1;
    if (fr::Freq.ref(img, i, 0) == 0 && fr::Freq.ref(img, i, 1) == 0 && fr::Freq.ref(img, i, 2) == 0) return out;
    const std::vector<uint8_t> d = fr::Freq.bytes(img, i);
    out.freq = Cov_Freq(d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7]);
    for (uint8_t b : fr::Name.bytes(img, i))
        if (Fm_name_shows(b)) out.name += utf8_encode(b);
    return out;
}

std::string Fm_freq_cell(const std::string& typed) {
    const std::string num = number_chars(typed);
    const size_t point = num.find('.');
    const size_t whole_end = point == std::string::npos ? num.size() : point;
    // The whole MHz without leading zeros ("0" for none), the point, and
    // the decimals cut to 10 Hz or filled with zeros.
    const size_t first = num.find_first_not_of('0');
    std::string cell = first < whole_end ? num.substr(first, whole_end - first) : std::string(1, '0');
    cell += '.';
    const size_t decimals = point == std::string::npos ? 0 : std::min<size_t>(num.size() - point - 1, 5);
    if (decimals > 0) cell.append(num, point + 1, decimals);
    cell.append(5 - decimals, '0');
    return cell;
}

std::string Fm_low_cell() { return Fm_freq_cell(std::to_string(kFmLowLimit)); }

bool Fm_name_shows(int code) { return code > ' ' && code <= fm_choice::kNameLastChar; }

namespace {

// The characters of a typed name that the preset can store and a redraw
// shows, in order.
std::vector<std::string> name_chars(const std::string& typed) {
    std::vector<std::string> out;
    for (std::string& ch : chars_of(typed))
        if (Fm_name_shows(utf8_code(ch))) out.push_back(std::move(ch));
    return out;
}

}  // namespace

int Fm_name_length(const std::string& typed) { return static_cast<int>(name_chars(typed).size()); }

std::string Fm_name_cell(const std::string& typed) {
    std::vector<std::string> cs = name_chars(typed);
    if (cs.size() > 6) cs.resize(6);
    return upper_ascii(join(cs));
}

void Store_fm_cells(MemImage& img, int n, const std::string& freq_cell, const std::string& name_cell,
                    bool name_untouched) {
    const int i = n - 1;
    const bool had_freq = fr::Freq.ref(img, i, 0) != 0 || fr::Freq.ref(img, i, 1) != 0 || fr::Freq.ref(img, i, 2) != 0;
    const std::string f = Trim(freq_cell);
    if (f.empty()) {
        fr::Freq.fill(img, i, 0);
        fr::Name.fill(img, i, 0xFF);
        return;
    }
    // A well-formed text: 1-3 whole digits, the point, 1-5 decimals.
    const size_t point = f.find('.');
    bool ok = point != std::string::npos && point >= 1 && point <= 3 && f.size() - point - 1 >= 1 &&
              f.size() - point - 1 <= 5;
    for (size_t j = 0; ok && j < f.size(); ++j) ok = j == point || is_digit(f[j]);
    if (ok) {
        std::string digits = std::string(3 - point, '0') + f.substr(0, point) + f.substr(point + 1);
        digits.resize(8, '0');
        for (int j = 0; j < 8; ++j) fr::Freq.ref(img, i, j) = static_cast<uint8_t>(digits[static_cast<size_t>(j)] - '0');
    }
    // A preset's name the user did not edit keeps its bytes (a factory name
    // from byte 8 included); a preset that was empty gets the cell's name.
    if (name_untouched && had_freq) return;
    fr::Name.fill(img, i, 0xFF);
    std::vector<std::string> cs = name_chars(name_cell);
    if (cs.empty()) return;
    const size_t k = cs.size() < 6 ? cs.size() : 6;
    const int start = k == 6 ? 8 : k == 5 ? 9 : k >= 3 ? 10 : 11;
    for (size_t j = 0; j < k; ++j)
        fr::Name.ref(img, i, start - fr::Name.byte + static_cast<int>(j)) = static_cast<uint8_t>(utf8_code(cs[j]));
}

}  // namespace bx
