#include "editors/channels/chann_rows.h"

#include <algorithm>

#include "model/codecs.h"
#include "model/numtext.h"
#include "base/text.h"

namespace bx {

namespace f = chann_field;

namespace {

std::string freq_text(const Field& fld, const MemImage& img, int k) {
    return Freq_bcd_to_text(Read_freq_bcd(img, fld, k));
}

std::string tone_text(const Field& fld, const MemImage& img, int k, const ToneNameTable& names) {
    const ToneCode code = Read_tone_code(img, fld, k);
    return Tone_code_to_text(code.low, code.high, names);
}

// The first n characters of a text (characters, not bytes).
std::string first_chars(const std::string& t, size_t n) {
    std::vector<std::string> cs = utf8_chars(t);
    if (cs.size() > n) cs.resize(n);
    return join(cs);
}

// Only a to z are put in capitals: every other character is kept as typed.
std::string upper_ascii(std::string t) {
    for (char& c : t)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return t;
}

// A name holds digits and capitals as their codes, and '+' and '-' as the
// radio's own bytes 251 and 253. name_byte: 0 for a character a name cannot
// hold; name_char: 0 for a byte that shows no character.
constexpr uint8_t kNamePlus = 251, kNameMinus = 253;

uint8_t name_byte(const std::string& ch) {
    if (ch.size() != 1) return 0;
    const char c = ch[0];
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) return static_cast<uint8_t>(c);
    if (c == '+') return kNamePlus;
    if (c == '-') return kNameMinus;
    return 0;
}

char name_char(uint8_t b) {
    if ((b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z')) return static_cast<char>(b);
    if (b == kNamePlus) return '+';
    if (b == kNameMinus) return '-';
    return 0;
}

// The characters of a typed name that a name can hold, in capitals, in
// order, the first `most` of them; every other character (blanks inside,
// accented letters, signs other than + and -) is dropped. Each is one
// byte. Their count, all of them, goes to `count`. One pass, nothing built
// per character, however long the typed text.
std::string storable_name(const std::string& typed, size_t most, int& count) {
    const std::string t = upper_ascii(Trim(typed));
    std::string kept;
    count = 0;
    for (size_t i = 0; i < t.size();) {
        const size_t next = utf8_next(t, i);
        if (next == i + 1 && name_byte(std::string(1, t[i])) != 0) {
            if (kept.size() < most) kept += t[i];
            ++count;
        }
        i = next;
    }
    return kept;
}

}  // namespace

bool Chann_used(const MemImage& img, int k) { return f::Rx_freq.ref(img, k, 0) != kErased; }

std::string Chann_cell_text(int col, const MemImage& img, int k, const ToneNameTable& names) {
    if (col < 0 || col >= kChannCols) return {};
    const ChannColumn& c = Chann_columns[static_cast<size_t>(col)];
    switch (c.rule) {
        case ColumnRule::Number:
        case ColumnRule::Band:
            return {};
        case ColumnRule::RxFreq:
        case ColumnRule::TxFreq:
            return freq_text(*c.shown, img, k);
        case ColumnRule::Tone: {
            std::string t = tone_text(*c.shown, img, k, names);
            return col == kColTxTone ? Trim(t) : t;
        }
        case ColumnRule::Setting: {
            const int v = c.shown->get(img, k);
            return v < static_cast<int>(c.items.size()) ? c.items[static_cast<size_t>(v)] : c.beyond;
        }
        case ColumnRule::Name:
            return Chann_name_text(img, k);
    }
    return {};
}

ChannCells Chann_row_cells(const MemImage& img, int k, const ToneNameTable& names) {
    ChannCells cells;
    if (!Chann_used(img, k)) return cells;
    cells[kColBand] = kBandCell;
    for (int col = kColRxFreq; col < kChannCols; ++col)
        cells[static_cast<size_t>(col)] = Chann_cell_text(col, img, k, names);
    // A receive-only channel: its transmit bytes are not looked at.
    if (f::Tx_freq.ref(img, k, 0) == kErased) {
        cells[kColTxFreq].clear();
        cells[kColTxTone].clear();
    }
    return cells;
}

std::string Chann_name_text(const MemImage& img, int k) {
    std::string name;
    if (f::Name.ref(img, k, 0) == kErased) return name;
    for (int j = 0; j < f::Name.len; ++j) {
        if (const char c = name_char(f::Name.ref(img, k, j))) name += c;
    }
    return name;
}

void Erase_chann_records(MemImage& img, int k) {
    f::Record.fill(img, k, kErased);
    f::Name_record.fill(img, k, kErased);
}

void Set_chann_default_records(MemImage& img, int k) {
    // Bytes 8-14 := 0 and byte 15 := 4: both tones off, signal code 1, no
    // optional signalling, squelch QT, power high, scrambler off, PTT-ID off,
    // scan add on, busy lock off, wide; the unnamed bits 0 too.
    for (int b = f::Rx_tone.byte; b < kRecordBytes; ++b) f::Record.ref(img, k, b) = 0;
    f::Scan_add.set(img, k, 1);
    f::Name_record.fill(img, k, kErased);
}

void Write_chann_pick(MemImage& img, int k, int col, int p, const ToneNameTable& names) {
    if (col < 0 || col >= kChannCols) return;
    const ChannColumn& c = Chann_columns[static_cast<size_t>(col)];
    if (c.rule == ColumnRule::Tone) {
        const ToneCode code = Tone_index_to_code(p, names);
        Store_tone_code(img, *c.field, k, code);
        if (col == kColRxTone) Store_tone_code(img, f::Tx_tone, k, code);
    } else if (col == kColPower && p == 1) {
        // LOW is bits 0-2 holding 1, as the row shows it: a bit 2 left set
        // would still show (and be) HIGH.
        f::Power_shown.set(img, k, 1);
    } else if (c.rule == ColumnRule::Setting && !c.items.empty()) {
        c.field->set(img, k, std::clamp(p, 0, static_cast<int>(c.items.size()) - 1));
    }
}

bool Leave_rule_refuses(double fr, const ValidationLimits& lim) {
    return fr < lim.A_low || lim.Above_top(fr) || lim.Between(fr, fr >= lim.A_high + 1);
}

bool Enter_rule_refuses(double fr, const ValidationLimits& lim) {
    return fr < lim.A_low || lim.Above_top(fr) || lim.Between(fr, fr > lim.A_high);
}

std::string A_low_text(const ValidationLimits& lim) {
    std::string t = Num_text(lim.A_low);
    if (t.find('.') == std::string::npos) t += ".0";
    const size_t width = lim.A_low >= 100 ? 9 : 8;
    if (t.size() < width) t.append(width - t.size(), '0');
    return t;
}

std::string Enter_freq_text(const std::string& typed) {
    std::string t = first_chars(typed, 9);
    if (t.find('.') == std::string::npos) t += '.';
    const size_t width = Val(t) >= 100 ? 9 : 8;
    const size_t n = static_cast<size_t>(utf8_length(t));
    if (n < width) t.append(width - n, '0');
    return t;
}

std::optional<CustomTone> Custom_ctcss(const std::string& typed) {
    const std::string t = Trim(typed);
    const double v = Val(t);
    if (!(v >= 60.0 && v <= 259.9)) return std::nullopt;
    CustomTone out;
    out.cell = t;
    if (v == static_cast<double>(static_cast<int>(v))) out.cell += ".0";
    out.code = Ctcss_text_to_code(t);
    return out;
}

std::string Chann_name_cell(const std::string& typed) {
    int count = 0;
    return storable_name(typed, static_cast<size_t>(f::Name.len), count);
}

int Chann_name_length(const std::string& typed) {
    int count = 0;
    storable_name(typed, 0, count);
    return count;
}

void Store_chann_name(MemImage& img, int k, const std::string& cell) {
    f::Name.fill(img, k, kErased);
    // Packed from byte 0: a character a name cannot hold takes no byte.
    int j = 0;
    for (const std::string& ch : utf8_chars(cell)) {
        if (j == f::Name.len) break;
        if (const uint8_t b = name_byte(ch)) f::Name.ref(img, k, j++) = b;
    }
}

}  // namespace bx
