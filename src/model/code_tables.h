// The fixed tables built at start-up: the tone names every tone list shows,
// the maker ident a radio's identification must carry, and the model table
// of band limits.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace bx {

constexpr int kToneNames = 261;       // 0 off, 1..50 CTCSS, 51..155 DCS N, 156..260 DCS I
constexpr int kCtcssCount = 50;
constexpr int kDcsCount = 105;
constexpr int kDcsFirstIndex = 51;   // table index of D023N; DCS position p is index p + 50

// Each entry is the tone's name with blanks around it ("   OFF      ",
// "   67.0    ", "  100.0   ", "  D023N   ", " D023I   "); lists show the
// names trimmed.
using ToneNameTable = std::array<std::string, kToneNames>;

// The 4 bytes an identification reply carries at bytes 13..16.
using RadioIdent = std::array<uint8_t, 4>;

constexpr int kModels = 11;
// Columns of Band_table: band A lower and upper, band B lower and upper (MHz).
enum BandCol { kBandALowCol = 0, kBandAHighCol = 1, kBandBLowCol = 2, kBandBHighCol = 3 };

struct ModelTable {
    std::array<std::string, kModels> Model_names{};
    std::array<std::array<int16_t, 4>, kModels> Band_table{};
};

// The CTCSS tones in tenths of a hertz (670 .. 2541) and the DCS codes as
// their octal digits read as decimal (23 .. 754), in table order.
extern const std::array<int, kCtcssCount> kCtcssTenths;
extern const std::array<int, kDcsCount> kDcsCodes;

// Fills the tone name table and the radio ident.
void Load_code_tables(ToneNameTable& tone_names, RadioIdent& ident);

// Fills the model table, then sets limit_a_low and limit_a_high to band A of
// model `model_index` (left unchanged when the index names no model).
void Load_model_table(ModelTable& table, int model_index, double& limit_a_low, double& limit_a_high);

}  // namespace bx
