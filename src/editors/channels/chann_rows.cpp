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

bool name_char(uint8_t b) { return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z'); }

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
        const uint8_t b = f::Name.ref(img, k, j);
        if (name_char(b)) name += static_cast<char>(b);
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
    return Trim(upper_ascii(first_chars(Trim(typed), 6)));
}

int Chann_name_length(const std::string& typed) { return utf8_length(Trim(typed)); }

void Store_chann_name(MemImage& img, int k, const std::string& cell) {
    f::Name.fill(img, k, kErased);
    // Positions count characters: a character that is no digit or capital
    // keeps its position, holding 0xFF.
    const std::vector<std::string> cs = utf8_chars(cell);
    for (size_t j = 0; j < cs.size() && j < static_cast<size_t>(f::Name.len); ++j)
        if (cs[j].size() == 1 && name_char(static_cast<uint8_t>(cs[j][0])))
            f::Name.ref(img, k, static_cast<int>(j)) = static_cast<uint8_t>(cs[j][0]);
}

}  // namespace bx
