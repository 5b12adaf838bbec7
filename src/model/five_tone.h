// The constant tone tables of the 15 5-tone standards: for every standard
// and tone digit 0..F its frequency (display text, whole-hertz bytes) and the
// divider of the radio's 2.304 MHz clock, and their copy into the image at
// radio 0x2000-0x23FF.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/mem_image.h"

namespace bx {

constexpr int kSig5toneSlots = 16;   // standards 0..14; slot 15 stays empty
constexpr int kSig5toneDigits = 16;
constexpr int kSig5toneStdsInTable = 15;  // standards 0..14 have tones

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

// Writes the four byte tables into image records 512..575: record
// 512 + 16k + s, byte d := byte kind k (Hz low, Hz high, divider low, divider
// high) of standard s (0..14), digit d. Records 527, 543, 559, 575 are left
// as they are.
void Load_5tone_tables(MemImage& img);

}  // namespace bx
