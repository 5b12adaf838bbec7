// The FM preset grid apart from its window: its columns, the text of a
// preset's frequency and name, a typed frequency or name as its cell shows
// it, and a row's cells stored back into the preset record.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/layouts.h"
#include "model/mem_image.h"

namespace bx {

// The preset grid's columns: number, frequency, station name.
enum FmCol : int { kFmColNumber = 0, kFmColFreq = 1, kFmColName = 2 };
constexpr int kFmCols = 3;
constexpr int kFmPresets = 16;
constexpr int kFmRows = kFmPresets + 2;  // the header, 16 presets, one spare row

enum class FmRule : uint8_t { Number, Freq, Name };

struct FmColumn {
    int col;
    const char* head_chn;
    const char* head_eng;
    FmRule rule;
    bool editable;  // the overlay opens on its cells
    const Field* field;
};
extern const std::array<FmColumn, kFmCols> Fm_columns;

// The grid's format string in the language the flag chooses.
std::string Fm_format_string(int16_t lang_chinese);

// The lowest and highest frequency a preset takes (MHz); a refused entry
// becomes the lowest.
constexpr int kFmLowLimit = 87;
constexpr int kFmHighLimit = 108;

// The eight frequency digits as a frequency text: the exact value, each digit
// by its place whatever its size, in its shortest form, then a whole number
// of one to three digits gets its point and zeros fill it to 9 characters
// from 100 MHz up and to 8 below.
std::string Cov_Freq(int m_freq0, int m_freq1, int m_freq2, int m_freq3, int m_freq4, int m_freq5, int m_freq6,
                     int m_freq7);

// The cells of preset n (1..16): frequency and name, both empty for an empty
// preset (its three whole-MHz digits 0).
struct FmCells {
    std::string freq, name;
};
FmCells Fm_row_cells(const MemImage& img, int n);

// A typed frequency whose value lies from 87 to 108 MHz, as its cell shows
// it: the value cut to 10 Hz, as a frequency text.
std::string Fm_freq_cell(const std::string& typed);
// The lowest frequency as its cell shows it (87.00000).
std::string Fm_low_cell();

// Whether a name character (its code) is stored and shown: not a blank nor
// a control character, and with a single-byte form (up to U+00FE). The
// redraw of a name skips every other byte, so a commit drops every other
// character and the cell shows exactly what was stored.
bool Fm_name_shows(int code);
// Characters of a typed name that a name can hold: more than 6 earns the
// name message (the cut drops some).
int Fm_name_length(const std::string& typed);
// The name as its cell shows it, which is what it stores: the characters a
// name can hold (blanks inside dropped), the first 6 of them, a-z in
// capitals.
std::string Fm_name_cell(const std::string& typed);

// Preset n's record from its two cells. An empty frequency empties the
// preset (digits 0, name bytes 0xFF). A well-formed frequency text (1-3
// whole digits, ".", 1-5 decimals) stores its digits by place; any other
// text leaves bytes 0-7 as they are. The name goes to the bytes its length
// gives (6 from byte 8, 5 from 9, 3-4 from 10, 1-2 from 11), 0xFF around it;
// with name_untouched (the frequency cell was the one edited) a preset that
// had a frequency keeps its name bytes as they are.
void Store_fm_cells(MemImage& img, int n, const std::string& freq_cell, const std::string& name_cell,
                    bool name_untouched = false);

}  // namespace bx
