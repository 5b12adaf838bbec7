// The constant tone tables of the 15 5-tone standards: for every standard
// and tone digit 0..F its frequency (display text, whole-hertz bytes) and the
// divider of the radio's 2.304 MHz clock, and their copy into the image at
// radio 0x2000-0x23FF.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/layouts.h"
#include "model/mem_image.h"

namespace bx {

// The grids follow the image's tables: a slot per table record (standards
// 0..14 and an empty slot 15), a byte per digit.
constexpr int kSig5toneSlots = layout::Sig_5tone_tables::kTableSlots;
constexpr int kSig5toneDigits = layout::Sig_5tone_tables::Hz_low.len;
constexpr int kSig5toneStdsInTable = layout::Sig_5tone_tables::Hz_low_rows.count;  // standards with tones

template <typename T>
using Sig5toneGrid = std::array<std::array<T, kSig5toneDigits>, kSig5toneSlots>;

struct Sig5toneToneTable {
    Sig5toneGrid<std::string> Sig_5tone_freq_text;  // "   1981.0  ", 11 characters; empty strings until built
    Sig5toneGrid<int16_t> Sig_5tone_freq_low{};
    Sig5toneGrid<int16_t> Sig_5tone_freq_high{};
    Sig5toneGrid<int16_t> Sig_5tone_div_low{};
    Sig5toneGrid<int16_t> Sig_5tone_div_high{};
};

// The tone frequencies in tenths of a hertz, [standard 0..14][digit 0..15];
// 0 means the standard has no tone for that digit.
extern const std::array<std::array<int, kSig5toneDigits>, kSig5toneStdsInTable> kSig5toneFreqTenths;

// The tables, built once from the frequencies and constant from then on.
const Sig5toneToneTable& Sig_5tone_tone_table();

// Writes the four byte tables into the fields of layout::Sig_5tone_tables
// (Hz low, Hz high, divider low, divider high): instance s, byte d := the
// byte of standard s (0..14), digit d. The empty slot after each table's
// standards (records 527, 543, 559, 575) is left as it is.
void Load_5tone_tables(MemImage& img);

}  // namespace bx
